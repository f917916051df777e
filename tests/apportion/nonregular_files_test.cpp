// The ".hor" reader reads only regular files: a FIFO, device or folder
// under a document's name is refused at once with "cannot open file",
// never waited on.
#include "apportion/horfile.h"

#include "core/msgcode.h"

#include <gtest/gtest.h>

#include "fifo_wait.h"
#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

TEST(NonRegularFiles, HorReaderRefusesAFifoWithoutWaiting)
{
    auto dir = testutil::scratchDir("fifo_hor");
    const std::string fifo = (dir / "pipe.hor").string();
    ASSERT_TRUE(testfifo::make(fifo));
    HorDocument doc;
    doc.notebook = "kept";
    int code = -1;
    EXPECT_TRUE(testfifo::returnsWithoutAWriter(fifo, [&] { return readHor(fifo, doc); }, code))
        << "waited for a writer";
    EXPECT_EQ(code, codeOf(Msg::CannotOpenFile));
    EXPECT_EQ(doc.notebook, "kept");
    fs::remove_all(dir);
}

TEST(NonRegularFiles, HorReaderRefusesFoldersAndDevices)
{
    auto dir = testutil::scratchDir("nonregular_hor");
    fs::create_directory(dir / "folder.hor");
    HorDocument hor;
    EXPECT_EQ(readHor((dir / "folder.hor").string(), hor), codeOf(Msg::CannotOpenFile));
    EXPECT_EQ(readHor("/dev/null", hor), codeOf(Msg::CannotOpenFile));
    fs::remove_all(dir);
}

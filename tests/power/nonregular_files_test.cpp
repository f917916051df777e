// The ".bnz" reader reads only regular files: a FIFO or device under a
// document's name is refused at once with "cannot open file", never
// waited on.
#include "power/bnzfile.h"

#include "core/msgcode.h"

#include <gtest/gtest.h>

#include "fifo_wait.h"
#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

TEST(NonRegularFiles, BnzReaderRefusesAFifoWithoutWaiting)
{
    auto dir = testutil::scratchDir("fifo_bnz");
    const std::string fifo = (dir / "pipe.bnz").string();
    ASSERT_TRUE(testfifo::make(fifo));
    BnzDocument doc;
    doc.notebook = "kept";
    int code = -1;
    EXPECT_TRUE(testfifo::returnsWithoutAWriter(fifo, [&] { return readBnz(fifo, doc); }, code))
        << "waited for a writer";
    EXPECT_EQ(code, codeOf(Msg::CannotOpenFile));
    EXPECT_EQ(doc.notebook, "kept");
    fs::remove_all(dir);
}

TEST(NonRegularFiles, BnzReaderRefusesDevices)
{
    BnzDocument bnz;
    EXPECT_EQ(readBnz("/dev/zero", bnz), codeOf(Msg::CannotOpenFile));
}

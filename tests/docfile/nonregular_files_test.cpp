// Settings are read only from regular files: a FIFO, device or folder
// under a settings file's name is refused at once, never waited on. (The
// document readers' tests of the same live with their topics.)
#include "docfile/settings.h"

#include "core/msgcode.h"

#include <gtest/gtest.h>

#include "fifo_wait.h"
#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

TEST(NonRegularFiles, SettingsReaderRefusesAFifoWithoutWaiting)
{
    auto dir = testutil::scratchDir("fifo_settings");
    const std::string fifo = (dir / "pipe.ini").string();
    ASSERT_TRUE(testfifo::make(fifo));
    SettingsState s;
    s.documentName = "kept";
    int code = -1;
    const bool returned = testfifo::returnsWithoutAWriter(fifo, [&] { return ReadSettingsFile(fifo, s) ? 0 : codeOf(Msg::CannotOpenFile); }, code);
    EXPECT_TRUE(returned) << "waited for a writer";
    EXPECT_EQ(code, codeOf(Msg::CannotOpenFile));
    EXPECT_EQ(s.documentName, "kept");
    fs::remove_all(dir);
}

TEST(NonRegularFiles, FileBytesRefuseDevices)
{
    Bytes bytes{7};
    EXPECT_FALSE(readFileBytes("/dev/zero", bytes, 100));
    EXPECT_EQ(bytes, Bytes{7});
}

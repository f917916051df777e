// Documents and settings are read only from regular files: a FIFO, device
// or folder under a document's name is refused at once with "cannot open
// file", never waited on.
#include "graphics/docfile/bnzfile.h"
#include "graphics/docfile/horfile.h"
#include "graphics/docfile/settings.h"

#include <gtest/gtest.h>

#include "fifo_wait.h"
#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

namespace {
constexpr int kCannotOpen = 11; // "cannot open file"
}

TEST(NonRegularFiles, DocumentReadersRefuseAFifoWithoutWaiting)
{
    auto dir = testutil::scratchDir("fifo_docs");
    for (const char* name : {"pipe.hor", "pipe.bnz", "pipe.ini"}) {
        const std::string fifo = (dir / name).string();
        ASSERT_TRUE(testfifo::make(fifo)) << name;
        int code = -1;
        const std::string ext = fs::path(name).extension().string();
        bool returned = false;
        if (ext == ".hor") {
            HorDocument doc;
            doc.notebook = "kept";
            returned = testfifo::returnsWithoutAWriter(fifo, [&] { return readHor(fifo, doc); }, code);
            EXPECT_EQ(doc.notebook, "kept");
        } else if (ext == ".bnz") {
            BnzDocument doc;
            returned = testfifo::returnsWithoutAWriter(fifo, [&] { return readBnz(fifo, doc); }, code);
        } else {
            SettingsState s;
            s.documentName = "kept";
            returned = testfifo::returnsWithoutAWriter(
                fifo, [&] { return ReadSettingsFile(fifo, s) ? 0 : kCannotOpen; }, code);
            EXPECT_EQ(s.documentName, "kept");
        }
        EXPECT_TRUE(returned) << name << " waited for a writer";
        EXPECT_EQ(code, kCannotOpen) << name;
    }
    fs::remove_all(dir);
}

TEST(NonRegularFiles, DocumentReadersRefuseFoldersAndDevices)
{
    auto dir = testutil::scratchDir("nonregular_docs");
    fs::create_directory(dir / "folder.hor");
    HorDocument hor;
    EXPECT_EQ(readHor((dir / "folder.hor").string(), hor), kCannotOpen);
    EXPECT_EQ(readHor("/dev/null", hor), kCannotOpen);
    BnzDocument bnz;
    EXPECT_EQ(readBnz("/dev/zero", bnz), kCannotOpen);
    Bytes bytes{7};
    EXPECT_FALSE(readFileBytes("/dev/zero", bytes, 100));
    EXPECT_EQ(bytes, Bytes{7});
    fs::remove_all(dir);
}

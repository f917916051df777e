#include "docfile/safefile.h"

#include <cstdio>
#include <fstream>

#include <gtest/gtest.h>

#include "testutil.h"

using namespace quan;
namespace fs = std::filesystem;

namespace {

size_t entriesIn(const fs::path& dir)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

} // namespace

TEST(AtomicWrite, WritesAndReplacesLeavingNoTemporaryFiles)
{
    auto dir = testutil::scratchDir("atomic_ok");
    const fs::path target = dir / "doc.hor";
    ASSERT_TRUE(writeFileAtomically(target.string(), Bytes{1, 2, 3}));
    EXPECT_EQ(testutil::readAll(target), (testutil::Bytes{1, 2, 3}));
    ASSERT_TRUE(writeFileAtomically(target.string(), Bytes{9}));
    EXPECT_EQ(testutil::readAll(target), (testutil::Bytes{9}));
    ASSERT_TRUE(writeFileAtomically(target.string(), Bytes{}));
    EXPECT_TRUE(fs::exists(target));
    EXPECT_EQ(fs::file_size(target), 0u);
    EXPECT_EQ(entriesIn(dir), 1u);
    fs::remove_all(dir);
}

TEST(AtomicWrite, AFailedWriteKeepsTheOldFile)
{
    auto dir = testutil::scratchDir("atomic_fail");
    const fs::path target = dir / "doc.hor";
    testutil::writeAll(target, {5, 6, 7, 8});
    bool ok = writeFileAtomically(target.string(), [](std::FILE* f) {
        std::fputs("half a document", f);
        return false; // the writer ran into trouble midway
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(testutil::readAll(target), (testutil::Bytes{5, 6, 7, 8}));
    EXPECT_EQ(entriesIn(dir), 1u);

    // A target that is a folder cannot be replaced by a file.
    fs::create_directory(dir / "folder.hor");
    EXPECT_FALSE(writeFileAtomically((dir / "folder.hor").string(), Bytes{1}));
    EXPECT_TRUE(fs::is_directory(dir / "folder.hor"));
    EXPECT_EQ(entriesIn(dir), 2u);

    EXPECT_FALSE(writeFileAtomically((dir / "missing" / "doc.hor").string(), Bytes{1}));
    EXPECT_FALSE(writeFileAtomically("", Bytes{1}));
    fs::remove_all(dir);
}

TEST(AtomicWrite, UnwritableFolderKeepsTheOldFile)
{
    auto dir = testutil::scratchDir("atomic_ro");
    const fs::path target = dir / "doc.hor";
    testutil::writeAll(target, {5, 6, 7, 8});
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    const bool enforced = !std::ofstream(dir / "probe");
    if (enforced) {
        EXPECT_FALSE(writeFileAtomically(target.string(), Bytes{1, 1, 1}));
        EXPECT_EQ(testutil::readAll(target), (testutil::Bytes{5, 6, 7, 8}));
    }
    fs::permissions(dir, fs::perms::owner_all, fs::perm_options::replace);
    fs::remove_all(dir);
    if (enforced)
        return;
    // Folder permissions do not bind this user (root): use a folder no one
    // can create files in, holding a file that must survive.
    const fs::path fixed = "/proc/version";
    if (!fs::exists(fixed))
        GTEST_SKIP() << "no folder here refuses new files to this user";
    const testutil::Bytes old = testutil::readAll(fixed);
    EXPECT_FALSE(writeFileAtomically(fixed.string(), Bytes{1, 1, 1}));
    EXPECT_EQ(testutil::readAll(fixed), old);
}

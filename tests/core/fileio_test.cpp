#include "core/fileio.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "fifo_wait.h"

using namespace quan;
namespace fs = std::filesystem;

namespace {

fs::path scratch(const std::string& name)
{
    auto dir = fs::temp_directory_path() / ("quandel_core_" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::string contents(const fs::path& p)
{
    std::string s;
    EXPECT_TRUE(readWholeFile(p.string(), s)) << p;
    return s;
}

void put(const fs::path& p, const std::string& s)
{
    std::ofstream(p, std::ios::binary) << s;
}

size_t entriesIn(const fs::path& dir)
{
    size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

unsigned modeOf(const fs::path& p)
{
    struct stat st {};
    EXPECT_EQ(::stat(p.c_str(), &st), 0) << p;
    return static_cast<unsigned>(st.st_mode & 07777);
}

} // namespace

TEST(AtomicSave, WorksBesideTheLongestNames)
{
    auto dir = scratch("long_names");
    // Names of 240 to 255 bytes are valid; the temporary name beside them
    // must fit the same limit.
    for (size_t len : {240u, 250u, 255u}) {
        const fs::path target = dir / (std::string(len - 4, 'n') + ".hor");
        ASSERT_EQ(target.filename().string().size(), len);
        EXPECT_TRUE(writeFileAtomically(target.string(), std::string("first"))) << len;
        EXPECT_TRUE(writeFileAtomically(target.string(), std::string("second"))) << len;
        EXPECT_EQ(contents(target), "second");
    }
    EXPECT_EQ(entriesIn(dir), 3u);
    fs::remove_all(dir);
}

TEST(AtomicSave, KeepsThePermissionBitsOfTheOldFile)
{
    auto dir = scratch("modes");
    for (unsigned mode : {0600u, 0640u, 0604u, 0755u}) {
        const fs::path target = dir / ("doc" + std::to_string(mode) + ".hor");
        put(target, "old");
        ASSERT_EQ(::chmod(target.c_str(), mode), 0);
        ASSERT_TRUE(writeFileAtomically(target.string(), std::string("new")));
        EXPECT_EQ(contents(target), "new");
        EXPECT_EQ(modeOf(target), mode) << std::oct << mode;
    }
    // A new file gets what any new file gets under the user's mask.
    const mode_t mask = ::umask(027);
    ASSERT_TRUE(writeFileAtomically((dir / "fresh.hor").string(), std::string("x")));
    ::umask(mask);
    EXPECT_EQ(modeOf(dir / "fresh.hor"), 0640u);
    fs::remove_all(dir);
}

TEST(AtomicSave, WritesThroughASymbolicLinkToItsTarget)
{
    auto dir = scratch("links");
    fs::create_directories(dir / "docs");
    fs::create_directories(dir / "links");
    const fs::path target = dir / "docs" / "real.hor";
    put(target, "old");
    ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
    // A relative link in another folder, and a link to that link.
    fs::create_symlink("../docs/real.hor", dir / "links" / "link.hor");
    fs::create_symlink("link.hor", dir / "links" / "again.hor");

    ASSERT_TRUE(writeFileAtomically((dir / "links" / "link.hor").string(), std::string("through link")));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "link.hor"));
    EXPECT_EQ(contents(target), "through link");
    EXPECT_EQ(modeOf(target), 0600u);

    ASSERT_TRUE(writeFileAtomically((dir / "links" / "again.hor").string(), std::string("two links")));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "again.hor"));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "link.hor"));
    EXPECT_EQ(contents(target), "two links");
    // Nothing left behind next to the links or next to the target.
    EXPECT_EQ(entriesIn(dir / "links"), 2u);
    EXPECT_EQ(entriesIn(dir / "docs"), 1u);

    // A link whose target does not exist yet: the target is created.
    fs::create_symlink("../docs/new.hor", dir / "links" / "dangling.hor");
    ASSERT_TRUE(writeFileAtomically((dir / "links" / "dangling.hor").string(), std::string("made")));
    EXPECT_TRUE(fs::is_symlink(dir / "links" / "dangling.hor"));
    EXPECT_EQ(contents(dir / "docs" / "new.hor"), "made");
    fs::remove_all(dir);
}

TEST(AtomicSave, RefusesTargetsThatAreNotRegularFiles)
{
    auto dir = scratch("special_targets");
    ASSERT_TRUE(testfifo::make((dir / "pipe.hor").string()));
    EXPECT_FALSE(writeFileAtomically((dir / "pipe.hor").string(), std::string("x")));
    EXPECT_EQ(fs::status(dir / "pipe.hor").type(), fs::file_type::fifo);
    fs::create_directory(dir / "folder.hor");
    EXPECT_FALSE(writeFileAtomically((dir / "folder.hor").string(), std::string("x")));
    EXPECT_TRUE(fs::is_directory(dir / "folder.hor"));
    EXPECT_EQ(entriesIn(dir), 2u);
    fs::remove_all(dir);
}

TEST(WholeFileReader, RefusesAFifoWithoutWaitingForAWriter)
{
    auto dir = scratch("fifo");
    const std::string fifo = (dir / "pipe.hor").string();
    ASSERT_TRUE(testfifo::make(fifo));
    std::string bytes = "unchanged";
    bool result = true;
    EXPECT_TRUE(testfifo::returnsWithoutAWriter(
        fifo, [&] { return readWholeFile(fifo, bytes); }, result));
    EXPECT_FALSE(result);
    EXPECT_EQ(bytes, "unchanged");
    fs::remove_all(dir);
}

TEST(WholeFileReader, RefusesFoldersAndDevices)
{
    auto dir = scratch("not_regular");
    std::string bytes = "unchanged";
    EXPECT_FALSE(readWholeFile(dir.string(), bytes));
    EXPECT_FALSE(readWholeFile("/dev/null", bytes));
    EXPECT_FALSE(readWholeFile((dir / "missing").string(), bytes));
    EXPECT_EQ(bytes, "unchanged");
    fs::remove_all(dir);
}

TEST(WholeFileReader, ReadsThroughLinksAndKeepsToItsLimit)
{
    auto dir = scratch("limits");
    put(dir / "f.txt", "0123456789");
    fs::create_symlink("f.txt", dir / "link.txt");
    std::string bytes;
    EXPECT_TRUE(readWholeFile((dir / "link.txt").string(), bytes));
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_TRUE(readWholeFile((dir / "f.txt").string(), bytes, 10));
    EXPECT_FALSE(readWholeFile((dir / "f.txt").string(), bytes, 9));
    EXPECT_EQ(bytes, "0123456789");
    EXPECT_TRUE(readFileStart((dir / "f.txt").string(), bytes, 4));
    EXPECT_EQ(bytes, "0123");
    EXPECT_TRUE(readFileStart((dir / "f.txt").string(), bytes, 40));
    EXPECT_EQ(bytes, "0123456789");
    put(dir / "empty.txt", "");
    EXPECT_TRUE(readWholeFile((dir / "empty.txt").string(), bytes));
    EXPECT_EQ(bytes, "");
    fs::remove_all(dir);
}

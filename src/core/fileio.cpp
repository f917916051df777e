#include "core/fileio.h"

#include <cerrno>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quan {

namespace {

// The file a save to path replaces: path itself, or the file at the end of
// its chain of symbolic links (which need not exist yet). Relative links
// are taken from the folder of the link.
std::string finalTarget(const std::string& path)
{
    std::string p = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return p;
        std::string link(4096, '\0');
        const ssize_t len = ::readlink(p.c_str(), link.data(), link.size());
        if (len <= 0 || static_cast<size_t>(len) >= link.size())
            return p;
        link.resize(static_cast<size_t>(len));
        if (link.front() == '/')
            p = link;
        else {
            const size_t slash = p.rfind('/');
            p = slash == std::string::npos ? link : p.substr(0, slash + 1) + link;
        }
    }
    return p; // a loop of links: the rename below fails on it
}

// The folder part of path with its trailing slash ("" for a bare name).
std::string folderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

mode_t newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void syncFolder(const std::string& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd); // some file systems cannot; the rename stands either way
    ::close(fd);
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& writer)
{
    if (path.empty())
        return false;
    const std::string target = finalTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return false;
    const std::string folder = folderOf(target);
    std::string temp = folder + ".qnXXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return false;
    // mkstemp makes the file private; give it the old file's bits (and,
    // where allowed, its owner) or those of any new file.
    bool good = ::fchmod(fd, exists ? (old.st_mode & 0777) : newFileMode()) == 0;
    if (good && exists && (old.st_uid != ::geteuid() || old.st_gid != ::getegid())) {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only the owner may give a file away: the new file stays ours.
        }
    }
    std::FILE* f = good ? ::fdopen(fd, "wb") : nullptr;
    if (!f) {
        ::close(fd);
        ::unlink(temp.c_str());
        return false;
    }
    good = writer(f);
    good = std::fflush(f) == 0 && good && !std::ferror(f);
    good = good && ::fsync(::fileno(f)) == 0;
    good = std::fclose(f) == 0 && good;
    good = good && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!good) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes)
{
    return writeFileAtomically(path, [&bytes](std::FILE* f) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

namespace {

bool readFile(const std::string& path, std::string& bytes, size_t limit, bool refuseLonger)
{
    // O_NONBLOCK: opening a FIFO must not wait for a writer. The type is
    // checked on the open descriptor, so a file swapped in after any
    // earlier look is caught too.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    std::string data;
    if (st.st_size > 0)
        data.reserve(std::min(static_cast<size_t>(st.st_size), limit) + 1);
    char buf[65536];
    bool good = true;
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            good = false;
            break;
        }
        if (got == 0)
            break;
        const size_t n = static_cast<size_t>(got);
        if (n > limit - data.size()) {
            if (refuseLonger)
                good = false;
            else
                data.append(buf, limit - data.size());
            break;
        }
        data.append(buf, n);
    }
    ::close(fd);
    if (good)
        bytes = std::move(data);
    return good;
}

} // namespace

bool readWholeFile(const std::string& path, std::string& bytes, size_t limit)
{
    return readFile(path, bytes, limit, true);
}

bool readFileStart(const std::string& path, std::string& bytes, size_t limit)
{
    return readFile(path, bytes, limit, false);
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

} // namespace quan

#include "core/fileio.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <atomic>
#include <chrono>
#include <system_error>

namespace quan {

namespace {

// Opens a fresh temporary file next to path, refusing to reuse any existing
// name ("x" mode), and reports its name.
std::FILE* openTemporary(const std::string& path, std::string& tempName)
{
    static std::atomic<unsigned long long> counter{
        static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count())};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = path + "." + std::to_string(counter++ % 1000000007ULL) + ".tmp~";
        if (std::FILE* f = std::fopen(tempName.c_str(), "wbx"))
            return f;
        std::error_code ec;
        if (!std::filesystem::exists(tempName, ec))
            return nullptr; // not a name clash: the folder refuses new files
    }
    return nullptr;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& writer)
{
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(path, ec))
        return false;
    std::string temp;
    std::FILE* f = openTemporary(path, temp);
    if (!f)
        return false;
    bool good = writer(f);
    good = std::fflush(f) == 0 && good && !std::ferror(f);
    good = std::fclose(f) == 0 && good;
    if (good) {
        std::filesystem::rename(temp, path, ec);
        good = !ec;
    }
    if (!good)
        std::filesystem::remove(temp, ec);
    return good;
}

bool writeFileAtomically(const std::string& path, const std::string& bytes)
{
    return writeFileAtomically(path, [&bytes](std::FILE* f) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

bool readWholeFile(const std::string& path, std::string& bytes, size_t limit)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string data;
    char buf[65536];
    while (in) {
        in.read(buf, sizeof buf);
        std::streamsize got = in.gcount();
        if (got <= 0)
            break;
        if (data.size() + static_cast<size_t>(got) > limit)
            return false;
        data.append(buf, static_cast<size_t>(got));
    }
    if (in.bad())
        return false;
    bytes = std::move(data);
    return true;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec);
}

} // namespace quan

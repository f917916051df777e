#include "core/fileio.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace quan {

bool writeFileAtomically(const std::string& path, const std::string& bytes)
{
    namespace fs = std::filesystem;
    if (path.empty())
        return false;
    std::error_code ec;
    fs::path target(path);
    if (fs::is_directory(target, ec))
        return false;
    fs::path dir = target.parent_path();
    static std::mt19937 salt{std::random_device{}()};
    fs::path temp = dir / (target.filename().string() + ".tmp" + std::to_string(salt() % 1000000));
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
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

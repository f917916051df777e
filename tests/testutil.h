// Small helpers for the document-file tests: hand-made little-endian
// bytes (deliberately not using the library's writer) and scratch folders.
#pragma once

#include <stdexcept>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testutil {

using Bytes = std::vector<uint8_t>;

inline void putI16(Bytes& b, int v)
{
    b.push_back(static_cast<uint8_t>(v & 0xFF));
    b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void putI32(Bytes& b, long long v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

inline void putString(Bytes& b, const std::string& s)
{
    putI16(b, static_cast<int>(s.size() + 1));
    b.insert(b.end(), s.begin(), s.end());
    b.push_back(0);
}

inline int32_t getI32(const Bytes& b, size_t at)
{
    return static_cast<int32_t>(static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
        (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24));
}

inline void setI32(Bytes& b, size_t at, long long v)
{
    if (b.size() < 4 || at > b.size() - 4)
        throw std::out_of_range("setI32 past the end of the bytes");
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<size_t>(i)] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

inline Bytes readAll(const std::filesystem::path& p)
{
    std::ifstream f(p, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void writeAll(const std::filesystem::path& p, const Bytes& b)
{
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

// A fresh, empty folder under the system's temporary folder.
inline std::filesystem::path scratchDir(const std::string& name)
{
    auto dir = std::filesystem::temp_directory_path() / ("quandel_docfile_" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::filesystem::path sourceDir()
{
    return QUANDEL_SOURCE_DIR;
}

} // namespace testutil

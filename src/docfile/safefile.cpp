#include "docfile/safefile.h"

#include <cstdio>

namespace quan {

bool writeFileAtomically(const std::string& path, const Bytes& bytes)
{
    return writeFileAtomically(path, [&bytes](std::FILE* f) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    });
}

} // namespace quan

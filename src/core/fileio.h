// Small file helpers shared by every writer and reader.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

namespace quan {

// Writes bytes to path through a temporary file in the same directory that
// replaces the target only after a complete write, so a failed save never
// destroys the previous file.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
// The same for a writer that streams into the open file; a writer that
// returns false abandons the save.
bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& writer);
// Reads a whole file of at most limit bytes; false when it cannot be read
// or is larger.
bool readWholeFile(const std::string& path, std::string& bytes, size_t limit = 64u << 20);
bool fileExists(const std::string& path);

} // namespace quan

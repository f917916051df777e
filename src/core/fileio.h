// Small file helpers shared by every writer and reader.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>

namespace quan {

// Writes bytes to path through a temporary file in the same directory that
// replaces the target only after a complete write, so a failed save never
// destroys the previous file. The temporary file has a short name of its
// own (".qn" and six letters), so any valid name can be saved. The new
// file keeps the old one's permission bits; a path that is a symbolic link
// is written through to the file it names, which is replaced in the same
// way in its own folder, and the link stays. The data reach the disk
// before the rename and the rename reaches it after, so a power cut leaves
// the old file or the new one. Targets that exist but are not regular files
// (folders, FIFOs, devices) are refused.
bool writeFileAtomically(const std::string& path, const std::string& bytes);
// The same for a writer that streams into the open file; a writer that
// returns false abandons the save.
bool writeFileAtomically(const std::string& path, const std::function<bool(std::FILE*)>& writer);

// The one reader of whole files (documents, settings, texts). Only regular
// files are read: a FIFO, device or folder is refused at once, without
// waiting for a writer on the other end. False, leaving bytes as they were,
// when the file cannot be opened or read, is not a regular file, or holds
// more than limit bytes.
bool readWholeFile(const std::string& path, std::string& bytes, size_t limit = 64u << 20);
// The same, but a longer file is not refused: its first limit bytes are
// read.
bool readFileStart(const std::string& path, std::string& bytes, size_t limit);
bool fileExists(const std::string& path);

} // namespace quan

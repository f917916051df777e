// Saving files so that a failed save never destroys the previous file.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "core/fileio.h"
#include "docfile/binio.h"

namespace quan {

// The byte-vector form of the shared atomic writer of core/fileio.h.
// Writes the bytes to a new temporary file in the target's directory and,
// only when every byte is written and the file closed without error,
// renames it over the target. On any failure the temporary file is
// removed, the previous file (if any) is left exactly as it was, and the
// result is false.
bool writeFileAtomically(const std::string& path, const Bytes& bytes);

} // namespace quan

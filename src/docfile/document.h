// The steps every document file shares: the common header, then a block of
// 50 parameter words, then the kind's own data; and saving the bytes whole or
// not at all.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "docfile/header.h"

namespace quan {

inline constexpr int kDocumentWords = 50;
using DocumentWords = std::array<int32_t, kDocumentWords>;

// Reads the common header of the given kind into header and the parameter
// words after it. False (the header unchanged) when the file is of another
// kind, newer than this program, or cut short before the words end.
bool readDocumentStart(ByteReader& r, int32_t kind, HeaderState& header, DocumentWords& words);
// Writes the common header with the given kind and the parameter words.
void writeDocumentStart(ByteWriter& w, const HeaderState& header, int32_t kind, const DocumentWords& words);
// A text cut to the n bytes of its field.
inline std::string fieldText(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }
// Saves the bytes of a document without ever leaving a half-written file:
// 0, or 12 "cannot save file".
int saveDocumentBytes(const std::string& path, const ByteWriter& w);

} // namespace quan

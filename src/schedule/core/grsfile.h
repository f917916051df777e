// The scheduling file (".grs"): a graph file of 52 slots whose second
// label records hold the task times, whose settings word 20 is the
// processor count (outside 2..20 it reads as 2) and whose 156-byte
// extension block holds the stored priority list, zero-terminated (at most
// 155 characters; a longer block is cut to 156 bytes on reading, so the
// list never overruns its buffer).
#pragma once

#include "graphs/core/grafile.h"
#include "schedule/core/schedule.h"

#include <string>

namespace quan {

// The rules the scheduling window reads and writes its graph file by.
GraRules grsRules();

// The stored list of a document: the extension's bytes up to the first
// zero, at most 155 of them.
std::string storedList(const GraDocument& d);
// The list cut to 155 characters, zero-filled to 156 bytes.
void setStoredList(GraDocument& d, const std::string& list);

// A document of 52 slots as a new scheduling window has it.
GraDocument newGrsDocument();

// Reads a file into out (52 slots): 0, or 11 "cannot open file" with out
// unchanged, as the graph reader refuses. The extension always holds a
// zero-terminated list afterwards.
int readGrs(const uint8_t* data, size_t size, GraDocument& out);
inline int readGrs(const Bytes& bytes, GraDocument& out) { return readGrs(bytes.data(), bytes.size(), out); }
int readGrs(const std::string& path, GraDocument& out);
// Appends the file to w: 0, or 6 "inconsistent data" (nothing appended).
int writeGrs(ByteWriter& w, const GraDocument& d);
// Saves whole or not at all: 0, 6 or 12 "cannot save file".
int writeGrs(const std::string& path, const GraDocument& d);

} // namespace quan

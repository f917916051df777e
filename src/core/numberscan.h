// The number scanner of every Paste command: numbers are picked out of any
// text. A number starts at '.', '-' or a digit and runs over '-', '.' and
// digits; a run without a digit is skipped; every other character only
// separates numbers. A run is read as a decimal real as far as it forms
// one ("3-4" reads 3, "2.5.1" reads 2.5).
#pragma once

#include "core/qmath.h"

#include <string>
#include <vector>

namespace quan {

// The numbers of text in order, at most limit of them; more reports true in
// *more (when given). A value too large for a real is kept as the largest
// finite real of its sign.
std::vector<Real> scanNumbers(const std::string& text, size_t limit, bool* more = nullptr);

} // namespace quan

// Little-endian binary blocks for document and settings files.
//
// Every document and settings file is a sequence of fixed-size blocks of
// little-endian integers, 10-byte extended reals and length-prefixed
// strings. `ByteWriter` appends them to a byte buffer; `ByteReader` reads
// them back from a buffer and never reads past its end: a short read sets
// the reader's failed state, returns zeros and leaves the reader failed for
// good, so a reader can read a whole record and check once at the end.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/qmath.h"

namespace quan {

using Bytes = std::vector<uint8_t>;

// Size of an extended real in a file.
inline constexpr size_t kExtendedBytes = 10;

// Converts a long double into the 80-bit extended format: 64-bit mantissa
// with an explicit integer bit (little-endian), then sign and a 15-bit
// exponent with bias 16383. Works whatever the host's long double is; a
// value that does not fit the format becomes infinity.
std::array<uint8_t, kExtendedBytes> encodeExtended(long double value);
// The inverse of encodeExtended. Denormals, zeros of either sign,
// infinities and NaNs are recognised; a pattern without the integer bit
// (an "unnormal") is taken at the value its fields describe. On a host
// whose long double is narrower, the value is rounded to it.
long double decodeExtended(const uint8_t* bytes);

class ByteWriter {
public:
    void u8(uint8_t v) { buf_.push_back(v); }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void u16(uint16_t v);
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void u32(uint32_t v);
    void real(long double v);
    void bytes(const void* data, size_t n);
    void zeros(size_t n) { buf_.insert(buf_.end(), n, 0); }
    // A `FileString`: u16 length counting the terminating zero, then the
    // text and its zero. A text longer than 65534 bytes is cut.
    void fileString(const std::string& s);
    // A fixed field of n bytes: the text cut to n - 1 bytes, zero-filled.
    void fixedString(const std::string& s, size_t n);

    const Bytes& data() const { return buf_; }
    Bytes take() { return std::move(buf_); }
    size_t size() const { return buf_.size(); }

private:
    Bytes buf_;
};

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(const Bytes& b) : data_(b.data()), size_(b.size()) {}
    // The reader keeps no copy: it must not outlive its bytes.
    explicit ByteReader(Bytes&&) = delete;

    uint8_t u8();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint16_t u16();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    uint32_t u32();
    long double real();
    // Copies n bytes, or fails (and zero-fills dst) when fewer remain.
    bool bytes(void* dst, size_t n);
    bool skip(size_t n);
    // A `FileString`, cut to maxChars characters. The text ends at its
    // first zero byte; the rest of the stored length is skipped.
    std::string fileString(size_t maxChars);
    // A fixed field of n bytes holding a zero-terminated text, cut to
    // maxChars characters.
    std::string fixedString(size_t n, size_t maxChars);

    bool ok() const { return ok_; }
    bool failed() const { return !ok_; }
    size_t position() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    bool atEnd() const { return pos_ == size_; }
    // True when n more bytes are available (without consuming them).
    bool has(size_t n) const { return ok_ && n <= size_ - pos_; }
    void fail() { ok_ = false; }

private:
    const uint8_t* take(size_t n);

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Reads a whole file through the shared reader of core/fileio.h; fails when
// it cannot be opened or read, is not a regular file, or is larger than
// maxBytes.
bool readFileBytes(const std::string& path, Bytes& out, size_t maxBytes);

} // namespace quan

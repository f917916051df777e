#include "docfile/fonts.h"

#include <algorithm>
#include <cstdlib>

#include "docfile/binio.h"

namespace quan {

std::string LogFont::face() const
{
    size_t n = 0;
    while (n < faceName.size() && faceName[n] != '\0')
        ++n;
    return std::string(faceName.data(), n);
}

void LogFont::setFace(const std::string& name)
{
    faceName.fill('\0');
    size_t n = std::min({name.size(), name.find('\0'), faceName.size() - 1});
    std::copy_n(name.begin(), n, faceName.begin());
}

void LogFont::write(ByteWriter& w) const
{
    w.i32(height);
    w.i32(width);
    w.i32(escapement);
    w.i32(orientation);
    w.i32(weight);
    for (uint8_t b : {italic, underline, strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily})
        w.u8(b);
    w.bytes(faceName.data(), faceName.size());
}

void LogFont::read(ByteReader& r)
{
    height = r.i32();
    width = r.i32();
    escapement = r.i32();
    orientation = r.i32();
    weight = r.i32();
    for (uint8_t* b : {&italic, &underline, &strikeOut, &charSet, &outPrecision, &clipPrecision, &quality, &pitchAndFamily})
        *b = r.u8();
    r.bytes(faceName.data(), faceName.size());
    faceName.back() = '\0';
}

int32_t mulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    bool negative = (num < 0) != (den < 0);
    unsigned long long n = static_cast<unsigned long long>(num < 0 ? -num : num);
    unsigned long long d = static_cast<unsigned long long>(den < 0 ? -den : den);
    unsigned long long q = (n + d / 2) / d;
    if (q > 2147483647ULL)
        return -1;
    return negative ? -static_cast<int32_t>(q) : static_cast<int32_t>(q);
}

int32_t fontHeightForPoints(int32_t points, int32_t logPixelsY)
{
    return -mulDiv(points, logPixelsY, 72);
}

FontTable initialFontTable(int32_t logPixelsY)
{
    struct Init {
        const char* face;
        int32_t points;
        uint8_t charSet;
        uint8_t pitch;
    };
    static constexpr Init kInit[kFontSlots] = {
        {"Courier New", 12, 0, 0x31}, {"Symbol", 10, 2, 0x31},     {"Courier New", 10, 0, 0x31},
        {"Courier New", 8, 0, 0x31},  {"Times", 12, 0, 2},         {"Times", 10, 0, 2},
        {"Courier New", 10, 0, 0x31}, {"Courier New", 10, 0, 0x31}, {"Courier New", 10, 0, 0x31},
        {"Courier New", 10, 0, 0x31},
    };
    FontTable t;
    for (int i = 0; i < kFontSlots; ++i) {
        FontSlot& s = t[static_cast<size_t>(i)];
        s.font.setFace(kInit[i].face);
        s.font.height = fontHeightForPoints(kInit[i].points, logPixelsY);
        s.font.weight = 400;
        s.font.charSet = kInit[i].charSet;
        s.font.outPrecision = 8;
        s.font.clipPrecision = 2;
        s.font.quality = 1;
        s.font.pitchAndFamily = kInit[i].pitch;
        s.pointSize = kInit[i].points;
    }
    return t;
}

} // namespace quan

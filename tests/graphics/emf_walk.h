// A small walker over the records of an enhanced metafile, written from
// [MS-EMF] for the tests: it checks the structure and collects what the
// tests look at.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace emfwalk {

inline uint32_t u32(const std::string& b, size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}
inline int32_t i32(const std::string& b, size_t at) { return static_cast<int32_t>(u32(b, at)); }
inline int16_t i16(const std::string& b, size_t at)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<unsigned char>(b[at]) |
                                                      static_cast<unsigned char>(b[at + 1]) << 8));
}

struct Record {
    uint32_t type = 0;
    size_t at = 0;
    uint32_t size = 0;
};

struct Walk {
    std::vector<std::string> faults; // empty when the file is sound
    std::vector<Record> records;
    int32_t bounds[4] = {0, 0, 0, 0};
    int32_t frame[4] = {0, 0, 0, 0};
    uint32_t handles = 0;
    std::u16string description;
    std::vector<std::u16string> texts;
    std::vector<std::vector<uint32_t>> advances;
    std::vector<int32_t> penWidths;
    std::vector<int32_t> fontHeights;
    std::map<uint32_t, int> counts; // records by type
};

inline Walk walk(const std::string& b)
{
    Walk w;
    auto fault = [&](const std::string& f) { w.faults.push_back(f); };
    if (b.size() < 88) {
        fault("shorter than a header");
        return w;
    }
    if (u32(b, 0) != 1)
        fault("first record is no header");
    if (u32(b, 40) != 0x464D4520)
        fault("signature");
    if (u32(b, 44) != 0x10000)
        fault("version");
    if (u32(b, 48) != b.size())
        fault("nBytes differs from the file size");
    for (int k = 0; k < 4; ++k) {
        w.bounds[k] = i32(b, 8 + 4 * static_cast<size_t>(k));
        w.frame[k] = i32(b, 24 + 4 * static_cast<size_t>(k));
    }
    w.handles = u32(b, 56) & 0xFFFF;
    const uint32_t nDesc = u32(b, 60), offDesc = u32(b, 64);
    if (offDesc + 2ull * nDesc > u32(b, 4))
        fault("description outside the header");
    else
        for (uint32_t i = 0; i < nDesc; ++i)
            w.description.push_back(static_cast<char16_t>(static_cast<uint16_t>(i16(b, offDesc + 2 * i))));
    size_t at = 0;
    std::set<uint32_t> live;
    auto inBounds = [&](int32_t x, int32_t y) {
        if (x < w.bounds[0] || x > w.bounds[2] || y < w.bounds[1] || y > w.bounds[3])
            fault("point outside the bounds");
    };
    auto created = [&](uint32_t h) {
        if (h == 0 || h >= w.handles || (h & 0x80000000u))
            fault("handle outside the table");
        if (live.count(h))
            fault("handle created twice");
        live.insert(h);
    };
    while (at < b.size()) {
        if (b.size() - at < 8) {
            fault("a record without its size");
            break;
        }
        Record r{u32(b, at), at, u32(b, at + 4)};
        if (r.size < 8 || r.size % 4 != 0 || r.size > b.size() - at) {
            fault("record size");
            break;
        }
        w.records.push_back(r);
        ++w.counts[r.type];
        const size_t p = at + 8;
        switch (r.type) {
        case 38: // CREATEPEN
            created(u32(b, p));
            w.penWidths.push_back(i32(b, p + 8));
            break;
        case 95: // EXTCREATEPEN
            created(u32(b, p));
            w.penWidths.push_back(i32(b, p + 24));
            break;
        case 39: // CREATEBRUSHINDIRECT
            created(u32(b, p));
            break;
        case 82: // EXTCREATEFONTINDIRECTW
            created(u32(b, p));
            w.fontHeights.push_back(i32(b, p + 4));
            break;
        case 37: { // SELECTOBJECT
            uint32_t h = u32(b, p);
            if (!(h & 0x80000000u) && !live.count(h))
                fault("selects a handle not created");
            break;
        }
        case 40: { // DELETEOBJECT
            uint32_t h = u32(b, p);
            if (!live.erase(h))
                fault("deletes a handle not created");
            break;
        }
        case 27: // MOVETOEX
        case 54: // LINETO
            inBounds(i32(b, p), i32(b, p + 4));
            break;
        case 86: // POLYGON16
        case 87: // POLYLINE16
        case 3:  // POLYGON
        case 4: { // POLYLINE
            const bool small = r.type == 86 || r.type == 87;
            const uint32_t n = u32(b, p + 16);
            if (28ull + n * (small ? 4 : 8) > r.size) {
                fault("point count");
                break;
            }
            for (uint32_t i = 0; i < n; ++i) {
                const size_t q = p + 20 + i * (small ? 4 : 8);
                if (small)
                    inBounds(i16(b, q), i16(b, q + 2));
                else
                    inBounds(i32(b, q), i32(b, q + 4));
            }
            break;
        }
        case 84: { // EXTTEXTOUTW
            const uint32_t n = u32(b, p + 36), off = u32(b, p + 40), offDx = u32(b, p + 64);
            if (off + 2ull * n > r.size || offDx + 4ull * n > r.size) {
                fault("text outside its record");
                break;
            }
            std::u16string t;
            std::vector<uint32_t> dx;
            for (uint32_t i = 0; i < n; ++i) {
                t.push_back(static_cast<char16_t>(static_cast<uint16_t>(i16(b, at + off + 2 * i))));
                dx.push_back(u32(b, at + offDx + 4 * i));
            }
            w.texts.push_back(t);
            w.advances.push_back(dx);
            inBounds(i32(b, p + 28), i32(b, p + 32));
            break;
        }
        default: break;
        }
        at += r.size;
    }
    if (at != b.size())
        fault("records do not sum to the file size");
    if (w.records.size() != u32(b, 52))
        fault("record count");
    if (w.records.empty() || w.records.back().type != 14)
        fault("EOF is not last");
    if (!live.empty())
        fault("objects left undeleted");
    return w;
}

inline std::string faults(const Walk& w)
{
    std::string s;
    for (const auto& f : w.faults)
        s += f + "; ";
    return s;
}

} // namespace emfwalk

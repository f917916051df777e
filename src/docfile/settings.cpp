#include "docfile/settings.h"

#include <algorithm>

#include "docfile/safefile.h"

namespace quan {

namespace {

// Larger than any settings file this program writes, with room for a
// foreign header's longer colour block.
constexpr size_t kMaxSettingsFile = 1 << 20;

void writeGroup(ByteWriter& w, const ParameterGroup& g, const int32_t* firstBlockHead)
{
    for (size_t b = 0; b < g.ints.size(); ++b)
        for (int i = 0; i < kParameterWords; ++i)
            w.i32(b == 0 && firstBlockHead && i < 2 + kShortSettings ? firstBlockHead[i] : g.ints[b][static_cast<size_t>(i)]);
    for (const auto& block : g.reals)
        for (long double v : block)
            w.real(v);
    for (const auto& block : g.flags)
        w.bytes(block.data(), block.size());
}

void readGroup(ByteReader& r, ParameterGroup& g)
{
    for (auto& block : g.ints)
        for (int32_t& v : block)
            v = r.i32();
    for (auto& block : g.reals)
        for (long double& v : block)
            v = r.real();
    for (auto& block : g.flags)
        r.bytes(block.data(), block.size());
}

} // namespace

Bytes WriteSettings(const SettingsState& s)
{
    ByteWriter w;
    WriteHeader(w, s.header);
    int32_t head[2 + kShortSettings];
    head[0] = s.windowWord;
    head[1] = kShortSettings;
    std::copy(s.shortSettings.begin(), s.shortSettings.end(), head + 2);
    writeGroup(w, s.first, head);
    // The reader takes the second group only when the extended-settings
    // word is positive; writing it otherwise would make the reader take
    // its first bytes for the document name.
    if (s.header.extendedSettings > 0)
        writeGroup(w, s.second, nullptr);
    w.fixedString(s.documentName, kDocumentNameBytes);
    return w.take();
}

bool ReadSettings(const uint8_t* data, size_t size, SettingsState& state)
{
    ByteReader r(data, size);
    SettingsState s = state;
    int32_t version = ReadHeader(r, s.header);
    if (version <= 0 || version > kDocumentVersion)
        return false;
    readGroup(r, s.first);
    if (s.header.extendedSettings > 0)
        readGroup(r, s.second);
    s.documentName = r.fixedString(kDocumentNameBytes, kDocumentNameBytes - 1);
    if (r.failed())
        return false;

    const auto& block1 = s.first.ints[0];
    s.windowWord = block1[0];
    int count = std::clamp(block1[1], 0, kShortSettings);
    for (int i = 0; i < count; ++i)
        s.shortSettings[static_cast<size_t>(i)] = block1[static_cast<size_t>(2 + i)];
    state = std::move(s);
    return true;
}

bool ReadSettingsFile(const std::string& path, SettingsState& state)
{
    Bytes bytes;
    return readFileBytes(path, bytes, kMaxSettingsFile) && ReadSettings(bytes, state);
}

bool WriteSettingsFile(const std::string& path, const SettingsState& state)
{
    return writeFileAtomically(path, WriteSettings(state));
}

} // namespace quan

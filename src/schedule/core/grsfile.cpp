#include "schedule/core/grsfile.h"

#include "core/msgcode.h"
#include "docfile/document.h"

#include <algorithm>

namespace quan {

GraRules grsRules()
{
    GraRules r;
    r.anySecondState = true;
    r.cutLongExtension = true;
    return r;
}

std::string storedList(const GraDocument& d)
{
    std::string s;
    for (size_t i = 0; i < d.extension.size() && i < kStoredListChars; ++i) {
        if (d.extension[i] == 0)
            break;
        s += static_cast<char>(d.extension[i]);
    }
    return s;
}

void setStoredList(GraDocument& d, const std::string& list)
{
    d.extension.assign(kListBufferBytes, 0);
    const size_t n = std::min(list.size(), kStoredListChars);
    for (size_t i = 0; i < n; ++i)
        d.extension[i] = static_cast<uint8_t>(list[i]);
}

GraDocument newGrsDocument()
{
    GraDocument d(kScheduleSlots);
    d.settings.scheduleSetting = kMinProcessors;
    return d;
}

int readGrs(const uint8_t* data, size_t size, GraDocument& out)
{
    GraDocument d(out.graph.slots());
    d.header = out.header;
    d.graph.newLabelState = out.graph.newLabelState;
    if (int code = readGra(data, size, d, grsRules()))
        return code;
    // The list as the buffer holds it, with its zero in place.
    setStoredList(d, storedList(d));
    out = std::move(d);
    return 0;
}

int readGrs(const std::string& path, GraDocument& out)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kGraMaxFileBytes))
        return codeOf(Msg::CannotOpenFile);
    return readGrs(bytes, out);
}

int writeGrs(ByteWriter& w, const GraDocument& d) { return writeGra(w, d, grsRules()); }
int writeGrs(const std::string& path, const GraDocument& d) { return writeGra(path, d, grsRules()); }

} // namespace quan

#include "docfile/document.h"

#include "core/msgcode.h"
#include "docfile/safefile.h"

namespace quan {

bool readDocumentStart(ByteReader& r, int32_t kind, HeaderState& header, DocumentWords& words)
{
    HeaderState h = header;
    h.kind = kind;
    const int32_t version = ReadHeader(r, h);
    if (version <= 0 || version > kDocumentVersion)
        return false;
    for (int32_t& v : words)
        v = r.i32();
    if (r.failed())
        return false;
    header = std::move(h);
    return true;
}

void writeDocumentStart(ByteWriter& w, const HeaderState& header, int32_t kind, const DocumentWords& words)
{
    WriteHeader(w, header, kind);
    for (int32_t v : words)
        w.i32(v);
}

int saveDocumentBytes(const std::string& path, const ByteWriter& w)
{
    return writeFileAtomically(path, w.data()) ? 0 : codeOf(Msg::CannotSaveFile);
}

} // namespace quan

#include "graphs/core/grafile.h"

#include "core/msgcode.h"
#include "docfile/document.h"

#include <algorithm>
#include <cmath>

namespace quan {

namespace {

constexpr int kCannotOpen = codeOf(Msg::CannotOpenFile);
constexpr int kInconsistent = codeOf(Msg::InconsistentData);

bool finite(Real v) { return std::isfinite(v); }

size_t extensionBytes(const Graph& g) { return 3 * static_cast<size_t>(g.slots()); }

// The matrix entries the file holds: among present vertices, directions in
// -1..2 above the diagonal and weights from -1 up below it.
bool matrixValid(const Graph& g, const std::vector<int>& present)
{
    for (size_t a = 0; a < present.size(); ++a)
        for (size_t b = a + 1; b < present.size(); ++b) {
            const int lo = present[a], hi = present[b];
            const int d = g.entry(lo, hi), w = g.entry(hi, lo);
            if (d < -1 || d > 2 || w < kNoEdge)
                return false;
        }
    return true;
}

bool settingsValid(const GraSettings& s)
{
    return decimalPlacesValid(s.decimals) && mouseModeValid(s.mouseMode) && iconSizeValid(s.iconSize);
}

} // namespace

bool mouseModeValid(int mode)
{
    return mode == MouseDrawing || (mode >= MouseVertexMove && mode <= MouseArrows);
}

int checkGra(const GraDocument& doc, const GraRules& rules)
{
    const Graph& g = doc.graph;
    const std::vector<int> present = g.presentVertices();
    if (static_cast<int>(present.size()) != g.count() || (present.empty() ? -1 : present.back()) != g.maxIndex())
        return kInconsistent;
    for (int v : present) {
        const VertexSlot& s = g.slot(v);
        if (!finite(s.x) || !finite(s.y) || s.label.slot != v || !labelStateValid(s.label.state) ||
            !(rules.anySecondState || labelStateValid(s.second.state)))
            return kInconsistent;
    }
    for (Real v : doc.view)
        if (!finite(v))
            return kInconsistent;
    if (!matrixValid(g, present) || !settingsValid(doc.settings) || doc.extension.size() > extensionBytes(g) ||
        doc.notebook.size() > kGraNotebookChars || doc.notebook.find('\0') != std::string::npos)
        return kInconsistent;
    ByteWriter probe;
    if (!writeOverlays(probe, doc.overlays))
        return kInconsistent;
    return 0;
}

int writeGra(ByteWriter& out, const GraDocument& doc, const GraRules& rules)
{
    if (const int code = checkGra(doc, rules))
        return code;
    const Graph& g = doc.graph;
    const GraSettings& s = doc.settings;
    ByteWriter w;
    WriteHeader(w, doc.header, kKindGraph);

    std::array<int16_t, kGraSettingsWords> words{};
    words[0] = s.decimals;
    words[1] = s.mouseMode;
    words[2] = s.iconSize;
    words[5] = static_cast<int16_t>(g.maxIndex());
    words[6] = static_cast<int16_t>(g.count());
    words[8] = s.gridRows;
    words[9] = s.gridColumns;
    words[10] = s.viewWords[0];
    words[11] = s.viewWords[1];
    words[12] = s.circleCount;
    words[13] = s.viewWords[2];
    words[14] = s.viewWords[3];
    for (size_t i = 0; i < 4; ++i)
        words[15 + i] = s.windowWords[i];
    words[19] = s.windowWord19;
    words[20] = s.scheduleSetting;
    for (int16_t v : words)
        w.i16(v);

    std::array<uint8_t, kGraFlagBytes> flags;
    flags.fill(1);
    flags[0] = g.weightsShown;
    flags[1] = g.digraph;
    for (size_t i = 0; i < 5; ++i)
        flags[2 + i] = doc.flags.windowSwitches[i];
    flags[7] = doc.flags.numerals;
    flags[8] = doc.flags.squaresHidden;
    flags[9] = doc.flags.verticalSegments;
    flags[10] = doc.flags.secondLabelsOff;
    w.bytes(flags.data(), flags.size());

    for (Real v : doc.view)
        w.real(v);
    for (size_t i = doc.view.size(); i < kGraViewReals; ++i)
        w.real(0);

    const std::vector<int> present = g.presentVertices();
    for (int v : present) {
        const VertexSlot& slot = g.slot(v);
        slot.label.write(w);
        w.real(slot.x);
        w.real(slot.y);
        LabelRecord second = slot.second;
        second.slot = static_cast<int16_t>(v);
        second.write(w);
    }
    for (int i : present)
        for (int j : present)
            if (i != j)
                w.i16(g.entry(i, j));

    writeOverlays(w, doc.overlays);
    const size_t ext = extensionBytes(g);
    w.i32(static_cast<int32_t>(ext));
    w.bytes(doc.extension.data(), doc.extension.size());
    w.zeros(ext - doc.extension.size());
    w.fileString(doc.notebook);

    const Bytes& b = w.data();
    out.bytes(b.data(), b.size());
    return 0;
}

int writeGra(const std::string& path, const GraDocument& doc, const GraRules& rules)
{
    ByteWriter w;
    if (const int code = writeGra(w, doc, rules))
        return code;
    return saveDocumentBytes(path, w);
}

int readGra(const uint8_t* data, size_t size, GraDocument& out, const GraRules& rules)
{
    ByteReader r(data, size);
    const int n = out.graph.slots();
    GraDocument doc(n);
    doc.graph.newLabelState = out.graph.newLabelState;
    doc.header = out.header;
    doc.header.kind = kKindGraph;
    const int32_t version = ReadHeader(r, doc.header);
    if (version <= 0 || version > kDocumentVersion)
        return kCannotOpen;

    std::array<int16_t, kGraSettingsWords> words{};
    for (int16_t& v : words)
        v = r.i16();
    GraSettings& s = doc.settings;
    s.decimals = words[0];
    s.mouseMode = words[1];
    s.iconSize = words[2];
    s.gridRows = words[8];
    s.gridColumns = words[9];
    s.viewWords = {words[10], words[11], words[13], words[14]};
    s.circleCount = words[12];
    for (size_t i = 0; i < 4; ++i)
        s.windowWords[i] = words[15 + i];
    s.windowWord19 = words[19];
    s.scheduleSetting = words[20] >= 2 && words[20] <= 20 ? words[20] : kDefaultScheduleSetting;
    const int maxIndex = words[5];
    const int count = words[6];
    if (r.failed() || !settingsValid(s) || count < 0 || count > n || maxIndex < -1 || maxIndex >= n ||
        (count == 0) != (maxIndex == -1))
        return kCannotOpen;

    std::array<uint8_t, kGraFlagBytes> flags{};
    r.bytes(flags.data(), flags.size());
    Graph& g = doc.graph;
    g.weightsShown = flags[0] != 0;
    g.digraph = flags[1] != 0;
    for (size_t i = 0; i < 5; ++i)
        doc.flags.windowSwitches[i] = flags[2 + i];
    doc.flags.numerals = flags[7] != 0;
    doc.flags.squaresHidden = flags[8] != 0;
    doc.flags.verticalSegments = flags[9] != 0;
    doc.flags.secondLabelsOff = flags[10] != 0;

    for (Real& v : doc.view) {
        v = r.real();
        if (!finite(v))
            return kCannotOpen;
    }
    r.skip((kGraViewReals - doc.view.size()) * kExtendedBytes);

    const bool seconds = version >= 3;
    const size_t recordBytes = LabelRecord::kFileSize + 2 * kExtendedBytes + (seconds ? LabelRecord::kFileSize : 0);
    if (!r.has(static_cast<size_t>(count) * recordBytes))
        return kCannotOpen;
    int last = -1;
    for (int k = 0; k < count; ++k) {
        LabelRecord label;
        label.read(r);
        const Real x = r.real();
        const Real y = r.real();
        const int v = label.slot;
        if (v <= last || v >= n || !labelStateValid(label.state) || !finite(x) || !finite(y))
            return kCannotOpen;
        last = v;
        g.addVertexInSlot(v, x, y);
        g.setLabel(v, label);
        if (seconds) {
            LabelRecord second;
            second.read(r);
            if (!rules.anySecondState && !labelStateValid(second.state))
                return kCannotOpen;
            g.setSecondLabel(v, second);
        }
    }
    if (r.failed() || last != maxIndex || g.count() != count)
        return kCannotOpen;

    const std::vector<int> present = g.presentVertices();
    if (!r.has(2 * static_cast<size_t>(count) * static_cast<size_t>(count > 0 ? count - 1 : 0)))
        return kCannotOpen;
    for (int i : present)
        for (int j : present)
            if (i != j)
                g.setEntry(i, j, r.i16());
    if (r.failed() || !matrixValid(g, present))
        return kCannotOpen;

    if (!readOverlays(r, doc.overlays))
        return kCannotOpen;
    if (seconds) {
        const int32_t length = r.i32();
        if (r.failed() || length < 0 || static_cast<size_t>(length) > r.remaining() ||
            (static_cast<size_t>(length) > extensionBytes(g) && !rules.cutLongExtension))
            return kCannotOpen;
        const size_t kept = std::min(static_cast<size_t>(length), extensionBytes(g));
        r.bytes(doc.extension.data(), kept);
        r.skip(static_cast<size_t>(length) - kept);
    }
    doc.notebook = r.fileString(kGraNotebookChars);
    if (r.failed())
        return kCannotOpen;

    g.ClearSolution(true);
    g.modified = false;
    out = std::move(doc);
    return 0;
}

int readGra(const std::string& path, GraDocument& out, const GraRules& rules)
{
    Bytes bytes;
    if (!readFileBytes(path, bytes, kGraMaxFileBytes))
        return kCannotOpen;
    return readGra(bytes, out, rules);
}

} // namespace quan

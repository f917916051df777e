// The print-format dialog "PRNSPX2" ("print format (cm)"): the lengths of a
// PrintFormat shown in centimetres with "%4.2Lf"; the horizontal offset and
// the x unit carry their sign in two radio buttons.
#pragma once

#include "docfile/printformat.h"
#include "shell/dlg.h"

#include <array>
#include <string>

namespace quan {

namespace prnctl {
constexpr int HorizontalOffset = 201, VerticalOffset = 202, Width = 203, XUnit = 204;
constexpr int OffsetNotNegative = 205, XUnitNotNegative = 206, FrameImage = 207, ColorPrinter = 208;
} // namespace prnctl

// What the dialog shows.
struct PrintFormatFields {
    std::array<std::string, 4> lengths; // horizontal offset, vertical offset, width, x unit (cm)
    bool offsetNotNegative = true;
    bool xUnitNotNegative = true;
    bool frameImage = false;
    bool colorPrinter = true;
};

PrintFormatFields printFormatFields(const PrintFormat& pf);

// Reads the fields back into out: 0 on success, or a message code with out
// unchanged: 1 "cannot understand" for a field that is not a number, 14
// "positive value?" for a negative length (the sign belongs to the radio
// buttons) or a width or x unit of zero, 17 "out of bounds" for a length
// above 254 cm.
int parsePrintFormatFields(const PrintFormatFields& f, PrintFormat& out);

class TPrintFormatDlg : public TDlg {
public:
    TPrintFormatDlg(plat::Window* owner, const PrintFormat& pf);

    // Runs the dialog modally. Returns 0 with result() holding the edited
    // format on OK, -1 on cancel (the old values stay), or a message code
    // for entries that cannot be taken (nothing changes).
    int run();
    const PrintFormat& result() const { return result_; }

    void init(plat::Dialog& d) override;
    bool button(plat::Dialog& d, int id) override;

private:
    PrintFormat result_;
    PrintFormatFields entered_;
};

} // namespace quan

#include "text/printformatdlg.h"

#include "core/msgcode.h"

#include "core/qmath.h"

#include <cmath>

namespace quan {

namespace {
constexpr Real kCmPerInch = 2.54L;
constexpr Real kMaxCm = 254.0L;
} // namespace

PrintFormatFields printFormatFields(const PrintFormat& pf)
{
    PrintFormatFields f;
    const Real values[4] = {pf.horizontalOffset, pf.verticalOffset, pf.width, pf.xUnit};
    for (size_t i = 0; i < 4; ++i)
        f.lengths[i] = formatReal(std::fabs(values[i]) * kCmPerInch, 4, 2);
    f.offsetNotNegative = pf.horizontalOffset >= 0;
    f.xUnitNotNegative = pf.xUnit >= 0;
    f.frameImage = pf.frameImage;
    f.colorPrinter = pf.colorPrinter;
    return f;
}

int parsePrintFormatFields(const PrintFormatFields& f, PrintFormat& out)
{
    Real cm[4];
    for (size_t i = 0; i < 4; ++i)
        if (!parseReal(f.lengths[i], cm[i]))
            return codeOf(Msg::CannotUnderstand);
    for (size_t i = 0; i < 4; ++i) {
        if (cm[i] < 0)
            return codeOf(Msg::PositiveValue);
        if (cm[i] > kMaxCm)
            return codeOf(Msg::OutOfBounds);
    }
    // A zero width or unit would leave nothing to print.
    if (cm[2] == 0 || cm[3] == 0)
        return codeOf(Msg::PositiveValue);
    PrintFormat pf = out;
    pf.horizontalOffset = (f.offsetNotNegative ? 1 : -1) * cm[0] / kCmPerInch;
    pf.verticalOffset = cm[1] / kCmPerInch;
    pf.width = cm[2] / kCmPerInch;
    pf.xUnit = (f.xUnitNotNegative ? 1 : -1) * cm[3] / kCmPerInch;
    pf.frameImage = f.frameImage;
    pf.colorPrinter = f.colorPrinter;
    out = pf;
    return 0;
}

TPrintFormatDlg::TPrintFormatDlg(plat::Window* owner, const PrintFormat& pf)
    : TDlg("PRNSPX2", owner), result_(pf), entered_(printFormatFields(pf))
{
}

void TPrintFormatDlg::init(plat::Dialog& d)
{
    d.setText(prnctl::HorizontalOffset, entered_.lengths[0]);
    d.setText(prnctl::VerticalOffset, entered_.lengths[1]);
    d.setText(prnctl::Width, entered_.lengths[2]);
    d.setText(prnctl::XUnit, entered_.lengths[3]);
    d.setCheck(prnctl::OffsetNotNegative, entered_.offsetNotNegative);
    d.setCheck(prnctl::XUnitNotNegative, entered_.xUnitNotNegative);
    d.setCheck(prnctl::FrameImage, entered_.frameImage);
    d.setCheck(prnctl::ColorPrinter, entered_.colorPrinter);
}

bool TPrintFormatDlg::button(plat::Dialog& d, int id)
{
    if (id == plat::IdOk) {
        entered_.lengths = {d.text(prnctl::HorizontalOffset), d.text(prnctl::VerticalOffset), d.text(prnctl::Width),
                            d.text(prnctl::XUnit)};
        entered_.offsetNotNegative = d.check(prnctl::OffsetNotNegative);
        entered_.xUnitNotNegative = d.check(prnctl::XUnitNotNegative);
        entered_.frameImage = d.check(prnctl::FrameImage);
        entered_.colorPrinter = d.check(prnctl::ColorPrinter);
    }
    return false;
}

int TPrintFormatDlg::run()
{
    if (execute() != plat::IdOk)
        return -1;
    return parsePrintFormatFields(entered_, result_);
}

} // namespace quan

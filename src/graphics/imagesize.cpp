#include "graphics/imagesize.h"

#include "core/msgcode.h"

#include "core/qmath.h"

namespace quan {

namespace {
bool endsWithAt(const std::string& s) { return s.size() >= 2 && s.back() == '@'; }
std::string withoutAt(std::string s)
{
    if (!s.empty() && s.back() == '@')
        s.pop_back();
    return s;
}
} // namespace

int parseImageSize(const std::string& width, const std::string& height, const ScreenMetrics& screen,
                   plat::Size frame, plat::Size& out)
{
    plat::Size want;
    if (endsWithAt(width) || endsWithAt(height)) {
        long long w, h;
        if (!parseInt(withoutAt(width), w) || !parseInt(withoutAt(height), h))
            return codeOf(Msg::CannotUnderstand);
        if (w < 50 || h < 50 || w > 100000 || h > 100000)
            return codeOf(Msg::OutOfBounds);
        want = {static_cast<int>(w), static_cast<int>(h)};
    } else {
        Real w, h;
        if (!parseReal(width, w) || !parseReal(height, h))
            return codeOf(Msg::CannotUnderstand);
        if (!(w >= 0.5L && w <= 27.0L) || !(h >= 0.5L && h <= 27.0L))
            return codeOf(Msg::OutOfBounds);
        want = {roundHalfDown(w * 0.3937007874L * screen.logPixelsX), roundHalfDown(h * 0.3937007874L * screen.logPixelsY)};
    }
    if (want.w + frame.w + 8 > screen.horzRes || want.h + frame.h + 8 > screen.vertRes)
        return codeOf(Msg::OutOfBounds);
    out = want;
    return 0;
}

std::string imageSizeText(int pixels, int logPixels)
{
    if (logPixels <= 0)
        logPixels = 96;
    return formatReal(pixels * 2.54L / logPixels, 4, 1);
}

} // namespace quan

#include "graphics/export/bmp_writer.h"

#include "platform/dc.h"

#include <cmath>

namespace quan {

namespace {
void put16(std::string& s, uint32_t v)
{
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void put32(std::string& s, uint32_t v)
{
    put16(s, v & 0xFFFF);
    put16(s, v >> 16);
}
} // namespace

int32_t pixelsPerMetre(int dpi)
{
    if (dpi <= 0)
        return 0;
    return static_cast<int32_t>(std::lround(dpi / 0.0254));
}

std::string bmpBytes(const PixelImage& image, int dpiX, int dpiY)
{
    const int w = image.width, h = image.height;
    if (w <= 0 || h <= 0)
        return {};
    const uint64_t count = static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    if (image.pixels.size() != count)
        return {};
    const uint64_t row = (static_cast<uint64_t>(w) * 3 + 3) / 4 * 4;
    const uint64_t imageSize = row * static_cast<uint64_t>(h);
    const uint64_t fileSize = 54 + imageSize;
    if (fileSize > 0x7FFFFFFFu)
        return {};
    std::string s;
    s.reserve(static_cast<size_t>(fileSize));
    // File header.
    s += "BM";
    put32(s, static_cast<uint32_t>(fileSize));
    put16(s, 0);
    put16(s, 0);
    put32(s, 54);
    // BITMAPINFOHEADER: positive height, so the rows go bottom-up.
    put32(s, 40);
    put32(s, static_cast<uint32_t>(w));
    put32(s, static_cast<uint32_t>(h));
    put16(s, 1);
    put16(s, 24);
    put32(s, 0); // BI_RGB
    put32(s, static_cast<uint32_t>(imageSize));
    put32(s, static_cast<uint32_t>(pixelsPerMetre(dpiX)));
    put32(s, static_cast<uint32_t>(pixelsPerMetre(dpiY)));
    put32(s, 0);
    put32(s, 0);
    const size_t pad = static_cast<size_t>(row - static_cast<uint64_t>(w) * 3);
    s.resize(static_cast<size_t>(fileSize));
    char* out = s.data() + 54;
    for (int y = h - 1; y >= 0; --y) {
        const uint32_t* src = image.pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = 0; x < w; ++x) {
            const uint32_t c = src[x];
            *out++ = static_cast<char>((c >> 16) & 0xFF); // blue
            *out++ = static_cast<char>((c >> 8) & 0xFF);  // green
            *out++ = static_cast<char>(c & 0xFF);         // red
        }
        for (size_t i = 0; i < pad; ++i)
            *out++ = 0;
    }
    return s;
}

PixelImage pixelsOf(const plat::Bitmap& b)
{
    PixelImage img;
    const plat::Size sz = b.size();
    if (sz.w <= 0 || sz.h <= 0)
        return img;
    img.width = sz.w;
    img.height = sz.h;
    img.pixels.resize(static_cast<size_t>(sz.w) * static_cast<size_t>(sz.h));
    size_t i = 0;
    for (int y = 0; y < sz.h; ++y)
        for (int x = 0; x < sz.w; ++x)
            img.pixels[i++] = b.pixel(x, y);
    return img;
}

} // namespace quan

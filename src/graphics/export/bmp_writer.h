// The BMP file writer: a 24-bit device-independent bitmap, bottom-up, with
// the 14-byte file header and the 40-byte BITMAPINFOHEADER. Rows are stored
// blue, green, red and padded to four bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quan {

namespace plat {
class Bitmap;
}

// A picture as plain pixels: row-major from the top row, each 0x00BBGGRR.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// Pixels per metre of a resolution in pixels per inch: round(dpi / 0.0254).
int32_t pixelsPerMetre(int dpi);

// The bytes of a BMP file; "" when the size is not positive, the pixel
// count does not match it, or the file would exceed 2^31 bytes.
std::string bmpBytes(const PixelImage& image, int dpiX, int dpiY);

// The pixels of an offscreen bitmap.
PixelImage pixelsOf(const plat::Bitmap& b);

} // namespace quan

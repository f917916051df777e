// The device context over a QPainter (screen, printer page, offscreen
// image) and the offscreen bitmap.
#pragma once

#include "platform/dc.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>

#include <array>
#include <memory>

class QPainter;
class QPaintDevice;

namespace quan::qtui {

// The values of the nine device capabilities, indexed by plat::Cap.
using DeviceCaps = std::array<int, 9>;

inline QColor toQColor(plat::Color c) { return QColor(plat::red(c), plat::green(c), plat::blue(c)); }
inline plat::Color fromQColor(const QColor& c) { return plat::rgb(c.red(), c.green(), c.blue()); }

// The face that shows a font's text: the Windows faces become their
// metric-compatible Liberation faces where they are missing, and symbol
// fonts a face with Greek letters and mathematical signs.
QString fontFace(const plat::Font& f);
// The Qt font for a font record (the escapement is applied when drawing).
QFont toQFont(const plat::Font& f);
// A text in a font's encoding (Symbol codes for character set 2).
QString fontText(const plat::Font& f, const std::string& s);

class QtDC : public plat::DC {
public:
    // painter may be null (then nothing is drawn); device gives the metrics.
    QtDC(QPainter* painter, QPaintDevice* device, const DeviceCaps& caps);
    ~QtDC() override;

    void setPen(plat::Color c, int width, plat::PenStyle style) override;
    void setBrush(plat::Color c) override;
    void setNullBrush() override;
    void setFont(const plat::Font& f) override;
    void setTextColor(plat::Color c) override;
    void setTextBackground(bool opaque, plat::Color c) override;

    void line(plat::Point a, plat::Point b) override;
    void polyline(const std::vector<plat::Point>& pts) override;
    void polygon(const std::vector<plat::Point>& pts) override;
    void rectangle(const plat::Rect& r) override;
    void fillRect(const plat::Rect& r, plat::Color c) override;
    void ellipse(const plat::Rect& box) override;
    void arc(const plat::Rect& box, plat::Point start, plat::Point end) override;
    void textOut(plat::Point p, const std::string& text) override;
    plat::Size textExtent(const std::string& text) override;
    void drawBitmap(plat::Point p, const plat::Bitmap& b) override;
    int caps(plat::Cap c) const override;

protected:
    // The painter to draw with, its state set from this context; null when
    // there is none.
    virtual QPainter* painter();
    QPaintDevice* device_;

private:
    QPainter* prepared(bool fill);
    QPainter* painter_;
    DeviceCaps caps_;
    QPen pen_;
    bool nullPen_ = false;
    bool brush_ = true;
    QColor brushColor_{255, 255, 255};
    plat::Font font_;
    QFont qfont_;
    bool fontDirty_ = true;
    QColor textColor_{0, 0, 0};
    bool opaque_ = false;
    QColor textBackground_{255, 255, 255};
};

class QtBitmap : public plat::Bitmap {
public:
    QtBitmap(plat::Size s, const DeviceCaps& caps);
    ~QtBitmap() override;
    plat::DC& dc() override;
    plat::Size size() const override;
    plat::Color pixel(int x, int y) const override;
    void fill(plat::Color c) override;
    // The picture as drawn so far.
    const QImage& image() const;

private:
    class BitmapDC;
    QImage image_;
    std::unique_ptr<BitmapDC> dc_;
};

// A copy of any bitmap's pixels as an image.
QImage bitmapImage(const plat::Bitmap& b);

} // namespace quan::qtui

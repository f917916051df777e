#include "qt/qt_dc.h"

#include "qt/qt_text.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quan::qtui {

namespace {

bool isSymbolFont(const plat::Font& f)
{
    return f.charSet == 2 || QString::fromStdString(f.face).compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
}

QString firstInstalled(std::initializer_list<const char*> faces)
{
    for (const char* f : faces)
        if (QFontDatabase::hasFamily(QString::fromLatin1(f)))
            return QString::fromLatin1(f);
    return QString::fromLatin1(*faces.begin());
}

QString resolveFace(const QString& face, bool symbol, bool fixed)
{
    if (symbol)
        return firstInstalled({"DejaVu Sans", "Liberation Sans", "Arial", "Segoe UI"});
    QString low = face.toLower();
    if (!face.isEmpty() && QFontDatabase::hasFamily(face))
        return face;
    if (low == u"courier new" || low == u"courier" || (low.isEmpty() && fixed))
        return firstInstalled({"Liberation Mono", "Courier New", "DejaVu Sans Mono", "Courier"});
    if (low == u"times" || low == u"times new roman" || low == u"tms rmn")
        return firstInstalled({"Liberation Serif", "Times New Roman", "DejaVu Serif", "Times"});
    if (low == u"arial" || low == u"helvetica" || low == u"ms sans serif" || low.isEmpty())
        return firstInstalled({"Liberation Sans", "Arial", "DejaVu Sans", "Helvetica"});
    return face;
}

} // namespace

QString fontFace(const plat::Font& f)
{
    static QHash<QString, QString> cache;
    bool symbol = isSymbolFont(f);
    bool fixed = (f.pitchAndFamily & 3) == 1;
    QString face = fromUi(f.face);
    QString key = face + QString::fromLatin1(symbol ? "|s" : "|") + QString::fromLatin1(fixed ? "f" : "");
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QString r = resolveFace(face, symbol, fixed);
    cache.insert(key, r);
    return r;
}

QFont toQFont(const plat::Font& f)
{
    QFont q;
    q.setFamilies({fontFace(f)});
    q.setPixelSize(std::max(1, f.pixelSize()));
    int w = f.weight <= 0 ? 400 : std::clamp(f.weight, 1, 1000);
    q.setWeight(static_cast<QFont::Weight>(w));
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    q.setStrikeOut(f.strikeOut);
    if ((f.pitchAndFamily & 3) == 1)
        q.setStyleHint(QFont::TypeWriter);
    return q;
}

QString fontText(const plat::Font& f, const std::string& s)
{
    return isSymbolFont(f) ? fromSymbol(s) : fromCp1252(s);
}

// --- QtDC -------------------------------------------------------------------

QtDC::QtDC(QPainter* painter, QPaintDevice* device, const DeviceCaps& caps)
    : device_(device), painter_(painter), caps_(caps)
{
    setPen(0, 1, plat::PenStyle::Solid);
    setFont(plat::Font{});
}

QtDC::~QtDC() = default;

QPainter* QtDC::painter() { return painter_; }

QPainter* QtDC::prepared(bool fill)
{
    QPainter* p = painter();
    if (!p)
        return nullptr;
    if (nullPen_)
        p->setPen(Qt::NoPen);
    else
        p->setPen(pen_);
    if (fill && brush_)
        p->setBrush(brushColor_);
    else
        p->setBrush(Qt::NoBrush);
    return p;
}

void QtDC::setPen(plat::Color c, int width, plat::PenStyle style)
{
    nullPen_ = style == plat::PenStyle::Null;
    int w = std::max(1, width);
    QPen pen(toQColor(c));
    pen.setWidth(w);
    // Thin lines end at their end point; wide ones have round ends and
    // joins, as the original device draws them.
    pen.setCapStyle(w > 1 ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(w > 1 ? Qt::RoundJoin : Qt::MiterJoin);
    switch (style) {
    case plat::PenStyle::Dot: pen.setStyle(Qt::DotLine); break;
    case plat::PenStyle::Dash: pen.setStyle(Qt::DashLine); break;
    case plat::PenStyle::DashDot: pen.setStyle(Qt::DashDotLine); break;
    case plat::PenStyle::DashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
    default: pen.setStyle(Qt::SolidLine); break;
    }
    pen_ = pen;
}

void QtDC::setBrush(plat::Color c)
{
    brush_ = true;
    brushColor_ = toQColor(c);
}

void QtDC::setNullBrush() { brush_ = false; }

void QtDC::setFont(const plat::Font& f)
{
    if (!fontDirty_ && f == font_)
        return;
    font_ = f;
    qfont_ = toQFont(f);
    fontDirty_ = false;
}

void QtDC::setTextColor(plat::Color c) { textColor_ = toQColor(c); }

void QtDC::setTextBackground(bool opaque, plat::Color c)
{
    opaque_ = opaque;
    textBackground_ = toQColor(c);
}

void QtDC::line(plat::Point a, plat::Point b)
{
    if (QPainter* p = prepared(false))
        p->drawLine(a.x, a.y, b.x, b.y);
}

void QtDC::polyline(const std::vector<plat::Point>& pts)
{
    if (pts.size() < 2)
        return;
    QPainter* p = prepared(false);
    if (!p)
        return;
    QPolygon poly(static_cast<qsizetype>(pts.size()));
    for (size_t i = 0; i < pts.size(); ++i)
        poly.setPoint(static_cast<int>(i), pts[i].x, pts[i].y);
    p->drawPolyline(poly);
}

void QtDC::polygon(const std::vector<plat::Point>& pts)
{
    if (pts.size() < 2)
        return;
    QPainter* p = prepared(true);
    if (!p)
        return;
    QPolygon poly(static_cast<qsizetype>(pts.size()));
    for (size_t i = 0; i < pts.size(); ++i)
        poly.setPoint(static_cast<int>(i), pts[i].x, pts[i].y);
    // Alternate filling, the original device's default.
    p->drawPolygon(poly, Qt::OddEvenFill);
}

// Rectangles and ellipses cover their box without its right and bottom
// edges.
void QtDC::rectangle(const plat::Rect& r)
{
    QPainter* p = prepared(true);
    if (!p)
        return;
    int l = std::min(r.left, r.right), t = std::min(r.top, r.bottom);
    int w = std::abs(r.width()), h = std::abs(r.height());
    if (w < 1 || h < 1)
        return;
    p->drawRect(QRect(l, t, w - 1, h - 1));
}

void QtDC::fillRect(const plat::Rect& r, plat::Color c)
{
    QPainter* p = painter();
    if (!p)
        return;
    int l = std::min(r.left, r.right), t = std::min(r.top, r.bottom);
    p->fillRect(QRect(l, t, std::abs(r.width()), std::abs(r.height())), toQColor(c));
}

void QtDC::ellipse(const plat::Rect& box)
{
    QPainter* p = prepared(true);
    if (!p)
        return;
    int l = std::min(box.left, box.right), t = std::min(box.top, box.bottom);
    int w = std::abs(box.width()), h = std::abs(box.height());
    if (w < 1 || h < 1)
        return;
    p->drawEllipse(QRect(l, t, w - 1, h - 1));
}

void QtDC::arc(const plat::Rect& box, plat::Point start, plat::Point end)
{
    QPainter* p = prepared(false);
    if (!p)
        return;
    double l = std::min(box.left, box.right), t = std::min(box.top, box.bottom);
    double w = std::abs(box.width()) - 1, h = std::abs(box.height()) - 1;
    if (w <= 0 || h <= 0)
        return;
    double cx = l + w / 2, cy = t + h / 2, a = w / 2, b = h / 2;
    // The rays through start and end meet the ellipse at the parametric
    // angles below (y grows downwards on the device, so it is negated).
    auto param = [&](plat::Point q) { return std::atan2(-(q.y - cy) / b, (q.x - cx) / a); };
    double t1 = param(start), t2 = param(end);
    double span = t2 - t1;
    const double full = 2 * std::numbers::pi;
    while (span <= 0)
        span += full;
    while (span > full)
        span -= full;
    double deg = 180 / std::numbers::pi;
    p->drawArc(QRectF(l, t, w, h), static_cast<int>(std::lround(t1 * deg * 16)),
               static_cast<int>(std::lround(span * deg * 16)));
}

void QtDC::textOut(plat::Point pt, const std::string& text)
{
    QPainter* p = painter();
    if (!p || text.empty())
        return;
    QString s = fontText(font_, text);
    QFontMetrics fm = device_ ? QFontMetrics(qfont_, device_) : QFontMetrics(qfont_);
    p->save();
    p->translate(pt.x, pt.y);
    if (font_.escapement != 0)
        p->rotate(-font_.escapement / 10.0);
    p->setFont(qfont_);
    if (opaque_)
        p->fillRect(QRect(0, 0, fm.horizontalAdvance(s), fm.height()), textBackground_);
    p->setPen(textColor_);
    p->drawText(0, fm.ascent(), s);
    p->restore();
}

plat::Size QtDC::textExtent(const std::string& text)
{
    QString s = fontText(font_, text);
    QFontMetrics fm = device_ ? QFontMetrics(qfont_, device_) : QFontMetrics(qfont_);
    return {fm.horizontalAdvance(s), fm.height()};
}

void QtDC::drawBitmap(plat::Point pt, const plat::Bitmap& b)
{
    QPainter* p = painter();
    if (!p)
        return;
    p->drawImage(QPoint(pt.x, pt.y), bitmapImage(b));
}

int QtDC::caps(plat::Cap c) const
{
    auto i = static_cast<size_t>(c);
    return i < caps_.size() ? caps_[i] : 0;
}

// --- QtBitmap ----------------------------------------------------------------

// Opens its painter when something is drawn and closes it whenever the
// image itself is looked at, so that pixels read are always up to date.
class QtBitmap::BitmapDC : public QtDC {
public:
    BitmapDC(QImage* image, const DeviceCaps& caps) : QtDC(nullptr, image, caps), image_(image) {}
    ~BitmapDC() override { end(); }
    void end() const
    {
        if (painter_) {
            painter_->end();
            painter_.reset();
        }
    }

protected:
    QPainter* painter() override
    {
        if (!painter_) {
            painter_ = std::make_unique<QPainter>(image_);
            painter_->setRenderHint(QPainter::TextAntialiasing, true);
        }
        return painter_.get();
    }

private:
    QImage* image_;
    mutable std::unique_ptr<QPainter> painter_;
};

QtBitmap::QtBitmap(plat::Size s, const DeviceCaps& caps)
    : image_(std::max(1, s.w), std::max(1, s.h), QImage::Format_ARGB32_Premultiplied)
{
    image_.fill(QColor(255, 255, 255));
    dc_ = std::make_unique<BitmapDC>(&image_, caps);
}

QtBitmap::~QtBitmap() = default;

plat::DC& QtBitmap::dc() { return *dc_; }

plat::Size QtBitmap::size() const { return {image_.width(), image_.height()}; }

plat::Color QtBitmap::pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return 0;
    dc_->end();
    QRgb v = image_.pixel(x, y);
    return plat::rgb(qRed(v), qGreen(v), qBlue(v));
}

void QtBitmap::fill(plat::Color c)
{
    dc_->end();
    image_.fill(toQColor(c));
}

const QImage& QtBitmap::image() const
{
    dc_->end();
    return image_;
}

QImage bitmapImage(const plat::Bitmap& b)
{
    if (const auto* q = dynamic_cast<const QtBitmap*>(&b))
        return q->image();
    plat::Size s = b.size();
    QImage img(std::max(1, s.w), std::max(1, s.h), QImage::Format_RGB32);
    for (int y = 0; y < s.h; ++y)
        for (int x = 0; x < s.w; ++x) {
            plat::Color c = b.pixel(x, y);
            img.setPixel(x, y, qRgb(plat::red(c), plat::green(c), plat::blue(c)));
        }
    return img;
}

} // namespace quan::qtui

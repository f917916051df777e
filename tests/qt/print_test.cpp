// The demo picture printed through the Qt platform into a PDF (the
// QUANDEL_PRINT_TO_PDF switch skips the print dialog), read back with
// pdftoppm: the frame lies where the print format puts it. And a picture
// copy offers the image, the SVG and the metafile in one clipboard change.
#include "graphics/demopicwin.h"
#include "core/fileio.h"
#include "graphics/export/bmp_writer.h"
#include "graphics/export/device_output.h"
#include "graphics/export/picture_export.h"
#include "qt/qt_platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QImage>
#include <QProcess>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace quan;

namespace {

bool haveTool(const std::string& name) { return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0; }

// A binary PGM (P5) as rows of grey values.
struct Grey {
    int w = 0, h = 0;
    std::vector<unsigned char> px;
    int at(int x, int y) const { return px[static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x)]; }
};

bool readPgm(const std::string& path, Grey& g)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxv = 0;
    in >> magic >> g.w >> g.h >> maxv;
    in.get();
    if (magic != "P5" || g.w <= 0 || g.h <= 0 || maxv != 255)
        return false;
    g.px.resize(static_cast<size_t>(g.w) * static_cast<size_t>(g.h));
    in.read(reinterpret_cast<char*>(g.px.data()), static_cast<std::streamsize>(g.px.size()));
    return static_cast<bool>(in);
}

// The dark pixel nearest to `want` along a row (or a column), within 6.
int darkNear(const Grey& g, int want, int fixed, bool alongRow)
{
    for (int d = 0; d <= 6; ++d)
        for (int s : {want - d, want + d}) {
            const int x = alongRow ? s : fixed, y = alongRow ? fixed : s;
            if (x >= 0 && y >= 0 && x < g.w && y < g.h && g.at(x, y) < 128)
                return s;
        }
    return -1000;
}

} // namespace

TEST(QtPrint, TheDemosFrameLandsAtTheFormatsInches)
{
    if (!haveTool("pdftoppm"))
        GTEST_SKIP() << "pdftoppm is not installed";
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(QUANDEL_BINARY_DIR) / "qtprinttmp";
    fs::create_directories(dir);
    const std::string pdf = (dir / "demo.pdf").string();
    fs::remove(pdf);
    registerPictureExports();
    qputenv("QUANDEL_PRINT_TO_PDF", QByteArray::fromStdString(pdf));
    {
        auto w = makeWindow<TDemoPicWin>(nullptr, DocInit{});
        w->printFormat().frameImage = true;
        w->printFormat().horizontalOffset = 1;
        w->printFormat().verticalOffset = 1;
        w->printFormat().width = 6;
        w->command(gcm::Print);
    }
    qunsetenv("QUANDEL_PRINT_TO_PDF");
    unregisterPictureExports();
    ASSERT_TRUE(fs::exists(pdf));
    const std::string base = (dir / "demo").string();
    ASSERT_EQ(std::system(("pdftoppm -r 100 -gray -singlefile " + pdf + " " + base).c_str()), 0);
    Grey g;
    ASSERT_TRUE(readPgm(base + ".pgm", g));
    // At 100 dpi: the frame's left edge 1 in across, its right edge 7 in
    // across, its top 1 in down (within 2 pixels).
    EXPECT_NEAR(darkNear(g, 100, 250, true), 100, 2);
    EXPECT_NEAR(darkNear(g, 700, 250, true), 700, 2);
    EXPECT_NEAR(darkNear(g, 100, 400, false), 100, 2);
}

TEST(QtClipboard, APictureCopyOffersThreeFormats)
{
    registerPictureExports();
    {
        auto w = makeWindow<TDemoPicWin>(nullptr, DocInit{});
        w->command(gcm::CopyToClipboard);
    }
    unregisterPictureExports();
    const QMimeData* m = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(m->hasImage());
    EXPECT_TRUE(m->data("image/svg+xml").startsWith("<?xml"));
    const QByteArray emf = m->data("image/emf");
    ASSERT_GE(emf.size(), 108);
    EXPECT_EQ(emf.mid(40, 4), QByteArray(" EMF"));
}

// Under a real X display (xvfb-run, QUANDEL_QT_TESTS_ON_DISPLAY=1, QT_QPA_PLATFORM=xcb): xclip sees the
// three types, and the PNG it takes is the picture's bitmap.
TEST(QtClipboard, XclipListsTheTypesAndTakesThePng)
{
    if (QGuiApplication::platformName() != "xcb" || !haveTool("xclip"))
        GTEST_SKIP() << "needs an X display and xclip";
    registerPictureExports();
    QImage bitmap;
    {
        auto w = makeWindow<TDemoPicWin>(nullptr, DocInit{});
        w->command(gcm::CopyToClipboard);
        bitmap = QGuiApplication::clipboard()->image();
    }
    unregisterPictureExports();
    // xclip asks this process for the data: keep the event loop turning.
    auto xclip = [](const QStringList& args) {
        QProcess p;
        p.start("xclip", args);
        p.waitForStarted();
        while (p.state() != QProcess::NotRunning) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            p.waitForFinished(20);
        }
        return p.readAllStandardOutput();
    };
    const QByteArray targets = xclip({"-selection", "clipboard", "-t", "TARGETS", "-o"});
    EXPECT_TRUE(targets.contains("image/png")) << targets.toStdString();
    EXPECT_TRUE(targets.contains("image/svg+xml")) << targets.toStdString();
    EXPECT_TRUE(targets.contains("image/emf")) << targets.toStdString();
    const QByteArray png = xclip({"-selection", "clipboard", "-t", "image/png", "-o"});
    QImage back;
    ASSERT_TRUE(back.loadFromData(png, "PNG"));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), bitmap.convertToFormat(QImage::Format_RGB32));
}

// The demo's page drawn into a Qt bitmap and written as a BMP: the file is
// the bitmap, pixel for pixel (the BMP is read back by Qt's own reader).
TEST(QtBitmap, TheDemoAsABmp)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::path(QUANDEL_BINARY_DIR) / "qtprinttmp";
    fs::create_directories(dir);
    auto w = makeWindow<TDemoPicWin>(nullptr, DocInit{});
    std::unique_ptr<plat::Bitmap> b = bitmapOfPage(*w, 0);
    ASSERT_NE(b, nullptr);
    const std::string bytes = bmpBytes(pixelsOf(*b), 96, 96);
    const std::string path = (dir / "demo.bmp").string();
    ASSERT_TRUE(writeFileAtomically(path, bytes));
    QImage back(QString::fromStdString(path), "BMP");
    ASSERT_EQ(back.width(), b->size().w);
    ASSERT_EQ(back.height(), b->size().h);
    int differ = 0;
    for (int y = 0; y < back.height(); y += 3)
        for (int x = 0; x < back.width(); x += 3) {
            const QRgb q = back.pixel(x, y);
            differ += plat::rgb(qRed(q), qGreen(q), qBlue(q)) != b->pixel(x, y);
        }
    EXPECT_EQ(differ, 0);
    // The metafile of the same page, its text measured by Qt, for a look.
    const std::string emf = metafileOfPage(*w, 0, 1);
    EXPECT_EQ(emf.substr(40, 4), " EMF");
    ASSERT_TRUE(writeFileAtomically((dir / "demo.emf").string(), emf));
}

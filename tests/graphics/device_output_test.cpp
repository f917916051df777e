// Print, the clipboard copies, Metafile and BMP on the demo picture, and
// what real readers make of the files (emf2svg, LibreOffice, file,
// ImageMagick).
#include "emf_walk.h"
#include "export_helpers.h"
#include "graphics/axes.h"
#include "graphics/export/bmp_writer.h"
#include "graphics/export/device_output.h"

#include <cmath>
#include <sstream>

using namespace quan;
using testexport::readFile;
using testexport::run;

namespace {

std::string hmm(int n) { return "message: hmm ...: " + messageText(n); }

class DeviceOutputTest : public ExportWindowTest {
protected:
    bool saveAs(const std::string& item, const std::string& name, int pages = 1)
    {
        p.clearMessages();
        p.file(dir + "/" + name);
        p.dialogText("PICTEX", 221, formatInt(pages));
        p.press("PICTEX", 1);
        w->command(item == "BMP" ? gcm::ExportBmp : gcm::Metafile);
        return !p.messages().empty() && p.lastMessage().rfind("message: success: ", 0) == 0;
    }
};

// A 600-dpi printer whose printable area starts 150 pixels in (a quarter inch).
std::map<plat::Cap, int> printer600()
{
    return {{plat::Cap::LogPixelsX, 600}, {plat::Cap::LogPixelsY, 600}, {plat::Cap::HorzRes, 4800},
            {plat::Cap::VertRes, 6300}, {plat::Cap::PhysicalOffsetX, 150}, {plat::Cap::PhysicalOffsetY, 150}};
}

} // namespace

TEST_F(DeviceOutputTest, MetafileAtScalesOneAndNine)
{
    ASSERT_TRUE(saveAs("EMF", "pic.emf"));
    EXPECT_EQ(p.lastMessage(), "message: success: EMF saved");
    const std::string one = file("pic.emf");
    const emfwalk::Walk a = emfwalk::walk(one);
    EXPECT_TRUE(a.faults.empty()) << emfwalk::faults(a);
    // The headless screen: 1280 x 1024 pixels, 338 x 270 mm.
    const int W = w->view().W, H = w->view().H;
    EXPECT_EQ(a.frame[2], std::lround(W * 338.0 * 100 / 1280));
    EXPECT_EQ(a.frame[3], std::lround(H * 270.0 * 100 / 1024));
    EXPECT_LT(a.bounds[2], 2 * W);

    w->command(gcm::HighResolution);
    ASSERT_TRUE(saveAs("EMF", "pic9.emf"));
    const emfwalk::Walk b = emfwalk::walk(file("pic9.emf"));
    EXPECT_TRUE(b.faults.empty()) << emfwalk::faults(b);
    EXPECT_EQ(b.frame[2], std::lround(W * 338.0 * 9 * 100 / 1280));
    EXPECT_EQ(b.frame[3], std::lround(H * 270.0 * 9 * 100 / 1024));
    // Coordinates, pens and fonts grow nine times.
    EXPECT_GT(b.bounds[2], 8 * W);
    EXPECT_EQ(*std::max_element(b.penWidths.begin(), b.penWidths.end()),
              9 * *std::max_element(a.penWidths.begin(), a.penWidths.end()));
    ASSERT_FALSE(a.fontHeights.empty());
    EXPECT_EQ(b.fontHeights.front(), 9 * a.fontHeights.front());
    // The window is as it was.
    EXPECT_EQ(w->view().W, W);
    EXPECT_EQ(w->prims().env().penScale, 1);
}

TEST_F(DeviceOutputTest, TwelvePagesOfEachAndTheirLists)
{
    ASSERT_TRUE(saveAs("EMF", "m.emf", 12));
    ASSERT_TRUE(saveAs("BMP", "b.bmp", 12));
    EXPECT_EQ(p.lastMessage(), "message: success: BMP file saved");
    for (const char* f : {"m00.emf", "m11.emf", "mANIM.txt", "b00.bmp", "b11.bmp", "bANIM.txt"})
        EXPECT_TRUE(exists(f)) << f;
    EXPECT_FALSE(exists("m12.emf"));
    // Pages differ: the demo draws a step per page.
    EXPECT_NE(file("b00.bmp"), file("b11.bmp"));
    // A second export asks once before replacing the files.
    p.answer(plat::IdYes);
    ASSERT_TRUE(saveAs("BMP", "b.bmp", 12));
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"question: careful!: overwrite existing file?",
                                                      "message: success: BMP file saved"}));
}

TEST_F(DeviceOutputTest, BitmapAndPictureCopies)
{
    w->command(gcm::BitmapToClipboard);
    const plat::ClipboardRecord bm = p.clipboardPicture();
    ASSERT_TRUE(bm.hasBitmap);
    EXPECT_EQ(bm.size, (plat::Size{w->view().W, w->view().H}));
    EXPECT_TRUE(bm.svg.empty());
    EXPECT_TRUE(bm.emf.empty());

    w->command(gcm::CopyToClipboard);
    const plat::ClipboardRecord all = p.clipboardPicture();
    ASSERT_TRUE(all.hasBitmap);
    EXPECT_EQ(all.pixels, bm.pixels);
    // The EMF and the SVG are the exports' bytes.
    ASSERT_TRUE(saveAs("EMF", "c.emf"));
    EXPECT_EQ(all.emf, file("c.emf"));
    ASSERT_TRUE(exportDemo("SVG", dir + "/c.svg", 1));
    EXPECT_EQ(all.svg, file("c.svg"));
}

TEST_F(DeviceOutputTest, Failures)
{
    // A missing folder: 412, and the file of the same name elsewhere stays.
    ASSERT_TRUE(saveAs("EMF", "old.emf"));
    const std::string before = file("old.emf");
    EXPECT_FALSE(saveAs("EMF", "missing/old.emf"));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_EQ(file("old.emf"), before);
    // No bitmap: 403, and the clipboard keeps what it had.
    w->command(gcm::BitmapToClipboard);
    const int changes = p.clipboardChanges();
    p.setBitmapFailure(true);
    w->command(gcm::BitmapToClipboard);
    EXPECT_EQ(p.lastMessage(), hmm(3));
    EXPECT_EQ(p.clipboardChanges(), changes);
    p.setBitmapFailure(false);
}

TEST_F(DeviceOutputTest, PrintPlacesTheFrameAtTheFormatsOffsets)
{
    p.setPrinterCaps(printer600());
    w->printFormat().frameImage = true;
    w->printFormat().colorPrinter = false;
    w->printFormat().horizontalOffset = -1; // the radio button, not a side
    w->printFormat().width = 6;
    w->setChanged(false);
    const ViewState before = w->view();
    const ColorRoles roles = w->colorRoles();
    p.answer(plat::IdOk);
    w->command(gcm::Print);
    ASSERT_EQ(p.printedPages().size(), 1u);
    const plat::RecordingDC& dc = *p.printedPages()[0].dc;
    // 6 in at 600 dpi = 3600 pixels wide; 1 in from the paper's edges is
    // 600 - 150 = 450 pixels into the printable area; the frame lies one
    // pixel outside the picture.
    const int W = before.W, H = before.H;
    const int pw = 3600, ph = static_cast<int>(std::lround(6.0 * H / W * 600));
    bool found = false;
    for (const plat::DrawOp& op : dc.ops())
        if (op.kind == plat::DrawOp::Rectangle && op.pts.size() == 2 && op.pts[0] == (plat::Point{449, 449}) &&
            op.pts[1] == (plat::Point{450 + pw + 1, 450 + ph + 1}))
            found = true;
    EXPECT_TRUE(found);
    // Grey levels without a colour printer, and no background painted.
    for (const plat::DrawOp& op : dc.ops()) {
        EXPECT_TRUE(plat::red(op.penColor) == plat::green(op.penColor) &&
                    plat::green(op.penColor) == plat::blue(op.penColor));
        EXPECT_FALSE(op.kind == plat::DrawOp::FillRect && op.pts.size() == 2 && op.pts[1].x - op.pts[0].x >= pw);
    }
    // The window is unchanged.
    EXPECT_EQ(w->view().W, before.W);
    EXPECT_EQ(w->view().ox, 0);
    EXPECT_EQ(w->view().xmin, before.xmin);
    EXPECT_EQ(w->view().kx, before.kx);
    EXPECT_EQ(w->colorRoles(), roles);
    EXPECT_FALSE(w->changed());
    EXPECT_FALSE(w->prims().env().printing);

    // Cancelled: no page; a failing printer: the message.
    p.answer(plat::IdCancel);
    w->command(gcm::Print);
    EXPECT_EQ(p.printedPages().size(), 1u);
    p.setPrintFailure(true);
    p.answer(plat::IdOk);
    w->command(gcm::Print);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: " + S(Str::PrintJobFailed));
    EXPECT_EQ(w->view().W, before.W);
}

TEST_F(DeviceOutputTest, SimulprintRefusesCounts)
{
    for (const char* n : {"0", "13"}) {
        p.input(std::string(n));
        w->command(gcm::Simulprint);
        EXPECT_EQ(p.lastMessage(), hmm(17)) << n;
    }
    EXPECT_TRUE(p.printedPages().empty());
}

// --- real readers ------------------------------------------------------------------------------

TEST_F(DeviceOutputTest, ReadersOfTheMetafile)
{
    for (const char* tool : {"emf2svg-conv", "xmllint", "file"})
        if (!testexport::haveTool(tool))
            GTEST_SKIP() << tool << " is not installed";
    // Scale labels in the Symbol font with pi.
    w->axes().layout.piX = true;
    w->fonts()[kScaleFontSlot].font.charSet = 2;
    ASSERT_TRUE(saveAs("EMF", "pic.emf"));
    std::string out;
    EXPECT_EQ(run("file " + dir + "/pic.emf", &out), 0);
    EXPECT_NE(out.find("Windows Enhanced Metafile"), std::string::npos) << out;
    ASSERT_EQ(run("emf2svg-conv -i " + dir + "/pic.emf -o " + dir + "/pic.svg", &out), 0) << out;
    EXPECT_EQ(run("xmllint --xpath \"string(//*[local-name()='text'][contains(., 'bec')])\" " + dir + "/pic.svg", &out),
              0);
    EXPECT_NE(out.find("Qu\xC3\xA9"
                       "bec"),
              std::string::npos)
        << out;
    EXPECT_EQ(run("xmllint --xpath \"count(//*[local-name()='text'][contains(., '\xCF\x80')])\" " + dir + "/pic.svg", &out),
              0);
    EXPECT_NE(out.rfind("0", 0), 0u) << "no pi in " << out;
    // A truncated file is refused.
    const std::string bytes = file("pic.emf");
    ASSERT_TRUE(writeFileAtomically(dir + "/cut.emf", bytes.substr(0, bytes.size() / 2)));
    EXPECT_NE(run("emf2svg-conv -i " + dir + "/cut.emf -o " + dir + "/cut.svg", &out), 0);
}

TEST_F(DeviceOutputTest, LibreOfficeDrawsTheMetafilesColours)
{
    for (const char* tool : {"soffice", "pdftoppm"})
        if (!testexport::haveTool(tool))
            GTEST_SKIP() << tool << " is not installed";
    w->command(gcm::WithBackColor);
    ASSERT_TRUE(saveAs("EMF", "lo.emf"));
    const std::string bytes = file("lo.emf");
    ASSERT_TRUE(writeFileAtomically(dir + "/cut.emf", bytes.substr(0, 200)));
    std::string out;
    const std::string lo = "soffice -env:UserInstallation=file://" + dir + "/lo --headless --convert-to pdf --outdir " +
                           dir + " " + dir + "/lo.emf " + dir + "/cut.emf";
    run(lo, &out);
    ASSERT_EQ(run("pdftoppm -r 50 -png -singlefile " + dir + "/lo.pdf " + dir + "/lo", &out), 0) << out;
    ASSERT_EQ(run("pdftoppm -r 50 -png -singlefile " + dir + "/cut.pdf " + dir + "/cut", &out), 0) << out;
    // Count strongly red and strongly blue pixels through ImageMagick.
    auto count = [&](const std::string& png, const std::string& colour) {
        std::string o;
        run("convert " + png + " -fuzz 25% -fill black +opaque '" + colour + "' -fill white -opaque '" + colour +
                "' -format '%[fx:mean*w*h]' info:",
            &o);
        return std::atof(o.c_str());
    };
    EXPECT_GT(count(dir + "/lo.png", "#ff0000"), 20);
    EXPECT_GT(count(dir + "/lo.png", "#0000ff"), 20);
    EXPECT_LT(count(dir + "/cut.png", "#ff0000"), 1);
}

TEST_F(DeviceOutputTest, ReadersOfTheBitmap)
{
    for (const char* tool : {"file", "convert"})
        if (!testexport::haveTool(tool))
            GTEST_SKIP() << tool << " is not installed";
    ASSERT_TRUE(saveAs("BMP", "pic.bmp"));
    const int W = w->view().W, H = w->view().H;
    std::string out;
    run("file " + dir + "/pic.bmp", &out);
    EXPECT_NE(out.find(formatInt(W) + " x " + formatInt(H) + " x 24"), std::string::npos) << out;
    w->command(gcm::BitmapToClipboard);
    const plat::ClipboardRecord& bm = p.clipboardPicture();
    ASSERT_EQ(run("convert " + dir + "/pic.bmp -depth 8 rgb:" + dir + "/pic.rgb", &out), 0) << out;
    const std::string rgb = file("pic.rgb");
    ASSERT_EQ(rgb.size(), static_cast<size_t>(W) * H * 3);
    size_t differ = 0, flipped = 0;
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const size_t i = (static_cast<size_t>(y) * W + x) * 3;
            const plat::Color c = plat::rgb(static_cast<unsigned char>(rgb[i]), static_cast<unsigned char>(rgb[i + 1]),
                                            static_cast<unsigned char>(rgb[i + 2]));
            differ += c != bm.pixels[static_cast<size_t>(y) * W + x];
            flipped += c != bm.pixels[static_cast<size_t>(H - 1 - y) * W + x];
        }
    EXPECT_EQ(differ, 0u);
    // A picture upside down would not pass.
    EXPECT_GT(flipped, 100u);
}

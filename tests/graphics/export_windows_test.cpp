// The picture export commands on the demo picture: file names, the
// settings dialog, overwrite questions, failures and the animation lists.
#include "export_helpers.h"
#include "graphics/export/pictex_writer.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace quan;
using testexport::readFile;

namespace {

std::string hmm(int n) { return "message: hmm ...: " + messageText(n); }

size_t countOf(const std::string& s, const std::string& what)
{
    size_t n = 0;
    for (size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1))
        ++n;
    return n;
}

// A demo whose second page fails.
class FailingDemo : public TDemoPicWin {
public:
    using TDemoPicWin::TDemoPicWin;
    bool DrawPage(int page, plat::DC& dc) override { return page < 1 && TDemoPicWin::DrawPage(page, dc); }
};

// A demo that is not ready to export.
class UnreadyDemo : public TDemoPicWin {
public:
    using TDemoPicWin::TDemoPicWin;
    bool readyForExport(ExportFormat) override { return false; }
};

// A demo whose page loop runs one page past the count it was given.
class OverrunningDemo : public TDemoPicWin {
public:
    using TDemoPicWin::TDemoPicWin;
    bool ExportPages(ExportFormat f, const PageWriter& write) override
    {
        for (int i = 0; i <= std::max(1, exportState(f).pages); ++i)
            if (!write(i))
                return false;
        return true;
    }
};

// Exports through a window's EPS or SVG command with `pages` pages in the
// dialog.
void exportThrough(plat::HeadlessPlatform& p, TVELWing& win, int command, const std::string& file, int pages)
{
    p.clearMessages();
    p.file(file);
    p.dialogText("PICTEX", texctl::Pages, formatInt(pages));
    p.press("PICTEX", 1);
    static_cast<plat::HeadlessWindow*>(win.window())->click(command);
}

} // namespace

TEST_F(ExportWindowTest, OnePageWritesTheBaseNameAndSaysSo)
{
    ASSERT_TRUE(exportDemo("EPS", dir + "/pic.eps", 1));
    EXPECT_EQ(p.lastMessage(), "message: success: EPS file saved");
    ASSERT_TRUE(exportDemo("SVG", dir + "/pic.svg", 1));
    EXPECT_EQ(p.lastMessage(), "message: success: SVG file saved");
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/pic.tex", 1));
    EXPECT_EQ(p.lastMessage(), "message: success: TeX file saved");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"pic.eps", "pic.svg", "pic.tex"}));
    // Every line ends with CR LF.
    for (const auto& n : names) {
        std::string b = file(n);
        EXPECT_EQ(countOf(b, "\n"), countOf(b, "\r\n")) << n;
        EXPECT_EQ(b.substr(b.size() - 2), "\r\n") << n;
    }
    EXPECT_EQ(file("pic.eps").substr(0, 23), "%!PS-Adobe-3.0 EPSF-3.0");
    EXPECT_NE(file("pic.eps").find("%%CreationDate:(Monday, December 7, 2026)\r\n"), std::string::npos);
    EXPECT_EQ(w->exportState(ExportFormat::Eps).baseName, dir + "/pic");
}

TEST_F(ExportWindowTest, TwelveStepsWriteTwelvePagesAndTheLists)
{
    ASSERT_TRUE(exportDemo("EPS", dir + "/pic.eps", 12));
    ASSERT_TRUE(exportDemo("SVG", dir + "/pic.svg", 12));
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/pic.tex", 12));
    for (const char* ext : {".eps", ".svg", ".tex"}) {
        EXPECT_FALSE(exists(std::string("pic") + ext));
        for (int i = 0; i < 12; ++i)
            EXPECT_TRUE(exists("pic" + formatInt(i, 2, '0') + ext)) << i << ext;
        EXPECT_FALSE(exists(std::string("pic12") + ext));
    }
    EXPECT_FALSE(exists("picANIM.eps"));
    std::string list;
    for (int i = 0; i < 12; ++i)
        list += "pic" + formatInt(i, 2, '0') + "\r\n";
    EXPECT_EQ(file("picANIM.txt"), list);
    const std::string index = file("picANIM.tex");
    EXPECT_EQ(countOf(index, "\r\n"), 12u + 11u + 2u);
    EXPECT_EQ(countOf(index, "\\newframe\r\n"), 11u);
    EXPECT_NE(index.find("\\input{pic11}\r\n\\end{animateinline}\r\n"), std::string::npos);
    // Every page of a multi-page export carries the one-page header lines.
    EXPECT_NE(file("pic07.eps").find("%%Pages: 1\r\n%%Page: 1 1\r\n"), std::string::npos);
    // The steps turn the radius: the pages differ.
    EXPECT_NE(file("pic00.svg"), file("pic01.svg"));
    // Afterwards the window draws single pages again.
    EXPECT_EQ(w->prims().page().pages, 1);
}

TEST_F(ExportWindowTest, QStopsAfterAPageAndTheListNamesThePagesWritten)
{
    p.key('q');
    ASSERT_TRUE(exportDemo("SVG", dir + "/pic.svg", 12));
    EXPECT_TRUE(exists("pic00.svg"));
    EXPECT_FALSE(exists("pic01.svg"));
    EXPECT_EQ(file("picANIM.txt"), "pic00\r\n");
    p.key('q', 1);
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/pic.tex", 12));
    EXPECT_TRUE(exists("pic01.tex"));
    EXPECT_FALSE(exists("pic02.tex"));
    EXPECT_EQ(file("picANIM.tex"), "\\begin{animateinline}[poster=first,controls]{1}\r\n\\input{pic00}\r\n"
                                   "\\newframe\r\n\\input{pic01}\r\n\\end{animateinline}\r\n");
}

namespace {

// The EPS numbers of two files agree to 0.001 (every other word alike);
// how many numbers there were.
size_t expectSameEpsNumbers(const std::string& one, const std::string& many)
{
    std::istringstream a(one), b(many);
    std::string ta, tb;
    size_t numbers = 0;
    while (true) {
        bool ga = static_cast<bool>(a >> ta), gb = static_cast<bool>(b >> tb);
        EXPECT_EQ(ga, gb);
        if (!ga || !gb)
            break;
        Real x, y;
        if (parseReal(ta, x) && parseReal(tb, y)) {
            EXPECT_NEAR(static_cast<double>(x), static_cast<double>(y), 0.001) << ta << " " << tb;
            ++numbers;
        } else {
            EXPECT_EQ(ta, tb);
        }
    }
    return numbers;
}

// A PicTeX file's coordinate pairs in centimetres from the lower left
// corner of its box (the first invisible point), with the largest rounding
// error of a coordinate in centimetres. Angles and label texts are left
// out; every other word goes to `words`.
struct TeXPlaces {
    std::vector<std::pair<Real, Real>> cm;
    std::vector<std::string> words;
    Real ux = 0, uy = 0, x0 = 0, y0 = 0, slack = 0;
};

TeXPlaces texPlaces(const std::string& file)
{
    TeXPlaces t;
    std::istringstream lines(file);
    std::string line;
    bool corner = false;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string units = "\\setcoordinatesystem units <";
        if (line.rfind(units, 0) == 0) {
            size_t comma = line.find("cm,"), end = line.find("cm>");
            EXPECT_TRUE(parseReal(line.substr(units.size(), comma - units.size()), t.ux)) << line;
            EXPECT_TRUE(parseReal(line.substr(comma + 3, end - comma - 3), t.uy)) << line;
            continue;
        }
        if (line.rfind("\\put {", 0) == 0) {
            t.words.push_back(line.substr(0, line.rfind(" at ")));
            line = line.substr(line.rfind(" at ") + 4);
        }
        std::istringstream words(line);
        std::string w;
        std::vector<Real> nums;
        bool angle = line.rfind("\\circulararc", 0) == 0;
        while (words >> w) {
            Real v;
            if (parseReal(w, v)) {
                if (angle)
                    t.words.push_back(w);
                else
                    nums.push_back(v);
                angle = false;
                size_t dot = w.find('.');
                const Real half = 0.5L * std::pow(10.0L, -static_cast<Real>(dot == std::string::npos ? 0 : w.size() - dot - 1));
                t.slack = std::max(t.slack, half * std::max(t.ux, t.uy));
            } else {
                t.words.push_back(w);
            }
        }
        EXPECT_EQ(nums.size() % 2, 0u) << line;
        for (size_t i = 0; i + 1 < nums.size(); i += 2) {
            if (!corner) {
                t.x0 = nums[i];
                t.y0 = nums[i + 1];
                corner = true;
            }
            t.cm.push_back({(nums[i] - t.x0) * t.ux, (nums[i + 1] - t.y0) * t.uy});
        }
    }
    return t;
}

} // namespace

TEST_F(ExportWindowTest, UnchangedPagesOfSeveralWriteTheOnePageNumbers)
{
    ASSERT_TRUE(exportDemo("EPS", dir + "/one.eps", 1));
    ASSERT_TRUE(exportDemo("EPS", dir + "/many.eps", 12));
    // Step 0 is the picture on screen: the numbers agree to 0.001.
    EXPECT_GT(expectSameEpsNumbers(file("one.eps"), file("many00.eps")), 1000u);
}

TEST_F(ExportWindowTest, UnchangedPagesAgreeInAnOffCentreView)
{
    // Centre (2, -1), half-width 3: the pages of several are recentred
    // and scaled by e / rx = 5 / 3.
    ASSERT_EQ(w->pictureView().setByCentre(2, -1, 3), 0);
    ASSERT_EQ(w->view().rx, 3);
    ASSERT_TRUE(exportDemo("EPS", dir + "/one.eps", 1));
    ASSERT_TRUE(exportDemo("EPS", dir + "/many.eps", 12));
    EXPECT_GT(expectSameEpsNumbers(file("one.eps"), file("many00.eps")), 1000u);
    p.press("PICTEX", texctl::ModeFirst + TeXInsertable);
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/one.tex", 1));
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/many.tex", 12));
    TeXPlaces a = texPlaces(file("one.tex")), b = texPlaces(file("many00.tex"));
    EXPECT_EQ(a.words, b.words);
    ASSERT_EQ(a.cm.size(), b.cm.size());
    EXPECT_GT(a.cm.size(), 150u);
    // The same places on the page: the box (8 cm wide), then every point.
    EXPECT_NEAR(static_cast<double>(a.cm[3].first), 8, 1e-3);
    EXPECT_NEAR(static_cast<double>(b.cm[3].first), 8, 1e-3);
    EXPECT_NEAR(static_cast<double>(a.cm[3].second), static_cast<double>(b.cm[3].second), 1e-3);
    const double slack = static_cast<double>(a.slack + b.slack) + 1e-6;
    size_t off = 0;
    for (size_t i = 0; i < a.cm.size(); ++i) {
        const bool apart = std::fabs(static_cast<double>(a.cm[i].first - b.cm[i].first)) > slack ||
                           std::fabs(static_cast<double>(a.cm[i].second - b.cm[i].second)) > slack;
        if (apart && off++ == 0)
            ADD_FAILURE() << "point " << i << ": " << static_cast<double>(a.cm[i].first) << " "
                          << static_cast<double>(a.cm[i].second) << " cm alone, "
                          << static_cast<double>(b.cm[i].first) << " " << static_cast<double>(b.cm[i].second)
                          << " cm as the first of several";
    }
    EXPECT_EQ(off, 0u);
}

TEST_F(ExportWindowTest, TheExtensionIsTakenFromTheEndInAnyCase)
{
    std::filesystem::create_directories(dir + "/b.eps.d");
    ASSERT_TRUE(exportDemo("EPS", dir + "/b.eps.d/pic.eps", 1));
    EXPECT_TRUE(exists("b.eps.d/pic.eps"));
    ASSERT_TRUE(exportDemo("EPS", dir + "/up.EPS", 1));
    EXPECT_TRUE(exists("up.EPS"));
    ASSERT_TRUE(exportDemo("SVG", dir + "/bare", 1));
    EXPECT_TRUE(exists("bare.svg"));
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/pages.TeX", 2));
    EXPECT_TRUE(exists("pages0.TeX"));
    EXPECT_TRUE(exists("pages1.TeX"));
    EXPECT_TRUE(exists("pagesANIM.tex"));
}

TEST_F(ExportWindowTest, AnyExistingFileOfTheExportIsAskedAboutOnce)
{
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/picANIM.txt", "old list"));
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/pic2.svg", "old page"));
    p.answer(plat::IdNo);
    EXPECT_FALSE(exportDemo("SVG", dir + "/pic.svg", 3));
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"question: careful!: overwrite existing file?", hmm(12)}));
    EXPECT_FALSE(exists("pic0.svg"));
    EXPECT_EQ(file("picANIM.txt"), "old list");
    EXPECT_EQ(file("pic2.svg"), "old page");
    p.answer(plat::IdYes);
    EXPECT_TRUE(exportDemo("SVG", dir + "/pic.svg", 3));
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"question: careful!: overwrite existing file?",
                                                      "message: success: SVG file saved"}));
    EXPECT_EQ(file("picANIM.txt"), "pic0\r\npic1\r\npic2\r\n");
    EXPECT_EQ(file("pic2.svg").substr(0, 5), "<?xml");
}

TEST_F(ExportWindowTest, FailuresSay412AndLeaveFilesAsTheyWere)
{
    // A folder that does not exist.
    EXPECT_FALSE(exportDemo("EPS", dir + "/missing/pic.eps", 1));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    // A folder as the name: asked about, then refused by the file system.
    std::filesystem::create_directories(dir + "/folder.eps");
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/folder.eps/inside", "kept"));
    p.answer(plat::IdYes);
    EXPECT_FALSE(exportDemo("EPS", dir + "/folder.eps", 1));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/folder.eps"));
    EXPECT_EQ(file("folder.eps/inside"), "kept");
    // A page that fails: the page before it is written, the failing page's
    // old file stays byte for byte, and no list is written.
    auto failing = makeWindow<FailingDemo>(nullptr, DocInit{});
    const std::string old = "%!PS old page\r\n";
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/f1.svg", old));
    p.clearMessages();
    p.file(dir + "/f.svg");
    p.dialogText("PICTEX", 221, "3");
    p.press("PICTEX", 1);
    p.answer(plat::IdYes);
    static_cast<plat::HeadlessWindow*>(failing->window())->click(gcm::ExportSvg);
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_TRUE(exists("f0.svg"));
    EXPECT_EQ(file("f1.svg"), old);
    EXPECT_FALSE(exists("f2.svg"));
    EXPECT_FALSE(exists("fANIM.txt"));
    EXPECT_FALSE(failing->prims().output().exporting());
    // Nothing else was left behind (no temporary files).
    size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir))
        entries += e.path().filename().string().find(".tmp~") != std::string::npos;
    EXPECT_EQ(entries, 0u);
}

TEST_F(ExportWindowTest, CancellingTheFileOrTheDialogWritesNothing)
{
    p.file(std::nullopt);
    click("Export graphics|EPS");
    p.file(dir + "/pic.svg");
    p.press("PICTEX", 2);
    click("Export graphics|SVG");
    EXPECT_TRUE(p.messages().empty());
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}

TEST_F(ExportWindowTest, BadEntriesKeepTheOldValuesAndSaySo)
{
    ExportState& tex = w->exportState(ExportFormat::PicTeX);
    auto attempt = [&](int id, const std::string& text) {
        p.clearMessages();
        p.file(dir + "/pic.tex");
        p.dialogText("PICTEX", id, text);
        p.press("PICTEX", 1);
        p.press("PICTEX", 2); // the dialog stayed open: cancel it
        click("Export graphics|PiCTeX");
        EXPECT_EQ(p.lastDialogTexts().at(id), id == texctl::Width ? "8" : id == texctl::Box ? "1" : "1") << text;
        return p.messages().empty() ? std::string() : p.messages().front();
    };
    EXPECT_EQ(attempt(texctl::Width, "eight"), hmm(1));
    EXPECT_EQ(attempt(texctl::Width, "-2"), hmm(14));
    EXPECT_EQ(attempt(texctl::Width, "0"), hmm(14));
    EXPECT_EQ(attempt(texctl::Box, "256"), hmm(17));
    EXPECT_EQ(attempt(texctl::Box, "-1"), hmm(17));
    EXPECT_EQ(attempt(texctl::Box, "1.5"), hmm(1));
    EXPECT_EQ(attempt(texctl::Pages, "0"), hmm(17));
    EXPECT_EQ(attempt(texctl::Pages, "100000"), hmm(17));
    EXPECT_EQ(attempt(texctl::Pages, "twelve"), hmm(1));
    EXPECT_EQ(tex.texWidth, 8);
    EXPECT_EQ(tex.boxNumber, 1);
    EXPECT_EQ(tex.pages, 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir));
    // SVG sizes from 2 to 32767.
    for (const char* bad : {"1", "32768", "-400", "4OO"}) {
        p.clearMessages();
        p.file(dir + "/pic.svg");
        p.dialogText("PICTEX", texctl::Width, bad);
        p.press("PICTEX", 1);
        p.press("PICTEX", 2);
        click("Export graphics|SVG");
        EXPECT_EQ(p.messages().front(), hmm(std::string(bad) == "4OO" ? 1 : 17)) << bad;
        EXPECT_EQ(p.lastDialogTexts().at(texctl::Width), "640");
    }
    // Good entries are kept for the next export.
    p.clearMessages();
    p.file(dir + "/pic.tex");
    p.dialogText("PICTEX", texctl::Width, "12.5");
    p.dialogText("PICTEX", texctl::Box, "7");
    p.press("PICTEX", texctl::ModeFirst + 3);
    p.press("PICTEX", 1);
    click("Export graphics|PiCTeX");
    EXPECT_EQ(p.lastMessage(), "message: success: TeX file saved");
    EXPECT_EQ(tex.texWidth, 12.5L);
    EXPECT_EQ(tex.boxNumber, 7);
    EXPECT_EQ(tex.texMode, 3);
    EXPECT_EQ(file("pic.tex").substr(0, 15), "\\beginpicture\r\n");
    p.file(dir + "/pic2.tex");
    p.press("PICTEX", 1);
    click("Export graphics|PiCTeX");
    EXPECT_EQ(p.lastDialogTexts().at(texctl::Width), "12.5");
    EXPECT_EQ(p.lastDialogTexts().at(texctl::Box), "7");
}

TEST_F(ExportWindowTest, ThePicTeXBoxIsTheChosenWidth)
{
    p.file(dir + "/pic.tex");
    p.dialogText("PICTEX", texctl::Width, "10");
    p.press("PICTEX", 1);
    click("Export graphics|PiCTeX");
    // 640 x 480: 1 cm per unit across, 480/640 of 10 cm over 2 ry = 7.5.
    EXPECT_NE(file("pic.tex").find("\\setcoordinatesystem units <1.00000cm,1.00000cm>\r\n"), std::string::npos);
}

TEST_F(ExportWindowTest, SameBytesUnderAGermanLocale)
{
    ASSERT_TRUE(exportDemo("EPS", dir + "/c.eps", 1));
    ASSERT_TRUE(exportDemo("SVG", dir + "/c.svg", 1));
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/c.tex", 1));
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale (Debian: locales-all)";
    // The C library now writes decimal commas.
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.2f", 0.32);
    EXPECT_STREQ(probe, "0,32");
    bool ok = exportDemo("EPS", dir + "/de.eps", 1) && exportDemo("SVG", dir + "/de.svg", 1) &&
              exportDemo("PiCTeX", dir + "/de.tex", 1);
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(ok);
    EXPECT_EQ(file("de.eps"), file("c.eps"));
    EXPECT_EQ(file("de.svg"), file("c.svg"));
    EXPECT_EQ(file("de.tex"), file("c.tex"));
}

TEST_F(ExportWindowTest, AFolderAsTheNameSays412AndWritesNothing)
{
    std::filesystem::create_directories(dir + "/sub");
    EXPECT_FALSE(exportDemo("EPS", dir + "/sub/", 1));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_FALSE(exportDemo("SVG", dir + "/sub/", 3));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_FALSE(exportDemo("PiCTeX", dir + "/sub/", 1));
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_TRUE(std::filesystem::is_empty(dir + "/sub"));
    EXPECT_FALSE(exists("sub.svg"));
}

TEST_F(ExportWindowTest, AnExportThatIsNotReadyAsksNothing)
{
    auto unready = makeWindow<UnreadyDemo>(nullptr, DocInit{});
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/u.svg", "old page"));
    ASSERT_TRUE(quan::writeFileAtomically(dir + "/u.eps", "old page"));
    p.answer(plat::IdYes);
    exportThrough(p, *unready, gcm::ExportSvg, dir + "/u.svg", 1);
    exportThrough(p, *unready, gcm::ExportEps, dir + "/u.eps", 1);
    for (const std::string& m : p.messages())
        EXPECT_EQ(m.rfind("question: ", 0), std::string::npos) << m;
    EXPECT_EQ(file("u.svg"), "old page");
    EXPECT_EQ(file("u.eps"), "old page");
    // A window that is ready still asks.
    auto ready = makeWindow<TDemoPicWin>(nullptr, DocInit{});
    exportThrough(p, *ready, gcm::ExportSvg, dir + "/u.svg", 1);
    EXPECT_EQ(p.messages(), (std::vector<std::string>{"question: careful!: overwrite existing file?",
                                                      "message: success: SVG file saved"}));
}

TEST_F(ExportWindowTest, APageBeyondTheCountFailsThatPage)
{
    auto overrunning = makeWindow<OverrunningDemo>(nullptr, DocInit{});
    exportThrough(p, *overrunning, gcm::ExportSvg, dir + "/o.svg", 3);
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_TRUE(exists("o2.svg"));
    EXPECT_FALSE(exists("o3.svg"));
    EXPECT_FALSE(exists("oANIM.txt"));
    exportThrough(p, *overrunning, gcm::ExportEps, dir + "/o.eps", 2);
    EXPECT_EQ(p.lastMessage(), hmm(12));
    EXPECT_TRUE(exists("o1.eps"));
    EXPECT_FALSE(exists("o2.eps"));
    EXPECT_FALSE(overrunning->prims().output().exporting());
}

// The calculations worksheet window and the weighted-voting window around
// it, driven through their menus on the headless platform.
#include "power/banwin.h"
#include "power/bnzfile.h"
#include "power/pwrwin.h"
#include "docfile/settings.h"
#include "resources/strings.h"
#include "shell/shell_fixture.h"

#include <algorithm>

using namespace quan;
using namespace quan::test;

namespace {

class PwrWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Banzhaf,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TBanWin>(f, i); });
        frame->create("");
        win = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, ""));
        ASSERT_NE(win, nullptr);
        ASSERT_EQ(win->table().setBlocs({5, 3, 2}, {"A", "B", "C"}), 0);
        ASSERT_EQ(win->table().setQuota(6), 0);
        win->tableChanged();
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow& hw() { return *static_cast<plat::HeadlessWindow*>(win->window()); }
    plat::HeadlessWindow& sheetWindow() { return *static_cast<plat::HeadlessWindow*>(win->worksheetWindow()->window()); }
    void click(const std::string& menuPath)
    {
        int id = hw().findCommand(menuPath);
        ASSERT_NE(id, 0) << menuPath;
        hw().click(id);
    }
    void openSheet()
    {
        click("Misc|Calculations");
        ASSERT_NE(win->worksheetWindow(), nullptr);
        ASSERT_TRUE(win->worksheetOpen());
    }
    std::unique_ptr<TQuanFrame> frame;
    TBanWin* win = nullptr;
};

const char kFiveThreeTwo[] = "total  A  B  C\r\n"
                             "--------------\r\n"
                             "    0  0  0  0\r\n"
                             "    5  5  0  0\r\n"
                             "    3  0  3  0\r\n"
                             "    8  5  3  0\r\n"
                             "    2  0  0  2\r\n"
                             "    7  5  0  2\r\n"
                             "    5  0  3  2\r\n"
                             "   10  5  3  2\r\n"
                             "--------------\r\n"
                             "       6  2  2\r\n";

} // namespace

TEST_F(PwrWinTest, CalculationsShowsTheCoalitionsAndTextOutGivesThemAsText)
{
    openSheet();
    TPwrWin& w = *win->worksheetWindow();
    EXPECT_EQ(sheetWindow().caption().rfind("pivotal [", 0), 0u) << sheetWindow().caption();
    EXPECT_EQ(w.worksheet().rowCount(), 8);
    EXPECT_EQ(w.worksheet().quota(), 6);
    sheetWindow().click(sheetWindow().findCommand("File|Text out"));
    EXPECT_EQ(w.lastHandedText(), kFiveThreeTwo);
    EXPECT_EQ(w.lastHandedCaption(), sheetWindow().caption());
    // Drawn: the heading, the rows and the counts; pivotal entries bold and
    // boxed in the pivotal colour, winning totals bold in the wins colour.
    const plat::RecordingDC& dc = sheetWindow().paintNow();
    const auto texts = dc.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "   10"), texts.end());
    const uint32_t pivotal = w.color(kWorksheetColors[3]);
    const uint32_t wins = w.color(kWorksheetColors[2]);
    int boldPivotal = 0, boxes = 0, boldWins = 0;
    for (const auto& op : dc.ops()) {
        if (op.kind == plat::DrawOp::Text && op.textColor == pivotal && op.font.weight >= 700)
            ++boldPivotal;
        if (op.kind == plat::DrawOp::Text && op.textColor == wins && op.font.weight >= 700)
            ++boldWins;
        if (op.kind == plat::DrawOp::Rectangle && op.penColor == pivotal && !op.brush)
            ++boxes;
    }
    EXPECT_EQ(boldPivotal, 10); // 6 + 2 + 2 pivotal entries
    EXPECT_EQ(boxes, 10);
    EXPECT_EQ(boldWins, 3);     // totals 8, 7, 10
}

TEST_F(PwrWinTest, ElevenBlocsCloseTheWorksheetWithAReason)
{
    openSheet();
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(11, 2), std::vector<std::string>(11, "")), 0);
    click("Misc|Calculations");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: too many blocs");
    EXPECT_FALSE(win->worksheetOpen());
}

TEST_F(PwrWinTest, EveryChangeOfTheTableClosesTheWorksheet)
{
    auto check = [&](const std::string& what, auto&& change) {
        openSheet();
        change();
        EXPECT_FALSE(win->worksheetOpen()) << what;
    };
    check("weight", [&] { p.input(std::string("4")); win->editCell(0, 0, false); });
    check("name", [&] { p.input(std::string("Q")); win->editCell(0, -1, false); });
    check("quota", [&] { p.input(std::string("7")); click("Edit|Quota ..."); });
    check("blocs", [&] { p.input(std::string("4")); click("Edit|Number of blocs ..."); });
    check("delete", [&] {
        p.dialogText("delete", 102, "4");
        p.dialogText("delete", 104, "4");
        p.press("delete", plat::IdOk);
        click("Edit|Delete rows ...");
    });
    check("shapley", [&] { click("Calculate|Shapley"); click("Calculate|Banzhaf"); });
    win->setChanged(false);
    check("new random", [&] { click("Edit|New random"); });
    check("range", [&] {
        p.dialogText("randomweights", 102, "1");
        p.dialogText("randomweights", 104, "3");
        p.press("randomweights", plat::IdOk);
        click("Edit|Range of weights ...");
    });
    ASSERT_EQ(win->table().setBlocs({5, 3, 2}, {"A", "B", "C"}), 0);
    BnzDocument doc = win->table().save();
    ASSERT_EQ(writeBnz(path("t.bnz"), doc), 0);
    win->setChanged(false);
    check("read", [&] { ASSERT_EQ(win->readDocument(path("t.bnz")), 0); });
    // Arranging and the opposition pair leave it alone.
    openSheet();
    click("Arrange|by Weight");
    EXPECT_TRUE(win->worksheetOpen());
    EXPECT_EQ(p.unusedScript(), "");
}

TEST_F(PwrWinTest, TenBlocsScrollToTheLastCoalition)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back(BlocTable::defaultName(i));
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(10, 7), names), 0);
    openSheet();
    TPwrWin& w = *win->worksheetWindow();
    sheetWindow().paintNow();
    EXPECT_EQ(w.firstRow(), 0);
    EXPECT_LT(w.rowsInView(), 1024);
    w.keyDown(plat::vk::End, false, false);
    const auto texts = sheetWindow().paintNow().texts();
    EXPECT_EQ(w.firstRow() + w.rowsInView(), 1024);
    // The last row holds every bloc: total 70.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "   70"), texts.end());
    // Text out keeps whole rows, ends with the counts and says why.
    sheetWindow().click(sheetWindow().findCommand("File|Text out"));
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: no more room");
    const std::string& text = w.lastHandedText();
    EXPECT_LE(text.size(), 64000u);
    EXPECT_EQ(text.substr(text.size() - 10), "     252\r\n");
}

TEST_F(PwrWinTest, TheWorksheetColoursGoWithTheDocument)
{
    openSheet();
    TPwrWin& w = *win->worksheetWindow();
    EXPECT_EQ(w.colorChoices(), kWorksheetColors);
    w.setColorRole(TPwrWin::kRoleWins, 55);
    w.colorsChanged();
    EXPECT_EQ(win->table().worksheetColors(), (ColorChoices{1, 0, 55, 4}));
    EXPECT_TRUE(win->changed());
    p.file(path("c.bnz"));
    click("File|Save As ...");
    BnzDocument back;
    ASSERT_EQ(readBnz(path("c.bnz"), back), 0);
    EXPECT_EQ(back.worksheetColors, (ColorChoices{1, 0, 55, 4}));
}

namespace {
// Records the caption whenever an edit marks the document changed, which
// happens inside the autofeed loop.
class CaptionSpy : public TBanWin {
public:
    using TBanWin::TBanWin;
    std::vector<std::string> captions;
    void setChanged(bool c) override
    {
        TBanWin::setChanged(c);
        if (window())
            captions.push_back(window()->caption());
    }
};
} // namespace

TEST_F(PwrWinTest, AutofeedShowsHowToCancelIt)
{
    frame->registerKind(WindowKind::Banzhaf,
                        [](TQuanFrame* f, const DocInit& i) { return std::make_unique<CaptionSpy>(f, i); });
    auto* spy = static_cast<CaptionSpy*>(frame->newWindow(WindowKind::Banzhaf, ""));
    ASSERT_NE(spy, nullptr);
    ASSERT_EQ(spy->table().setBlocs({5, 3, 2}, {"A", "B", "C"}), 0);
    spy->captions.clear();
    p.input(std::string("9"));
    p.input(std::nullopt); // Esc on the next cell
    spy->editCell(0, BlocTable::kWeight, true);
    ASSERT_EQ(spy->captions.size(), 1u);
    EXPECT_NE(spy->captions[0].find("   Esc cancels autofeed"), std::string::npos) << spy->captions[0];
    EXPECT_EQ(spy->window()->caption().find("autofeed"), std::string::npos);
    // A plain edit says nothing of autofeed.
    spy->captions.clear();
    p.input(std::string("4"));
    spy->editCell(0, BlocTable::kWeight, false);
    ASSERT_EQ(spy->captions.size(), 1u);
    EXPECT_EQ(spy->captions[0].find("autofeed"), std::string::npos);
}

TEST_F(PwrWinTest, AQuotaBeyondThirtyOneBitsComesBackWhole)
{
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(4, 2100000000), {"a", "b", "c", "d"}), 0);
    // 8 400 000 000 in all: the majority is 4 200 000 001, three blocs.
    EXPECT_EQ(win->table().quota(), 4200000001LL);
    p.file(path("big.bnz"));
    click("File|Save As ...");
    ASSERT_EQ(win->table().setQuota(5), 0);
    ASSERT_EQ(win->readDocument(path("big.bnz")), 0);
    EXPECT_EQ(win->table().quota(), 4200000001LL);
    click("Calculate|All cases");
    // Three of four blocs win: each bloc swings in the three 3-bloc
    // coalitions it is in, 6 pivotal of 16.
    EXPECT_EQ(win->table().exactPivotal(0), BigUint(6));
}

TEST_F(PwrWinTest, ReadingResetsTheTableAsNewRandomDoes)
{
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(10, 77), std::vector<std::string>(10, "old")), 0);
    click("Calculate|Large power unit");
    ASSERT_EQ(win->table().unit(), PowerUnit::Large);
    BnzDocument doc;
    doc.weights = {5, 3, 2};
    doc.names = {"A", "B", "C"};
    doc.low = 20;
    doc.high = 30;
    ASSERT_EQ(writeBnz(path("three.bnz"), doc), 0);
    ASSERT_EQ(win->readDocument(path("three.bnz")), 0);
    EXPECT_EQ(win->table().unit(), PowerUnit::Small);
    // Rows beyond the file's three come back fresh, not as they were.
    ASSERT_EQ(win->table().setBlocCount(5), 0);
    for (int i = 3; i < 5; ++i) {
        EXPECT_EQ(win->table().bloc(i).name, BlocTable::defaultName(i + 1));
        EXPECT_GE(win->table().bloc(i).value[0], 20);
        EXPECT_LE(win->table().bloc(i).value[0], 30);
    }
}

TEST_F(PwrWinTest, TableColoursThatAreNotAllDifferentGetTheirDefaults)
{
    HeaderState h = win->headerState();
    h.roles[0] = h.roles[1] = 5;
    BnzDocument doc = win->table().save();
    doc.header = h;
    ASSERT_EQ(writeBnz(path("grey.bnz"), doc), 0);
    ASSERT_EQ(win->readDocument(path("grey.bnz")), 0);
    EXPECT_EQ(win->tableColors(), kBlocTableColors);
    h.roles[0] = 33;
    h.roles[1] = 34;
    h.roles[2] = 35;
    h.roles[3] = 36;
    doc.header = h;
    ASSERT_EQ(writeBnz(path("own.bnz"), doc), 0);
    ASSERT_EQ(win->readDocument(path("own.bnz")), 0);
    EXPECT_EQ(win->tableColors(), (ColorChoices{33, 34, 35, 36}));
    // The table is drawn in them: names in 35, the heading in 36.
    const auto& ops = hw().paintNow().ops();
    bool nameSeen = false, headingSeen = false;
    for (const auto& op : ops) {
        if (op.kind == plat::DrawOp::Text && op.text == "A")
            nameSeen = op.textColor == win->color(35);
        if (op.kind == plat::DrawOp::Text && op.text == "weight")
            headingSeen = op.textColor == win->color(36);
    }
    EXPECT_TRUE(nameSeen);
    EXPECT_TRUE(headingSeen);
}

TEST_F(PwrWinTest, ClosingTheWorksheetWritesItsSettingsFile)
{
    openSheet();
    TPwrWin& w = *win->worksheetWindow();
    w.setColorRole(TPwrWin::kRolePivotal, 57);
    w.colorsChanged();
    sheetWindow().click(sheetWindow().findCommand("File|Close"));
    EXPECT_FALSE(win->worksheetOpen());
    SettingsState s;
    s.header = headerStateFor(kKindWorksheet);
    ASSERT_TRUE(ReadSettingsFile(p.settingsDirectory() + "wpiv.ini", s));
    EXPECT_EQ(s.header.kind, 888);
    EXPECT_EQ(s.header.roles[3], 57);
    // Every menu of the worksheet has its help text.
    for (const char* help : {"File|Help", "Format|Help", "Colors|Help"}) {
        sheetWindow().click(sheetWindow().findCommand(help));
        EXPECT_TRUE(w.helpWindow().visible()) << help;
        EXPECT_FALSE(w.helpWindow().text().empty()) << help;
        // Each is the worksheet's own text, not another window's of the same name.
        EXPECT_EQ(w.helpWindow().text().rfind("CALCULATIONS WORKSHEET", 0), 0u) << help;
    }
    click("Misc|Help");
    EXPECT_NE(win->helpWindow().text().find("CALCULATIONS"), std::string::npos);
}

TEST_F(PwrWinTest, ColumnsThatDoNotFitScrollBesideTheTotals)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 10; ++i)
        names.push_back("a long bloc name " + std::to_string(i));
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(10, 7), names), 0);
    openSheet();
    TPwrWin& w = *win->worksheetWindow();
    sheetWindow().setClientSize({400, 300});
    auto texts = sheetWindow().paintNow().texts();
    ASSERT_LT(w.columnsInView(), 10);
    EXPECT_TRUE(sheetWindow().scrollBar(plat::ScrollBarKind::Horizontal).visible);
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.find("a long bloc name 10") != std::string::npos; }),
              0);
    sheetWindow().userScroll(plat::ScrollBarKind::Horizontal, 9);
    EXPECT_EQ(w.firstColumn() + w.columnsInView(), 10);
    texts = sheetWindow().paintNow().texts();
    EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                            [](const std::string& t) { return t.find("a long bloc name 10") != std::string::npos; }),
              1);
    // The totals stay: the heading "total" is still drawn.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "total"), texts.end());
}

TEST_F(PwrWinTest, PrintedWorksheetMarksPivotalEntriesWithoutColour)
{
    openSheet();
    p.answer(plat::IdOk);
    sheetWindow().click(sheetWindow().findCommand("File|Print ..."));
    const auto& pages = p.printedPages();
    ASSERT_EQ(pages.size(), 1u);
    int boxes = 0, bold = 0;
    std::vector<std::string> texts;
    for (const plat::DrawOp& op : pages[0].dc->ops()) {
        if (op.kind == plat::DrawOp::Rectangle && !op.brush)
            ++boxes;
        if (op.kind == plat::DrawOp::Text) {
            texts.push_back(op.text);
            bold += op.font.weight >= 700;
        }
    }
    // Ten pivotal entries boxed; they and the three winning totals bold.
    EXPECT_EQ(boxes, 10);
    EXPECT_EQ(bold, 13);
    EXPECT_EQ(texts.front(), "total");
    EXPECT_EQ(texts.back(), "  2"); // the last count
}

TEST_F(PwrWinTest, TenBlocsPrintOnPagesThatEachStartWithTheHeading)
{
    ASSERT_EQ(win->table().setBlocs(std::vector<Real>(10, 7), std::vector<std::string>(10, "")), 0);
    openSheet();
    p.answer(plat::IdOk);
    sheetWindow().click(sheetWindow().findCommand("File|Print ..."));
    const auto& pages = p.printedPages();
    ASSERT_GE(pages.size(), 2u);
    int totals = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        std::vector<std::string> texts;
        for (const plat::DrawOp& op : pages[i].dc->ops())
            if (op.kind == plat::DrawOp::Text)
                texts.push_back(op.text);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.front(), "total") << i;
        // A row's total is the first piece of its line: right-aligned in 5.
        for (size_t k = 11; k < texts.size(); k += 11)
            totals += texts[k].size() == 5 && texts[k] != "     ";
    }
    // Every one of the 1024 rows, once.
    EXPECT_EQ(totals, 1024);
}

TEST_F(PwrWinTest, APrinterWithoutColourPrintsTheMarksInBlack)
{
    openSheet();
    win->worksheetWindow()->printFormat().colorPrinter = false;
    p.answer(plat::IdOk);
    sheetWindow().click(sheetWindow().findCommand("File|Print ..."));
    ASSERT_EQ(p.printedPages().size(), 1u);
    int boxes = 0;
    for (const plat::DrawOp& op : p.printedPages()[0].dc->ops()) {
        if (op.kind == plat::DrawOp::Text) {
            EXPECT_EQ(op.textColor, plat::rgb(0, 0, 0)) << op.text;
        }
        boxes += op.kind == plat::DrawOp::Rectangle && op.penColor == plat::rgb(0, 0, 0);
    }
    EXPECT_EQ(boxes, 10);
}

TEST_F(PwrWinTest, ANegativeOffsetPrintsOnThePaperAndAFailedJobSaysSo)
{
    openSheet();
    // The offset's sign is the format dialog's radio button: -1 in and 1 in
    // both put the worksheet 1 in (300 pixels at 300 dpi) from the edge.
    auto firstTextX = [&](Real offset) {
        win->worksheetWindow()->printFormat().horizontalOffset = offset;
        p.answer(plat::IdOk);
        const size_t before = p.printedPages().size();
        sheetWindow().click(sheetWindow().findCommand("File|Print ..."));
        EXPECT_EQ(p.printedPages().size(), before + 1);
        for (const plat::DrawOp& op : p.printedPages().back().dc->ops())
            if (op.kind == plat::DrawOp::Text)
                return op.pts.empty() ? -1 : op.pts[0].x;
        return -1;
    };
    const int right = firstTextX(1), left = firstTextX(-1);
    EXPECT_EQ(right, 300);
    EXPECT_EQ(left, right);
    // A printer gone away: the job's failure is reported.
    p.clearMessages();
    p.setPrintFailure(true);
    p.answer(plat::IdOk);
    sheetWindow().click(sheetWindow().findCommand("File|Print ..."));
    ASSERT_FALSE(p.messages().empty());
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: " + S(Str::PrintJobFailed));
}

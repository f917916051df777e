// The apportionment window driven as a user drives it, on the headless
// platform.
#include "apportion/appwin.h"
#include "apportion/census.h"
#include "power/banwin.h"
#include "core/fileio.h"
#include "docfile/settings.h"
#include "shell/shell_fixture.h"

#include <map>

using namespace quan;
using namespace quan::test;

namespace {

class AppWinTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Apportionment,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TAppWin>(f, i); });
        frame->create("");
        win = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, ""));
        ASSERT_NE(win, nullptr);
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow& hw() { return *static_cast<plat::HeadlessWindow*>(win->window()); }
    void click(const std::string& path)
    {
        int id = hw().findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw().click(id);
    }
    // The centre of a table cell on screen (row -1 headings, col -1 names).
    plat::Point cellPoint(int row, int col)
    {
        hw().paintNow();
        plat::Rect r = win->cellRect(row, col);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void press(int button, plat::Point at)
    {
        plat::MouseEvent e;
        e.kind = plat::MouseEvent::Press;
        e.button = button;
        e.pos = at;
        win->mouse(e);
    }
    std::unique_ptr<TQuanFrame> frame;
    TAppWin* win = nullptr;
};

} // namespace

TEST_F(AppWinTest, NewWindowShowsThe2010CensusByHamilton)
{
    EXPECT_EQ(win->table().stateCount(), 50);
    EXPECT_EQ(win->table().house(), 435);
    EXPECT_EQ(hw().caption(), "noname1.hor [Hamilton]");
    EXPECT_TRUE(hw().menuItemChecked(680));
    EXPECT_FALSE(hw().menuItemEnabled(692)); // priority list: divisor methods only
    const auto& texts = hw().paintNow().texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Alabama"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "309183463"), texts.end()); // the total population
    // Every menu ends with its Help item.
    for (const auto& popup : hw().menu()) {
        ASSERT_FALSE(popup.items.empty());
        EXPECT_EQ(popup.items.back().label, "&Help") << popup.label;
    }
}

TEST_F(AppWinTest, DivisorMethodsOpenTheDivisorDialogAndTheSliderRecomputes)
{
    click("Method|Webster");
    ASSERT_NE(win->divisorDialog(), nullptr);
    EXPECT_TRUE(win->divisorDialog()->isVisible());
    EXPECT_TRUE(hw().menuItemEnabled(692));
    // The slider sits where D = T/H lies in [L, R].
    const AppTable& t = win->table();
    auto* d = p.visibleDialog("divisor");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->sliderPos(TDivDlg::Slider), t.sliderPosition());
    // Moving the slider to the left end gives D = L.
    p.dialogText("divisor", TDivDlg::Slider, "0");
    EXPECT_DOUBLE_EQ(static_cast<double>(t.divisor()), static_cast<double>(t.sliderLeft()));
    EXPECT_EQ(d->text(TDivDlg::Edit), t.divisorText());
    EXPECT_TRUE(win->changed());
    // A smaller divisor gives more seats than the house has.
    EXPECT_GT(t.seatsAssigned(), 435);
    EXPECT_NE(hw().caption().find("incorrect divisor"), std::string::npos);
    // Apply a correct divisor: Webster on the 2010 populations gives 435
    // seats for divisors from about 707 500 to 708 500 (worked out apart from
    // the program: 710 000 gives 433).
    frame->window()->bringToTop(); // the user was elsewhere
    p.dialogText("divisor", TDivDlg::Edit, "708000");
    p.press("divisor", plat::IdOk);
    EXPECT_EQ(t.seatsAssigned(), 435);
    // Apply gives the keyboard back to the table.
    EXPECT_EQ(p.topWindow(), &hw());
    EXPECT_NE(hw().caption().find("708000.00 correct divisor"), std::string::npos) << hw().caption();
    // Below 1 is out of bounds and changes nothing.
    p.dialogText("divisor", TDivDlg::Edit, "0.5");
    p.press("divisor", plat::IdOk);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
    EXPECT_DOUBLE_EQ(static_cast<double>(t.divisor()), 708000.0);
    // A method that is not a divisor method closes the dialog.
    click("Method|Hamilton");
    EXPECT_FALSE(win->divisorDialog()->isVisible());
}

TEST_F(AppWinTest, CensusEntriesWithoutDataAreDisabledAndOthersLoad)
{
    for (int k : {1, 2, 5, 6, 7})
        EXPECT_FALSE(hw().menuItemEnabled(censusCommandId(k))) << k;
    EXPECT_TRUE(hw().menuItemEnabled(censusCommandId(0)));
    click("Census|1790");
    EXPECT_EQ(win->table().stateCount(), 15);
    EXPECT_EQ(win->table().house(), 105);
    EXPECT_EQ(win->fileName(), "usa1790.hor");
    EXPECT_EQ(win->table().rowRecord(0).name, "Connecticut");
    EXPECT_FALSE(win->changed());
    // After an edit, loading asks to save first; cancel keeps the table.
    win->setChanged(true);
    p.answer(plat::IdCancel);
    click("Census|2010");
    EXPECT_EQ(win->table().stateCount(), 15);
}

TEST_F(AppWinTest, FileRoundTripThroughTwoWindows)
{
    click("Method|Jefferson");
    win->notebook().setNotes("notes of the teacher");
    p.file(path("t.hor"));
    click("File|Save As");
    EXPECT_EQ(hw().caption().substr(0, 5), "t.hor");
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("t.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->table().method(), kJefferson);
    EXPECT_EQ(other->table().stateCount(), 50);
    EXPECT_EQ(other->notebookText(), "notes of the teacher");
    EXPECT_DOUBLE_EQ(static_cast<double>(other->table().divisor()), static_cast<double>(win->table().divisor()));
    EXPECT_FALSE(other->changed());
}

TEST_F(AppWinTest, InconsistentFileShowsTheMessageAndThe2010Census)
{
    click("Census|1790");
    p.file(path("x.hor"));
    click("File|Save As");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("x.hor"), bytes));
    // The format mark is word 7 of the parameter block after the header.
    size_t mark = 1102 + 7 * 4;
    ASSERT_EQ(static_cast<unsigned char>(bytes[mark]), 99);
    bytes[mark] = 98;
    ASSERT_TRUE(writeFileAtomically(path("x.hor"), bytes));
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("x.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: inconsistent data");
    EXPECT_EQ(other->table().stateCount(), 50);
    // The census stands under its own name: Save asks for a name and never
    // writes the census over the file that was opened.
    EXPECT_EQ(other->fileName(), "usa2010.hor");
    EXPECT_FALSE(other->named());
    p.file(std::nullopt);
    other->cmSave();
    std::string after;
    ASSERT_TRUE(readWholeFile(path("x.hor"), after));
    EXPECT_EQ(after, bytes);
    // A file that is not an apportionment file leaves the document alone.
    ASSERT_TRUE(writeFileAtomically(path("junk.hor"), "not a document"));
    click("Census|1790");
    p.file(path("junk.hor"));
    click("File|Open");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_EQ(win->table().stateCount(), 15);
    EXPECT_EQ(win->fileName(), "usa1790.hor");
}

TEST_F(AppWinTest, ClickingACellEditsItAndRightClickFeedsTheNextRows)
{
    click("Census|1790");
    // Left click on Delaware's population (row 1, column 0).
    p.input(std::string("60000"));
    press(1, cellPoint(1, kColPop));
    EXPECT_EQ(win->table().rowRecord(1).v[kColPop], 60000);
    EXPECT_TRUE(win->changed());
    // Right click on Georgia's population: autofeed moves on to Kentucky
    // and Maryland until cancel.
    p.input(std::string("70000"));
    p.input(std::string("70001"));
    p.input(std::nullopt);
    press(2, cellPoint(2, kColPop));
    EXPECT_EQ(win->table().rowRecord(2).v[kColPop], 70000);
    EXPECT_EQ(win->table().rowRecord(3).v[kColPop], 70001);
    EXPECT_FALSE(win->table().autofeed());
    // An entry below 1 is refused and stops.
    p.input(std::string("0.5"));
    press(1, cellPoint(0, kColPop));
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: positive value?");
    EXPECT_EQ(win->table().rowRecord(0).v[kColPop], 236841);
    // The house size sits in the footer of the quota column.
    p.input(std::string("120.5"));
    press(1, cellPoint(15, kColQuota));
    EXPECT_EQ(win->table().house(), 120);
}

TEST_F(AppWinTest, DeleteRowsThreeThroughThree)
{
    p.dialogText("delete", 102, "3");
    p.dialogText("delete", 104, "3");
    p.press("delete", plat::IdOk);
    click("Data|Delete rows");
    EXPECT_EQ(win->table().stateCount(), 49);
    p.dialogText("delete", 102, "1");
    p.dialogText("delete", 104, "49");
    p.press("delete", plat::IdOk);
    click("Data|Delete rows");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: need at least one");
    EXPECT_EQ(win->table().stateCount(), 49);
}

TEST_F(AppWinTest, TextOutSummaryAndHelpReachTheirWindows)
{
    click("File|Text out");
    EXPECT_EQ(win->lastHandedCaption(), "apportionment");
    EXPECT_EQ(win->lastHandedText().substr(0, 5), "State");
    p.input(std::string("first"));
    click("Other|Register apportionment");
    click("Method|Webster");
    p.input(std::nullopt);
    click("Other|Register apportionment");
    click("Other|See summary");
    EXPECT_EQ(win->lastHandedCaption(), "comparison of apportionments");
    EXPECT_NE(win->lastHandedText().find("first"), std::string::npos);
    click("Method|Help");
    EXPECT_TRUE(win->helpWindow().visible());
    EXPECT_NE(win->helpWindow().text().find("Webster"), std::string::npos);
}

TEST_F(AppWinTest, ElectoralPowerOpensTheElectoralCollege)
{
    click("Other|Electoral power");
    TPowWin* ec = win->electoralWindow();
    ASSERT_NE(ec, nullptr);
    EXPECT_TRUE(ec->window()->isVisible());
    const BlocTable& t = ec->table();
    // 50 states and the District of Columbia: 435 + 100 + 3 = 538 votes,
    // and the majority quota is 270.
    EXPECT_EQ(t.blocCount(), 51);
    EXPECT_EQ(t.totalWeight(), 538);
    EXPECT_EQ(t.quota(), 270);
    EXPECT_EQ(t.bloc(50).name, "District of Columbia");
    EXPECT_EQ(t.bloc(50).value[0], 3);
    // California: 53 seats by Hamilton in 2010, so 55 votes.
    EXPECT_EQ(t.bloc(4).name, "California");
    EXPECT_EQ(t.bloc(4).value[0], 55);
    // Exact power of the whole college in one step.
    static_cast<plat::HeadlessWindow*>(ec->window())->click(bancmd::Exact);
    EXPECT_TRUE(t.resultsValid());
    // Ninety-nine states leave no room for the District.
    p.input(std::string("99"));
    click("Data|Number of states");
    click("Other|Electoral power");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
}

TEST_F(AppWinTest, ClosingWritesHorIniWithTheDocumentName)
{
    p.input(std::string("11"));
    click("Format|Width of columns");
    EXPECT_TRUE(win->changed()); // the width is part of the document
    p.answer(plat::IdNo);
    click("Census|1790");
    click("File|Exit");
    p.flush();
    SettingsState s;
    s.header = headerStateFor(kKindApportionment);
    ASSERT_TRUE(ReadSettingsFile(path("hor.ini"), s));
    EXPECT_EQ(s.documentName, "usa1790.hor");
    EXPECT_EQ(s.first.ints[0][12], 11);
    // A settings file of the apportionment kind is no weighted-voting file.
    SettingsState other;
    other.header = headerStateFor(887);
    EXPECT_FALSE(ReadSettingsFile(path("hor.ini"), other));
}

TEST_F(AppWinTest, RowsScrollUnderFixedHeadingAndTotals)
{
    hw().setClientSize({900, 300});
    hw().paintNow();
    // The scroll bars that appear take their room: the next layout settles.
    hw().paintNow();
    int shown = win->grid().visibleRows();
    ASSERT_LT(shown, 50);
    win->wheel(-2); // two notches towards the user: six rows on
    EXPECT_EQ(win->grid().firstRow(), 6);
    const auto& texts = hw().paintNow().texts();
    // The heading and the totals are still drawn; Alabama has scrolled away.
    EXPECT_NE(std::find(texts.begin(), texts.end(), "State"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "309183463"), texts.end());
    EXPECT_EQ(std::find(texts.begin(), texts.end(), "Alabama"), texts.end());
    win->keyDown(plat::vk::End, false, false);
    EXPECT_EQ(win->grid().firstRow(), 50 - shown);
    win->keyDown(plat::vk::Home, false, false);
    EXPECT_EQ(win->grid().firstRow(), 0);
}

TEST_F(AppWinTest, ScrollBarsShowWhereRowsOrColumnsAreHidden)
{
    using plat::ScrollBarKind;
    // Tall and wide enough for everything: no scroll bars.
    hw().setClientSize({2000, 1200});
    hw().paintNow();
    EXPECT_FALSE(hw().scrollBar(ScrollBarKind::Vertical).visible);
    EXPECT_FALSE(hw().scrollBar(ScrollBarKind::Horizontal).visible);
    // 50 states in a low window: a vertical bar over the rows.
    hw().setClientSize({2000, 300});
    hw().paintNow();
    hw().paintNow();
    const int shown = win->grid().visibleRows();
    const plat::ScrollBarState v = hw().scrollBar(ScrollBarKind::Vertical);
    EXPECT_TRUE(v.visible);
    EXPECT_EQ(v.max, 49);
    EXPECT_EQ(v.page, shown);
    EXPECT_EQ(v.pos, 0);
    EXPECT_FALSE(hw().scrollBar(ScrollBarKind::Horizontal).visible);
    // Dragging it scrolls the rows; the keys move the bar.
    hw().userScroll(ScrollBarKind::Vertical, 20);
    EXPECT_EQ(win->grid().firstRow(), 20);
    EXPECT_TRUE(hw().dirty());
    win->keyDown(plat::vk::Down, false, false);
    hw().paintNow();
    EXPECT_EQ(hw().scrollBar(ScrollBarKind::Vertical).pos, 21);
    // Narrow: a horizontal bar over the value columns.
    hw().setClientSize({400, 300});
    hw().paintNow();
    hw().paintNow();
    const plat::ScrollBarState h = hw().scrollBar(ScrollBarKind::Horizontal);
    EXPECT_TRUE(h.visible);
    EXPECT_EQ(h.max, 7);
    EXPECT_LT(h.page, 8);
    hw().userScroll(ScrollBarKind::Horizontal, 3);
    EXPECT_EQ(win->grid().firstColumn(), 3);
}

TEST_F(AppWinTest, TheElectoralCollegeWindowHasNoRandomWeightsAndCloses)
{
    click("Other|Electoral power");
    auto& ec = *static_cast<plat::HeadlessWindow*>(win->electoralWindow()->window());
    EXPECT_EQ(ec.findCommand("Edit|Range of weights"), 0);
    EXPECT_EQ(ec.findCommand("File|Exit"), 0);
    int close = ec.findCommand("File|Close");
    ASSERT_EQ(close, 357);
    ec.click(close);
    EXPECT_FALSE(ec.isVisible());
    EXPECT_NE(win->electoralWindow(), nullptr); // kept by its owner
}

namespace {

// The bytes of a saved file and where its parameter words lie.
constexpr size_t kParams = 1102;
void setWord(std::string& bytes, int word, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[kParams + static_cast<size_t>(word) * 4 + static_cast<size_t>(i)] =
            static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

} // namespace

TEST_F(AppWinTest, HeadingsMissingFromAFileKeepTheTablesOwn)
{
    // A file with only three headings: the other six stay as they were.
    const char* const mine[] = {"H0", "H1", "H2", "H3", "H4", "H5", "H6", "H7"};
    for (int c = 0; c < 8; ++c)
        win->table().setHeading(c, mine[c]);
    win->table().setHeading(kNameColumn, "HN");
    p.file(path("h.hor"));
    click("File|Save As");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("h.hor"), bytes));
    // Cut the fourth to ninth headings ("H3" .. "HN", each a 16-bit length
    // of 3 and three bytes) and say three in word 6.
    const std::string fourth = std::string("\x03\x00H3\x00", 5);
    const size_t from = bytes.find(fourth);
    ASSERT_NE(from, std::string::npos);
    const size_t to = bytes.find(std::string("\x03\x00HN\x00", 5), from);
    ASSERT_NE(to, std::string::npos);
    bytes.erase(from, to + 5 - from);
    setWord(bytes, 6, 3);
    ASSERT_TRUE(writeFileAtomically(path("three.hor"), bytes));

    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("three.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->fileName(), path("three.hor")) << p.lastMessage();
    const std::string own[] = {"H0", "H1", "H2", "reps", "pct", "district", "adj Q", "crit V"};
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(other->table().heading(c), own[c]) << c;
    EXPECT_EQ(other->table().heading(kNameColumn), "State");
    // Saved again, nothing is blank.
    p.file(path("again.hor"));
    other->cmSaveAs();
    auto* third = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("again.hor")));
    ASSERT_NE(third, nullptr);
    for (int c = 0; c < 8; ++c)
        EXPECT_EQ(third->table().heading(c), own[c]) << c;
}

TEST_F(AppWinTest, ReadingAFileClosesTheDivisorDialogAndNamesTheNotebook)
{
    p.file(path("first.hor"));
    click("File|Save As");
    click("Census|1790");
    p.file(path("second.hor"));
    click("File|Save As");
    win->notebook().setNotes("notes of the second file");
    win->cmSave();

    click("Census|2010");
    p.file(path("first.hor"));
    p.answer(plat::IdNo);
    click("File|Open");
    EXPECT_NE(win->notebook().title().find("first.hor"), std::string::npos) << win->notebook().title();

    click("Method|Webster");
    ASSERT_NE(win->divisorDialog(), nullptr);
    ASSERT_TRUE(win->divisorDialog()->isVisible());
    p.answer(plat::IdNo);
    p.file(path("second.hor"));
    click("File|Open");
    EXPECT_EQ(win->table().stateCount(), 15);
    EXPECT_FALSE(win->divisorDialog()->isVisible());
    EXPECT_FALSE(win->changed());
    // The notebook shows the notes of second.hor under that name.
    EXPECT_EQ(win->notebookText(), "notes of the second file");
    EXPECT_NE(win->notebook().title().find("second.hor"), std::string::npos) << win->notebook().title();
    EXPECT_EQ(win->notebook().title().find("first.hor"), std::string::npos) << win->notebook().title();
    // A file that cannot be read leaves the dialog as it was.
    click("Method|Webster");
    ASSERT_TRUE(win->divisorDialog()->isVisible());
    ASSERT_TRUE(writeFileAtomically(path("junk.hor"), "junk"));
    p.answer(plat::IdNo);
    p.file(path("junk.hor"));
    click("File|Open");
    EXPECT_TRUE(win->divisorDialog()->isVisible());
}

TEST_F(AppWinTest, AnInconsistentFileStillGivesItsMethodArrangementAndWidth)
{
    click("Census|1790");
    click("Method|Jefferson");
    p.file(path("x.hor"));
    click("File|Save As");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("x.hor"), bytes));
    setWord(bytes, 1, 12); // column width
    setWord(bytes, 3, 0);  // arranged by population
    setWord(bytes, 5, 0);  // decreasing
    setWord(bytes, 7, 98); // not the format mark
    ASSERT_TRUE(writeFileAtomically(path("x.hor"), bytes));
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("x.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: inconsistent data");
    EXPECT_EQ(other->table().stateCount(), 50);
    EXPECT_EQ(other->table().house(), 435);
    EXPECT_EQ(other->table().method(), kJefferson);
    EXPECT_EQ(other->table().arrangeKey(), 0);
    EXPECT_FALSE(other->table().increasing());
    EXPECT_EQ(other->table().columnWidth(), 12);
    // Arranged by population, decreasing: California first.
    EXPECT_EQ(other->table().cellText(0, kNameColumn), "California");
}

TEST_F(AppWinTest, AStateOfNoPopulationOpens)
{
    click("Census|1790");
    p.file(path("zero.hor"));
    click("File|Save As");
    // Connecticut, the first state, gets no population.
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("zero.hor"), bytes));
    for (size_t i = 0; i < 4; ++i)
        bytes[kParams + 200 + i] = 0;
    ASSERT_TRUE(writeFileAtomically(path("zero.hor"), bytes));
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("zero.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->fileName(), path("zero.hor")) << p.lastMessage();
    EXPECT_EQ(other->table().stateCount(), 15);
    EXPECT_EQ(other->table().record(0).v[kColPop], 0);
}

TEST_F(AppWinTest, AFileThatCannotBeOpenedLeavesTheWindowUnnamed)
{
    ASSERT_TRUE(writeFileAtomically(path("mine.hor"), "my own notes, not a table"));
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("mine.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_FALSE(other->named());
    EXPECT_EQ(other->fileName().find("mine.hor"), std::string::npos) << other->fileName();
    EXPECT_EQ(other->fileName().substr(0, 6), "noname");
    // Save asks for a name (here: cancelled), so one "yes" can never
    // replace the user's file with the default table.
    p.file(std::nullopt);
    EXPECT_FALSE(other->cmSave());
    std::string after;
    ASSERT_TRUE(readWholeFile(path("mine.hor"), after));
    EXPECT_EQ(after, "my own notes, not a table");
}

namespace {

// The texts painted on each line, left to right, must not touch: each ends
// at least a blank before the next begins. Returns the right end of the
// last text.
int expectNoTextOverlaps(const plat::RecordingDC& dc)
{
    std::map<int, std::vector<std::pair<int, const plat::DrawOp*>>> lines;
    for (const plat::DrawOp& op : dc.ops())
        if (op.kind == plat::DrawOp::Text && !op.text.empty())
            lines[op.pts[0].y].push_back({op.pts[0].x, &op});
    EXPECT_FALSE(lines.empty());
    int right = 0;
    for (auto& [y, texts] : lines) {
        std::sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        for (size_t i = 0; i < texts.size(); ++i) {
            const plat::DrawOp& op = *texts[i].second;
            const plat::Size e = plat::headlessTextExtent(op.font, op.text);
            const int end = op.pts[0].x + e.w;
            right = std::max(right, end);
            if (i + 1 < texts.size()) {
                const int blank = (op.font.pixelSize() * 3 + 4) / 5;
                EXPECT_LE(end + blank, texts[i + 1].first)
                    << "\"" << op.text << "\" runs into \"" << texts[i + 1].second->text << "\" at y " << y;
            }
        }
    }
    return right;
}

} // namespace

TEST_F(AppWinTest, ElectoralCollegeResultsHaveRoomForTheirDigits)
{
    click("Other|Electoral power");
    TPowWin* ec = win->electoralWindow();
    ASSERT_NE(ec, nullptr);
    auto& ew = *static_cast<plat::HeadlessWindow*>(ec->window());
    // Opened wide enough for the counts of 2^51 cases (16 digits).
    ew.click(bancmd::Exact);
    ASSERT_TRUE(ec->table().resultsValid());
    const plat::RecordingDC& dc = ew.paintNow();
    const std::vector<std::string> texts = dc.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "2251799813685248"), texts.end());
    const int right = expectNoTextOverlaps(dc);
    EXPECT_LE(right, ew.clientSize().w) << "the window is too narrow for its columns";
    TableGrid::ScrollState st = ec->grid().scrollState(ec->gridModel());
    EXPECT_EQ(st.columnsInView, st.columns);
    // Shapley's counts have 67 digits: wider than the screen, so the table
    // scrolls, and still nothing overlaps.
    ew.click(bancmd::Shapley);
    ew.click(bancmd::Exact);
    ASSERT_TRUE(ec->table().resultsValid());
    expectNoTextOverlaps(ew.paintNow());
    st = ec->grid().scrollState(ec->gridModel());
    EXPECT_TRUE(st.columnsHidden());
}

TEST_F(AppWinTest, NarrowColumnsFromAFileKeepTheirNumbersApart)
{
    // A stored width of 1 is kept, yet every number keeps its blanks.
    click("Census|1790");
    p.file(path("narrow.hor"));
    click("File|Save As");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("narrow.hor"), bytes));
    setWord(bytes, 1, 1);
    ASSERT_TRUE(writeFileAtomically(path("narrow.hor"), bytes));
    auto* other = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, path("narrow.hor")));
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->table().columnWidth(), 1);
    expectNoTextOverlaps(static_cast<plat::HeadlessWindow*>(other->window())->paintNow());
}

TEST_F(AppWinTest, NewWindowsCascadeBelowTheMainWindow)
{
    const plat::Rect main = frame->window()->geometry();
    auto* second = frame->newWindow(WindowKind::Apportionment, "");
    auto* third = frame->newWindow(WindowKind::Apportionment, "");
    ASSERT_NE(second, nullptr);
    ASSERT_NE(third, nullptr);
    const plat::Rect a = win->window()->geometry(), b = second->window()->geometry(),
                     c = third->window()->geometry();
    // Each a step further right and down than the one before.
    EXPECT_GT(b.left, a.left);
    EXPECT_GT(b.top, a.top);
    EXPECT_EQ(c.left - b.left, b.left - a.left);
    EXPECT_EQ(c.top - b.top, b.top - a.top);
    // The main window stays in reach: no document window covers its menu bar.
    for (const plat::Rect& r : {a, b, c})
        EXPECT_GE(r.top, main.bottom) << "a window over the main window";
    // The Electoral College opens beside its apportionment window, not at
    // the same place as a weighted-voting window.
    frame->registerKind(WindowKind::Banzhaf,
                        [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TBanWin>(f, i); });
    auto* ban = frame->newWindow(WindowKind::Banzhaf, "");
    ASSERT_NE(ban, nullptr);
    click("Other|Electoral power");
    const plat::Rect ec = win->electoralWindow()->window()->geometry();
    const plat::Rect bw = ban->window()->geometry();
    EXPECT_FALSE(ec.left == bw.left && ec.top == bw.top);
    EXPECT_FALSE(ec.left == a.left && ec.top == a.top);
}

TEST_F(AppWinTest, AFailedPrintJobSaysSo)
{
    p.setPrintFailure(true);
    p.answer(plat::IdOk);
    click("File|Print");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: " + S(Str::PrintJobFailed));
    EXPECT_TRUE(p.printedPages().empty());
}

TEST_F(AppWinTest, PrintedTableFitsThePageAndRepeatsItsHeading)
{
    // 94 characters a line: in the window's 12-point font they would run
    // past the right edge of the page (2400 pixels at 300 dpi). 99 states
    // take more than one page.
    p.input(std::string("99"));
    click("Data|Number of states");
    ASSERT_EQ(win->table().stateCount(), 99);
    p.answer(plat::IdOk);
    click("File|Print");
    const auto& pages = p.printedPages();
    ASSERT_GE(pages.size(), 2u);
    std::string firstHeading;
    for (size_t i = 0; i < pages.size(); ++i) {
        std::vector<const plat::DrawOp*> lines;
        for (const plat::DrawOp& op : pages[i].dc->ops())
            if (op.kind == plat::DrawOp::Text)
                lines.push_back(&op);
        ASSERT_FALSE(lines.empty()) << "page " << i;
        for (const plat::DrawOp* op : lines) {
            const int right = op->pts[0].x + plat::headlessTextExtent(op->font, op->text).w;
            EXPECT_LE(right, 2400) << "page " << i << ": " << op->text;
        }
        // Every page starts with the heading, whose last columns are there.
        EXPECT_EQ(lines[0]->text.substr(0, 5), "State") << "page " << i;
        EXPECT_NE(lines[0]->text.find("crit V"), std::string::npos);
        EXPECT_NE(lines[0]->text.find("adj Q"), std::string::npos);
        EXPECT_EQ(lines[1]->text.substr(0, 10), "----------");
        if (i == 0)
            firstHeading = lines[0]->text;
        EXPECT_EQ(lines[0]->text, firstHeading);
    }
    // Every state is printed once.
    int states = 0;
    for (const auto& page : pages)
        for (const plat::DrawOp& op : page.dc->ops())
            if (op.kind == plat::DrawOp::Text && (op.text.rfind("Alabama", 0) == 0 || op.text.rfind("Wyoming", 0) == 0))
                ++states;
    EXPECT_EQ(states, 2);
    // The totals line is printed once, at the end.
    const plat::DrawOp* last = nullptr;
    for (const plat::DrawOp& op : pages.back().dc->ops())
        if (op.kind == plat::DrawOp::Text)
            last = &op;
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text.rfind("   ", 0), 0u) << last->text;
    EXPECT_NE(last->text.find("435"), std::string::npos) << last->text;
}

// The weighted-voting window driven through its menus on the headless
// platform.
#include "power/banwin.h"
#include "power/bnzfile.h"
#include "shell/shell_fixture.h"

using namespace quan;
using namespace quan::test;

namespace {

class BanWinTest : public HeadlessTest {
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
        // The worked example: weights 5, 3, 2 with quota 6.
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
    void click(const std::string& menuPath)
    {
        int id = hw().findCommand(menuPath);
        ASSERT_NE(id, 0) << menuPath;
        hw().click(id);
    }
    std::unique_ptr<TQuanFrame> frame;
    TBanWin* win = nullptr;
};

} // namespace

TEST_F(BanWinTest, AllCasesShowsThePivotalCountsAndTheirColumns)
{
    auto before = hw().paintNow().texts();
    EXPECT_EQ(std::find(before.begin(), before.end(), "pivotal"), before.end()); // hidden while invalid
    click("Calculate|All cases");
    EXPECT_TRUE(win->table().resultsValid());
    EXPECT_EQ(win->table().bloc(0).value[BlocTable::kPivotal], 6);
    EXPECT_EQ(win->table().bloc(1).value[BlocTable::kPivotal], 2);
    auto after = hw().paintNow().texts();
    EXPECT_NE(std::find(after.begin(), after.end(), "pivotal"), after.end());
    click("Calculate|Shapley");
    EXPECT_FALSE(win->table().resultsValid());
    EXPECT_TRUE(hw().menuItemChecked(bancmd::Shapley));
    click("Calculate|Exact (fast)");
    EXPECT_EQ(win->table().bloc(0).value[BlocTable::kPivotal], 4);
    EXPECT_EQ(win->table().total(BlocTable::kPivotal), 6);
}

TEST_F(BanWinTest, QuotaAboveTheTotalIsRefused)
{
    p.input(std::string("11"));
    click("Edit|Quota");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
    EXPECT_EQ(win->table().quota(), 6);
}

TEST_F(BanWinTest, QStopsAnAllCasesRunWithResultsHidden)
{
    std::vector<Real> w(26, 3);
    std::vector<std::string> names(26, "");
    ASSERT_EQ(win->table().setBlocs(w, names), 0);
    p.key('q', 2);
    click("Calculate|All cases");
    EXPECT_FALSE(win->table().resultsValid());
    EXPECT_TRUE(win->table().lastStopped());
    // The title is the window's own again.
    EXPECT_EQ(hw().caption(), win->fileName() + win->titleSuffix());
}

TEST_F(BanWinTest, OppositionPairMarksTheNamesAndHalvesTheCases)
{
    p.dialogText("conflicting", TFeudDlg::First, "A");
    p.dialogText("conflicting", TFeudDlg::Second, "B");
    p.press("conflicting", TFeudDlg::Conflict);
    click("Edit|Opposition");
    EXPECT_EQ(win->table().displayName(0), "A*");
    click("Calculate|All cases");
    EXPECT_EQ(win->table().total(BlocTable::kPivotal), 4);
}

TEST_F(BanWinTest, TextOutAndNewRandomAskFirst)
{
    click("Calculate|All cases");
    click("File|Text out");
    EXPECT_NE(win->lastHandedText().find("75.00"), std::string::npos) << win->lastHandedText();
    win->setChanged(true);
    p.answer(plat::IdCancel);
    click("Edit|New random");
    EXPECT_EQ(win->table().blocCount(), 3);
    p.answer(plat::IdNo);
    click("Edit|New random");
    EXPECT_EQ(win->table().blocCount(), 3); // New random keeps the number of blocs
    EXPECT_FALSE(win->table().resultsValid());
    for (int i = 0; i < 3; ++i) {
        EXPECT_GE(win->table().bloc(i).value[0], 5);
        EXPECT_LE(win->table().bloc(i).value[0], 50);
    }
}

TEST_F(BanWinTest, SettingsComeBackWhenDefaultsAreNotUsed)
{
    p.input(std::string("12"));
    click("Format|Width of columns");
    p.answer(plat::IdNo);
    click("File|Exit");
    p.flush();
    // "Use defaults" off: new windows read their settings file.
    static_cast<plat::HeadlessWindow*>(frame->window())->click(cm::UseDefaults);
    auto* again = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, ""));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->table().columnWidth(), 12);
    // With the defaults, the built-in width.
    static_cast<plat::HeadlessWindow*>(frame->window())->click(cm::UseDefaults);
    auto* fresh = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, ""));
    EXPECT_EQ(fresh->table().columnWidth(), BlocTable::kDefaultColumnWidth);
}

TEST_F(BanWinTest, QuotaOfHugeWeightsIsTheMajorityInSixtyFourBits)
{
    ASSERT_EQ(win->table().setBlocs({2000000000, 2000000000, 2100000000}, {"A", "B", "C"}), 0);
    // W = 6 100 000 000: the majority is 3 050 000 001.
    EXPECT_EQ(win->table().quota(), 3050000001LL);
    click("Calculate|All cases");
    // Any two blocs win and none alone: equal power.
    EXPECT_EQ(win->table().bloc(0).value[BlocTable::kPivotal], 4);
    EXPECT_EQ(win->table().bloc(2).value[BlocTable::kPivotal], 4);
}

TEST_F(BanWinTest, AScriptThatNeverPressesQStopsTheRun)
{
    p.setPollPatience(1);
    EXPECT_THROW(click("Calculate|Monte Carlo"), plat::ScriptError);
}

TEST_F(BanWinTest, BnzFileRoundTripThroughTwoWindows)
{
    // Twelve blocs, Shapley, pair (2, 5), weights range 1..9.
    std::vector<Real> w;
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i) {
        w.push_back(1 + (i * 7) % 9);
        names.push_back("bloc " + std::to_string(i));
    }
    ASSERT_EQ(win->table().setBlocs(w, names), 0);
    ASSERT_EQ(win->table().setRange(1, 9), 0);
    ASSERT_EQ(win->table().setPair(2, 5), 0);
    win->table().setKind(PowerKind::Shapley);
    win->notebook().setNotes("council of twelve");
    p.file(path("twelve.bnz"));
    click("File|Save As");
    ASSERT_FALSE(win->changed());

    auto* other = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, path("twelve.bnz")));
    ASSERT_NE(other, nullptr);
    const BlocTable& t = other->table();
    ASSERT_EQ(t.blocCount(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(t.bloc(i).value[BlocTable::kWeight], w[static_cast<size_t>(i)]);
        EXPECT_EQ(t.bloc(i).name, names[static_cast<size_t>(i)]);
    }
    EXPECT_EQ(t.kind(), PowerKind::Shapley);
    EXPECT_EQ(t.pair().first, 2);
    EXPECT_EQ(t.pair().second, 5);
    EXPECT_EQ(t.low(), 1);
    EXPECT_EQ(t.high(), 9);
    EXPECT_EQ(t.quota(), win->table().quota());
    EXPECT_FALSE(t.resultsValid());
    EXPECT_EQ(other->notebookText(), "council of twelve");

    // A file of another kind is refused and the table stays.
    ASSERT_TRUE(writeFileAtomically(path("bad.bnz"), std::string(300, 'x')));
    p.file(path("bad.bnz"));
    static_cast<plat::HeadlessWindow*>(other->window())->click(cm::Open);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_EQ(other->table().blocCount(), 12);
    EXPECT_EQ(other->fileName(), path("twelve.bnz"));
}

TEST_F(BanWinTest, WorksheetColoursInAFileSurviveOpeningAndSaving)
{
    // A file written by a window with a worksheet: its four colours are
    // carried through a window that does not use them.
    BnzDocument doc;
    doc.weights = {5, 3, 2};
    doc.names = {"A", "B", "C"};
    doc.quota = 6;
    doc.worksheetColors = {14, 2, 38, 4};
    ASSERT_EQ(writeBnz(path("sheet.bnz"), doc), 0);
    auto* other = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, path("sheet.bnz")));
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(other->fileName(), path("sheet.bnz")) << p.lastMessage();
    p.file(path("again.bnz"));
    static_cast<plat::HeadlessWindow*>(other->window())->click(cm::SaveAs);
    BnzDocument back;
    ASSERT_EQ(readBnz(path("again.bnz"), back), 0);
    EXPECT_EQ(back.worksheetColors, doc.worksheetColors);
    EXPECT_EQ(back.weights, doc.weights);
    EXPECT_EQ(back.quota, 6);
}

TEST_F(BanWinTest, AFailedPrintJobSaysSo)
{
    p.setPrintFailure(true);
    p.answer(plat::IdOk);
    click("File|Print");
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: " + S(Str::PrintJobFailed));
    EXPECT_TRUE(p.printedPages().empty());
}

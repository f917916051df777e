#include "shell_fixture.h"

#include "resources/rc.h"

#include "fifo_wait.h"

using namespace quan;
using namespace quan::test;

namespace {

class FrameTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Apportionment, lineDocFactory());
        frame->registerKind(WindowKind::Graphs, lineDocFactory());
        frame->registerKind(WindowKind::Banzhaf, lineDocFactory());
    }
    void TearDown() override
    {
        frame.reset();
        HeadlessTest::TearDown();
    }
    plat::HeadlessWindow* mainWin() { return static_cast<plat::HeadlessWindow*>(frame->window()); }
    void writeIni(const std::string& bytes) { ASSERT_TRUE(writeFileAtomically(path("qn.ini"), bytes)); }
    std::unique_ptr<TQuanFrame> frame;
};

std::string iniBytes(int l, int t, int w, int h, int maxi, int openLast, int useDefaults)
{
    MainSettings m;
    m.left = l;
    m.top = t;
    m.width = w;
    m.height = h;
    m.maximized = maxi;
    m.openLast = openLast;
    m.useDefaults = useDefaults;
    return m.toBytes();
}

} // namespace

TEST(CommandLine, SplitArgumentsAreJoinedWithBlanks)
{
    const char* argv[] = {"quandel", "C:\\my", "data\\census.hor"};
    EXPECT_EQ(joinArguments(3, argv), "C:\\my data\\census.hor");
    const char* none[] = {"quandel"};
    EXPECT_EQ(joinArguments(1, none), "");
}

TEST(CommandLine, ExtensionIsTheTextAfterTheLastDot)
{
    EXPECT_EQ(extensionOf("a.b.bnz"), "BNZ");
    EXPECT_EQ(extensionOf("C:\\my data\\census.hor"), "HOR");
    EXPECT_EQ(extensionOf("/home/x.y/README"), "");
    EXPECT_EQ(extensionOf("graph.G6"), "G6");
}

TEST(QnIni, RecordIsNineteenLittleEndianBytes)
{
    std::string b = iniBytes(0x01020304, 20, 200, 120, 1, 0, 1);
    ASSERT_EQ(b.size(), 19u);
    EXPECT_EQ(static_cast<unsigned char>(b[0]), 0x04);
    EXPECT_EQ(static_cast<unsigned char>(b[3]), 0x01);
    EXPECT_EQ(static_cast<unsigned char>(b[8]), 200);
    EXPECT_EQ(b[16], 1);
    EXPECT_EQ(b[17], 0);
    EXPECT_EQ(b[18], 1);
}

TEST_F(FrameTest, StartsWithWindowAndHelpMenusAndDefaultChecks)
{
    frame->create("");
    plat::Menu m = mainWin()->menu();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].label, "&Window");
    EXPECT_EQ(m[1].label, "&Help");
    EXPECT_EQ(mainWin()->caption(), "Quandel");
    EXPECT_TRUE(mainWin()->menuItemChecked(cm::UseDefaults));
    EXPECT_FALSE(mainWin()->menuItemChecked(cm::OpenLast));
    plat::Rect g = mainWin()->geometry();
    // Defaults: left 100..299, top 20..59, 200 x 120.
    EXPECT_GE(g.left, 100);
    EXPECT_LE(g.left, 299);
    EXPECT_GE(g.top, 20);
    EXPECT_LE(g.top, 59);
    EXPECT_EQ(g.width(), 200);
    EXPECT_EQ(g.height(), 120);
}

TEST_F(FrameTest, AboutShowsTheProgramsAboutBox)
{
    frame->create("");
    const int about = mainWin()->findCommand("Help|About");
    ASSERT_NE(about, 0);
    mainWin()->click(about);
    // The box that carries the program's icon, with its name and version.
    EXPECT_EQ(p.aboutBoxes(), 1);
    EXPECT_EQ(p.lastMessage().rfind("message: ", 0), 0u);
    EXPECT_NE(p.lastMessage().find("Quandel"), std::string::npos);
}

TEST_F(FrameTest, CheckMarksAreExclusive)
{
    frame->create("");
    mainWin()->click(cm::OpenLast);
    EXPECT_TRUE(mainWin()->menuItemChecked(cm::OpenLast));
    EXPECT_FALSE(mainWin()->menuItemChecked(cm::UseDefaults));
    mainWin()->click(cm::UseDefaults);
    EXPECT_TRUE(mainWin()->menuItemChecked(cm::UseDefaults));
    EXPECT_FALSE(mainWin()->menuItemChecked(cm::OpenLast));
    mainWin()->click(cm::UseDefaults);
    EXPECT_FALSE(mainWin()->menuItemChecked(cm::UseDefaults));
    EXPECT_FALSE(mainWin()->menuItemChecked(cm::OpenLast));
}

TEST_F(FrameTest, StoredRecordThatDoesNotFitIsReplaced)
{
    writeIni(iniBytes(10, 10, 300, 50, 0, 1, 0));
    frame->create("");
    plat::Rect g = mainWin()->geometry();
    EXPECT_EQ(g.width(), 120);
    EXPECT_EQ(g.height(), 72);
    EXPECT_LT(g.left, 30);
    EXPECT_LT(g.top, 30);
    // The flags of the file still count.
    EXPECT_TRUE(frame->openLast());
    EXPECT_FALSE(frame->useDefaults());
}

TEST_F(FrameTest, StoredRecordThatFitsIsUsed)
{
    writeIni(iniBytes(50, 60, 400, 300, 0, 0, 1));
    frame->create("");
    EXPECT_EQ(mainWin()->geometry(), (plat::Rect{50, 60, 450, 360}));
}

TEST_F(FrameTest, TruncatedOrGarbageQnIniKeepsTheDefaults)
{
    writeIni(iniBytes(50, 60, 400, 300, 0, 1, 0).substr(0, 12));
    frame->create("");
    EXPECT_TRUE(frame->useDefaults());
    EXPECT_FALSE(frame->openLast());
    EXPECT_EQ(mainWin()->geometry().width(), 200);
    frame.reset();

    writeIni(std::string(19, '\xff'));
    frame = std::make_unique<TQuanFrame>();
    frame->create("");
    // Flag bytes of 0xff are no flags: the whole file is refused.
    EXPECT_EQ(mainWin()->geometry().width(), 200);
    EXPECT_FALSE(frame->openLast());
    EXPECT_TRUE(frame->useDefaults());
    frame.reset();

    // A longer file (say, some other program's) is not a record either.
    writeIni(iniBytes(50, 60, 400, 300, 0, 1, 0) + "trailing");
    frame = std::make_unique<TQuanFrame>();
    frame->create("");
    EXPECT_TRUE(frame->useDefaults());
    EXPECT_EQ(mainWin()->geometry().width(), 200);
}

TEST_F(FrameTest, CancelledExitKeepsEveryWindowAsking)
{
    frame->create("");
    mainWin()->click(401);
    mainWin()->click(401);
    frame->document(0)->setChanged(true);
    frame->document(1)->setChanged(true);
    p.answer(plat::IdNo);     // the first window: do not save
    p.answer(plat::IdCancel); // the second: stay
    mainWin()->click(cm::QuitApp);
    EXPECT_FALSE(frame->isShutDown());
    // The first window still has its changes and still asks.
    EXPECT_TRUE(frame->document(0)->changed());
    p.answer(plat::IdCancel);
    frame->document(0)->cmExit();
    p.flush();
    EXPECT_NE(frame->document(0), nullptr);
}

TEST_F(FrameTest, NewWindowsAreNumberedAcrossKinds)
{
    frame->create("");
    mainWin()->click(401);
    mainWin()->click(401);
    mainWin()->click(402);
    ASSERT_EQ(frame->documentCount(), 3);
    EXPECT_EQ(frame->document(0)->fileName(), "noname1.hor");
    EXPECT_EQ(frame->document(1)->fileName(), "noname2.hor");
    EXPECT_EQ(frame->document(2)->fileName(), "noname3.gra");
    EXPECT_EQ(frame->document(2)->window()->caption(), "noname3.gra");
}

TEST_F(FrameTest, KindsNotBuiltAnswerNotYetAvailable)
{
    frame->create("");
    mainWin()->click(404);
    EXPECT_EQ(frame->documentCount(), 0);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: not yet available");
}

TEST_F(FrameTest, TwentyEightWindowsThenTheEmptyBox)
{
    frame->create("");
    for (int i = 0; i < 28; ++i)
        mainWin()->click(401);
    EXPECT_EQ(frame->documentCount(), 28);
    p.clearMessages();
    mainWin()->click(402);
    EXPECT_EQ(frame->documentCount(), 28);
    ASSERT_EQ(p.messages().size(), 1u);
    EXPECT_EQ(p.messages()[0], "message: hmm ...: ");
    // Closing one frees its slot for the next window.
    frame->document(5)->cmExit();
    p.flush();
    EXPECT_EQ(frame->documentCount(), 27);
    mainWin()->click(402);
    ASSERT_NE(frame->document(5), nullptr);
    EXPECT_EQ(frame->document(5)->fileName(), "noname29.gra");
}

TEST_F(FrameTest, FilesAreDispatchedByTheirLastExtension)
{
    frame->create("");
    ASSERT_TRUE(writeFileAtomically(path("a.b.bnz"), "bnz"));
    ASSERT_TRUE(writeFileAtomically(path("report.txt"), "txt"));
    ASSERT_TRUE(writeFileAtomically(path("README"), "none"));
    frame->filesDropped({path("report.txt"), path("README"), path("a.b.bnz")});
    ASSERT_EQ(frame->documentCount(), 1);
    auto* doc = dynamic_cast<LineDoc*>(frame->document(0));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->fileName(), path("a.b.bnz"));
    EXPECT_EQ(doc->content, "bnz");
    EXPECT_TRUE(doc->named());
    // No new-document number was used up.
    EXPECT_EQ(frame->newDocumentCounter(), 0);
}

TEST_F(FrameTest, StartupFileAndSecondStartReachOpenByName)
{
    ASSERT_TRUE(writeFileAtomically(path("census.hor"), "x"));
    frame->create(path("census.hor"));
    ASSERT_EQ(frame->documentCount(), 1);
    EXPECT_EQ(frame->document(0)->fileName(), path("census.hor"));
    mainWin()->setMinimized(true);
    frame->receiveFile(path("census.hor"));
    EXPECT_EQ(frame->documentCount(), 2);
    EXPECT_FALSE(mainWin()->isMinimized());
    // A name shorter than two characters is ignored.
    frame->receiveFile("x");
    EXPECT_EQ(frame->documentCount(), 2);
}

TEST_F(FrameTest, ShutDownAsksEveryWindowAndWritesQnIni)
{
    frame->create("");
    mainWin()->click(cm::OpenLast);
    mainWin()->click(401);
    auto* doc = dynamic_cast<LineDoc*>(frame->document(0));
    doc->setChanged(true);
    p.answer(plat::IdCancel);
    mainWin()->click(cm::QuitApp);
    EXPECT_FALSE(frame->isShutDown());
    EXPECT_FALSE(fileExists(path("qn.ini")));
    EXPECT_EQ(p.lastMessage(), "question: careful!: save changes to noname1.hor?");

    p.answer(plat::IdNo);
    mainWin()->click(cm::QuitApp);
    EXPECT_TRUE(frame->isShutDown());
    EXPECT_TRUE(p.quitRequested());
    std::string ini;
    ASSERT_TRUE(readWholeFile(path("qn.ini"), ini));
    ASSERT_EQ(ini.size(), 19u);
    EXPECT_EQ(ini[17], 1);
    EXPECT_EQ(ini[18], 0);
}

TEST_F(FrameTest, AFifoNamedQnIniIsNotWaitedOn)
{
    ASSERT_TRUE(testfifo::make(path("qn.ini")));
    bool created = false;
    EXPECT_TRUE(testfifo::returnsWithoutAWriter(
        path("qn.ini"), [&] { frame->create(""); return true; }, created));
    EXPECT_TRUE(mainWin()->isVisible());
}

TEST(Resources, MainMenuAndDialogTemplatesParse)
{
    EXPECT_TRUE(hasMenuResource("QUANMENU"));
    for (const char* d : {"OKMBOX", "YNMBOX", "YNCMBOX", "ONEINPUT", "TWOINPUT", "DP", "PRNSPX2", "LUNCH"})
        EXPECT_TRUE(hasDialogResource(d)) << d;
    EXPECT_FALSE(helpText("PROGHELP").empty());
    EXPECT_THROW(parseRc("MENU X\nPOPUP \"a\"\nMENUITEM \"b\", zz\nEND\nEND\n"), std::runtime_error);
    EXPECT_THROW(parseRc("DIALOG D \"t\", 10, 10\nLTEXT \"x\", 1, 2, 3, 4, 5\n"), std::runtime_error);
    RcBundle b = parseRc("ACCELERATORS A\n  VK_F1, textcmd::Search\n  \"g\", gcm::Grid, CONTROL\nEND\n");
    ASSERT_EQ(b.accelerators.size(), 1u);
    ASSERT_EQ(b.accelerators[0].second.size(), 2u);
    EXPECT_EQ(acceleratorText(b.accelerators[0].second[1]), "Ctrl+G");
    EXPECT_EQ(acceleratorText(b.accelerators[0].second[0]), "F1");
    EXPECT_EQ(b.accelerators[0].second[0].id, 353);
    EXPECT_EQ(b.accelerators[0].second[1].id, 320);
}

TEST(Resources, SharedPopupsAreWrittenOnceAndUsedWhole)
{
    // A popup defined at the top level is put whole into a menu by USE, and
    // its items into another popup by INCLUDE.
    RcBundle first = parseRc("POPUP EDIT \"&Edit\"\n  MENUITEM \"&Copy\", textcmd::Copy\nEND\n"
                             "MENU A\nUSE EDIT\nEND\n");
    ASSERT_EQ(first.menus.size(), 1u);
    ASSERT_EQ(first.menus[0].second.size(), 1u);
    EXPECT_EQ(first.menus[0].second[0].label, "&Edit");
    ASSERT_EQ(first.menus[0].second[0].items.size(), 1u);
    EXPECT_EQ(first.menus[0].second[0].items[0].id, 95);
    // A later script sees the popups of the scripts before it.
    RcBundle second = parseRc("MENU B\nPOPUP \"&File\"\n  INCLUDE EDIT\n  MENUITEM \"E&xit\", cm::Exit\nEND\nEND\n",
                              first.popups);
    ASSERT_EQ(second.menus[0].second[0].items.size(), 2u);
    EXPECT_EQ(second.menus[0].second[0].items[0].id, 95);
    EXPECT_EQ(second.menus[0].second[0].items[1].id, 361);
    EXPECT_THROW(parseRc("MENU C\nUSE NOSUCH\nEND\n"), std::runtime_error);
    // The text windows and the notebook share their Edit and Search popups,
    // the table windows the start of their File popups.
    const plat::Menu& text = menuResource("TEXTMENU");
    const plat::Menu& notes = menuResource("NOTEMENU");
    ASSERT_EQ(text.size(), 3u);
    ASSERT_EQ(notes.size(), 3u);
    for (size_t i = 1; i < 3; ++i) {
        EXPECT_EQ(text[i].label, notes[i].label);
        ASSERT_EQ(text[i].items.size(), notes[i].items.size());
        for (size_t k = 0; k < text[i].items.size(); ++k)
            EXPECT_EQ(text[i].items[k].id, notes[i].items[k].id);
    }
    const plat::Menu& app = menuResource("APPMENU");
    const plat::Menu& ban = menuResource("BANMENU");
    for (size_t k = 0; k < 11; ++k)
        EXPECT_EQ(app[0].items[k].id, ban[0].items[k].id) << k;
    EXPECT_EQ(app[0].items[4].id, 747); // Text out
}

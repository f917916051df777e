// The text window, the help window and the notebook on the headless
// desktop: commands as the user gives them, messages as the user sees them.
#include "fixture.h"

#include "resources/rc.h"
#include "resources/strings.h"
#include "text/printformatdlg.h"
#include "text/textwin.h"

#include "fifo_wait.h"

using namespace quan;
using texttest::HeadlessTest;
namespace vk = quan::plat::vk;

namespace {

class TextWinTest : public HeadlessTest {
protected:
    TextWinTest() { tw = makeWindow<TTextWin>(nullptr, "noname.txt"); }
    plat::HeadlessWindow& w() { return win(tw->window()); }
    plat::TextEditor& ed() { return *tw->window()->editor(); }
    size_t selStart() { return ed().selectionStart(); }
    size_t selEnd() { return ed().selectionEnd(); }
    std::unique_ptr<TTextWin> tw;
};

} // namespace

TEST_F(TextWinTest, HandOverRefreshesAndShows)
{
    EXPECT_FALSE(w().isVisible());
    ed().setSelection(0, 0);
    tw->handOver("first\r\nsecond\r\n");
    EXPECT_TRUE(w().isVisible());
    EXPECT_TRUE(tw->visible());
    EXPECT_EQ(ed().text(), "first\r\nsecond\r\n");
    EXPECT_FALSE(ed().modified());
    EXPECT_EQ(ed().firstVisibleLine(), 0);
    EXPECT_EQ(selStart(), 0u);
    EXPECT_EQ(selEnd(), 0u);
    EXPECT_TRUE(tw->restartFlag());
    EXPECT_EQ(w().caption(), "noname.txt");
    tw->setTitle("apportionment");
    EXPECT_EQ(w().caption(), "apportionment");
    // Close hides the window; it stays alive for the next hand-over.
    EXPECT_TRUE(w().click(textcmd::Close));
    EXPECT_FALSE(w().isVisible());
    EXPECT_FALSE(tw->visible());
}

TEST_F(TextWinTest, NewTextRaisesTheWindowAboveItsOwner)
{
    auto owner = makeWindow<TTextWin>(nullptr, "owner.txt");
    owner->handOver("the owner's text");
    ASSERT_EQ(p.topWindow(), &win(owner->window()));
    tw->handOver("first");
    EXPECT_EQ(p.topWindow(), &w());
    // The user goes back to the owner; a second hand-over (Text out again,
    // Help again) brings the text window forward, though it is open.
    win(owner->window()).bringToTop();
    ASSERT_EQ(p.topWindow(), &win(owner->window()));
    tw->handOver("second");
    EXPECT_EQ(p.topWindow(), &w());
}

TEST_F(TextWinTest, EditMenuShowsAndAnswersTheUsualShortcuts)
{
    const std::pair<const char*, const char*> items[] = {
        {"Edit|Copy", "Ctrl+C"}, {"Edit|Cut", "Ctrl+X"}, {"Edit|Paste", "Ctrl+V"}, {"Edit|Select All", "Ctrl+A"}};
    for (const auto& [path, keys] : items) {
        const int id = w().findCommand(path);
        ASSERT_NE(id, 0) << path;
        bool found = false;
        for (const auto& popup : w().menu())
            for (const auto& item : popup.items)
                if (item.id == id) {
                    EXPECT_EQ(item.shortcut, keys) << path;
                    found = true;
                }
        EXPECT_TRUE(found) << path;
    }
    tw->handOver("select me");
    EXPECT_TRUE(w().accelerator('A', true, false, false));
    EXPECT_TRUE(w().accelerator('C', true, false, false));
    EXPECT_EQ(p.clipboard(), "select me");
}

TEST_F(TextWinTest, EmptySearchIsNothingToDo)
{
    tw->handOver("alpha");
    p.input("");
    w().click(textcmd::Search);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: nothing to do");
    EXPECT_TRUE(tw->lastSearch().empty());
    EXPECT_FALSE(w().menuItemEnabled(textcmd::Next));
    // A cancelled search does nothing at all.
    p.clearMessages();
    p.input(std::nullopt);
    w().click(textcmd::Search);
    EXPECT_TRUE(p.messages().empty());
}

TEST_F(TextWinTest, SearchNextAndRestart)
{
    // Positions: alpha 0, ALPHA 11, alpha 23.
    tw->handOver("alpha beta ALPHA gamma alpha");
    EXPECT_FALSE(w().menuItemEnabled(textcmd::Next));
    EXPECT_FALSE(w().click(textcmd::Next)); // disabled: nothing happens
    p.input("alpha");
    ASSERT_TRUE(w().accelerator(vk::F1, false, false, false));
    EXPECT_EQ(selStart(), 0u);
    EXPECT_EQ(selEnd(), 5u);
    EXPECT_TRUE(w().menuItemEnabled(textcmd::Next));
    // Next (F3) finds the following occurrence, ignoring case.
    ASSERT_TRUE(w().accelerator(vk::F3, false, false, false));
    EXPECT_EQ(selStart(), 11u);
    w().click(textcmd::Next);
    EXPECT_EQ(selStart(), 23u);
    EXPECT_TRUE(p.messages().empty());
    // No further match: "could not find", caret to the top, restart set.
    w().click(textcmd::Next);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: could not find");
    EXPECT_EQ(selStart(), 0u);
    EXPECT_TRUE(tw->restartFlag());
    // The next search starts at the top and finds the first one again.
    w().click(textcmd::Next);
    EXPECT_EQ(selStart(), 0u);
    EXPECT_EQ(selEnd(), 5u);
    w().click(textcmd::Next);
    EXPECT_EQ(selStart(), 11u);
    // Restart at top (F2).
    ASSERT_TRUE(w().accelerator(vk::F2, false, false, false));
    EXPECT_EQ(selStart(), 0u);
    EXPECT_TRUE(tw->restartFlag());
    w().click(textcmd::Next);
    EXPECT_EQ(selStart(), 0u);
    // The search dialog offers the last search string again.
    p.input("gamma");
    w().click(textcmd::Search);
    EXPECT_EQ(selStart(), 17u);
    EXPECT_EQ(tw->lastSearch(), "gamma");
}

TEST_F(TextWinTest, SearchScrollsWithFourLinesOfContext)
{
    std::string t;
    for (int i = 0; i < 30; ++i)
        t += "line " + std::to_string(i) + "\r\n";
    tw->handOver(t);
    EXPECT_EQ(tw->search("line 20"), 0);
    EXPECT_EQ(ed().firstVisibleLine(), 16);
    // Moving one on from "line 20" finds "line 21" next.
    EXPECT_EQ(tw->search("line 2"), 0);
    EXPECT_EQ(selStart(), t.find("line 21"));
}

TEST_F(TextWinTest, HelpSearchIsCaseSensitive)
{
    tw->handOver("Alpha alpha");
    EXPECT_EQ(tw->search("alpha", false), 0);
    EXPECT_EQ(selStart(), 0u);
    tw->restartAtTop();
    EXPECT_EQ(tw->search("alpha", true), 0);
    EXPECT_EQ(selStart(), 6u);
    tw->restartAtTop();
    EXPECT_EQ(tw->search("ALPHA", true), 2);

    // A help text with a topic: the first case-sensitive match is selected.
    TPreTextWin& help = tw->helpWindow();
    const std::string& text = helpText("QNTEXTEH");
    ASSERT_FALSE(text.empty());
    // The capitalised word comes first, so only a case-sensitive search
    // lands on the small-letter one.
    ASSERT_NE(text.find("search"), std::string::npos);
    ASSERT_LT(text.find("Search"), text.find("search"));
    EXPECT_EQ(help.showHelpText("QNTEXTEH", "search"), 0);
    EXPECT_EQ(help.window()->editor()->selectionStart(), text.find("search"));
    EXPECT_TRUE(help.visible());
    EXPECT_EQ(help.window()->caption(), "help.txt");
    // A missing help text is reported and changes nothing.
    EXPECT_EQ(help.showHelpText("NO-SUCH-HELP"), 3);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: low memory...trouble!");
    EXPECT_EQ(help.text(), text);
}

TEST_F(TextWinTest, MenuHelpGoesToTheHelpWindow)
{
    tw->handOver("my results");
    EXPECT_FALSE(tw->hasHelpWindow());
    w().click(textcmd::FileHelp);
    ASSERT_TRUE(tw->hasHelpWindow());
    EXPECT_EQ(tw->helpWindow().text(), helpText("QNTEXTFH"));
    EXPECT_EQ(tw->text(), "my results");
    w().click(textcmd::EditHelp);
    EXPECT_EQ(tw->helpWindow().text(), helpText("QNTEXTEH"));
}

TEST_F(TextWinTest, SearchingHelpBox)
{
    w().click(textcmd::SearchHelp);
    EXPECT_EQ(p.lastMessage(),
              "message: searching: " + S(8) + " " + S(9) + " " + S(10) + " " + S(11));
}

TEST_F(TextWinTest, MinusSigns)
{
    tw->handOver("x-1, x--2");
    for (const char* bad : {"1", "256"}) {
        p.input(bad);
        w().click(textcmd::MinusSigns);
        EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot understand");
        EXPECT_EQ(tw->text(), "x-1, x--2");
    }
    p.input(std::nullopt);
    w().click(textcmd::MinusSigns);
    EXPECT_EQ(tw->text(), "x-1, x--2");
    p.input("150");
    w().click(textcmd::MinusSigns);
    EXPECT_EQ(tw->text(), "x\x96" "1, x\x96\x96" "2");
    EXPECT_FALSE(ed().modified());
    EXPECT_EQ(selStart(), 0u);
}

TEST_F(TextWinTest, HandOverCutsAtSixtyFourThousand)
{
    std::string big(70000, 'a');
    big[63999] = 'y';
    big[64000] = 'z';
    tw->handOver(big);
    EXPECT_EQ(tw->text().size(), 64000u);
    EXPECT_EQ(tw->text().back(), 'y');
    EXPECT_EQ(ed().text().size(), 64000u);
}

TEST_F(TextWinTest, PasteCutsAtSixtyFourThousand)
{
    tw->handOver(std::string(63990, 'a'));
    ed().setSelection(63990, 63990);
    p.setClipboardText(std::string(20, 'b'));
    w().click(textcmd::Paste);
    ASSERT_EQ(tw->text().size(), 64000u);
    EXPECT_EQ(tw->text().substr(63990), std::string(10, 'b'));
    EXPECT_EQ(ed().text().size(), 64000u);
    // Cut takes text out and the window re-reads it.
    ed().setSelection(0, 10);
    w().click(textcmd::Cut);
    EXPECT_EQ(tw->text().size(), 63990u);
    EXPECT_EQ(p.clipboard(), std::string(10, 'a'));
    // Typing past the limit is cut as well.
    ed().setSelection(63990, 63990);
    static_cast<plat::HeadlessEditor&>(ed()).type(std::string(15, 'c'));
    EXPECT_EQ(tw->text().size(), 64000u);
    EXPECT_EQ(ed().text().size(), 64000u);
}

TEST_F(TextWinTest, FileReadCutsAtSixtyFourThousand)
{
    auto dir = scratch();
    std::string big(65000, 'q');
    big[63999] = 'e';
    spit(dir / "big.txt", big);
    tw->handOver("old");
    p.file((dir / "big.txt").string());
    w().click(cm::Open);
    EXPECT_EQ(tw->text(), big.substr(0, 64000));
    EXPECT_EQ(w().caption(), "big.txt");
    EXPECT_EQ(tw->title(), "big.txt");
    // A file that cannot be opened leaves the text and title as they were.
    tw->setTitle("results");
    p.file((dir / "missing" / "x.txt").string());
    w().click(cm::Open);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_EQ(tw->text(), big.substr(0, 64000));
    EXPECT_EQ(w().caption(), "results");
}

TEST_F(TextWinTest, SaveAsWritesTheText)
{
    auto dir = scratch();
    tw->handOver("line one\r\nline two\r\n");
    p.file((dir / "out").string());
    w().click(cm::SaveAs);
    EXPECT_EQ(slurp(dir / "out.txt"), "line one\r\nline two\r\n");
    EXPECT_EQ(w().caption(), "out.txt");
    // Saving over an existing file asks first; "no" writes nothing.
    tw->handOver("changed");
    p.file((dir / "out.txt").string());
    p.answer(plat::IdNo);
    w().click(cm::SaveAs);
    EXPECT_EQ(p.lastMessage(), "question: careful!: overwrite existing file?");
    EXPECT_EQ(slurp(dir / "out.txt"), "line one\r\nline two\r\n");
    // A file that cannot be written: "cannot save file".
    p.file((dir / "no" / "such" / "dir.txt").string());
    w().click(cm::SaveAs);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot save file");
    // The window keeps its name after a failed or cancelled save.
    EXPECT_EQ(w().caption(), "out.txt");
    EXPECT_EQ(tw->fileName(), (dir / "out.txt").string());
    p.file(std::nullopt);
    w().click(cm::SaveAs);
    EXPECT_EQ(w().caption(), "out.txt");
    EXPECT_TRUE(tw->named());
    // Save writes under the name without asking.
    w().click(cm::Save);
    EXPECT_EQ(slurp(dir / "out.txt"), "changed");
    EXPECT_TRUE(p.scriptEmpty());
}

TEST_F(TextWinTest, FontSlotsAndFontDialog)
{
    // Heights at the headless screen's 96 dpi: -MulDiv(points, 96, 72).
    EXPECT_EQ(tw->fontSlot(0).font.height, -16); // 12 pt
    EXPECT_EQ(tw->fontSlot(1).font.height, -13); // 10 pt: 13.33
    EXPECT_EQ(tw->fontSlot(3).font.height, -11); // 8 pt: 10.67
    EXPECT_EQ(tw->fontSlot(1).font.face(), "Symbol");
    EXPECT_EQ(tw->fontSlot(1).font.charSet, 2);
    EXPECT_EQ(tw->fontSlot(4).font.face(), "Times");
    EXPECT_EQ(tw->fontSlot(4).font.pitchAndFamily, 2);
    EXPECT_EQ(tw->fontSlot(0).font.pitchAndFamily, 0x31);
    const plat::Font f = static_cast<plat::HeadlessEditor&>(ed()).font();
    EXPECT_EQ(f.face, "Courier New");
    EXPECT_EQ(f.height, -16);
    // Line width: a 600 pixel window; "M" in a 16 pixel headless font is
    // 10 pixels wide; (600 - 17) / 10 - 1.
    w().setGeometry({0, 0, 600, 440});
    EXPECT_EQ(tw->lineWidth(), 57);

    tw->handOver("keep me");
    p.answer(plat::IdCancel);
    w().click(textcmd::Font);
    p.answer(plat::IdOk);
    w().click(textcmd::Font);
    EXPECT_EQ(tw->text(), "keep me");
    EXPECT_TRUE(p.scriptEmpty());
}

TEST(FontChoice, TitleAndPointSize)
{
    FontTable t = initialFontTable(96);
    EXPECT_EQ(fontChoiceOf(t[0]).title, "text-window font");
    t[2].dialogTitleId = 93;
    EXPECT_EQ(fontChoiceOf(t[2]).title, "notebook");
    plat::FontChoice c = fontChoiceOf(t[0]);
    c.font.face = "Times";
    c.points = 20;
    c.font.underline = true;
    applyFontChoice(t[0], c, 96);
    EXPECT_EQ(t[0].font.face(), "Times");
    EXPECT_EQ(t[0].pointSize, 20);
    EXPECT_EQ(t[0].font.height, -27); // 20 * 96 / 72 = 26.67
    EXPECT_EQ(t[0].font.underline, 0); // effects are off for this slot
    t[0].effects = true;
    c.color = 0x0000FF;
    applyFontChoice(t[0], c, 96);
    EXPECT_EQ(t[0].font.underline, 1);
    EXPECT_EQ(t[0].color, 0x0000FFu);
}

TEST_F(TextWinTest, OffsetsDialog)
{
    const PrintFormat before = tw->printFormat();
    // Shown in centimetres; the x unit of -1/2.54 inch shows as 1.00 with
    // its radio button off.
    PrintFormatFields f = printFormatFields(before);
    EXPECT_EQ(f.lengths[0], "2.54");
    EXPECT_EQ(f.lengths[2], "15.24");
    EXPECT_EQ(f.lengths[3], "1.00");
    EXPECT_TRUE(f.offsetNotNegative);
    EXPECT_FALSE(f.xUnitNotNegative);

    // Cancel keeps the old values.
    p.dialogText("PRNSPX2", prnctl::HorizontalOffset, "9");
    p.press("PRNSPX2", plat::IdCancel);
    w().click(textcmd::Offsets);
    EXPECT_EQ(tw->printFormat(), before);
    // Entries that are not numbers or negative change nothing.
    p.dialogText("PRNSPX2", prnctl::VerticalOffset, "abc");
    p.press("PRNSPX2", plat::IdOk);
    w().click(textcmd::Offsets);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot understand");
    p.dialogText("PRNSPX2", prnctl::VerticalOffset, "-1");
    p.press("PRNSPX2", plat::IdOk);
    w().click(textcmd::Offsets);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: positive value?");
    EXPECT_EQ(tw->printFormat(), before);
    // OK takes centimetres back to inches; the radio buttons carry signs.
    p.dialogText("PRNSPX2", prnctl::HorizontalOffset, "5.08");
    p.press("PRNSPX2", prnctl::OffsetNotNegative); // turns it off
    p.press("PRNSPX2", prnctl::XUnitNotNegative);  // turns it on
    p.press("PRNSPX2", plat::IdOk);
    w().click(textcmd::Offsets);
    EXPECT_NEAR(static_cast<double>(tw->printFormat().horizontalOffset), -2.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(tw->printFormat().xUnit), 1 / 2.54, 1e-12);
    EXPECT_NEAR(static_cast<double>(tw->printFormat().verticalOffset), 1.0, 1e-12);
}

// --- notebook ---------------------------------------------------------------------

TEST_F(HeadlessTest, NotebookEditsMarkTheOwnerChanged)
{
    TFileMsgWin owner(nullptr, DocInit{"census.hor"});
    owner.create();
    auto note = makeWindow<TNoteWin>(owner);
    note->setNotes("first notes");
    EXPECT_EQ(note->window()->caption(), "notebook [census.hor]");
    EXPECT_FALSE(owner.changed());
    EXPECT_EQ(note->notes(), "first notes");
    EXPECT_FALSE(note->visible()); // setting the notes does not show them

    auto& ed = static_cast<plat::HeadlessEditor&>(*note->window()->editor());
    ed.setSelection(0, 0);
    ed.type("my ");
    EXPECT_TRUE(owner.changed());
    EXPECT_EQ(note->notes(), "my first notes");

    // Searching is no change.
    owner.setChanged(false);
    p.input("first");
    win(note->window()).click(textcmd::Search);
    EXPECT_FALSE(owner.changed());
    // Minus signs and paste are.
    note->setNotes("a-b");
    p.input("150");
    win(note->window()).click(textcmd::MinusSigns);
    EXPECT_TRUE(owner.changed());
    owner.setChanged(false);
    p.setClipboardText("x");
    win(note->window()).click(textcmd::Paste);
    EXPECT_TRUE(owner.changed());

    // The notebook has no Open, Save or Save As of its own.
    EXPECT_EQ(win(note->window()).findCommand("File|Open"), 0);
    note->command(cm::Open);
    EXPECT_TRUE(p.scriptEmpty());

    // A renamed owner shows in the caption; clearing empties the notes.
    owner.setFileName("/data/1990.hor");
    note->clearNotes();
    EXPECT_EQ(note->notes(), "");
    EXPECT_EQ(note->window()->caption(), "notebook [/data/1990.hor]");
}

TEST(TextResources, MenusAndAccelerators)
{
    for (const char* name : {"TEXTMENU", "NOTEMENU", "COLWMENU"})
        EXPECT_TRUE(hasMenuResource(name)) << name;
    EXPECT_TRUE(hasDialogResource("EDITRGB"));
    EXPECT_TRUE(hasDialogResource("PRNSPX2"));
    for (const char* name : {"QNTEXTFH", "QNTEXTEH", "QNNOTEFH"})
        EXPECT_FALSE(helpText(name).empty()) << name;
    const auto& acc = acceleratorResource("TEXTMENU");
    auto idOf = [&](int key) {
        for (const auto& a : acc)
            if (a.key == key && !a.ctrl && !a.shift && !a.alt)
                return a.id;
        return 0;
    };
    EXPECT_EQ(idOf(vk::F1), 353);
    EXPECT_EQ(idOf(vk::F3), 352);
    EXPECT_EQ(idOf(vk::F2), 53);
    // Every command of the text window's table is in its menu.
    const plat::Menu& m = menuResource("TEXTMENU");
    std::function<bool(const std::vector<plat::MenuItem>&, int)> has = [&](const auto& items, int id) {
        for (const auto& it : items)
            if ((it.id == id && !it.separator) || has(it.items, id))
                return true;
        return false;
    };
    for (int id : {59, 57, 58, 97, 93, 304, 95, 96, 99, 119, 353, 352, 53, 61, 92, 351, 357})
        EXPECT_TRUE(has(m, id)) << id;
}

TEST_F(TextWinTest, OpeningAFifoIsRefusedAtOnce)
{
    auto dir = scratch();
    const std::string fifo = (dir / "pipe.txt").string();
    ASSERT_TRUE(testfifo::make(fifo));
    tw->handOver("kept");
    tw->setTitle("results");
    p.file(fifo);
    bool opened = false;
    EXPECT_TRUE(testfifo::returnsWithoutAWriter(
        fifo, [&] { w().click(cm::Open); return true; }, opened));
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_EQ(tw->text(), "kept");
    EXPECT_EQ(w().caption(), "results");
}

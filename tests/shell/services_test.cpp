#include "shell_fixture.h"

#include "resources/rc.h"
#include "resources/strings.h"

#include <filesystem>
#include <set>
#include <sys/stat.h>

using namespace quan;
using namespace quan::test;

namespace {

class ServicesTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        DocInit init;
        init.fileName = "noname1.txt";
        doc = std::make_unique<LineDoc>(nullptr, init);
        doc->create();
    }
    void TearDown() override
    {
        doc.reset();
        HeadlessTest::TearDown();
    }
    std::unique_ptr<LineDoc> doc;
};

} // namespace

TEST_F(ServicesTest, MessagesUseString400PlusNAndHmmTitle)
{
    doc->message(17);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
    doc->message(12, "own title");
    EXPECT_EQ(p.lastMessage(), "message: own title: cannot save file");
}

TEST_F(ServicesTest, UnchangedUnnamedSaveOpensTheDialogAndCancelWritesNothing)
{
    EXPECT_FALSE(doc->changed());
    p.file(std::nullopt);
    EXPECT_FALSE(doc->cmSave());
    EXPECT_EQ(doc->writes, 0);
    EXPECT_TRUE(p.scriptEmpty()); // the dialog was shown and took the answer
    EXPECT_FALSE(doc->named());
}

TEST_F(ServicesTest, SaveWritesAndClearsTheChangedFlag)
{
    doc->setChanged(true);
    p.file(path("a.txt"));
    EXPECT_TRUE(doc->cmSave());
    EXPECT_FALSE(doc->changed());
    EXPECT_TRUE(doc->named());
    EXPECT_EQ(doc->window()->caption(), "a.txt");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes));
    EXPECT_EQ(bytes, "hello");
    // A named document saves without asking again.
    doc->content = "second";
    EXPECT_TRUE(doc->cmSave());
    ASSERT_TRUE(readWholeFile(path("a.txt"), bytes));
    EXPECT_EQ(bytes, "second");
}

TEST_F(ServicesTest, OverwriteNoWritesNothing)
{
    ASSERT_TRUE(writeFileAtomically(path("old.txt"), "old"));
    p.file(path("old.txt"));
    p.answer(plat::IdNo);
    EXPECT_FALSE(doc->cmSaveAs());
    EXPECT_EQ(p.lastMessage(), "question: careful!: overwrite existing file?");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("old.txt"), bytes));
    EXPECT_EQ(bytes, "old");
    EXPECT_EQ(doc->writes, 0);
}

TEST_F(ServicesTest, EnterOnTheOverwriteQuestionKeepsTheFile)
{
    // "ok" presses the box's default button, as Enter does: "no" here.
    ASSERT_TRUE(writeFileAtomically(path("old.txt"), "old"));
    p.file(path("old.txt"));
    p.answer(plat::IdOk);
    EXPECT_FALSE(doc->cmSaveAs());
    EXPECT_EQ(p.lastMessage(), "question: careful!: overwrite existing file?");
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("old.txt"), bytes));
    EXPECT_EQ(bytes, "old");
    // Only "yes" replaces it.
    p.file(path("old.txt"));
    p.answer(plat::IdYes);
    EXPECT_TRUE(doc->cmSaveAs());
    ASSERT_TRUE(readWholeFile(path("old.txt"), bytes));
    EXPECT_EQ(bytes, "hello");
}

TEST_F(ServicesTest, UnwritableTargetReportsCannotSaveAndKeepsTheOldFile)
{
    if (::geteuid() == 0) {
        // root writes anywhere: use a target whose folder does not exist and
        // a target that is a directory instead.
    }
    ASSERT_TRUE(writeFileAtomically(path("keep.txt"), "precious"));
    std::filesystem::create_directories(dir / "ro");
    ASSERT_TRUE(writeFileAtomically(path("ro/keep.txt"), "precious"));
    ::chmod((dir / "ro").c_str(), 0555);
    doc->setChanged(true);
    doc->content = "new";
    bool roRefused = ::geteuid() != 0;
    if (roRefused) {
        p.file(path("ro/keep.txt"));
        p.answer(plat::IdYes);
        EXPECT_FALSE(doc->cmSaveAs());
        EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot save file");
        std::string bytes;
        ASSERT_TRUE(readWholeFile(path("ro/keep.txt"), bytes));
        EXPECT_EQ(bytes, "precious");
        EXPECT_TRUE(doc->changed());
    }
    ::chmod((dir / "ro").c_str(), 0755);
    // A target inside a missing folder fails for every user.
    p.file(path("missing/folder/x.txt"));
    EXPECT_FALSE(doc->cmSaveAs());
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot save file");
    EXPECT_TRUE(doc->changed());
    // The failed name is not taken on.
    EXPECT_EQ(doc->fileName(), "noname1.txt");
    EXPECT_FALSE(doc->named());
    // A failing writer never touches the existing file.
    class FailingDoc : public LineDoc {
    public:
        using LineDoc::LineDoc;
        bool writeDocument(const std::string&) override { return false; }
    };
    DocInit init;
    init.fileName = path("keep.txt");
    FailingDoc f(nullptr, init);
    f.create();
    f.setNamed(true);
    f.setChanged(true);
    EXPECT_FALSE(f.cmSave());
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("keep.txt"), bytes));
    EXPECT_EQ(bytes, "precious");
}

TEST_F(ServicesTest, SaveQuestionAnswers)
{
    ASSERT_TRUE(writeFileAtomically(path("doc.txt"), "on disk"));
    doc->setFileName(path("doc.txt"));
    doc->setNamed(true);
    doc->content = "edited";
    doc->setChanged(true);
    // cancel keeps everything
    p.answer(plat::IdCancel);
    EXPECT_FALSE(doc->saveChangesGate());
    EXPECT_TRUE(doc->changed());
    // no closes and leaves the file untouched
    p.answer(plat::IdNo);
    EXPECT_TRUE(doc->saveChangesGate());
    EXPECT_FALSE(doc->changed());
    std::string bytes;
    ASSERT_TRUE(readWholeFile(path("doc.txt"), bytes));
    EXPECT_EQ(bytes, "on disk");
    // yes saves
    doc->setChanged(true);
    p.answer(plat::IdYes);
    EXPECT_TRUE(doc->saveChangesGate());
    ASSERT_TRUE(readWholeFile(path("doc.txt"), bytes));
    EXPECT_EQ(bytes, "edited");
}

TEST_F(ServicesTest, OpenFailureRestoresTheName)
{
    p.file(path("does-not-exist.txt"));
    doc->cmOpen();
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot open file");
    EXPECT_EQ(doc->fileName(), "noname1.txt");
    EXPECT_EQ(doc->content, "hello");
}

TEST_F(ServicesTest, InputDialogsReturnTheEditedText)
{
    std::string t = "preset";
    p.input(std::string("  42 "));
    EXPECT_TRUE(doc->input(Str::Input, Str::SearchFor, t));
    EXPECT_EQ(t, "  42 ");
    p.input(std::nullopt);
    EXPECT_FALSE(doc->input(Str::Input, Str::SearchFor, t));
    EXPECT_EQ(t, "  42 ");
    long double v = 0;
    p.input(std::string("abc"));
    EXPECT_FALSE(doc->inputNumber(Str::Input, Str::SearchFor, v, "1"));
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: cannot understand");
    std::string a = "1", b = "2";
    p.input2(std::make_pair(std::string("3"), std::string("4")));
    EXPECT_TRUE(doc->input2("t", "p1", "p2", a, b));
    EXPECT_EQ(a + b, "34");
    // Unanswered dialogs stop a scripted run.
    EXPECT_THROW(doc->input(Str::Input, Str::SearchFor, t), plat::ScriptError);
}

TEST_F(ServicesTest, DecimalPlacesDialog)
{
    p.dialogText("DP", 102, "4");
    p.press("DP", plat::IdOk);
    doc->cmDecimalPlaces();
    EXPECT_EQ(doc->decimals(), 4);
    p.dialogText("DP", 102, "-1");
    p.press("DP", plat::IdOk);
    doc->cmDecimalPlaces();
    EXPECT_EQ(doc->decimals(), 4);
    EXPECT_EQ(p.lastMessage(), "message: hmm ...: out of bounds");
}

TEST_F(ServicesTest, LunchShowsFiveDifferentDishesAndTheKitchenIsClosed)
{
    std::set<std::string> menu;
    for (int id = 70; id <= 83; ++id)
        menu.insert(S(id));
    ASSERT_EQ(menu.size(), 14u);
    for (int round = 0; round < 20; ++round) {
        p.press("LUNCH", plat::IdOk);
        doc->cmLunch();
        EXPECT_EQ(p.lastMessage(), "message: hmm ...: kitchen closed today");
        std::set<std::string> shown;
        for (int box = 301; box <= 305; ++box) {
            std::string dish = p.lastDialogTexts().at(box);
            EXPECT_TRUE(menu.count(dish)) << dish;
            shown.insert(dish);
        }
        EXPECT_EQ(shown.size(), 5u);
    }
    p.press("LUNCH", plat::IdCancel);
    p.clearMessages();
    doc->cmLunch();
    EXPECT_TRUE(p.messages().empty());
}

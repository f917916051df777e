// Printing from the graph window: Simulprint prints saved graph files one
// per page and gives the window its own document back from memory.
#include "graphs/grawin_fixture.h"

using namespace quan;
using namespace quan::test;

namespace {

class GraPrintTest : public GraWindowTest {
protected:
    // Saves the window's graph under a name.
    void saveAs(const std::string& file)
    {
        ASSERT_TRUE(win->writeDocument(file));
    }
    std::string bytesOfWindow()
    {
        const std::string f = path("now.gra");
        std::string b;
        EXPECT_TRUE(win->writeDocument(f));
        EXPECT_TRUE(readWholeFile(f, b));
        return b;
    }
};

} // namespace

TEST_F(GraPrintTest, ThreeFilesThreePagesAndTheUnsavedGraphSurvives)
{
    paste("3  -2 -2  2 -2  0 2  1  0 1");
    saveAs(path("a.gra"));
    paste("4  -1 -1  1 -1  1 1  -1 1  1  0 1");
    saveAs(path("b.gra"));
    paste("2  0 0  1 1  1  0 1");
    saveAs(path("c.gra"));
    // The window's own graph: unnamed and changed.
    paste("5  0 0  1 0  2 0  3 0  4 0  1  0 1");
    ASSERT_FALSE(win->named());
    win->setChanged(true);
    const std::string before = bytesOfWindow();
    const std::string name = win->fileName();
    const ViewState view = win->view();

    p.input(std::string("3"));
    p.file(path("a.gra"));
    p.file(path("b.gra"));
    p.file(path("c.gra"));
    p.answer(plat::IdOk);
    win->command(gcm::Simulprint);
    EXPECT_EQ(p.printedPages().size(), 3u);
    EXPECT_EQ(bytesOfWindow(), before);
    EXPECT_FALSE(win->named());
    EXPECT_TRUE(win->changed());
    EXPECT_EQ(win->fileName(), name);
    EXPECT_EQ(win->view().xmin, view.xmin);
    EXPECT_EQ(win->view().W, view.W);
}

TEST_F(GraPrintTest, ACorruptFileGetsItsMessageAndNoPage)
{
    paste("3  -2 -2  2 -2  0 2  1  0 1");
    saveAs(path("a.gra"));
    ASSERT_TRUE(writeFileAtomically(path("bad.gra"), std::string("not a graph")));
    p.clearMessages();
    p.input(std::string("2"));
    p.file(path("bad.gra"));
    p.file(path("a.gra"));
    p.answer(plat::IdOk);
    win->command(gcm::Simulprint);
    EXPECT_EQ(p.printedPages().size(), 1u);
    ASSERT_FALSE(p.messages().empty());
    EXPECT_EQ(p.messages().front(), "message: hmm ...: " + messageText(11));
}

TEST_F(GraPrintTest, TheShownSolutionSurvives)
{
    paste("3  -2 -2  2 -2  0 2  1  0 1");
    saveAs(path("a.gra"));
    // A square with both diagonals; Kruskal's tree is shown.
    paste("4  -1 -1  1 -1  1 1  -1 1  1  0 1");
    win->command(grcmd::Kruskal);
    const Solution shown = win->graph().solution;
    ASSERT_NE(shown.mode, DisplayMode::None);
    const bool modified = win->graph().modified;
    p.input(std::string("1"));
    p.file(path("a.gra"));
    p.answer(plat::IdOk);
    win->command(gcm::Simulprint);
    EXPECT_EQ(p.printedPages().size(), 1u);
    EXPECT_EQ(win->graph().solution.mode, shown.mode);
    EXPECT_EQ(win->graph().solution.edges, shown.edges);
    EXPECT_EQ(win->graph().solution.summary, shown.summary);
    EXPECT_EQ(win->graph().modified, modified);
}

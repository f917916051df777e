// The Electoral College window as its apportionment window opens, fills
// and closes it.
#include "apportion/appwin.h"
#include "power/banwin.h"
#include "shell/shell_fixture.h"

#include <algorithm>

using namespace quan;
using namespace quan::test;

namespace {

class ElectoralTest : public HeadlessTest {
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
    plat::HeadlessWindow& ew() { return *static_cast<plat::HeadlessWindow*>(win->electoralWindow()->window()); }
    void click(const std::string& path)
    {
        int id = hw().findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw().click(id);
    }
    std::unique_ptr<TQuanFrame> frame;
    TAppWin* win = nullptr;
};

} // namespace

TEST_F(ElectoralTest, TheFirstCensusGivesSixteenBlocs)
{
    click("Census|1790");
    click("Method|Hamilton");
    click("Other|Electoral power");
    const BlocTable& t = win->electoralWindow()->table();
    // Fifteen states with 105 seats by Hamilton, two senators each, and the
    // District: 105 + 30 + 3 = 138 votes, a majority of 70. Virginia had 18
    // seats, so 20 votes.
    EXPECT_EQ(t.blocCount(), 16);
    EXPECT_EQ(t.totalWeight(), 138);
    EXPECT_EQ(t.quota(), 70);
    int virginia = -1;
    for (int i = 0; i < t.blocCount(); ++i)
        if (t.bloc(i).name == "Virginia")
            virginia = i;
    ASSERT_GE(virginia, 0);
    EXPECT_EQ(t.bloc(virginia).value[0], 20);
}

TEST_F(ElectoralTest, ItsMenuHasNeitherCalculationsNorRangeOfWeights)
{
    click("Other|Electoral power");
    EXPECT_EQ(ew().findCommand("Misc|Calculations"), 0);
    EXPECT_EQ(ew().findCommand("Edit|Range of weights ..."), 0);
    EXPECT_EQ(ew().findCommand("File|Exit"), 0);
    EXPECT_EQ(ew().findCommand("File|Close"), 357);
    EXPECT_NE(ew().findCommand("Calculate|Exact (fast)"), 0);
    // Even sent directly, the commands do nothing here.
    ew().click(bancmd::Calculations);
    EXPECT_EQ(win->electoralWindow()->worksheetWindow(), nullptr);
}

TEST_F(ElectoralTest, AChangedTableIsNotRefilledOrClosedWithoutAQuestion)
{
    click("Other|Electoral power");
    TPowWin* ec = win->electoralWindow();
    p.input(std::string("100"));
    ec->editCell(0, BlocTable::kWeight, false);
    ASSERT_TRUE(ec->changed());
    const Real changedTotal = ec->table().totalWeight();
    EXPECT_NE(changedTotal, 538);
    // Cancel keeps the changed table.
    p.clearMessages();
    p.answer(plat::IdCancel);
    click("Other|Electoral power");
    EXPECT_EQ(p.lastMessage(), "question: careful!: save changes to Electoral College power?");
    EXPECT_EQ(ec->table().totalWeight(), changedTotal);
    // Closing the apportionment window asks too; cancel keeps both.
    p.answer(plat::IdCancel);
    EXPECT_FALSE(win->canClose());
    // No: the table is filled again from the apportionment.
    p.answer(plat::IdNo);
    click("Other|Electoral power");
    EXPECT_EQ(ec->table().totalWeight(), 538);
    EXPECT_FALSE(ec->changed());
    EXPECT_EQ(p.unusedScript(), "");
}

TEST_F(ElectoralTest, ExactCountsBeyondSixtyFourBitsAreShownExactly)
{
    click("Other|Electoral power");
    TPowWin* ec = win->electoralWindow();
    ew().click(bancmd::Shapley);
    ew().click(bancmd::Exact);
    ASSERT_TRUE(ec->table().resultsValid());
    // 51 blocs: 51! orderings.
    const std::string fact51 = "1551118753287382280224243016469303211063259720016986112000000000000";
    const auto texts = ew().paintNow().texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), fact51), texts.end());
    ew().click(bancmd::TextOut);
    const std::string& text = ec->lastHandedText();
    EXPECT_NE(text.find(" " + fact51), std::string::npos);
    EXPECT_EQ(text.find("1551118753287382280175"), std::string::npos);
    const std::string tex = ec->table().texOutput();
    EXPECT_NE(tex.find("\\hfill " + fact51 + "&"), std::string::npos);
    // Every bloc's count is a whole number with no exponent or point, and
    // the counts add up to 51!.
    BigUint sum;
    for (int i = 0; i < ec->table().blocCount(); ++i)
        sum += ec->table().exactPivotal(i);
    EXPECT_EQ(sum.toString(), fact51);
}

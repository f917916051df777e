// Numbers are the system's own texts: written with '.' and read with '.'
// whatever language the user's desktop has. The desktop toolkit sets the C
// library's locale from the environment when it starts, so these tests
// switch the process to a comma locale (German) and compare every number
// text with the same text made under "C".
#include "apportion/appwin.h"
#include "core/qmath.h"
#include "power/banwin.h"
#include "shell/shell_fixture.h"

#include <clocale>
#include <cmath>
#include <limits>
#include <memory>
#include <cstdio>
#include <string>
#include <vector>

using namespace quan;
using namespace quan::test;

namespace {

const char* const kCommaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE"};

// Switches the whole process to a comma locale for the life of the object;
// ok() is false when none is installed.
class CommaLocale {
public:
    CommaLocale()
    {
        saved_ = std::setlocale(LC_ALL, nullptr);
        for (const char* name : kCommaLocales)
            if (std::setlocale(LC_ALL, name)) {
                ok_ = true;
                break;
            }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
    bool ok() const { return ok_; }

private:
    std::string saved_;
    bool ok_ = false;
};

// What a document window shows for the same work, as texts.
struct AppTexts {
    std::string titleHamilton, titleWebster, textOut, texOut, priority, summary, divisorEdit;
    bool operator==(const AppTexts&) const = default;
};

struct PowTexts {
    std::string banzhafText, banzhafTex, shapleyText;
    bool operator==(const PowTexts&) const = default;
};

class LocaleTest : public HeadlessTest {
protected:
    void SetUp() override
    {
        HeadlessTest::SetUp();
        frame = std::make_unique<TQuanFrame>();
        frame->registerKind(WindowKind::Apportionment,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TAppWin>(f, i); });
        frame->registerKind(WindowKind::Banzhaf,
                            [](TQuanFrame* f, const DocInit& i) { return std::make_unique<TBanWin>(f, i); });
        frame->create("");
    }
    void TearDown() override
    {
        // Nothing is saved: every window closes without asking.
        for (int i = 0; i < 40; ++i)
            p.answer(plat::IdNo);
        frame.reset();
        HeadlessTest::TearDown();
    }
    static void click(plat::Window* w, const std::string& path)
    {
        auto& hw = *static_cast<plat::HeadlessWindow*>(w);
        int id = hw.findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw.click(id);
    }
    static std::string caption(plat::Window* w) { return static_cast<plat::HeadlessWindow*>(w)->caption(); }

    // A fresh apportionment window: the 2010 census by Hamilton, then
    // Webster with a typed divisor that has a fraction, registered and
    // compared with Hamilton.
    AppTexts apportionmentTexts()
    {
        AppTexts t;
        auto* win = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, ""));
        EXPECT_NE(win, nullptr);
        if (!win)
            return t;
        t.titleHamilton = caption(win->window());
        p.input(std::string("Hamilton 2010"));
        click(win->window(), "Other|Register apportionment");
        click(win->window(), "Method|Webster");
        p.dialogText("divisor", TDivDlg::Edit, "708000.5");
        p.press("divisor", plat::IdOk);
        t.titleWebster = caption(win->window());
        t.divisorEdit = p.visibleDialog("divisor") ? p.visibleDialog("divisor")->text(TDivDlg::Edit) : "";
        p.input(std::string("Webster 2010"));
        click(win->window(), "Other|Register apportionment");
        t.textOut = win->table().textOut();
        t.texOut = win->table().texOut();
        t.priority = win->table().priorityList();
        t.summary = win->table().summary();
        return t;
    }

    // A weighted-voting window with fixed blocs, by exact counting and by
    // all cases.
    PowTexts powerTexts()
    {
        PowTexts t;
        auto* win = static_cast<TBanWin*>(frame->newWindow(WindowKind::Banzhaf, ""));
        EXPECT_NE(win, nullptr);
        if (!win)
            return t;
        EXPECT_EQ(win->table().setBlocs({9, 9, 7, 3, 1, 1}, {"A", "B", "C", "D", "E", "F"}), 0);
        EXPECT_EQ(win->table().setQuota(16), 0);
        win->tableChanged();
        click(win->window(), "Calculate|All cases");
        t.banzhafText = win->table().textOut();
        t.banzhafTex = win->table().texOutput();
        click(win->window(), "Calculate|Shapley");
        click(win->window(), "Calculate|Exact (fast)");
        t.shapleyText = win->table().textOut();
        return t;
    }

    std::unique_ptr<TQuanFrame> frame;
};

} // namespace

TEST(NumberText, FormatRealWritesPrintfsDigitsUnderTheCLocale)
{
    // Against the C library itself, under "C": widths, decimals, rounding
    // at exact and inexact halves, signs, tiny and huge values.
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const long double values[] = {0.0L, -0.0L, 0.5L, 1.5L, 2.5L, 0.125L, 0.375L, 1.005L, 2.675L, -2.675L,
                                  572466.17L, 708000.5L, 1e-7L, -1e-7L, 123456789.987654321L,
                                  309183463.0L, 1e30L, -1e30L, 3.14159265358979323846L, 0.045L,
                                  9.995L, 99.995L, 1.0L / 3, 2.0L / 3, 1e4000L};
    char buf[6000];
    for (long double v : values)
        for (int width : {0, 1, 8, 14})
            for (int decimals : {0, 1, 2, 3, 6, 12}) {
                std::snprintf(buf, sizeof buf, "%*.*Lf", width, decimals, v);
                EXPECT_EQ(formatReal(v, width, decimals), std::string(buf))
                    << "value " << static_cast<double>(v) << " width " << width << " decimals " << decimals;
            }
    // Many values from the shared generator, in every magnitude the tables
    // show (populations, quotas, divisors, percentages).
    Random r;
    r.seed(20261207);
    for (int i = 0; i < 20000; ++i) {
        long double scale = std::pow(10.0L, r.below(19) - 9);
        long double v = (static_cast<long double>(r.next()) / 2147483647.0L) * scale;
        if (r.bit())
            v = -v;
        int decimals = r.below(9);
        int width = r.below(16);
        std::snprintf(buf, sizeof buf, "%*.*Lf", width, decimals, v);
        ASSERT_EQ(formatReal(v, width, decimals), std::string(buf)) << static_cast<double>(v) << " " << decimals;
    }
    // Not-a-numbers and the clamped widths and decimals.
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    for (long double v : {nan, -nan}) {
        std::snprintf(buf, sizeof buf, "%7.3Lf", v);
        EXPECT_EQ(formatReal(v, 7, 3), std::string(buf));
    }
    std::snprintf(buf, sizeof buf, "%200.40Lf", -1.25L);
    EXPECT_EQ(formatReal(-1.25L, 250, 60), std::string(buf));
    std::snprintf(buf, sizeof buf, "%0.0Lf", 2.5L);
    EXPECT_EQ(formatReal(2.5L, -5, -3), std::string(buf));
    std::snprintf(buf, sizeof buf, "%6.2Lf", std::numeric_limits<long double>::infinity());
    EXPECT_EQ(formatReal(std::numeric_limits<long double>::infinity(), 6, 2), std::string(buf));
    std::snprintf(buf, sizeof buf, "%6.2Lf", -std::numeric_limits<long double>::infinity());
    EXPECT_EQ(formatReal(-std::numeric_limits<long double>::infinity(), 6, 2), std::string(buf));
    // Two-digit row numbers as "%02d" writes them.
    for (long long n : {0LL, 1LL, 9LL, 10LL, 99LL, 100LL, -3LL, 12345LL}) {
        std::snprintf(buf, sizeof buf, "%02lld", n);
        EXPECT_EQ(formatInt(n, 2, '0'), std::string(buf));
        std::snprintf(buf, sizeof buf, "%5lld", n);
        EXPECT_EQ(formatInt(n, 5), std::string(buf));
    }
}

TEST(NumberText, ParseRealReadsWhatStrtoldReadsUnderTheCLocale)
{
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const char* accepted[] = {"0.5", "575000.5", "1e3", "  42  ", "-7.25", "+3", ".5", "5.", "1E-3",
                              "0x1A", "-0x10", "708000.50", "00012", "\t9\n", "1e-5000", "1.5e-4950",
                              "0x1.8p1"};
    for (const char* s : accepted) {
        Real v = -1;
        ASSERT_TRUE(parseReal(s, v)) << s;
        EXPECT_EQ(v, std::strtold(s, nullptr)) << s;
    }
    const char* refused[] = {"", "   ", "0,5", "1,000", "1e", "e3", "abc", "1.2.3", "--1", "+-1", "- 1",
                             "inf", "nan", "infinity", "1e99999", "12a", "0x", "."};
    for (const char* s : refused) {
        Real v = 17;
        EXPECT_FALSE(parseReal(s, v)) << s;
        EXPECT_EQ(v, 17) << s; // nothing written on refusal
    }
    long long n = 0;
    EXPECT_TRUE(parseInt("1e3", n));
    EXPECT_EQ(n, 1000);
    EXPECT_FALSE(parseInt("2.5", n));
}

TEST(NumberText, CommaLocaleChangesNothing)
{
    CommaLocale de;
    if (!de.ok())
        GTEST_SKIP() << "no German locale installed (the set-up installs locales-all)";
    // The C library now writes a comma: the system's texts must not.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", 0.5);
    ASSERT_EQ(std::string(buf), "0,50") << "the locale did not switch";
    EXPECT_EQ(formatReal(572466.17L, 4, 2), "572466.17");
    EXPECT_EQ(formatReal(-2.0L, 0, 1), "-2.0");
    Real v = 0;
    EXPECT_TRUE(parseReal("0.5", v));
    EXPECT_EQ(v, 0.5L);
    EXPECT_TRUE(parseReal("575000.5", v));
    EXPECT_EQ(v, 575000.5L);
    EXPECT_TRUE(parseReal("1e3", v));
    EXPECT_EQ(v, 1000.0L);
    v = 3;
    EXPECT_FALSE(parseReal("0,5", v));
    EXPECT_EQ(v, 3);
    EXPECT_EQ(toUpper("straße é"), "STRAßE é");
}

TEST_F(LocaleTest, ApportionmentTextsAreTheSameUnderACommaLocale)
{
    const AppTexts c = apportionmentTexts();
    EXPECT_EQ(c.titleHamilton, "noname1.hor [Hamilton]");
    EXPECT_EQ(c.titleWebster, "noname1.hor [Webster; 708000.50 correct divisor]");
    EXPECT_NE(c.texOut.find("\\"), std::string::npos);
    AppTexts de;
    {
        CommaLocale comma;
        if (!comma.ok())
            GTEST_SKIP() << "no German locale installed (the set-up installs locales-all)";
        de = apportionmentTexts();
    }
    EXPECT_EQ(de.titleHamilton, "noname2.hor [Hamilton]");
    de.titleHamilton = c.titleHamilton;
    EXPECT_EQ(de.titleWebster, "noname2.hor [Webster; 708000.50 correct divisor]");
    de.titleWebster = c.titleWebster;
    EXPECT_EQ(de.divisorEdit, c.divisorEdit);
    EXPECT_EQ(de.textOut, c.textOut);
    EXPECT_EQ(de.texOut, c.texOut);
    EXPECT_EQ(de.priority, c.priority);
    EXPECT_EQ(de.summary, c.summary);
}

TEST_F(LocaleTest, DivisorEntriesAreReadTheSameUnderACommaLocale)
{
    // Each entry typed into the divisor dialog and applied: what the
    // window then shows (title, divisor, the dialog's own text, messages).
    auto run = [this]() {
        std::vector<std::string> seen;
        auto* win = static_cast<TAppWin*>(frame->newWindow(WindowKind::Apportionment, ""));
        EXPECT_NE(win, nullptr);
        if (!win)
            return seen;
        click(win->window(), "Method|Webster");
        for (const char* entry : {"575000.5", "0.5", "1e3", "0,5", "708000.25", "7,08e5", " 710000.125 "}) {
            const size_t before = p.messages().size();
            p.dialogText("divisor", TDivDlg::Edit, entry);
            p.press("divisor", plat::IdOk);
            std::string caption = static_cast<plat::HeadlessWindow*>(win->window())->caption();
            seen.push_back(std::string(entry) + " -> " + caption.substr(caption.find('[')) + " | " +
                           formatReal(win->table().divisor(), 0, 6) + " | " +
                           p.visibleDialog("divisor")->text(TDivDlg::Edit) + " | " +
                           (p.messages().size() > before ? p.lastMessage() : std::string("no message")));
        }
        return seen;
    };
    const std::vector<std::string> c = run();
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(c[0], "575000.5 -> [Webster; 575000.50 incorrect divisor] | 575000.500000 | 575000.500 | no message");
    EXPECT_EQ(c[1].substr(c[1].rfind('|')), "| message: hmm ...: out of bounds");
    EXPECT_EQ(c[3].substr(c[3].rfind('|')), "| message: hmm ...: cannot understand");
    EXPECT_EQ(c[4], "708000.25 -> [Webster; 708000.25 correct divisor] | 708000.250000 | 708000.250 | no message");
    EXPECT_EQ(c[5].substr(c[5].rfind('|')), "| message: hmm ...: cannot understand");
    std::vector<std::string> de;
    {
        CommaLocale comma;
        if (!comma.ok())
            GTEST_SKIP() << "no German locale installed (the set-up installs locales-all)";
        de = run();
    }
    EXPECT_EQ(de, c);
}

TEST_F(LocaleTest, WeightedVotingTextsAreTheSameUnderACommaLocale)
{
    const PowTexts c = powerTexts();
    EXPECT_NE(c.banzhafText.find('.'), std::string::npos);
    PowTexts de;
    {
        CommaLocale comma;
        if (!comma.ok())
            GTEST_SKIP() << "no German locale installed (the set-up installs locales-all)";
        de = powerTexts();
    }
    EXPECT_EQ(de.banzhafText, c.banzhafText);
    EXPECT_EQ(de.banzhafTex, c.banzhafTex);
    EXPECT_EQ(de.shapleyText, c.shapleyText);
}

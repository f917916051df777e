// The exported demo picture through real readers: ghostscript for EPS,
// xmllint and librsvg for SVG, tex and pdflatex (with PiCTeX and animate)
// for PicTeX. Each test skips when its reader is not installed.
#include "export_helpers.h"

#include <regex>

using namespace quan;
using testexport::haveTool;
using testexport::run;

namespace {

std::string q(const std::string& s) { return "'" + s + "'"; }

// The demo label as UTF-8.
const std::string kLabelUtf8 = "Qu\xC3\xA9"
                               "bec \xE2\x80\x93 (a\\b) & <c>";

// Points of a TeX dimension in a log ("123.45pt").
double points(const std::string& log, const std::string& key)
{
    std::smatch m;
    std::regex re(key + ":(-?[0-9.]+)pt");
    if (!std::regex_search(log, m, re))
        return -1;
    return std::stod(m[1]);
}

} // namespace

TEST_F(ExportWindowTest, GhostscriptReadsTheEpsWithinItsBox)
{
    if (!haveTool("gs"))
        GTEST_SKIP() << "ghostscript is not installed";
    w->printFormat().frameImage = true;
    ASSERT_TRUE(exportDemo("EPS", dir + "/one.eps", 1));
    ASSERT_TRUE(exportDemo("EPS", dir + "/many.eps", 12));
    // 640 x 480 pixels: a page of 480 x 360 points; the picture reaches past
    // the view (the dash styles run off the top), the frame lies one point out.
    for (const char* name : {"one.eps", "many00.eps", "many07.eps"}) {
        std::string out;
        ASSERT_EQ(run("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=bbox " + q(dir + "/" + name), &out), 0) << out;
        EXPECT_EQ(out.find("Error"), std::string::npos) << out;
        std::smatch m;
        ASSERT_TRUE(std::regex_search(out, m, std::regex(R"(%%HiResBoundingBox: (\S+) (\S+) (\S+) (\S+))"))) << out;
        EXPECT_GE(std::stod(m[1]), -1.05) << name;
        EXPECT_GE(std::stod(m[2]), -1.05) << name;
        EXPECT_LE(std::stod(m[3]), 481.05) << name;
        EXPECT_LE(std::stod(m[4]), 361.05) << name;
        EXPECT_GT(std::stod(m[3]), 470) << name;
    }
}

TEST_F(ExportWindowTest, GhostscriptGivesTheLabelBack)
{
    if (!haveTool("gs"))
        GTEST_SKIP() << "ghostscript is not installed";
    ASSERT_TRUE(exportDemo("EPS", dir + "/pic.eps", 1));
    std::string out;
    ASSERT_EQ(run("gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite -sOutputFile=- " + q(dir + "/pic.eps"), &out), 0);
    EXPECT_NE(out.find(kLabelUtf8), std::string::npos) << out;
    EXPECT_NE(out.find("east"), std::string::npos);
}

TEST_F(ExportWindowTest, XmllintAcceptsTheSvgAndFindsItsParts)
{
    if (!haveTool("xmllint"))
        GTEST_SKIP() << "xmllint is not installed";
    ASSERT_TRUE(exportDemo("SVG", dir + "/one.svg", 1));
    ASSERT_TRUE(exportDemo("SVG", dir + "/many.svg", 12));
    auto xpath = [&](const std::string& name, const std::string& expr) {
        std::string out;
        EXPECT_EQ(run("xmllint --xpath " + q(expr) + " " + q(dir + "/" + name), &out), 0) << expr << out;
        while (!out.empty() && out.back() == '\n')
            out.pop_back();
        return out;
    };
    for (const char* name : {"one.svg", "many00.svg", "many11.svg"}) {
        std::string out;
        EXPECT_EQ(run("xmllint --noout " + q(dir + "/" + name), &out), 0) << out;
        EXPECT_EQ(xpath(name, "string(/*[local-name()=\"svg\"]/@viewBox)"), "0 0 640 480");
        EXPECT_EQ(xpath(name, "string(/*/@preserveAspectRatio)"), "xMidYMid meet");
        EXPECT_EQ(xpath(name, "string(/*/*[local-name()=\"title\"])"), "VELdra");
        // 48 circle segments, 5 dash styles, the radius, the axes and ticks.
        EXPECT_GE(std::stoi(xpath(name, "count(//*[local-name()=\"line\"])")), 54 + 20);
        EXPECT_EQ(xpath(name, "count(//*[local-name()=\"text\"])"), "23");
        EXPECT_EQ(xpath(name, "count(//*[local-name()=\"g\"][@transform])"), "2");
        EXPECT_EQ(xpath(name, "normalize-space(//*[local-name()=\"text\"][contains(., \"bec\")])"), kLabelUtf8);
        // The patterns' ids are unique, and every fill refers to one.
        std::string patterns = xpath(name, "count(//*[local-name()=\"pattern\"])");
        EXPECT_EQ(patterns, "3");
        EXPECT_EQ(xpath(name, "count(//*[local-name()=\"pattern\"][not(@id = preceding::*[local-name()=\"pattern\"]/@id)])"),
                  patterns);
        EXPECT_EQ(xpath(name, "count(//*[starts-with(@fill, \"url(#\")])"), patterns);
    }
    // Hyphen to minus puts character 150 into the negative scale labels:
    // still well formed, and an en dash for the reader.
    w->axes().hyphenToMinus = true;
    ASSERT_TRUE(exportDemo("SVG", dir + "/minus.svg", 1));
    std::string out;
    EXPECT_EQ(run("xmllint --noout " + q(dir + "/minus.svg"), &out), 0) << out;
    EXPECT_EQ(xpath("minus.svg", "count(//*[local-name()=\"text\"][normalize-space(.) = \"\xE2\x80\x93" "3.0\"])"), "2");
    // Pattern ids go on counting through the pages of one export.
    EXPECT_EQ(xpath("many00.svg", "string(//*[local-name()=\"pattern\"][1]/@id)"), "fpat000");
    EXPECT_EQ(xpath("many01.svg", "string(//*[local-name()=\"pattern\"][1]/@id)"), "fpat003");
}

TEST_F(ExportWindowTest, LibrsvgDrawsTheSvg)
{
    if (!haveTool("rsvg-convert") || !haveTool("pdftoppm"))
        GTEST_SKIP() << "rsvg-convert or pdftoppm is not installed";
    ASSERT_TRUE(exportDemo("SVG", dir + "/pic.svg", 1));
    std::string out;
    ASSERT_EQ(run("rsvg-convert -f pdf -o " + q(dir + "/pic.pdf") + " " + q(dir + "/pic.svg"), &out), 0) << out;
    ASSERT_EQ(run("pdftoppm -r 96 -aa no -aaVector no -singlefile " + q(dir + "/pic.pdf") + " " + q(dir + "/pic"), &out),
              0)
        << out;
    std::string ppm = testexport::readFile(dir + "/pic.ppm");
    ASSERT_GT(ppm.size(), 640u * 480u * 3u);
    // Count the pixels that are not white after the three header lines.
    size_t at = 0;
    for (int lines = 0; lines < 3 && at != std::string::npos; ++lines)
        at = ppm.find('\n', at) + 1;
    size_t inked = 0;
    for (size_t i = at; i + 2 < ppm.size(); i += 3)
        inked += !(ppm[i] == '\xff' && ppm[i + 1] == '\xff' && ppm[i + 2] == '\xff');
    EXPECT_GT(inked, 5000u);
}

TEST_F(ExportWindowTest, TexAndPdflatexCompileEveryMode)
{
    if (!haveTool("tex") || !haveTool("pdflatex") || !haveTool("kpsewhich") || run("kpsewhich pictex.tex") != 0)
        GTEST_SKIP() << "tex, pdflatex or PiCTeX is not installed";
    // Without the axes every part of the demo lies inside the view: the box
    // is the chosen 8 cm (227.62 pt) by 8 cm 480/640 (170.72 pt).
    w->toggleAxes();
    for (int mode = 0; mode <= 3; ++mode) {
        p.file(dir + "/pic" + formatInt(mode) + ".tex");
        p.press("PICTEX", texctl::ModeFirst + mode);
        p.press("PICTEX", 1);
        click("Export graphics|PiCTeX");
        ASSERT_EQ(p.lastMessage(), "message: success: TeX file saved");
    }
    auto write = [&](const std::string& name, const std::string& text) {
        ASSERT_TRUE(writeFileAtomically(dir + "/" + name, text));
    };
    const std::string measure0 = "\\message{BOX:\\the\\wd0:HT:\\the\\ht0:DP:\\the\\dp0:}";
    write("wrap0.tex", "\\input pictex\n\\input pic0.tex\n\\setbox0=\\box1\n" + measure0 + "\n\\box0\n\\bye\n");
    write("wrap3.tex", "\\input pictex\n\\setbox0=\\hbox{\\input pic3.tex }\n" + measure0 + "\n\\box0\n\\bye\n");
    write("wrap1.tex", "\\documentclass{article}\n\\begin{document}\n\\setbox0=\\vbox{\\input{pic1.tex}}\n" + measure0 +
                           "\n\\box0\n\\end{document}\n");
    const std::string cd = "cd " + q(dir) + " && ";
    const std::string texRun = "tex -interaction=nonstopmode -halt-on-error ";
    for (const char* job : {"wrap0", "wrap3", "pic2"}) {
        std::string out;
        EXPECT_EQ(run(cd + texRun + job + " </dev/null", &out), 0) << job << out;
        if (std::string(job) != "pic2") {
            EXPECT_NEAR(points(out, "BOX"), 227.62, 3) << job << out;
            EXPECT_NEAR(points(out, "HT") + points(out, "DP"), 170.72, 3) << job;
        }
    }
    std::string out;
    EXPECT_EQ(run(cd + "pdflatex -interaction=nonstopmode -halt-on-error wrap1 </dev/null", &out), 0) << out;
    EXPECT_NEAR(points(out, "BOX"), 227.62, 3) << out;
    EXPECT_NEAR(points(out, "HT") + points(out, "DP"), 170.72, 3);
}

TEST_F(ExportWindowTest, PdflatexAnimatesTheIndex)
{
    if (!haveTool("pdflatex") || run("kpsewhich animate.sty pictex.sty") != 0)
        GTEST_SKIP() << "pdflatex, animate or PiCTeX is not installed";
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/pic.tex", 12));
    ASSERT_TRUE(writeFileAtomically(dir + "/doc.tex", "\\documentclass{article}\n\\usepackage{pictex}\n"
                                                      "\\usepackage{animate}\n\\begin{document}\n"
                                                      "\\input{picANIM.tex}\n\\end{document}\n"));
    std::string out;
    EXPECT_EQ(run("cd " + q(dir) + " && pdflatex -interaction=nonstopmode -halt-on-error doc </dev/null", &out), 0)
        << out;
    EXPECT_TRUE(fileExists(dir + "/doc.pdf"));
}

TEST_F(ExportWindowTest, TexPrintsTheLabelAsItself)
{
    if (!haveTool("pdftex") || !haveTool("pdftotext") || run("kpsewhich pictex.tex") != 0)
        GTEST_SKIP() << "pdftex, pdftotext or PiCTeX is not installed";
    p.file(dir + "/pic.tex");
    p.press("PICTEX", texctl::ModeFirst + 2);
    p.press("PICTEX", 1);
    click("Export graphics|PiCTeX");
    ASSERT_EQ(p.lastMessage(), "message: success: TeX file saved");
    const std::string cd = "cd " + q(dir) + " && ";
    std::string out;
    ASSERT_EQ(run(cd + "pdftex -interaction=nonstopmode -halt-on-error pic </dev/null", &out), 0) << out;
    ASSERT_EQ(run(cd + "pdftotext -raw pic.pdf -", &out), 0) << out;
    // TeX puts the accent over the letter: "e" and the combining acute.
    for (size_t at = out.find("e\xCC\x81"); at != std::string::npos; at = out.find("e\xCC\x81", at))
        out.replace(at, 3, "\xC3\xA9");
    EXPECT_NE(out.find(kLabelUtf8), std::string::npos) << out;
}

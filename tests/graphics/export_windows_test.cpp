// The picture export commands on the demo picture: file names, the
// settings dialog, overwrite questions, failures and the animation lists.
#include "export_helpers.h"

TEST_F(ExportWindowTest, SmokeWritesAllThreeFormats)
{
    ASSERT_TRUE(exportDemo("EPS", dir + "/demo.eps", 1));
    ASSERT_TRUE(exportDemo("SVG", dir + "/demo.svg", 1));
    ASSERT_TRUE(exportDemo("PiCTeX", dir + "/demo.tex", 1));
    EXPECT_TRUE(exists("demo.eps"));
}

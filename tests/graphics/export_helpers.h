// Shared by the export tests: a demo picture window on the headless
// platform with the export commands registered, a scratch folder, file
// reading and running the real readers.
#pragma once

#include "core/fileio.h"
#include "graphics/demopicwin.h"
#include "graphics/export/picture_export.h"
#include "platform/headless.h"
#include "resources/strings.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace testexport {

inline std::string readFile(const std::string& path)
{
    std::string s;
    quan::readWholeFile(path, s);
    return s;
}

// True when the program is on the PATH.
inline bool haveTool(const std::string& name)
{
    return std::system(("command -v " + name + " >/dev/null 2>&1").c_str()) == 0;
}

// Runs a shell command; its exit status, with its output in `out`.
inline int run(const std::string& cmd, std::string* out = nullptr)
{
    std::string full = cmd + " 2>&1";
    std::FILE* p = popen(full.c_str(), "r");
    if (!p)
        return -1;
    std::string text;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        text.append(buf, n);
    int status = pclose(p);
    if (out)
        *out = text;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A fresh folder under the build tree for one test: named after the test
// too, since ctest runs the tests of a suite side by side.
inline std::string scratchFolder(const std::string& name)
{
    namespace fs = std::filesystem;
    std::string test = "none";
    if (const auto* info = ::testing::UnitTest::GetInstance()->current_test_info())
        test = info->name();
    fs::path d = fs::path(QUANDEL_BINARY_DIR) / "exporttmp" / name / test;
    std::error_code ec;
    fs::remove_all(d, ec);
    fs::create_directories(d, ec);
    return d.string();
}

} // namespace testexport

class ExportWindowTest : public ::testing::Test {
protected:
    ExportWindowTest()
    {
        quan::plat::Platform::install(&p);
        quan::registerPictureExports();
        p.setLongDate("Monday, December 7, 2026");
        w = quan::makeWindow<quan::TDemoPicWin>(nullptr, quan::DocInit{});
        hw = static_cast<quan::plat::HeadlessWindow*>(w->window());
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = testexport::scratchFolder(std::string(info->test_suite_name()) + "." + info->name());
    }
    ~ExportWindowTest() override
    {
        w.reset();
        quan::unregisterPictureExports();
        quan::plat::Platform::install(nullptr);
    }
    void click(const std::string& path)
    {
        int id = hw->findCommand(path);
        ASSERT_NE(id, 0) << path;
        hw->click(id);
    }
    // Exports the demo through the menu: the file dialog answered with
    // `file`, the settings dialog with `pages` pages (typed as given).
    bool exportDemo(const std::string& format, const std::string& file, int pages)
    {
        p.clearMessages();
        p.file(file);
        const std::string n = quan::formatInt(pages);
        if (format == "PiCTeX")
            p.dialogText("PICTEX", 220, pages > 1 ? "1" : "0");
        p.dialogText("PICTEX", 221, n);
        p.press("PICTEX", 1);
        click("Export graphics|" + format);
        return !p.messages().empty() && p.lastMessage().rfind("message: success: ", 0) == 0;
    }
    bool exists(const std::string& name) const { return quan::fileExists(dir + "/" + name); }
    std::string file(const std::string& name) const { return testexport::readFile(dir + "/" + name); }

    quan::plat::HeadlessPlatform p;
    std::unique_ptr<quan::TDemoPicWin> w;
    quan::plat::HeadlessWindow* hw = nullptr;
    std::string dir;
};

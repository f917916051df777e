// A headless platform installed for the duration of a test, and a small
// document window whose document is a line of text.
#pragma once

#include "core/fileio.h"
#include "platform/headless.h"
#include "shell/filemsgwin.h"
#include "shell/quanframe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quan::test {

class HeadlessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = std::filesystem::temp_directory_path() /
              ("quandel-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        p.setSettingsDirectory(dir.string());
        plat::Platform::install(&p);
    }
    void TearDown() override
    {
        p.flush();
        plat::Platform::install(nullptr);
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string path(const std::string& name) const { return (dir / name).string(); }

    plat::HeadlessPlatform p;
    std::filesystem::path dir;
};

// A document window whose document is one string.
class LineDoc : public TFileMsgWin {
public:
    using TFileMsgWin::TFileMsgWin;
    std::string content = "hello";
    int reads = 0, writes = 0;
    int readDocument(const std::string& path) override
    {
        ++reads;
        std::string bytes;
        if (!readWholeFile(path, bytes))
            return 11;
        content = bytes;
        return 0;
    }
    bool writeDocument(const std::string& path) override
    {
        ++writes;
        return writeFileAtomically(path, content);
    }
};

inline TQuanFrame::Factory lineDocFactory()
{
    return [](TQuanFrame* f, const DocInit& init) { return std::make_unique<LineDoc>(f, init); };
}

} // namespace quan::test

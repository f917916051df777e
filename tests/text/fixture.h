// The headless desktop every window test of the text windows runs on.
#pragma once

#include "platform/headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace texttest {

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() { quan::plat::Platform::install(&p); }
    ~HeadlessTest() override { quan::plat::Platform::install(nullptr); }

    quan::plat::HeadlessWindow& win(quan::plat::Window* w) { return *static_cast<quan::plat::HeadlessWindow*>(w); }

    // A fresh scratch folder for this test.
    std::filesystem::path scratch()
    {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        auto dir = std::filesystem::temp_directory_path() /
                   (std::string("quandel-text-") + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        return dir;
    }

    static std::string slurp(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void spit(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary);
        out << bytes;
    }

    quan::plat::HeadlessPlatform p;
};

} // namespace texttest

#pragma once
// Runs the data tool in-process over a data folder that holds the shipped seed settings.

#include "data_tool.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace sgtest {

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

class DataToolFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy_file(
            std::filesystem::path(SKYGLASS_SOURCE_DIR) / "data" / "Skyglass.ini",
            m_dir / "Skyglass.ini");
    }

    ToolRun run(std::vector<std::string> args, const char* now = "2026-12-05 14:08:35")
    {
        args.insert(args.begin(), { "--data-dir", m_dir.path().string(), "--now", now });
        std::ostringstream out, err;
        const int code = sg::tool::runDataTool(args, "/nonexistent", out, err);
        return { code, out.str(), err.str() };
    }

    TempDir m_dir;
};

} // namespace sgtest

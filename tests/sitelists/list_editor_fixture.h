#pragma once
// An open list editor over a temporary user data folder, with a prompter that records every
// text it shows and answers questions from a script.

#include "list_test_files.h"
#include "sitelists/list_editor.h"

#include <deque>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sgtest {

// Records "OK: text" for a report and "YN: text" for a question.
class ScriptedPrompter final : public sg::ListEditorPrompter {
public:
    void tell(const std::string& text) override { shown.push_back("OK: " + text); }
    bool ask(const std::string& text) override
    {
        shown.push_back("YN: " + text);
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string> shown;
    std::deque<bool> answers; // Yes when empty
};

using Pages = std::vector<std::pair<std::string, std::string>>;

class ListEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(lists());
        std::filesystem::create_directory(backupDir());
        settings.EditorBackupEnabled = 1;
        tips = sg::makeToolTipTexts(settings);
    }

    std::filesystem::path lists() const { return m_dir / "SiteLists"; }
    std::filesystem::path backupDir() const { return m_dir / "BU_SiteLists"; }
    std::filesystem::path undoDir() const { return m_dir / "UnDo_SiteLists"; }
    std::filesystem::path catList() const { return lists() / "CatList.dab"; }
    std::filesystem::path siteFile(int n) const
    {
        return lists() / ("Sites0000" + std::to_string(n) + ".dab");
    }

    // CatList.dab with these categories numbered 1, 2, ... and their site files.
    void writeLists(const std::vector<std::pair<std::string, Pages>>& categories)
    {
        sg::Bytes cat;
        for (std::size_t i = 0; i < categories.size(); ++i) {
            cat = cat + categoryBytes(categories[i].first, static_cast<std::uint8_t>(i + 1));
            writeBytes(siteFile(static_cast<int>(i + 1)), pagesBytes(categories[i].second));
        }
        writeBytes(catList(), cat);
    }
    static sg::Bytes pagesBytes(const Pages& pages)
    {
        sg::Bytes bytes;
        for (const auto& [name, url] : pages)
            bytes = bytes + siteBytes(name, url);
        return bytes;
    }

    sg::ListEditor& open()
    {
        m_editor.emplace(sg::ListEditorEnvironment { m_dir.path(), settings, tips, clock, prompter,
            modal, handOff, "/favs", pageTitle, pageUrl });
        m_editor->open();
        return *m_editor;
    }
    sg::ListEditor& editor() { return *m_editor; }
    const sg::ListEditorView& view() const { return m_editor->view(); }
    std::vector<std::string> siteNames() const
    {
        std::vector<std::string> names;
        for (const auto& row : view().sites)
            names.push_back(row.name);
        return names;
    }

    TempDir m_dir;
    sg::Settings settings;
    sg::ToolTipTexts tips;
    sg::FixedClock clock { { 2026, 12, 5, 15, 4, 5 } };
    ScriptedPrompter prompter;
    bool modal = false;
    bool handOff = false;
    std::string pageTitle = "Radar";
    std::string pageUrl = "http://radar";
    std::optional<sg::ListEditor> m_editor;
};

} // namespace sgtest

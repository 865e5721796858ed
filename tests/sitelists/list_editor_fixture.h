#pragma once
// An open list editor over a temporary user data folder, with a prompter that records every
// text it shows and answers questions from a script.

#include "list_test_files.h"
#include "sitelists/list_editor.h"

#include <deque>
#include <optional>

namespace sgtest {

using Strings = std::vector<std::string>;

// Records "OK: text" for a report and "YN: text" for a question.
class ScriptedPrompter final : public sg::ListEditorPrompter {
public:
    void tell(const std::string& text) override { shown.push_back("OK: " + text); }
    bool ask(const std::string& text) override
    {
        shown.push_back("YN: " + text);
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty())
            answers.pop_front();
        return answer;
    }
    Strings shown;
    std::deque<bool> answers; // Yes when empty
};

class ListEditorTest : public ListFolderTest {
protected:
    void SetUp() override
    {
        ListFolderTest::SetUp();
        std::filesystem::create_directory(backupDir());
        settings.EditorBackupEnabled = 1;
        tips = sg::makeToolTipTexts(settings);
    }

    std::filesystem::path backupDir() const { return m_dir / "BU_SiteLists"; }
    std::filesystem::path undoDir() const { return m_dir / "UnDo_SiteLists"; }

    sg::ListEditor& open()
    {
        m_editor.emplace(sg::ListEditorEnvironment {
            data(), settings, tips, clock, prompter, modal, handOff, "/favs", pageTitle, pageUrl });
        m_editor->open();
        return *m_editor;
    }
    sg::ListEditor& editor() { return *m_editor; }
    const sg::ListEditorView& view() const { return m_editor->view(); }
    Strings siteNames() const
    {
        Strings names;
        for (const auto& row : view().sites)
            names.push_back(row.name);
        return names;
    }

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

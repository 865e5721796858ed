#pragma once
// The list editor's reports and questions as message boxes over the editor window.

#include "sitelists/list_editor_prompter.h"

class QWidget;

namespace sg::ui {

class ListEditorMessageBoxes final : public ListEditorPrompter {
public:
    explicit ListEditorMessageBoxes(QWidget* parent)
        : m_parent(parent)
    {
    }

    void tell(const std::string& text) override;
    bool ask(const std::string& text) override;
    // While set, reports are shown once the current event has returned: a box must not
    // open inside the end of an edit in place.
    void setDeferReports(bool defer) { m_deferReports = defer; }

private:
    QWidget* m_parent;
    bool m_deferReports = false;
};

} // namespace sg::ui

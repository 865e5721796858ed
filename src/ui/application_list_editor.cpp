// The application's side of the list editor.

#include "ui/application.h"
#include "ui/list_editor_window.h"

#include <QApplication>

namespace sg::ui {
namespace {

// A new editor, opened over the active window.
void showListEditor(Application& app, ListEditorWindowSetup setup)
{
    // No parent: a main window that closes under it (a killed pop-up) must not take the
    // editor with it before it has cleared ModalWindowOpen.
    auto* editor = new ListEditorWindow(std::move(setup));
    app.windows().listEditor = editor;
    QObject::connect(
        editor, &ListEditorWindow::editorClosed, &app, [&app] { app.refillSiteSelectors(); });
    editor->openEditor(QApplication::activeWindow());
}

// The editor is modal, so a second opening can only come from code: the open one stays.
bool raiseOpenEditor(ListEditorWindow* editor)
{
    if (!editor)
        return false;
    editor->raise();
    editor->activateWindow();
    return true;
}

} // namespace

void Application::openListEditor(const std::string& pageTitle, const std::string& pageUrl)
{
    if (raiseOpenEditor(m_windows.listEditor))
        return;
    m_historyHandOff = false;
    showListEditor(*this,
        { m_shared.paths.UserDataDir, m_shared.settings, m_shared.toolTips, m_clock,
            m_shared.ModalWindowOpen, m_historyHandOff, m_shared.paths.FavoritesDir, pageTitle,
            pageUrl, {} });
}

void Application::openListEditorFromHistory(const std::vector<HistoryHandOffRow>& rows)
{
    if (raiseOpenEditor(m_windows.listEditor))
        return;
    m_historyHandOff = true;
    showListEditor(*this,
        { m_shared.paths.UserDataDir, m_shared.settings, m_shared.toolTips, m_clock,
            m_shared.ModalWindowOpen, m_historyHandOff, m_shared.paths.FavoritesDir, {}, {},
            rows });
}

} // namespace sg::ui

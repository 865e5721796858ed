// The application's side of the list editor.

#include "ui/application.h"
#include "ui/list_editor_window.h"
#include "ui/main_window.h"

#include <QApplication>

namespace sg::ui {
namespace {

// Every open main window refills its site selector from the list files.
void reloadSelectors(SelectorReload reload)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<MainWindow*>(w);
        if (!window)
            continue;
        if (reload == SelectorReload::Separate)
            window->logic().loadSeparateSelectors();
        else
            window->logic().loadSingleSelector();
    }
}

// A new editor, opened over the active window.
void showListEditor(Application& app, ListEditorWindow*& editor, ListEditorWindowSetup setup)
{
    // No parent: a main window that closes under it (a killed pop-up) must not take the
    // editor with it before it has cleared ModalWindowOpen.
    auto* form = new ListEditorWindow(std::move(setup));
    editor = form;
    QObject::connect(form, &ListEditorWindow::editorClosed, &app, &reloadSelectors);
    QObject::connect(form, &QObject::destroyed, &app, [&editor, form] {
        if (editor == form)
            editor = nullptr;
    });
    form->openEditor(QApplication::activeWindow());
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
    if (raiseOpenEditor(m_listEditor))
        return;
    m_historyHandOff = false;
    showListEditor(*this, m_listEditor,
        { m_shared.paths.UserDataDir, m_shared.settings, m_shared.toolTips, m_clock,
            m_shared.ModalWindowOpen, m_historyHandOff, m_shared.paths.FavoritesDir, pageTitle,
            pageUrl, {} });
}

void Application::openListEditorFromHistory(const std::vector<HistoryHandOffRow>& rows)
{
    if (raiseOpenEditor(m_listEditor))
        return;
    m_historyHandOff = true;
    showListEditor(*this, m_listEditor,
        { m_shared.paths.UserDataDir, m_shared.settings, m_shared.toolTips, m_clock,
            m_shared.ModalWindowOpen, m_historyHandOff, m_shared.paths.FavoritesDir, {}, {},
            rows });
}

} // namespace sg::ui

#pragma once
// ListEditorWindow, the list editor window: owns its controls, forwards each event to ListEditor in
// one call and paints the editor's view. It is application-modal and deletes itself when
// it closes.

#include "sitelists/list_editor.h"
#include "ui/list_editor_message_boxes.h"

#include <QDialog>
#include <QSize>
#include <array>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace sg::ui {

// What the application hands the editor; the references outlive the window.
struct ListEditorWindowSetup {
    std::filesystem::path userDataDir;
    Settings& settings;
    const ToolTipTexts& toolTips;
    const Clock& clock;
    bool& ModalWindowOpen;
    bool& HistoryHandOff;
    std::string FavoritesDir;
    std::string ListEditorPageTitle;
    std::string ListEditorPageUrl;
    // The rows selected in the History window when it opened the editor.
    std::vector<HistoryHandOffRow> historyRows;
};

class ListEditorWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ListEditorWindow(ListEditorWindowSetup setup, QWidget* parent = nullptr);
    ~ListEditorWindow() override;

    ListEditor& logic() { return *m_logic; }
    // Loads the lists, takes the stored size and column widths, and shows the window
    // centred over the opener (the screen when none).
    void openEditor(QWidget* opener);

    QWidget* control(EditorControl c) const { return m_controls[static_cast<std::size_t>(c)]; }
    QTreeWidget* list(EditorList which) const;
    QComboBox* destinationSelector() const { return m_destination; }
    QMenu* popupMenu() const { return m_menu; }
    QAction* menuAction(EditorMenuItem item) const
    {
        return m_menuActions[static_cast<std::size_t>(item)];
    }

signals:
    // The window has closed: the main windows refill their site selectors.
    void editorClosed();

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenu();
    void connectControls();
    QPushButton* button(EditorControl c) const;
    // Runs one event of the logic and paints what it left.
    template <typename F> void run(F&& event);
    void paint();
    void paintText(EditorControl textBox);
    void paintCategories();
    void paintSites();
    void paintDestination();
    void applyFont();
    void fitMinimumSize();
    void placeOver(QWidget* opener);
    void layoutControls();
    void importFavorites();
    // The bookmark file chosen in a file dialog to read (AcceptOpen) or write (AcceptSave);
    // empty when cancelled.
    QString chooseBookmarkFile(int acceptMode);
    void importBookmarks();
    void exportBookmarks();
    void renameCommitted(EditorList which, int row, const QString& text);
    void categorySelectionChanged();
    void siteSelectionChanged();
    void showPopupMenu(EditorList which, const QPoint& globalPos);
    EditorWindowState windowStateNow() const;
    QSize frameExtra() const;

    ListEditorMessageBoxes m_prompter;
    std::unique_ptr<ListEditor> m_logic;
    std::vector<HistoryHandOffRow> m_historyRows;

    std::array<QWidget*, kEditorControlCount> m_controls {};
    QWidget* m_rows[3] = {}; // the rows of buttons above, between and below the lists
    QTreeWidget* m_categoryList = nullptr;
    QTreeWidget* m_siteList = nullptr;
    QComboBox* m_destination = nullptr;
    QLineEdit* m_categoryNameBox = nullptr;
    QLineEdit* m_addressBox = nullptr;
    QMenu* m_menu = nullptr; // the lists' pop-up menu
    std::array<QAction*, kEditorMenuItemCount> m_menuActions {};
    QTimer* m_sortTimer = nullptr;

    // What is on screen, so that a paint changes only what the logic changed.
    std::vector<EditorRow> m_shownCategories;
    std::vector<EditorRow> m_shownSites;
    std::vector<std::string> m_shownDestinations;
    int m_shownScroll = 0;
    QString m_bookmarkFolder; // where the bookmark file dialogs start
    QSize m_openerFrameExtra; // the frame a window gets here, before this one has its own
    bool m_closed = false;
};

} // namespace sg::ui

#include "ui/list_editor_window.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <functional>

namespace sg::ui {
namespace {

// The height the logic keeps for the controls outside the two lists (1545 twips).
constexpr int kControlsHeightPx = 103;
constexpr int kMargin = 6;
constexpr int kGap = 4;
constexpr int kRowHeight = 25;

// A report list whose in-place edit always edits the name, whichever cell was clicked.
class NameList final : public QTreeWidget {
public:
    using QTreeWidget::edit;
    using QTreeWidget::QTreeWidget;

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override
    {
        return QTreeWidget::edit(
            index.isValid() ? index.siblingAtColumn(0) : index, trigger, event);
    }
};

// Hands the end of an edit in place to the window instead of writing the item: the logic
// decides whether the new name stands, and the next paint shows the outcome.
class NameDelegate final : public QStyledItemDelegate {
public:
    using Commit = std::function<void(int row, const QString& text)>;

    NameDelegate(Commit commit, QObject* parent)
        : QStyledItemDelegate(parent)
        , m_commit(std::move(commit))
    {
    }

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            m_commit(index.row(), line->text());
    }

private:
    Commit m_commit;
};

struct NamedButton {
    EditorControl control;
    const char* accessibleName; // used while the logic gives no caption
};

using Handler = void (ListEditor::*)();

constexpr std::pair<EditorMenuItem, Handler> kMenuHandlers[] = {
    { EditorMenuItem::MoveUp, &ListEditor::moveUp },
    { EditorMenuItem::MoveDown, &ListEditor::moveDown },
    { EditorMenuItem::MoveToTop, &ListEditor::moveToTop },
    { EditorMenuItem::MoveToBottom, &ListEditor::moveToBottom },
    { EditorMenuItem::SortAscending, &ListEditor::sortAscending },
    { EditorMenuItem::SortDescending, &ListEditor::sortDescending },
    { EditorMenuItem::Delete, &ListEditor::deleteSelected },
    { EditorMenuItem::MoveToCategory, &ListEditor::moveSelectedSites },
    { EditorMenuItem::CopyToCategory, &ListEditor::copySelectedSites },
    { EditorMenuItem::SelectAll, &ListEditor::selectAll },
};

// Shows the rows, rewriting only what changed so that scrolling and selection stay.
void showRows(QTreeWidget* tree, const std::vector<EditorRow>& rows, std::vector<EditorRow>& shown,
    const QIcon& icon)
{
    if (rows == shown)
        return;
    if (rows.size() != shown.size()) {
        tree->clear();
        QList<QTreeWidgetItem*> items;
        for (const EditorRow& row : rows) {
            auto* item = new QTreeWidgetItem({ q(row.name), q(row.second) });
            item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable
                | Qt::ItemNeverHasChildren);
            item->setIcon(0, icon);
            items.append(item);
        }
        tree->addTopLevelItems(items);
    } else {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i] == shown[i])
                continue;
            QTreeWidgetItem* item = tree->topLevelItem(static_cast<int>(i));
            item->setText(0, q(rows[i].name));
            item->setText(1, q(rows[i].second));
        }
    }
    shown = rows;
}

} // namespace

ListEditorWindow::ListEditorWindow(ListEditorWindowSetup setup, QWidget* parent)
    : QDialog(parent)
    , m_prompter(this)
    , m_historyRows(std::move(setup.historyRows))
{
    m_logic = std::make_unique<ListEditor>(ListEditorEnvironment {
        std::move(setup.userDataDir),
        setup.settings,
        setup.toolTips,
        setup.clock,
        m_prompter,
        setup.ModalWindowOpen,
        setup.HistoryHandOff,
        std::move(setup.FavoritesDir),
        std::move(setup.ListEditorPageTitle),
        std::move(setup.ListEditorPageUrl),
    });
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    buildControls();
    buildMenu();
    connectControls();
}

ListEditorWindow::~ListEditorWindow() = default;

void ListEditorWindow::buildControls()
{
    const NamedButton buttons[] = {
        { EditorControl::AddPageButton, "Add Page To List" },
        { EditorControl::DeleteSitesButton, "Delete Selected Site(s)" },
        { EditorControl::AddCategoryButton, "Enter A New Category >>>" },
        { EditorControl::DeleteCategoryButton, "Delete Selected Cat" },
        { EditorControl::AddAddressButton, "Enter A Web Address >>>" },
        { EditorControl::SplitUpButton, "Resize List Up" },
        { EditorControl::SplitDownButton, "Resize List Down" },
        { EditorControl::ImportFavoritesButton, "Import Fav" },
        { EditorControl::BackupButton, "B.U." },
        { EditorControl::RestoreButton, "Restore" },
        { EditorControl::AddHistoryItemsButton, "Add Selected History Item(s)" },
        { EditorControl::ImportBookmarksButton, "Import Bookmarks" },
        { EditorControl::ExportBookmarksButton, "Export Bookmarks" },
    };
    for (const NamedButton& named : buttons) {
        auto* b = new QPushButton(this);
        b->setAccessibleName(QString::fromUtf8(named.accessibleName));
        // Enter in a text box adds what it holds; no button of the window is a default.
        b->setAutoDefault(false);
        m_controls[static_cast<std::size_t>(named.control)] = b;
    }
    button(EditorControl::SplitUpButton)->setText(QStringLiteral("\u25B2"));
    button(EditorControl::SplitDownButton)->setText(QStringLiteral("\u25BC"));
    for (EditorControl c : { EditorControl::SplitUpButton, EditorControl::SplitDownButton })
        button(c)->setFixedWidth(24);

    m_categoryNameBox = new QLineEdit(this);
    m_categoryNameBox->setAccessibleName(QStringLiteral("New Category Name"));
    m_addressBox = new QLineEdit(this);
    m_addressBox->setAccessibleName(QStringLiteral("New Web Address"));
    m_destination = new QComboBox(this);
    m_destination->setAccessibleName(QStringLiteral("Destination Category"));
    m_destination->setMinimumContentsLength(10);
    m_destination->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_controls[static_cast<std::size_t>(EditorControl::CategoryNameBox)] = m_categoryNameBox;
    m_controls[static_cast<std::size_t>(EditorControl::AddressBox)] = m_addressBox;
    m_controls[static_cast<std::size_t>(EditorControl::DestinationChooser)] = m_destination;

    m_categoryList = new NameList(this);
    m_categoryList->setAccessibleName(QStringLiteral("Category List"));
    m_categoryList->setHeaderLabels({ q(kEditorColumnHeaders[2]), q(kEditorColumnHeaders[3]) });
    m_categoryList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_siteList = new NameList(this);
    m_siteList->setAccessibleName(QStringLiteral("Site List"));
    m_siteList->setHeaderLabels({ q(kEditorColumnHeaders[0]), q(kEditorColumnHeaders[1]) });
    m_siteList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (QTreeWidget* tree : { m_categoryList, m_siteList }) {
        tree->setRootIsDecorated(false);
        tree->setSelectionBehavior(QAbstractItemView::SelectRows);
        tree->setAllColumnsShowFocus(true);
        tree->setEditTriggers(
            QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
        tree->header()->setStretchLastSection(false);
        // A stored width of 0 keeps its column hidden.
        tree->header()->setMinimumSectionSize(0);
        tree->installEventFilter(this);
        tree->viewport()->installEventFilter(this);
    }
    m_controls[static_cast<std::size_t>(EditorControl::SiteList)] = m_siteList;
    m_controls[static_cast<std::size_t>(EditorControl::CategoryList)] = m_categoryList;

    // Above the lists the categories, between them the pages and the destination, below
    // them the new address.
    const std::vector<std::pair<EditorControl, int>> rows[3] = {
        { { EditorControl::AddCategoryButton, 0 }, { EditorControl::CategoryNameBox, 1 },
            { EditorControl::DeleteCategoryButton, 0 }, { EditorControl::SplitUpButton, 0 },
            { EditorControl::SplitDownButton, 0 } },
        { { EditorControl::DeleteSitesButton, 0 }, { EditorControl::AddPageButton, 0 },
            { EditorControl::ImportFavoritesButton, 0 },
            { EditorControl::AddHistoryItemsButton, 0 }, { EditorControl::DestinationChooser, 1 },
            { EditorControl::BackupButton, 0 }, { EditorControl::RestoreButton, 0 } },
        { { EditorControl::AddAddressButton, 0 }, { EditorControl::AddressBox, 1 },
            { EditorControl::ImportBookmarksButton, 0 },
            { EditorControl::ExportBookmarksButton, 0 } },
    };
    for (int i = 0; i < 3; ++i) {
        m_rows[i] = new QWidget(this);
        auto* layout = new QHBoxLayout(m_rows[i]);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(kGap);
        for (const auto& [c, stretch] : rows[i]) {
            QWidget* w = control(c);
            w->setParent(m_rows[i]);
            layout->addWidget(w, stretch);
        }
    }

    m_sortTimer = new QTimer(this);
    m_sortTimer->setInterval(1000);
}

void ListEditorWindow::buildMenu()
{
    m_menu = new QMenu(this);
    for (const auto& [item, handler] : kMenuHandlers) {
        QAction* action = m_menu->addAction(q(editorMenuCaption(item)));
        connect(action, &QAction::triggered, this,
            [this, h = handler] { run([&] { ((*m_logic).*h)(); }); });
        m_menuActions[static_cast<std::size_t>(item)] = action;
        if (item == EditorMenuItem::SortDescending || item == EditorMenuItem::Delete)
            m_menu->addSeparator();
    }
}

void ListEditorWindow::connectControls()
{
    const auto on = [this](EditorControl c, Handler h) {
        connect(
            button(c), &QPushButton::clicked, this, [this, h] { run([&] { ((*m_logic).*h)(); }); });
    };
    on(EditorControl::AddPageButton, &ListEditor::addMainWindowPage);
    on(EditorControl::DeleteSitesButton, &ListEditor::deleteSelectedSites);
    on(EditorControl::DeleteCategoryButton, &ListEditor::deleteSelectedCategory);
    on(EditorControl::BackupButton, &ListEditor::backUp);
    on(EditorControl::RestoreButton, &ListEditor::restoreOrUndo);
    connect(button(EditorControl::AddCategoryButton), &QPushButton::clicked, this, [this] {
        run([&] { m_logic->addCategory(m_categoryNameBox->text().toStdString()); });
        paintText(EditorControl::CategoryNameBox);
    });
    connect(button(EditorControl::AddAddressButton), &QPushButton::clicked, this, [this] {
        run([&] { m_logic->addAddress(m_addressBox->text().toStdString()); });
        paintText(EditorControl::AddressBox);
    });
    connect(m_categoryNameBox, &QLineEdit::returnPressed, button(EditorControl::AddCategoryButton),
        &QPushButton::click);
    connect(m_addressBox, &QLineEdit::returnPressed, button(EditorControl::AddAddressButton),
        &QPushButton::click);
    connect(button(EditorControl::ImportFavoritesButton), &QPushButton::clicked, this,
        [this] { importFavorites(); });
    connect(button(EditorControl::ImportBookmarksButton), &QPushButton::clicked, this,
        [this] { importBookmarks(); });
    connect(button(EditorControl::ExportBookmarksButton), &QPushButton::clicked, this,
        [this] { exportBookmarks(); });
    connect(button(EditorControl::AddHistoryItemsButton), &QPushButton::clicked, this,
        [this] { run([&] { m_logic->addHistoryItems(m_historyRows); }); });
    connect(button(EditorControl::SplitUpButton), &QPushButton::clicked, this, [this] {
        run([&] { m_logic->lowerSplit(); });
        layoutControls();
    });
    connect(button(EditorControl::SplitDownButton), &QPushButton::clicked, this, [this] {
        run([&] { m_logic->raiseSplit(); });
        layoutControls();
    });
    connect(m_destination, &QComboBox::activated, this, [this](int index) {
        run([&] {
            m_logic->selectDestination(
                index < 0 ? std::nullopt : std::optional<std::size_t>(index));
        });
    });
    connect(m_categoryList, &QTreeWidget::itemSelectionChanged, this,
        [this] { categorySelectionChanged(); });
    connect(
        m_siteList, &QTreeWidget::itemSelectionChanged, this, [this] { siteSelectionChanged(); });
    connect(m_siteList, &QTreeWidget::currentItemChanged, this, [this] { siteSelectionChanged(); });
    for (EditorList which : { EditorList::Categories, EditorList::Sites }) {
        list(which)->setItemDelegate(new NameDelegate(
            [this, which](int row, const QString& text) { renameCommitted(which, row, text); },
            list(which)));
    }
    connect(m_sortTimer, &QTimer::timeout, this, [this] { run([&] { m_logic->onSortTimer(); }); });
}

QPushButton* ListEditorWindow::button(EditorControl c) const
{
    return static_cast<QPushButton*>(control(c));
}

QTreeWidget* ListEditorWindow::list(EditorList which) const
{
    switch (which) {
    case EditorList::Sites:
        return m_siteList;
    case EditorList::Categories:
        return m_categoryList;
    default:
        return nullptr;
    }
}

template <typename F> void ListEditorWindow::run(F&& event)
{
    event();
    paint();
}

// --- opening and closing ------------------------------------------------------------------

void ListEditorWindow::openEditor(QWidget* opener)
{
    if (opener)
        m_openerFrameExtra = opener->frameGeometry().size() - opener->size();
    m_logic->open();
    applyFont();
    paint();
    paintText(EditorControl::CategoryNameBox);
    paintText(EditorControl::AddressBox);
    fitMinimumSize();
    const auto stored = m_logic->storedWindowSize();
    const QSize extra = frameExtra();
    resize(QSize(px(stored[0]) - extra.width(), px(stored[1]) - extra.height())
               .expandedTo(minimumSize()));
    layoutControls();
    const auto widths
        = m_logic->columnWidthsPx(twips(m_siteList->width()), twips(m_categoryList->width()));
    m_siteList->setColumnWidth(0, widths[0]);
    m_siteList->setColumnWidth(1, widths[1]);
    m_categoryList->setColumnWidth(0, widths[2]);
    m_categoryList->setColumnWidth(1, widths[3]);
    placeOver(opener);
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void ListEditorWindow::placeOver(QWidget* opener)
{
    QScreen* screen = opener ? opener->screen() : QApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QRect frame(QPoint(), size() + frameExtra());
    frame.moveCenter(opener ? opener->frameGeometry().center() : area.center());
    if (area.isValid()) {
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height())));
    }
    move(frame.topLeft());
}

void ListEditorWindow::done(int result)
{
    if (!m_closed) {
        m_closed = true;
        m_sortTimer->stop();
        const QSize extra = frameExtra();
        EditorClosing closing;
        closing.state = windowStateNow();
        closing.widthTwips = twips(width() + extra.width());
        closing.heightTwips = twips(height() + extra.height());
        closing.columnWidthsPx = { m_siteList->columnWidth(0), m_siteList->columnWidth(1),
            m_categoryList->columnWidth(0), m_categoryList->columnWidth(1) };
        m_logic->close(closing);
        emit editorClosed();
    }
    QDialog::done(result);
}

// --- events -------------------------------------------------------------------------------

void ListEditorWindow::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const int charCode = event->key() == Qt::Key_Escape ? 27
        : text.isEmpty()                                ? 0
                                                        : text.at(0).unicode();
    if (m_logic->closesOnKey(charCode)) {
        close();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ListEditorWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    const QSize extra = frameExtra();
    const EditorWindowState state = windowStateNow();
    const auto size = m_logic->onResize(
        state, twips(width() + extra.width()), twips(height() + extra.height()));
    const QSize wanted(px(size[0]) - extra.width(), px(size[1]) - extra.height());
    if (state == EditorWindowState::Normal
        && (wanted.width() > width() || wanted.height() > height())) {
        resize(wanted.expandedTo(this->size()));
        return;
    }
    layoutControls();
}

bool ListEditorWindow::eventFilter(QObject* watched, QEvent* event)
{
    for (EditorList which : { EditorList::Categories, EditorList::Sites }) {
        QTreeWidget* tree = list(which);
        if (watched != tree && watched != tree->viewport())
            continue;
        if (event->type() == QEvent::MouseButtonRelease && watched == tree->viewport()) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) {
                showPopupMenu(which, mouse->globalPosition().toPoint());
                return true;
            }
        } else if (event->type() == QEvent::ContextMenu) {
            // The pointer's menu opens when the right button is released; the keyboard's here.
            auto* menuEvent = static_cast<QContextMenuEvent*>(event);
            if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
                QTreeWidgetItem* item = tree->currentItem();
                const QPoint at = item ? tree->visualItemRect(item).center()
                                       : tree->viewport()->rect().center();
                showPopupMenu(which, tree->viewport()->mapToGlobal(at));
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ListEditorWindow::showPopupMenu(EditorList which, const QPoint& globalPos)
{
    run([&] { m_logic->openPopupMenu(which); });
    const ListEditorView& v = m_logic->view();
    for (std::size_t i = 0; i < kEditorMenuItemCount; ++i)
        m_menuActions[i]->setEnabled(v.menuEnabled[i]);
    m_menu->popup(globalPos);
}

void ListEditorWindow::categorySelectionChanged()
{
    const QList<QTreeWidgetItem*> selected = m_categoryList->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_categoryList->indexOfTopLevelItem(selected.front());
    if (row >= 0)
        run([&] { m_logic->clickCategory(static_cast<std::size_t>(row)); });
}

void ListEditorWindow::siteSelectionChanged()
{
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : m_siteList->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    const QModelIndex current = m_siteList->currentIndex();
    const std::optional<std::size_t> currentRow = current.isValid()
        ? std::optional<std::size_t>(static_cast<std::size_t>(current.row()))
        : std::nullopt;
    const ListEditorView& v = m_logic->view();
    if (rows == v.selectedSites() && currentRow == v.currentSite)
        return;
    run([&] { m_logic->selectSites(rows, currentRow); });
}

void ListEditorWindow::renameCommitted(EditorList which, int row, const QString& text)
{
    const ListEditorView& v = m_logic->view();
    const auto selected = which == EditorList::Categories ? v.selectedCategory : v.currentSite;
    // The logic renames its selected row; an edit of any other row is dropped. The edit
    // ends before a click elsewhere moves the selection, so the edited row is still it.
    if (!selected || static_cast<int>(*selected) != row)
        return;
    m_prompter.setDeferReports(true);
    run([&] { m_logic->renameInPlace(which, text.toStdString()); });
    m_prompter.setDeferReports(false);
}

void ListEditorWindow::importFavorites()
{
    std::optional<std::string> folder;
    run([&] { folder = m_logic->beginImport(); });
    if (!folder)
        return;
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilter(QStringLiteral("Favorites (*.URL *.url *.Url)"));
    if (!folder->empty())
        dialog.setDirectory(q(*folder));
    std::vector<std::filesystem::path> files;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& file : dialog.selectedFiles())
            files.emplace_back(QFile::encodeName(file).toStdString());
    }
    run([&] { m_logic->importFavorites(files); });
}

QString ListEditorWindow::chooseBookmarkFile(int acceptMode)
{
    QFileDialog dialog(this);
    const bool save = acceptMode == QFileDialog::AcceptSave;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Bookmark Files (*.html *.htm)"));
    dialog.setDirectory(m_bookmarkFolder.isEmpty() ? QDir::homePath() : m_bookmarkFolder);
    if (save) {
        dialog.setDefaultSuffix(QStringLiteral("html"));
        dialog.selectFile(QStringLiteral("bookmarks.html"));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString file = dialog.selectedFiles().constFirst();
    m_bookmarkFolder = QFileInfo(file).absolutePath();
    return file;
}

void ListEditorWindow::importBookmarks()
{
    const QString file = chooseBookmarkFile(QFileDialog::AcceptOpen);
    if (!file.isEmpty())
        run([&] { m_logic->importBookmarkFile(QFile::encodeName(file).toStdString()); });
}

void ListEditorWindow::exportBookmarks()
{
    const QString file = chooseBookmarkFile(QFileDialog::AcceptSave);
    if (!file.isEmpty())
        run([&] { m_logic->exportBookmarkFile(QFile::encodeName(file).toStdString()); });
}

// --- painting -----------------------------------------------------------------------------

void ListEditorWindow::paint()
{
    const ListEditorView& v = m_logic->view();
    setWindowTitle(q(v.caption));
    for (std::size_t i = 0; i < kEditorControlCount; ++i) {
        const EditorControlState& state = v.controls[i];
        QWidget* w = m_controls[i];
        if (auto* b = qobject_cast<QPushButton*>(w); b && !state.caption.empty()) {
            b->setText(q(state.caption));
            b->setAccessibleName(q(state.caption));
        }
        w->setToolTip(q(state.toolTip));
        w->setEnabled(state.enabled);
        w->setVisible(state.visible);
    }
    paintCategories();
    paintSites();
    paintDestination();
    if (v.sortTimerRunning && !m_sortTimer->isActive())
        m_sortTimer->start();
    else if (!v.sortTimerRunning && m_sortTimer->isActive())
        m_sortTimer->stop();
}

void ListEditorWindow::paintText(EditorControl textBox)
{
    auto* edit = textBox == EditorControl::CategoryNameBox ? m_categoryNameBox : m_addressBox;
    const QString text = q(m_logic->view().control(textBox).caption);
    if (edit->text() != text)
        edit->setText(text);
}

void ListEditorWindow::paintCategories()
{
    const ListEditorView& v = m_logic->view();
    const QSignalBlocker block(m_categoryList);
    showRows(
        m_categoryList, v.categories, m_shownCategories, style()->standardIcon(QStyle::SP_DirIcon));
    QTreeWidgetItem* item = v.selectedCategory
        ? m_categoryList->topLevelItem(static_cast<int>(*v.selectedCategory))
        : nullptr;
    if (!item) {
        m_categoryList->clearSelection();
    } else if (m_categoryList->currentItem() != item || !item->isSelected()) {
        m_categoryList->setCurrentItem(item);
        m_categoryList->scrollToItem(item);
    }
}

void ListEditorWindow::paintSites()
{
    const ListEditorView& v = m_logic->view();
    const QSignalBlocker block(m_siteList);
    showRows(m_siteList, v.sites, m_shownSites, style()->standardIcon(QStyle::SP_FileLinkIcon));
    QItemSelectionModel* selection = m_siteList->selectionModel();
    QAbstractItemModel* model = m_siteList->model();
    std::vector<std::size_t> shownSelection;
    for (const QModelIndex& index : selection->selectedRows())
        shownSelection.push_back(static_cast<std::size_t>(index.row()));
    std::sort(shownSelection.begin(), shownSelection.end());
    if (shownSelection != v.selectedSites()) {
        QItemSelection wanted;
        for (std::size_t row : v.selectedSites()) {
            const QModelIndex index = model->index(static_cast<int>(row), 0);
            wanted.select(index, index);
        }
        selection->select(wanted, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    const QModelIndex current
        = v.currentSite ? model->index(static_cast<int>(*v.currentSite), 0) : QModelIndex();
    if (selection->currentIndex().row() != current.row())
        selection->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (v.scrollToLastSite != m_shownScroll) {
        m_shownScroll = v.scrollToLastSite;
        if (m_siteList->topLevelItemCount() > 0)
            m_siteList->scrollToItem(m_siteList->topLevelItem(m_siteList->topLevelItemCount() - 1));
    }
}

void ListEditorWindow::paintDestination()
{
    const ListEditorView& v = m_logic->view();
    const QSignalBlocker block(m_destination);
    std::vector<std::string> names;
    for (const EditorRow& row : v.categories)
        names.push_back(row.name);
    if (names != m_shownDestinations) {
        m_destination->clear();
        const QIcon icon = style()->standardIcon(QStyle::SP_DirIcon);
        for (const std::string& name : names)
            m_destination->addItem(icon, q(name));
        m_shownDestinations = std::move(names);
    }
    const int index = v.destination ? static_cast<int>(*v.destination) : -1;
    if (m_destination->currentIndex() != index)
        m_destination->setCurrentIndex(index);
}

void ListEditorWindow::applyFont()
{
    const EditorListFont& f = m_logic->view().font;
    QFont font = f.name.empty() ? QApplication::font() : QFont(q(f.name));
    font.setBold(f.bold);
    if (f.size > 0)
        font.setPointSizeF(f.size);
    for (QWidget* w : { static_cast<QWidget*>(m_categoryList), static_cast<QWidget*>(m_siteList),
             static_cast<QWidget*>(m_destination), static_cast<QWidget*>(m_categoryNameBox),
             static_cast<QWidget*>(m_addressBox) })
        w->setFont(font);
}

// --- layout -------------------------------------------------------------------------------

void ListEditorWindow::fitMinimumSize()
{
    const QSize extra = frameExtra();
    int width = px(kEditorMinWidth) - extra.width();
    for (QWidget* row : m_rows)
        width = std::max(width, row->minimumSizeHint().width() + 2 * kMargin);
    setMinimumSize(width, px(kEditorMinHeight) - extra.height());
}

void ListEditorWindow::layoutControls()
{
    int rowHeight = kRowHeight;
    for (QWidget* row : m_rows)
        rowHeight = std::max(rowHeight, row->sizeHint().height());
    // Taller rows (a large font) come out of the lists' share.
    const int controlsHeight = 3 * rowHeight + 2 * kMargin + 4 * kGap;
    const double innerTwips
        = twips(height()) - twips(std::max(0, controlsHeight - kControlsHeightPx));
    const EditorListHeights heights = m_logic->layoutLists(innerTwips);
    // Rounded together, so the two lists always fill the same height.
    const int categoriesHeight = std::max(0, px(heights.categoriesTwips));
    const int sitesHeight
        = std::max(0, px(heights.categoriesTwips + heights.sitesTwips) - categoriesHeight);
    const int w = std::max(0, width() - 2 * kMargin);
    int y = kMargin;
    m_rows[0]->setGeometry(kMargin, y, w, rowHeight);
    y += rowHeight + kGap;
    m_categoryList->setGeometry(kMargin, y, w, categoriesHeight);
    y += categoriesHeight + kGap;
    m_rows[1]->setGeometry(kMargin, y, w, rowHeight);
    y += rowHeight + kGap;
    m_siteList->setGeometry(kMargin, y, w, sitesHeight);
    y += sitesHeight + kGap;
    m_rows[2]->setGeometry(kMargin, y, w, rowHeight);
}

EditorWindowState ListEditorWindow::windowStateNow() const
{
    if (isMinimized())
        return EditorWindowState::Minimized;
    if (isMaximized() || isFullScreen())
        return EditorWindowState::Maximized;
    return EditorWindowState::Normal;
}

QSize ListEditorWindow::frameExtra() const
{
    // Until the window is shown it has no frame of its own; the opener's is the same kind.
    if (!isVisible())
        return m_openerFrameExtra;
    return frameGeometry().size() - size();
}

} // namespace sg::ui

#include "ui/history_window.h"
#include "ui/twips.h"

#include "common/program.h"
#include "history/history_purge.h"
#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/history_list_model.h"
#include "ui/main_window.h"
#include "ui/program_message_box.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <memory>

namespace sg::ui {
namespace {

constexpr int kMinWidthTwips = 4755;
constexpr int kMinHeightTwips = 3300;
constexpr int kTimer1Ms = 1000;

// Entries of the shared tool-tip table.
constexpr std::size_t kPeriodTip = 28;
constexpr std::size_t kSortTip = 29;
constexpr std::size_t kSearchTip = 30;
constexpr std::size_t kTextTip = 31;

struct CheckSpec {
    const char* caption;
    std::int16_t Settings::*setting;
    int toolTip; // -1: none
};
constexpr std::array<CheckSpec, kHistoryCheckCount> kChecks { {
    { "1-click", &Settings::HistoryOneClick, 33 },
    { "vis.", &Settings::HistoryKeepNewestVisible, 34 },
    { "dupes", &Settings::HistoryShowDuplicates, 35 },
    { "show time", &Settings::HistoryShowTime, -1 },
    { "on top", &Settings::HistoryOnTop, -1 },
} };

// The frame a main window carries round its client area: the History window gets the same
// decoration, so its stored outer size is turned into a client size with it.
QSize frameExtras(const WindowRegistry& windows)
{
    for (const MainWindow* w : windows.mainWindows()) {
        if (w->isVisible())
            return w->frameGeometry().size() - w->geometry().size();
    }
    return { 0, 0 };
}

} // namespace

HistoryWindow::HistoryWindow(Application& app)
    : m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main windows keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("History List"));
    buildControls();
    buildMenu();
    connectControls();
    paintSearchState();
}

HistoryWindow::~HistoryWindow()
{
    m_cancelFlag = true;
    joinSearch();
}

void HistoryWindow::buildControls()
{
    m_todayModel = new TodayListModel(this);
    m_searchModel = new SearchListModel(this);

    m_combo1 = new QComboBox(this);
    m_combo1->setAccessibleName(QStringLiteral("Time Period"));
    m_combo2 = new QComboBox(this);
    m_combo2->setAccessibleName(QStringLiteral("Sort Or Search"));
    for (std::string_view item : kSortItemTexts)
        m_combo2->addItem(q(item));
    for (QComboBox* combo : { m_combo1, m_combo2 }) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(6);
    }
    m_text1 = new QLineEdit(this);
    m_text1->setAccessibleName(QStringLiteral("Search Text"));
    m_search = new QPushButton(QStringLiteral("Search"), this);
    m_search->setAccessibleName(QStringLiteral("Search"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancel->setAccessibleName(QStringLiteral("Cancel"));
    for (QPushButton* button : { m_search, m_cancel })
        button->setAutoDefault(true); // Enter presses the button that has the focus
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(QStringLiteral("Search Progress"));
    m_progress->setFormat(QStringLiteral("%v / %m"));
    m_progress->setMinimumWidth(40);
    m_progress->setMaximumWidth(110);

    for (std::size_t i = 0; i < kHistoryCheckCount; ++i) {
        m_checks[i] = new QCheckBox(QString::fromUtf8(kChecks[i].caption), this);
        m_checks[i]->setAccessibleName(QString::fromUtf8(kChecks[i].caption));
    }

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(QStringLiteral("History Lists"));
    m_todayView = makeHistoryListView(QStringLiteral("Today"), m_todayModel, m_tabs);
    m_searchView = makeHistoryListView(QStringLiteral("Search Returns"), m_searchModel, m_tabs);
    m_tabs->addTab(m_todayView, QStringLiteral("Today"));
    m_tabs->addTab(m_searchView, QStringLiteral("Search Returns"));

    m_timer1 = new QTimer(this);
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(kTimer1Ms);

    // Three rows above the lists, narrow enough for the smallest window.
    auto* selectors = new QHBoxLayout;
    selectors->addWidget(m_combo1, 3);
    selectors->addWidget(m_combo2, 2);
    selectors->addWidget(checkBox(HistoryCheck::OnTop));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_text1, 1);
    searchRow->addWidget(m_search);
    searchRow->addWidget(m_cancel);
    auto* checks = new QHBoxLayout;
    checks->setSpacing(2);
    for (HistoryCheck c : { HistoryCheck::OneClick, HistoryCheck::Visible, HistoryCheck::Dupes,
             HistoryCheck::ShowTime })
        checks->addWidget(checkBox(c));
    checks->addStretch(1);
    checks->addWidget(m_progress);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(3);
    layout->addLayout(selectors);
    layout->addLayout(searchRow);
    layout->addLayout(checks);
    layout->addWidget(m_tabs, 1);
}

void HistoryWindow::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->addAction(
        QStringLiteral("&Navigate To Selected URL"), this, [this] { navigateToSelected(); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Add Item(s) To Site Selector List"), this,
        [this] { addSelectedToSiteSelector(); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Remove Item(s) From List (Temp)"), this,
        [this] { removeSelectedFromList(); });
    m_menu->addSeparator();
    m_hostPagesItem = m_menu->addAction(QStringLiteral("&Show Selected Host's Page Items"), this,
        [this] { showSelectedHostPages(); });
    m_hostPagesItem->setVisible(false);
}

void HistoryWindow::connectControls()
{
    connect(m_search, &QPushButton::clicked, this, [this] { onSearchClick(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { onCancelClick(); });
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i) {
        const auto check = static_cast<HistoryCheck>(i);
        connect(m_checks[i], &QCheckBox::clicked, this,
            [this, check](bool on) { onCheckClick(check, on); });
    }
    for (QTreeView* view : { m_todayView, m_searchView }) {
        connect(view, &QTreeView::clicked, this,
            [this, view](const QModelIndex& index) { onRowClick(view, index); });
        connect(view, &QTreeView::doubleClicked, this,
            [this, view](const QModelIndex& index) { onRowDoubleClick(view, index); });
        connect(view, &QTreeView::customContextMenuRequested, this,
            [this, view](const QPoint& pos) { showPopUpMenu(view, pos); });
        connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, view] { setListToolTip(view); });
        view->viewport()->installEventFilter(this);
    }
    connect(m_timer1, &QTimer::timeout, this, [this] { scrollTodayToEnd(); });
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(esc, &QShortcut::activated, this, &QWidget::close);
}

// --- opening and closing --------------------------------------------------------------

void HistoryWindow::open()
{
    placeWindow();
    setCurrentTab(HistoryTab::Today);
    setWindowTitle(QStringLiteral("History List - ") + q(kProgramTitle));
    applyListFont();
    applyColumnWidths();
    purgeOldHistory();
    loadTodayList();
    loadPeriodSelector();
    if (m_combo1->count() > 0)
        m_combo1->setCurrentIndex(0);
    m_combo2->setCurrentIndex(static_cast<int>(SortItem::HostSort));
    applyToolTips();
    const Settings& s = m_app.shared().settings;
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i)
        m_checks[i]->setChecked(s.*kChecks[i].setting != 0);
    applyOnTop();
    if (checked(HistoryCheck::Visible))
        QTimer::singleShot(0, this, [this] { scrollTodayToEnd(); });
    m_open = true;
}

void HistoryWindow::placeWindow()
{
    const Settings& s = m_app.shared().settings;
    const QSize extras = frameExtras(m_app.windows());
    setMinimumSize(std::max(1, px(kMinWidthTwips) - extras.width()),
        std::max(1, px(kMinHeightTwips) - extras.height()));
    const QScreen* primary = QGuiApplication::primaryScreen();
    const QRect work = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 768);
    QRect frame(px(s.HistoryLeft), px(s.HistoryTop), px(s.HistoryWidth), px(s.HistoryHeight));
    const bool stored = s.HistoryWidth > 0 && s.HistoryHeight > 0;
    bool onScreen = false;
    for (const QScreen* screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(frame);
    // Never placed yet, or placed on a screen that is no longer there: centred on the work
    // area.
    if (!stored || !onScreen) {
        const QSize size(std::min(760, work.width() * 3 / 5), std::min(540, work.height() * 3 / 5));
        frame = QRect(QPoint(0, 0), size);
        frame.moveCenter(work.center());
    }
    frame.setWidth(std::max(frame.width(), px(kMinWidthTwips)));
    frame.setHeight(std::max(frame.height(), px(kMinHeightTwips)));
    move(frame.topLeft());
    resize(frame.width() - extras.width(), frame.height() - extras.height());
}

void HistoryWindow::applyListFont()
{
    const Settings& s = m_app.shared().settings;
    if (s.FontName.empty())
        return;
    QFont font(q(s.FontName));
    font.setBold(s.FontBold);
    if (s.FontSize > 0)
        font.setPointSizeF(s.FontSize);
    for (QWidget* w :
        std::initializer_list<QWidget*> { m_todayView, m_searchView, m_combo1, m_combo2, m_text1 })
        w->setFont(font);
}

void HistoryWindow::applyColumnWidths()
{
    const Settings& s = m_app.shared().settings;
    const QFontMetrics fm(m_todayView->font());
    const int pad = 2 * fm.averageCharWidth() + 8;
    // Widths for columns never sized: room for the header or the widest usual text.
    const std::array<int, kHistoryColumnCount> computed {
        std::max(160, width() * 2 / 5),
        fm.horizontalAdvance(QStringLiteral("Hits 9999")) + pad,
        fm.horizontalAdvance(QStringLiteral("Sat Dec 05 26 14:08:35")) + pad,
        std::max(240, width() * 3 / 5),
    };
    for (int list = 0; list < 2; ++list) {
        QTreeView* view = list == 0 ? m_todayView : m_searchView;
        for (int c = 0; c < kHistoryColumnCount; ++c) {
            const float stored = s.HistoryColumnWidths[static_cast<std::size_t>(list * 4 + c)];
            const int w = stored > 0 ? px(stored) : computed[static_cast<std::size_t>(c)];
            view->setColumnWidth(c, std::max(1, w));
        }
    }
}

void HistoryWindow::saveClosingState()
{
    Settings& s = m_app.shared().settings;
    if (windowState() == Qt::WindowNoState) {
        const QRect frame = frameGeometry();
        s.HistoryLeft = static_cast<float>(twips(frame.x()));
        s.HistoryTop = static_cast<float>(twips(frame.y()));
        s.HistoryWidth = static_cast<float>(twips(frame.width()));
        s.HistoryHeight = static_cast<float>(twips(frame.height()));
    }
    if (!isMinimized()) {
        for (int list = 0; list < 2; ++list) {
            const QTreeView* view = list == 0 ? m_todayView : m_searchView;
            for (int c = 0; c < kHistoryColumnCount; ++c)
                s.HistoryColumnWidths[static_cast<std::size_t>(list * 4 + c)]
                    = static_cast<float>(twips(view->columnWidth(c)));
        }
    }
}

void HistoryWindow::closeEvent(QCloseEvent* event)
{
    m_cancelFlag = true;
    joinSearch();
    m_timer1->stop();
    if (m_open) {
        saveClosingState();
        purgeOldHistory();
        m_open = false;
        emit closed();
    }
    event->accept();
}

void HistoryWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_open)
        applyOnTop();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && (watched == m_todayView->viewport() || watched == m_searchView->viewport()))
        m_lastPress = static_cast<QMouseEvent*>(event)->button();
    return QWidget::eventFilter(watched, event);
}

// --- procedures called by name --------------------------------------------------------

void HistoryWindow::purgeOldHistory()
{
    const std::int32_t days = m_app.shared().settings.HistoryDaysToKeep;
    if (days == 0) {
        clearTodayList();
        m_combo1->clear();
        m_text1->clear();
    }
    purgeDayFiles(historyDir(), today(), days);
}

void HistoryWindow::loadPeriodSelector()
{
    m_combo1->clear();
    const auto items
        = periodSelectorItems(historyDir(), m_app.shared().settings.HistoryDaysToKeep, today());
    for (const std::string& item : items)
        m_combo1->addItem(q(item));
}

void HistoryWindow::applyToolTips()
{
    const SharedBrowserState& shared = m_app.shared();
    const bool off = shared.settings.ToolTipsOff != 0;
    auto tip = [&](std::size_t i) { return off ? QString() : q(shared.toolTips[i]); };
    m_combo1->setToolTip(tip(kPeriodTip));
    m_combo2->setToolTip(tip(kSortTip));
    m_search->setToolTip(tip(kSearchTip));
    m_text1->setToolTip(tip(kTextTip));
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i) {
        const int t = kChecks[i].toolTip;
        m_checks[i]->setToolTip(t < 0 ? QString() : tip(static_cast<std::size_t>(t)));
    }
    setListToolTip(m_todayView);
    setListToolTip(m_searchView);
}

// --- the Today list -------------------------------------------------------------------

void HistoryWindow::loadTodayList()
{
    const TodayList list
        = sg::loadTodayList(historyDir(), today(), m_app.shared().settings.HistoryDaysToKeep);
    m_todayModel->load(list.rows, list.header);
    setListToolTip(m_todayView);
    if (list.error)
        showMessage(*list.error);
}

void HistoryWindow::clearTodayList()
{
    m_todayModel->clear();
    setListToolTip(m_todayView);
}

void HistoryWindow::setTodayHits(std::size_t n, const std::string& hits)
{
    const auto row = m_todayModel->setHits(n, hits);
    if (row && checked(HistoryCheck::Visible))
        m_todayView->scrollTo(m_todayModel->index(static_cast<int>(*row), 0));
}

void HistoryWindow::appendTodayItem(std::size_t n, const TodayItem& item)
{
    m_todayModel->append(n, { item.title, item.hits, item.date, item.url },
        todayListHeader(m_todayModel->size() + 1));
    if (checked(HistoryCheck::Visible))
        m_timer1->start();
}

void HistoryWindow::scrollTodayToEnd()
{
    m_timer1->stop();
    m_todayView->scrollToBottom();
}

// --- check boxes ----------------------------------------------------------------------

bool HistoryWindow::checked(HistoryCheck check) const
{
    return checkBox(check)->isChecked();
}

QCheckBox* HistoryWindow::checkBox(HistoryCheck check) const
{
    return m_checks[static_cast<std::size_t>(check)];
}

void HistoryWindow::onCheckClick(HistoryCheck check, bool on)
{
    m_app.shared().settings.*kChecks[static_cast<std::size_t>(check)].setting = on ? 1 : 0;
    if (check == HistoryCheck::Visible && on)
        scrollTodayToEnd();
    if (check == HistoryCheck::OnTop)
        applyOnTop();
}

void HistoryWindow::applyOnTop()
{
    const bool on = checked(HistoryCheck::OnTop);
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    const bool shown = isVisible();
    const QPoint pos = this->pos();
    const QSize size = this->size();
    // Changing the flag re-creates the window, hidden; it comes back where it was, without
    // taking the focus.
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    move(pos);
    resize(size);
    if (shown) {
        setAttribute(Qt::WA_ShowWithoutActivating, true);
        show();
        setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

// --- rows: choosing, tool tips, the pop-up menu ---------------------------------------

HistoryTab HistoryWindow::currentTab() const
{
    return m_tabs->currentIndex() == 1 ? HistoryTab::SearchReturns : HistoryTab::Today;
}

void HistoryWindow::setCurrentTab(HistoryTab tab)
{
    m_tabs->setCurrentIndex(static_cast<int>(tab));
}

QTreeView* HistoryWindow::visibleView() const
{
    return currentTab() == HistoryTab::Today ? m_todayView : m_searchView;
}

HistoryRowsModel* HistoryWindow::modelOf(const QTreeView* view) const
{
    if (view == m_todayView)
        return m_todayModel;
    return m_searchModel;
}

std::optional<std::size_t> HistoryWindow::selectedRow(const QTreeView* view) const
{
    const QItemSelectionModel* selection = view->selectionModel();
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), {}))
        return static_cast<std::size_t>(current.row());
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const auto first = std::min_element(rows.begin(), rows.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    return static_cast<std::size_t>(first->row());
}

void HistoryWindow::setListToolTip(QTreeView* view)
{
    const auto row = selectedRow(view);
    const bool off = m_app.shared().settings.ToolTipsOff != 0;
    view->setToolTip(off || !row ? QString() : q(modelOf(view)->row(*row).title));
}

void HistoryWindow::onRowClick(QTreeView* view, const QModelIndex& index)
{
    setListToolTip(view);
    if (!index.isValid() || m_lastPress != Qt::LeftButton || !checked(HistoryCheck::OneClick))
        return;
    navigateTo(modelOf(view)->row(static_cast<std::size_t>(index.row())));
}

void HistoryWindow::onRowDoubleClick(QTreeView* view, const QModelIndex& index)
{
    if (!index.isValid() || m_lastPress != Qt::LeftButton || checked(HistoryCheck::OneClick))
        return;
    navigateTo(modelOf(view)->row(static_cast<std::size_t>(index.row())));
}

void HistoryWindow::navigateTo(const HistoryRow& row)
{
    if (!row.url.empty())
        m_app.navigateActiveMainWindow(row.url);
}

void HistoryWindow::showPopUpMenu(QTreeView* view, const QPoint& pos)
{
    if (modelOf(view)->size() == 0)
        return;
    m_hostPagesItem->setVisible(
        view == m_searchView && m_searchModel->list().hostPagesMenuVisible());
    m_hostPagesItem->setEnabled(!searchRunning());
    m_menu->popup(view->viewport()->mapToGlobal(pos));
}

void HistoryWindow::navigateToSelected()
{
    const QTreeView* view = visibleView();
    if (const auto row = selectedRow(view))
        navigateTo(modelOf(view)->row(*row));
}

std::vector<HistoryHandOffRow> HistoryWindow::selectedRows() const
{
    const QTreeView* view = visibleView();
    const HistoryRowsModel* model = modelOf(view);
    QModelIndexList picked = view->selectionModel()->selectedRows();
    std::sort(picked.begin(), picked.end(),
        [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<HistoryHandOffRow> rows;
    for (const QModelIndex& index : picked) {
        const HistoryRow& r = model->row(static_cast<std::size_t>(index.row()));
        if (!r.url.empty())
            rows.push_back({ r.title, r.url });
    }
    return rows;
}

void HistoryWindow::addSelectedToSiteSelector()
{
    const QTreeView* view = visibleView();
    const auto row = selectedRow(view);
    if (!row || modelOf(view)->row(*row).url.empty())
        return;
    const std::vector<HistoryHandOffRow> rows = selectedRows();
    if (!rows.empty())
        m_app.openListEditorFromHistory(rows);
}

void HistoryWindow::removeSelectedFromList()
{
    QTreeView* view = visibleView();
    std::vector<std::size_t> indices;
    for (const QModelIndex& index : view->selectionModel()->selectedRows())
        indices.push_back(static_cast<std::size_t>(index.row()));
    modelOf(view)->removeListRows(indices);
    setListToolTip(view);
}

void HistoryWindow::showSelectedHostPages()
{
    const auto row = selectedRow(m_searchView);
    if (!row || searchRunning())
        return;
    const auto host = hostOfHeaderRow(m_searchModel->row(*row));
    if (!host)
        return;
    startSearch(planHostPages(*host, searchControls(), historyDir(), today()));
}

// --- searching ------------------------------------------------------------------------

SearchControls HistoryWindow::searchControls() const
{
    SearchControls c;
    if (m_combo1->currentIndex() >= 0)
        c.period = m_combo1->currentText().toStdString();
    if (m_combo2->currentIndex() >= 0)
        c.sort = m_combo2->currentText().toStdString();
    c.text = m_text1->text().toStdString();
    c.dupes = checked(HistoryCheck::Dupes);
    c.showTime = checked(HistoryCheck::ShowTime);
    return c;
}

bool HistoryWindow::searchRunning() const
{
    return m_searchModel->list().running();
}

void HistoryWindow::onSearchClick()
{
    if (searchRunning())
        return;
    startSearch(planSearch(searchControls(), historyDir(), today()));
}

void HistoryWindow::onCancelClick()
{
    m_cancelFlag = true;
}

void HistoryWindow::startSearch(const std::variant<SearchRefusal, SearchPlan>& planned)
{
    if (const auto* refusal = std::get_if<SearchRefusal>(&planned)) {
        if (refusal->emptyTextBox)
            m_text1->clear();
        showMessage(refusal->message);
        return;
    }
    if (searchRunning())
        return;
    joinSearch();
    const SearchPlan& plan = std::get<SearchPlan>(planned);
    m_searchModel->searchStarted();
    m_progress->setRange(0, std::max<int>(1, static_cast<int>(plan.files.size())));
    m_progress->setValue(0);
    paintSearchState();
    setCurrentTab(HistoryTab::SearchReturns);
    m_cancelFlag = false;
    m_worker = std::thread([this, files = plan.files, query = plan.query] {
        SearchOutcome outcome;
        try {
            outcome = searchDayFiles(
                files, query, m_cancelFlag, [this](std::size_t done, std::size_t total) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total] {
                            m_progress->setMaximum(std::max<int>(1, static_cast<int>(total)));
                            m_progress->setValue(static_cast<int>(done));
                        },
                        Qt::QueuedConnection);
                });
        } catch (...) {
            outcome = { SearchStatus::Failed, {} };
        }
        auto result = std::make_shared<SearchOutcome>(std::move(outcome));
        QMetaObject::invokeMethod(
            this, [this, result] { searchFinished(std::move(*result)); }, Qt::QueuedConnection);
    });
}

void HistoryWindow::searchFinished(SearchOutcome outcome)
{
    joinSearch();
    if (!searchRunning())
        return;
    const auto message = m_searchModel->searchEnded(std::move(outcome));
    QHeaderView* header = m_searchView->header();
    header->setSortIndicatorShown(m_searchModel->list().sortedByFirstColumn());
    header->setSortIndicator(0, Qt::AscendingOrder);
    paintSearchState();
    setListToolTip(m_searchView);
    if (message)
        showMessage(*message);
}

void HistoryWindow::joinSearch()
{
    if (m_worker.joinable())
        m_worker.join();
}

void HistoryWindow::paintSearchState()
{
    const HistorySearchList& list = m_searchModel->list();
    for (QWidget* w : std::initializer_list<QWidget*> {
             m_combo1, m_combo2, m_search, checkBox(HistoryCheck::Dupes) })
        w->setEnabled(list.searchControlsEnabled());
    m_cancel->setEnabled(list.cancelEnabled());
    m_progress->setVisible(list.running());
}

// --- helpers --------------------------------------------------------------------------

void HistoryWindow::showMessage(std::string_view text)
{
    const ModalWindowHold hold(m_app.shared());
    showProgramMessage(this, text);
}

std::filesystem::path HistoryWindow::historyDir() const
{
    return m_app.shared().paths.HistoryDir;
}

LocalDateTime HistoryWindow::today() const
{
    return m_app.services().clock.now();
}

} // namespace sg::ui

#include "ui/history_window.h"

#include "platform/web_browser.h"
#include "sitelists/list_editor.h"
#include "ui/application.h"
#include "ui/history_list_model.h"
#include "ui/main_window.h"
#include "ui/program_message_box.h"
#include "ui/twips.h"

#include <QAction>
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
#include <QTabWidget>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

namespace sg::ui {
namespace {

constexpr int kScrollTimerMs = 1000;
constexpr std::array<const char*, kHistoryCheckCount> kCheckCaptions { "1-click", "vis.", "dupes",
    "show time", "on top" };

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

HistoryRect twipsOf(const QRect& r)
{
    return { twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height()) };
}

} // namespace

HistoryWindow::HistoryWindow(Application& app)
    : m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Only the main windows keep the program running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("History List"));
    SharedBrowserState& shared = app.shared();
    m_logic = std::make_unique<HistoryWindowLogic>(
        HistoryWindowEnvironment { shared.paths.HistoryDir, shared.settings, shared.toolTips,
            app.services().clock, shared.ModalWindowOpen, *this });
    buildControls();
    buildMenu();
    connectControls();
    paint();
}

HistoryWindow::~HistoryWindow()
{
    m_logic->onCancelClick();
    joinSearch();
}

void HistoryWindow::buildControls()
{
    m_period = new QComboBox(this);
    m_period->setAccessibleName(QStringLiteral("Time Period"));
    m_sort = new QComboBox(this);
    m_sort->setAccessibleName(QStringLiteral("Sort Or Search"));
    for (std::string_view item : kSortItemTexts)
        m_sort->addItem(q(item));
    for (QComboBox* combo : { m_period, m_sort }) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(6);
    }
    m_text = new QLineEdit(this);
    m_text->setAccessibleName(QStringLiteral("Search Text"));
    m_search = new QPushButton(QStringLiteral("Search"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* button : { m_search, m_cancel })
        button->setAutoDefault(true); // Enter presses the button that has the focus
    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(QStringLiteral("Search Progress"));
    m_progress->setFormat(QStringLiteral("%v / %m"));
    m_progress->setMinimumWidth(40);
    m_progress->setMaximumWidth(110);
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i)
        m_checks[i] = new QCheckBox(QString::fromUtf8(kCheckCaptions[i]), this);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(QStringLiteral("History Lists"));
    const HistoryWindowView& v = m_logic->view();
    for (HistoryTab list : { HistoryTab::Today, HistoryTab::SearchReturns }) {
        const auto i = static_cast<std::size_t>(list);
        const QString name = list == HistoryTab::Today ? QStringLiteral("Today")
                                                       : QStringLiteral("Search Returns");
        m_models[i] = new HistoryRowsModel(v.list(list), this);
        m_lists[i] = makeHistoryListView(name, m_models[i], m_tabs);
        m_tabs->addTab(m_lists[i], name);
    }

    m_scrollTimer = new QTimer(this);
    m_scrollTimer->setSingleShot(true);
    m_scrollTimer->setInterval(kScrollTimerMs);

    // Three rows above the lists, narrow enough for the smallest window.
    auto* selectors = new QHBoxLayout;
    selectors->addWidget(m_period, 3);
    selectors->addWidget(m_sort, 2);
    selectors->addWidget(checkBox(HistoryCheck::OnTop));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(m_text, 1);
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
    m_menu->addAction(QStringLiteral("&Navigate To Selected URL"), this,
        [this] { run([&] { m_logic->navigateToSelected(selectedRow(m_logic->view().tab)); }); });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Add Item(s) To Site Selector List"), this, [this] {
        const HistoryTab list = m_logic->view().tab;
        run([&] { m_logic->addSelectedToSiteSelector(selectedRow(list), selectedRows(list)); });
    });
    m_menu->addSeparator();
    m_menu->addAction(QStringLiteral("&Remove Item(s) From List (Temp)"), this,
        [this] { run([&] { m_logic->removeFromList(selectedRows(m_logic->view().tab)); }); });
    m_menu->addSeparator();
    m_hostPagesItem
        = m_menu->addAction(QStringLiteral("&Show Selected Host's Page Items"), this, [this] {
              run([&] { m_logic->showSelectedHostPages(selectedRow(HistoryTab::SearchReturns)); });
          });

    auto* close = new QAction(QStringLiteral("Close"), this);
    close->setShortcut(Qt::Key_Escape);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
}

void HistoryWindow::connectControls()
{
    connect(
        m_search, &QPushButton::clicked, this, [this] { run([&] { m_logic->onSearchClick(); }); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_logic->onCancelClick(); });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this](int i) {
        run([&] { m_logic->selectPeriod(i < 0 ? std::nullopt : std::optional<std::size_t>(i)); });
    });
    connect(m_sort, &QComboBox::currentIndexChanged, this, [this](int i) {
        run([&] { m_logic->selectSort(i < 0 ? std::nullopt : std::optional<std::size_t>(i)); });
    });
    connect(m_text, &QLineEdit::textEdited, this,
        [this](const QString& text) { run([&] { m_logic->editSearchText(text.toStdString()); }); });
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i) {
        const auto check = static_cast<HistoryCheck>(i);
        connect(m_checks[i], &QCheckBox::clicked, this,
            [this, check](bool on) { run([&] { m_logic->clickCheck(check, on); }); });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        run([&] {
            m_logic->selectTab(index == 1 ? HistoryTab::SearchReturns : HistoryTab::Today);
        });
    });
    connectList(HistoryTab::Today);
    connectList(HistoryTab::SearchReturns);
    connect(
        m_scrollTimer, &QTimer::timeout, this, [this] { run([&] { m_logic->onScrollTimer(); }); });
}

void HistoryWindow::connectList(HistoryTab list)
{
    QTreeView* view = listView(list);
    const auto rowOf
        = [](const QModelIndex& index) { return static_cast<std::size_t>(index.row()); };
    connect(view, &QTreeView::clicked, this, [this, list, rowOf](const QModelIndex& index) {
        run([&] { m_logic->clickRow(list, rowOf(index), m_lastPress == Qt::LeftButton); });
    });
    connect(view, &QTreeView::doubleClicked, this, [this, list, rowOf](const QModelIndex& index) {
        run([&] { m_logic->doubleClickRow(list, rowOf(index), m_lastPress == Qt::LeftButton); });
    });
    connect(view, &QTreeView::customContextMenuRequested, this,
        [this, list](const QPoint& pos) { showPopUpMenu(list, pos); });
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this, list](const QModelIndex& current) {
            run([&] {
                m_logic->selectRow(list,
                    current.isValid() ? std::optional<std::size_t>(current.row()) : std::nullopt);
            });
        });
    view->viewport()->installEventFilter(this);
}

// --- opening and closing --------------------------------------------------------------

void HistoryWindow::open()
{
    std::vector<HistoryRect> workAreas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        workAreas.push_back(twipsOf(primary->availableGeometry()));
    for (const QScreen* screen : QGuiApplication::screens())
        workAreas.push_back(twipsOf(screen->availableGeometry()));
    HistoryOpening opening;
    run([&] { opening = m_logic->open(workAreas); });
    placeWindow(opening);
}

void HistoryWindow::placeWindow(const HistoryOpening& opening)
{
    const QSize extras = frameExtras(m_app.windows());
    setMinimumSize(std::max(1, px(kHistoryMinWidth) - extras.width()),
        std::max(1, px(kHistoryMinHeight) - extras.height()));
    const HistoryRect& f = opening.frame;
    move(px(f.left), px(f.top));
    resize(px(f.width) - extras.width(), px(f.height) - extras.height());

    // Columns never sized get room for the header or the widest usual text.
    const QFontMetrics fm(m_lists[0]->font());
    const int pad = 2 * fm.averageCharWidth() + 8;
    const std::array<int, kHistoryColumnCount> computed {
        std::max(160, width() * 2 / 5),
        fm.horizontalAdvance(QStringLiteral("Hits 9999")) + pad,
        fm.horizontalAdvance(QStringLiteral("Sat Dec 05 26 14:08:35")) + pad,
        std::max(240, width() * 3 / 5),
    };
    for (std::size_t i = 0; i < opening.columnWidths.size(); ++i) {
        const float stored = opening.columnWidths[i];
        const int w = stored > 0 ? px(stored) : computed[i % kHistoryColumnCount];
        m_lists[i / kHistoryColumnCount]->setColumnWidth(
            static_cast<int>(i % kHistoryColumnCount), std::max(1, w));
    }
}

void HistoryWindow::closeEvent(QCloseEvent* event)
{
    m_logic->onCancelClick();
    joinSearch();
    const bool wasOpen = m_logic->isOpen();
    HistoryClosing closing;
    closing.state = isMinimized()            ? HistoryWindowState::Minimized
        : windowState() == Qt::WindowNoState ? HistoryWindowState::Normal
                                             : HistoryWindowState::Maximized;
    closing.frame = twipsOf(frameGeometry());
    for (std::size_t i = 0; i < closing.columnWidthsPx.size(); ++i)
        closing.columnWidthsPx[i] = m_lists[i / kHistoryColumnCount]->columnWidth(
            static_cast<int>(i % kHistoryColumnCount));
    run([&] { m_logic->close(closing); });
    if (wasOpen)
        emit closed();
    event->accept();
}

void HistoryWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // The stay-on-top state is applied again each time the window is activated.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && isOpen())
        paintOnTop();
}

bool HistoryWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && (watched == m_lists[0]->viewport() || watched == m_lists[1]->viewport()))
        m_lastPress = static_cast<QMouseEvent*>(event)->button();
    return QWidget::eventFilter(watched, event);
}

// --- procedures called by name --------------------------------------------------------

void HistoryWindow::purgeOldHistory()
{
    run([&] { m_logic->purgeOldHistory(); });
}

void HistoryWindow::loadPeriodSelector()
{
    run([&] { m_logic->loadPeriodSelector(); });
}

void HistoryWindow::daysToKeepLowered()
{
    run([&] { m_logic->daysToKeepLowered(); });
}

void HistoryWindow::applyToolTips()
{
    run([&] { m_logic->applyToolTips(); });
}

void HistoryWindow::applyListFont()
{
    run([&] { m_logic->applyListFont(); });
}

void HistoryWindow::clearTodayList()
{
    run([&] { m_logic->clearTodayList(); });
}

void HistoryWindow::setTodayHits(std::size_t n, const std::string& hits)
{
    run([&] { m_logic->setTodayHits(n, hits); });
}

void HistoryWindow::appendTodayItem(std::size_t n, const TodayItem& item)
{
    run([&] { m_logic->appendTodayItem(n, item); });
}

// --- painting -------------------------------------------------------------------------

template <typename Event> void HistoryWindow::run(Event&& event)
{
    event();
    paint();
}

void HistoryWindow::paint()
{
    const HistoryWindowView& v = m_logic->view();
    setWindowTitle(q(v.caption));
    paintSelectors();
    for (std::size_t i = 0; i < kHistoryCheckCount; ++i)
        m_checks[i]->setChecked(v.checked[i]);

    const std::array<QWidget*, kHistoryControlCount> controls { m_period, m_sort, m_text, m_search,
        m_cancel, m_checks[0], m_checks[1], m_checks[2], m_checks[3], m_checks[4], m_lists[0],
        m_lists[1], m_progress };
    for (std::size_t i = 0; i < kHistoryControlCount; ++i) {
        const HistoryControlState& s = v.controls[i];
        controls[i]->setToolTip(q(s.toolTip));
        controls[i]->setEnabled(s.enabled);
        if (controls[i]->isHidden() == s.visible)
            controls[i]->setVisible(s.visible);
    }

    for (HistoryTab list : { HistoryTab::Today, HistoryTab::SearchReturns })
        m_models[static_cast<std::size_t>(list)]->show(m_logic->takeRowChanges(list));
    QHeaderView* header = m_lists[1]->header();
    header->setSortIndicatorShown(v.searchSortedByFirstColumn);
    header->setSortIndicator(0, Qt::AscendingOrder);
    m_progress->setRange(0, static_cast<int>(v.progressTotal));
    m_progress->setValue(static_cast<int>(v.progressDone));
    m_hostPagesItem->setVisible(v.hostPagesItemVisible);
    m_hostPagesItem->setEnabled(v.hostPagesItemEnabled);
    {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(static_cast<int>(v.tab));
    }

    if (v.scrollTimerRunning && !m_scrollTimer->isActive())
        m_scrollTimer->start();
    else if (!v.scrollTimerRunning)
        m_scrollTimer->stop();
    if (v.todayScroll.serial != m_shownScroll) {
        m_shownScroll = v.todayScroll.serial;
        // After the events in hand, so that a list just filled or shown is laid out.
        QTimer::singleShot(0, this, [this, row = v.todayScroll.row] {
            if (row)
                m_lists[0]->scrollTo(m_models[0]->index(static_cast<int>(*row), 0));
            else
                m_lists[0]->scrollToBottom();
        });
    }
    if (isOpen())
        paintOnTop();
}

void HistoryWindow::paintSelectors()
{
    const HistoryWindowView& v = m_logic->view();
    const std::string font
        = v.font.name + '/' + std::to_string(v.font.size) + '/' + std::to_string(v.font.bold);
    if (!v.font.name.empty() && font != m_shownFont) {
        m_shownFont = font;
        QFont listFont(q(v.font.name));
        listFont.setBold(v.font.bold);
        if (v.font.size > 0)
            listFont.setPointSizeF(v.font.size);
        for (QWidget* w :
            std::initializer_list<QWidget*> { m_lists[0], m_lists[1], m_period, m_sort, m_text })
            w->setFont(listFont);
    }
    const QSignalBlocker quietPeriod(m_period);
    if (v.periodItems != m_shownPeriods) {
        m_period->clear();
        for (const std::string& item : v.periodItems)
            m_period->addItem(q(item));
        m_shownPeriods = v.periodItems;
    }
    m_period->setCurrentIndex(v.period ? static_cast<int>(*v.period) : -1);
    const QSignalBlocker quietSort(m_sort);
    m_sort->setCurrentIndex(v.sort ? static_cast<int>(*v.sort) : -1);
    if (m_text->text() != q(v.searchText))
        m_text->setText(q(v.searchText));
}

void HistoryWindow::paintOnTop()
{
    const bool on = m_logic->view().onTop;
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

// --- lists ----------------------------------------------------------------------------

QTreeView* HistoryWindow::listView(HistoryTab list) const
{
    return m_lists[static_cast<std::size_t>(list)];
}

QCheckBox* HistoryWindow::checkBox(HistoryCheck check) const
{
    return m_checks[static_cast<std::size_t>(check)];
}

std::optional<std::size_t> HistoryWindow::selectedRow(HistoryTab list) const
{
    const QTreeView* view = listView(list);
    const QItemSelectionModel* selection = view->selectionModel();
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && selection->isRowSelected(current.row(), {}))
        return static_cast<std::size_t>(current.row());
    const std::vector<std::size_t> rows = selectedRows(list);
    return rows.empty() ? std::nullopt : std::optional(rows.front());
}

std::vector<std::size_t> HistoryWindow::selectedRows(HistoryTab list) const
{
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : listView(list)->selectionModel()->selectedRows())
        rows.push_back(static_cast<std::size_t>(index.row()));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void HistoryWindow::showPopUpMenu(HistoryTab list, const QPoint& pos)
{
    bool open = false;
    run([&] { open = m_logic->openPopUpMenu(list); });
    if (open)
        m_menu->popup(listView(list)->viewport()->mapToGlobal(pos));
}

// --- HistoryWindowHost ----------------------------------------------------------------

void HistoryWindow::showMessage(const std::string& text)
{
    showProgramMessage(this, text);
}

void HistoryWindow::navigate(const std::string& address)
{
    m_app.navigateActiveMainWindow(address);
}

void HistoryWindow::openListEditor(const std::vector<HistoryRow>& rows)
{
    std::vector<HistoryHandOffRow> handOff;
    for (const HistoryRow& row : rows)
        handOff.push_back({ row.title, row.url });
    m_app.openListEditorFromHistory(handOff);
}

void HistoryWindow::runSearch(const SearchPlan& plan)
{
    joinSearch();
    m_worker = std::thread([this, files = plan.files, query = plan.query] {
        SearchOutcome outcome;
        try {
            outcome = searchDayFiles(
                files, query, m_logic->cancelFlag(), [this](std::size_t done, std::size_t total) {
                    QMetaObject::invokeMethod(
                        this,
                        [this, done, total] { run([&] { m_logic->searchProgress(done, total); }); },
                        Qt::QueuedConnection);
                });
        } catch (...) {
            outcome = { SearchStatus::Failed, {} };
        }
        auto result = std::make_shared<SearchOutcome>(std::move(outcome));
        QMetaObject::invokeMethod(
            this,
            [this, result] {
                joinSearch();
                run([&] { m_logic->searchEnded(std::move(*result)); });
            },
            Qt::QueuedConnection);
    });
}

void HistoryWindow::joinSearch()
{
    if (m_worker.joinable())
        m_worker.join();
}

} // namespace sg::ui

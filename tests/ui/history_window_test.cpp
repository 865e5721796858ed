// The History window in the real program: the Today list kept up to date by the history
// writer, navigation of the active main window, searches on a worker thread with Cancel,
// the purge at opening and closing, and the settings it keeps.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "history/history_record.h"
#include "history/history_writer.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/history_list_model.h"
#include "ui/history_window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <fstream>
#include <memory>

using namespace sg;
using sgtest::kLoadTimeoutMs;
using sgtest::mainWindows;
using sgtest::page;

namespace {

QString cell(const ui::HistoryRowsModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toString();
}

QString firstHeader(const ui::HistoryRowsModel& model)
{
    return model.headerData(0, Qt::Horizontal).toString();
}

// Writes a day file of records by hand-made visits: (title, url) at the given date.
void writeDayFile(const std::filesystem::path& dir, const LocalDateTime& date,
    const std::vector<std::pair<std::string, std::string>>& visits)
{
    std::ofstream out(dayFilePath(dir, date), std::ios::binary | std::ios::trunc);
    for (const auto& [title, url] : visits) {
        HistoryRecord r;
        r.setVisitDateTime(date);
        r.Hits = 1;
        r.Title = title;
        r.Url = url;
        r.Host = historyHost(url);
        const Bytes bytes = encodeHistoryRecord(r);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
}

void clickRow(QTreeView* view, int row, bool twice)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        // The second press of a double click arrives as the double-click event.
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aPageLoadedWhileOpenAppearsInTodayAndARepeatRaisesItsHits();
    void aNewDayClearsTodayAndTheClosingPurgeDropsAFutureDay();
    void aRepeatVisitFindsItsRowAfterRowsWereRemoved();
    void doubleClickNavigatesTheActiveMainWindow();
    void oneClickNavigatesOnASingleClick();
    void aSearchFillsSearchReturnsAndCancelKeepsTheOldRows();
    void aRefusedSearchShowsItsMessage();
    void openingPurgesAndClosingSavesPlacementAndWidths();

private:
    ui::HistoryWindow* openHistory();
    std::filesystem::path historyDir() const;

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<sgtest::PageServer> m_server;
    std::unique_ptr<ui::Application> m_app;
};

void HistoryWindowTest::init()
{
    m_home = sgtest::useNewDataHome();
    m_server = std::make_unique<sgtest::PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
    m_server->setPage("/storm.html", page("Storm Watch"));
    const StartupOutcome outcome = sgtest::startUp();
    QVERIFY(outcome.ok);
    m_app = std::make_unique<ui::Application>(outcome.state);
    m_app->start();
    QTRY_COMPARE(mainWindows().size(), 1);
    m_app->windows().setActiveMainWindow(mainWindows().front());
}

void HistoryWindowTest::cleanup()
{
    if (ui::HistoryWindow* history = m_app ? m_app->historyWindow() : nullptr)
        history->close();
    for (ui::MainWindow* w : mainWindows())
        w->close();
    QTRY_VERIFY_WITH_TIMEOUT(mainWindows().isEmpty(), 5000);
    m_app.reset();
    m_server.reset();
    m_home.reset();
}

std::filesystem::path HistoryWindowTest::historyDir() const
{
    return userDataDirFor(platform::profileDir()) / "History";
}

ui::HistoryWindow* HistoryWindowTest::openHistory()
{
    m_app->showHistoryWindow();
    ui::HistoryWindow* history = m_app->historyWindow();
    if (!history || !QTest::qWaitForWindowExposed(history))
        return nullptr;
    // Esc is a window shortcut: it only reaches the active window.
    history->activateWindow();
    return QTest::qWaitForWindowActive(history) ? history : nullptr;
}

void HistoryWindowTest::aPageLoadedWhileOpenAppearsInTodayAndARepeatRaisesItsHits()
{
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(history->windowTitle(), QStringLiteral("History List - Skyglass2"));
    QCOMPARE(m_app->todayList(), static_cast<TodayListListener*>(history));
    const ui::HistoryRowsModel& today = history->todayModel();
    QCOMPARE(int(today.size()), 0);

    const QString address = m_server->url("/radar.html");
    ui::MainWindow* window = mainWindows().front();
    window->browser()->navigate(address.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(int(today.size()), 1, kLoadTimeoutMs);
    QCOMPARE(cell(today, 0, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(cell(today, 0, 1), QStringLiteral("1"));
    QCOMPARE(cell(today, 0, 3), address);
    QCOMPARE(firstHeader(today), QStringLiteral("1 Page Titles"));

    window->browser()->navigate(address.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(cell(today, 0, 1), QStringLiteral("2"), kLoadTimeoutMs);
    QCOMPARE(int(today.size()), 1);
}

void HistoryWindowTest::aNewDayClearsTodayAndTheClosingPurgeDropsAFutureDay()
{
    const LocalDateTime now = SystemClock().now();
    writeDayFile(historyDir(), now, { { "Radar Loop", "http://radar.example/loop" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(int(history->todayModel().size()), 1);

    const LocalDateTime tomorrow = addDays(now, 1);
    FixedClock clock(tomorrow);
    HistoryWriter writer(historyDir(), clock);
    writer.AddHistoryEntry(
        { 30, false }, m_app->todayList(), "Storm Watch", "http://storm.example/");
    const ui::HistoryRowsModel& today = history->todayModel();
    QCOMPARE(int(today.size()), 1);
    QCOMPARE(cell(today, 0, 0), QStringLiteral("Storm Watch"));
    QCOMPARE(cell(today, 0, 2), QString::fromStdString(FormatHistoryDate(tomorrow, true)));

    QVERIFY(std::filesystem::exists(dayFilePath(historyDir(), tomorrow)));
    QTest::keyClick(history->todayView(), Qt::Key_Escape);
    QVERIFY(m_app->todayList() == nullptr);
    QVERIFY(!std::filesystem::exists(dayFilePath(historyDir(), tomorrow)));
    QVERIFY(std::filesystem::exists(dayFilePath(historyDir(), now)));
}

void HistoryWindowTest::aRepeatVisitFindsItsRowAfterRowsWereRemoved()
{
    const LocalDateTime now = SystemClock().now();
    writeDayFile(historyDir(), now,
        { { "Radar Loop", "http://radar.example/" }, { "Storm Watch", "http://storm.example/" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    history->todayView()->setCurrentIndex(history->todayModel().index(0, 0));
    history->removeSelectedFromList();
    const ui::HistoryRowsModel& today = history->todayModel();
    QCOMPARE(int(today.size()), 1);
    QCOMPARE(readDayFile(dayFilePath(historyDir(), now))->size(), std::size_t(2));

    // The visit raises record 2, which is now the list's first row.
    m_app->services().history.AddHistoryEntry(
        { 30, false }, m_app->todayList(), "Storm Watch", "http://storm.example/");
    QCOMPARE(cell(today, 0, 0), QStringLiteral("Storm Watch"));
    QCOMPARE(cell(today, 0, 1), QStringLiteral("2"));
}

void HistoryWindowTest::doubleClickNavigatesTheActiveMainWindow()
{
    ui::MainWindow* first = mainWindows().front();
    ui::MainWindow* second = m_app->createMainWindow();
    const std::string address = m_server->url("/radar.html").toStdString();
    writeDayFile(historyDir(), SystemClock().now(), { { "Radar Loop", address } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QVERIFY(!history->checkBox(ui::HistoryCheck::OneClick)->isChecked());
    // The second window was the main window activated last.
    m_app->windows().setActiveMainWindow(second);

    clickRow(history->todayView(), 0, false); // one click does nothing without "1-click"
    QTest::qWait(300);
    QCOMPARE(m_server->hits("/radar.html"), 0);
    clickRow(history->todayView(), 0, true);
    QTRY_COMPARE_WITH_TIMEOUT(second->browser()->address(), address, kLoadTimeoutMs);
    QCOMPARE(m_server->hits("/radar.html"), 1);
    QVERIFY(first->browser()->address() != address);
}

void HistoryWindowTest::oneClickNavigatesOnASingleClick()
{
    const std::string radar = m_server->url("/radar.html").toStdString();
    const std::string storm = m_server->url("/storm.html").toStdString();
    writeDayFile(
        historyDir(), SystemClock().now(), { { "Radar Loop", radar }, { "Storm Watch", storm } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCheckBox* oneClick = history->checkBox(ui::HistoryCheck::OneClick);
    QTest::mouseClick(oneClick, Qt::LeftButton, {}, QPoint(5, oneClick->height() / 2));
    QVERIFY(oneClick->isChecked());
    QCOMPARE(m_app->shared().settings.HistoryOneClick, std::int16_t(1));

    ui::MainWindow* window = mainWindows().front();
    clickRow(history->todayView(), 1, false);
    QTRY_COMPARE_WITH_TIMEOUT(window->browser()->address(), storm, kLoadTimeoutMs);

    // The right button opens the menu instead; its first item navigates the selected row.
    QTreeView* view = history->todayView();
    const QPoint first = view->visualRect(view->model()->index(0, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, first);
    QContextMenuEvent menuEvent(
        QContextMenuEvent::Mouse, first, view->viewport()->mapToGlobal(first));
    QApplication::sendEvent(view->viewport(), &menuEvent);
    QTRY_VERIFY(history->popUpMenu()->isVisible());
    QVERIFY(!history->hostPagesAction()->isVisible());
    QCOMPARE(m_server->hits("/radar.html"), 0);
    history->popUpMenu()->close();
    history->navigateToSelected();
    QTRY_COMPARE_WITH_TIMEOUT(window->browser()->address(), radar, kLoadTimeoutMs);
}

void HistoryWindowTest::aSearchFillsSearchReturnsAndCancelKeepsTheOldRows()
{
    const LocalDateTime now = SystemClock().now();
    // Older days full of one repeated address: enough reading for a search to be cancelled
    // while it runs, one row in the returns.
    const std::vector<std::pair<std::string, std::string>> bulk(
        5000, { "Bulk", "http://bulk.example/" });
    for (int day = 5; day < 30; ++day)
        writeDayFile(historyDir(), addDays(now, -day), bulk);
    writeDayFile(historyDir(), addDays(now, -3),
        { { "Radar Loop", "http://www.radar.example/loop" },
            { "Storm Watch", "http://storm.example/watch" } });
    writeDayFile(historyDir(), now,
        { { "Radar Loop", "http://www.radar.example/loop" },
            { "Radar Still", "http://www.radar.example/still" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(history->periodSelector()->currentText(), QStringLiteral("0-30 Days Ago"));
    QCOMPARE(history->sortSelector()->currentText(), QStringLiteral("Host Sort"));
    const ui::HistoryRowsModel& found = history->searchModel();

    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!history->searchRunning(), kLoadTimeoutMs);
    QCOMPARE(history->currentTab(), ui::HistoryTab::SearchReturns);
    // Each host's header followed by its pages; a repeated address is listed once.
    QCOMPARE(int(found.size()), 7);
    QCOMPARE(firstHeader(found), QStringLiteral("4 Page Titles    3 Hosts"));
    QVERIFY(cell(found, 0, 0).startsWith(QStringLiteral("......bulk.example......")));
    QCOMPARE(cell(found, 0, 3), QString());
    QCOMPARE(cell(found, 1, 0), QStringLiteral("Bulk"));
    QCOMPARE(cell(found, 3, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(history->progressBar()->value(), 27);

    // The hand-off carries the selected page rows, not the host headers.
    history->searchView()->selectAll();
    const std::vector<HistoryHandOffRow> picked = history->selectedRows();
    QCOMPARE(int(picked.size()), 4);
    QCOMPARE(
        QString::fromStdString(picked[1].address), QStringLiteral("http://www.radar.example/loop"));

    // A search cancelled while it runs leaves the rows found before.
    history->sortSelector()->setCurrentIndex(int(SortItem::DateSort));
    history->searchButton()->click();
    QVERIFY(history->searchRunning());
    QVERIFY(!history->searchButton()->isEnabled());
    QVERIFY(!history->periodSelector()->isEnabled());
    QVERIFY(!history->sortSelector()->isEnabled());
    QVERIFY(!history->checkBox(ui::HistoryCheck::Dupes)->isEnabled());
    QVERIFY(history->cancelButton()->isEnabled());
    QVERIFY(history->progressBar()->isVisible());
    history->cancelButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!history->searchRunning(), kLoadTimeoutMs);
    QCOMPARE(int(found.size()), 7);
    QCOMPARE(firstHeader(found), QStringLiteral("4 Page Titles    3 Hosts"));
    QVERIFY(history->searchButton()->isEnabled());
    QVERIFY(!history->cancelButton()->isEnabled());

    history->searchButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!history->searchRunning(), kLoadTimeoutMs);
    QCOMPARE(firstHeader(found), QStringLiteral("4 Page Titles"));
    QCOMPARE(cell(found, 2, 0), QStringLiteral("Storm Watch"));

    // Host List Only offers the pages of the selected host.
    history->sortSelector()->setCurrentIndex(int(SortItem::HostListOnly));
    history->searchButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!history->searchRunning(), kLoadTimeoutMs);
    QCOMPARE(int(found.size()), 3);
    QVERIFY(history->searchView()->header()->isSortIndicatorShown());
    QTreeView* view = history->searchView();
    const QPoint radarHost = view->visualRect(view->model()->index(1, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, radarHost);
    QContextMenuEvent menuEvent(
        QContextMenuEvent::Mouse, radarHost, view->viewport()->mapToGlobal(radarHost));
    QApplication::sendEvent(view->viewport(), &menuEvent);
    QTRY_VERIFY(history->popUpMenu()->isVisible());
    QVERIFY(history->hostPagesAction()->isVisible());
    history->hostPagesAction()->trigger();
    history->popUpMenu()->close();
    QTRY_VERIFY_WITH_TIMEOUT(!history->searchRunning(), kLoadTimeoutMs);
    QCOMPARE(int(found.size()), 2);
    QCOMPARE(cell(found, 0, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(cell(found, 1, 0), QStringLiteral("Radar Still"));
    QVERIFY(!history->searchView()->header()->isSortIndicatorShown());
}

void HistoryWindowTest::aRefusedSearchShowsItsMessage()
{
    writeDayFile(historyDir(), SystemClock().now(), { { "Radar Loop", "http://radar.example/" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    history->sortSelector()->setCurrentIndex(int(SortItem::TitlesTextSearch));
    history->searchText()->setText(QStringLiteral("r"));
    QString shown;
    bool modalFlag = false;
    // Answers the message box once it is up.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + '|' + box->text();
            modalFlag = m_app->shared().ModalWindowOpen;
            box->accept();
        }
    });
    poll.start(20);
    history->searchButton()->click();
    poll.stop();
    QCOMPARE(shown,
        QStringLiteral(
            "Skyglass2|Can't Search...Two Characters, Minimum, Should Entered In The Text Box"));
    QVERIFY(modalFlag);
    QVERIFY(!m_app->shared().ModalWindowOpen);
    QVERIFY(!history->searchRunning());
    QCOMPARE(history->searchText()->text(), QStringLiteral("r"));
}

void HistoryWindowTest::openingPurgesAndClosingSavesPlacementAndWidths()
{
    const LocalDateTime now = SystemClock().now();
    writeDayFile(historyDir(), addDays(now, -40), { { "Old", "http://old.example/" } });
    std::ofstream(historyDir() / "notes.txt") << "kept";
    Settings& s = m_app->shared().settings;
    s.HistoryColumnWidths[0] = 3000;
    s.HistoryShowTime = 1;
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QVERIFY(!std::filesystem::exists(dayFilePath(historyDir(), addDays(now, -40))));
    QVERIFY(std::filesystem::exists(historyDir() / "notes.txt"));
    QCOMPARE(history->todayView()->columnWidth(0), 200);
    QVERIFY(history->todayView()->columnWidth(2) > 0);
    QVERIFY(history->checkBox(ui::HistoryCheck::ShowTime)->isChecked());
    QCOMPARE(history->periodSelector()->toolTip(),
        QStringLiteral("Select The Time Period To Use In A Search"));
    QCOMPARE(history->checkBox(ui::HistoryCheck::Dupes)->toolTip(),
        QStringLiteral(
            "If Checked, Search Return Will Show Any Duplicate Url's (On Different Days)"));
    s.ToolTipsOff = 1;
    history->applyToolTips();
    QCOMPARE(history->periodSelector()->toolTip(), QString());

    // Never smaller than 4755 x 3300 twips, and the controls fit in that.
    history->resize(100, 100);
    QTRY_COMPARE(history->size(), QSize(317, 220));
    QVERIFY(history->layout()->minimumSize().width() <= 317);
    QVERIFY(history->layout()->minimumSize().height() <= 220);
    history->todayView()->setColumnWidth(1, 50);
    history->resize(500, 400);
    QTRY_COMPARE(history->width(), 500);

    // "on top" keeps the window where it is, shown, and is stored at once.
    const QRect before = history->geometry();
    history->checkBox(ui::HistoryCheck::OnTop)->click();
    QVERIFY(history->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(s.HistoryOnTop, std::int16_t(1));
    QTRY_VERIFY(history->isVisible());
    QTRY_COMPARE(history->geometry(), before);
    const QRect frame = history->frameGeometry();
    history->close();
    QCOMPARE(s.HistoryColumnWidths[0], 3000.0f);
    QCOMPARE(s.HistoryColumnWidths[1], 750.0f);
    QCOMPARE(s.HistoryWidth, float(frame.width() * 15));
    QCOMPARE(s.HistoryLeft, float(frame.x() * 15));
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"

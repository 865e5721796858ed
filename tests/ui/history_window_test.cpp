// The History window in the real program: the Today list kept up to date by the history
// writer, navigation of the active main window by the mouse, searches on a worker thread
// with Cancel, and the place, size and widths it keeps.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "history/history_record.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "startup/startup_helpers.h"
#include "ui/application.h"
#include "ui/history_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLayout>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <fstream>
#include <memory>

using namespace sg;
using sgtest::kLoadTimeoutMs;
using sgtest::mainWindows;
using sgtest::page;

namespace {

QString cell(const QTreeView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

QString firstHeader(const QTreeView* view)
{
    return view->model()->headerData(0, Qt::Horizontal).toString();
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

QPoint rowCentre(QTreeView* view, int row)
{
    const QModelIndex index = view->model()->index(row, 0);
    view->scrollTo(index);
    return view->visualRect(index).center();
}

void clickRow(QTreeView* view, int row)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowCentre(view, row));
}

void doubleClickRow(QTreeView* view, int row)
{
    const QPoint at = rowCentre(view, row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    // The second press of a double click arrives as the double-click event.
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

// The right button on a row: the pop-up menu opens.
void rightClickRow(QTreeView* view, int row)
{
    const QPoint at = rowCentre(view, row);
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &menuEvent);
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aPageLoadedWhileOpenAppearsInTodayAndARepeatRaisesItsHits();
    void theMouseNavigatesTheActiveMainWindow();
    void aSearchFillsSearchReturnsAndCancelKeepsTheOldRows();
    void theWindowKeepsItsLeastSizeItsPlaceAndItsWidths();

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
    m_app->windows().setActiveMainWindow(m_app->start());
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
    return history && QTest::qWaitForWindowExposed(history) ? history : nullptr;
}

void HistoryWindowTest::aPageLoadedWhileOpenAppearsInTodayAndARepeatRaisesItsHits()
{
    writeDayFile(historyDir(), SystemClock().now(), { { "Earlier", "http://earlier.example/" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(history->windowTitle(), QStringLiteral("History List - Skyglass2"));
    QCOMPARE(m_app->todayList(), static_cast<TodayListListener*>(history));
    QTreeView* today = history->listView(HistoryTab::Today);
    QCOMPARE(today->model()->rowCount(), 1);

    const QString address = m_server->url("/radar.html");
    ui::MainWindow* window = mainWindows().front();
    window->browser()->navigate(address.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(today->model()->rowCount(), 2, kLoadTimeoutMs);
    QCOMPARE(cell(today, 1, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(cell(today, 1, 1), QStringLiteral("1"));
    QCOMPARE(cell(today, 1, 3), address);
    QCOMPARE(firstHeader(today), QStringLiteral("2 Page Titles"));

    // The first row leaves the list (not the file); the repeat still raises its own row.
    today->setCurrentIndex(today->model()->index(0, 0));
    rightClickRow(today, 0);
    QTRY_VERIFY(history->popUpMenu()->isVisible());
    history->popUpMenu()->actions().at(4)->trigger(); // Remove Item(s) From List (Temp)
    history->popUpMenu()->close();
    QCOMPARE(today->model()->rowCount(), 1);
    window->browser()->navigate(address.toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(cell(today, 0, 1), QStringLiteral("2"), kLoadTimeoutMs);
    QCOMPARE(today->model()->rowCount(), 1);

    // Esc closes the window (the action of its shortcut, as the key triggers it while the
    // window is active, which other test programs on the display may take from it).
    const QList<QAction*> actions = history->actions();
    const auto esc = std::find_if(actions.begin(), actions.end(),
        [](QAction* a) { return a->shortcut() == QKeySequence(Qt::Key_Escape); });
    QVERIFY(esc != actions.end());
    (*esc)->trigger();
    QVERIFY(m_app->todayList() == nullptr);
}

void HistoryWindowTest::theMouseNavigatesTheActiveMainWindow()
{
    ui::MainWindow* first = mainWindows().front();
    ui::MainWindow* second = m_app->createMainWindow();
    const std::string radar = m_server->url("/radar.html").toStdString();
    const std::string storm = m_server->url("/storm.html").toStdString();
    writeDayFile(
        historyDir(), SystemClock().now(), { { "Radar Loop", radar }, { "Storm Watch", storm } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    // The second window was the main window activated last.
    m_app->windows().setActiveMainWindow(second);
    QTreeView* today = history->listView(HistoryTab::Today);

    // Without "1-click" a single click does not navigate: the radar row's click comes first,
    // so its page would be asked for before the storm page that the double click loads.
    clickRow(today, 0);
    doubleClickRow(today, 1);
    QTRY_COMPARE_WITH_TIMEOUT(second->browser()->address(), storm, kLoadTimeoutMs);
    QCOMPARE(m_server->hits("/radar.html"), 0);
    QVERIFY(first->browser()->address() != storm);

    QCheckBox* oneClick = history->checkBox(HistoryCheck::OneClick);
    QTest::mouseClick(oneClick, Qt::LeftButton, {}, QPoint(5, oneClick->height() / 2));
    QCOMPARE(m_app->shared().settings.HistoryOneClick, std::int16_t(1));
    clickRow(today, 0);
    QTRY_COMPARE_WITH_TIMEOUT(second->browser()->address(), radar, kLoadTimeoutMs);
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
    writeDayFile(historyDir(), now,
        { { "Radar Loop", "http://www.radar.example/loop" },
            { "Radar Still", "http://www.radar.example/still" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(history->periodSelector()->currentText(), QStringLiteral("0-30 Days Ago"));
    QTreeView* found = history->listView(HistoryTab::SearchReturns);

    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    QCOMPARE(history->tabs()->currentIndex(), 1);
    // Each host's header followed by its pages; a repeated address is listed once.
    QCOMPARE(found->model()->rowCount(), 5);
    QCOMPARE(firstHeader(found), QStringLiteral("3 Page Titles    2 Hosts"));
    QVERIFY(cell(found, 0, 0).startsWith(QStringLiteral("......bulk.example......")));
    QCOMPARE(cell(found, 3, 0), QStringLiteral("Radar Loop"));

    // A search cancelled while it runs leaves the rows found before.
    history->sortSelector()->setCurrentIndex(int(SortItem::DateSort));
    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QVERIFY(history->cancelButton()->isEnabled());
    QVERIFY(history->progressBar()->isVisible());
    QTest::mouseClick(history->cancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    QCOMPARE(found->model()->rowCount(), 5);
    QCOMPARE(firstHeader(found), QStringLiteral("3 Page Titles    2 Hosts"));

    // Host List Only, then the selected host's pages from the pop-up menu.
    history->sortSelector()->setCurrentIndex(int(SortItem::HostListOnly));
    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    QCOMPARE(found->model()->rowCount(), 2);
    QVERIFY(found->header()->isSortIndicatorShown());
    found->setCurrentIndex(found->model()->index(1, 0));
    rightClickRow(found, 1);
    QTRY_VERIFY(history->popUpMenu()->isVisible());
    QVERIFY(history->hostPagesAction()->isVisible());
    history->hostPagesAction()->trigger();
    history->popUpMenu()->close();
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    QCOMPARE(found->model()->rowCount(), 2);
    QCOMPARE(cell(found, 0, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(cell(found, 1, 0), QStringLiteral("Radar Still"));
    QVERIFY(!found->header()->isSortIndicatorShown());
}

void HistoryWindowTest::theWindowKeepsItsLeastSizeItsPlaceAndItsWidths()
{
    Settings& s = m_app->shared().settings;
    s.HistoryColumnWidths[0] = 3000;
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QTreeView* today = history->listView(HistoryTab::Today);
    QCOMPARE(today->columnWidth(0), 200);
    QVERIFY(today->columnWidth(2) > 0);

    // Never smaller than 4755 x 3300 twips, and the controls fit in that.
    history->resize(100, 100);
    QTRY_COMPARE(history->size(), QSize(317, 220));
    QVERIFY(history->layout()->minimumSize().width() <= 317);
    QVERIFY(history->layout()->minimumSize().height() <= 220);
    today->setColumnWidth(1, 50);
    history->resize(500, 400);
    QTRY_COMPARE(history->width(), 500);

    // "on top" keeps the window where it is, shown, and is stored at once.
    const QRect before = history->geometry();
    history->checkBox(HistoryCheck::OnTop)->click();
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

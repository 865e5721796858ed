// The History window in the real program: the Today list kept up to date by the history
// writer, navigation of the active main window by the mouse, searches on a worker thread
// with Cancel, and the least size, place and widths it keeps.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "history/history_record.h"
#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/history_window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLayout>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <fstream>
#include <memory>

using namespace sg;
using sgtest::kLoadTimeoutMs;

namespace {

QString cell(const QTreeView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

QString firstHeader(const QTreeView* view)
{
    return view->model()->headerData(0, Qt::Horizontal).toString();
}

// Writes a day file of visits (title, url) on the given date.
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
    return view->visualRect(view->model()->index(row, 0)).center();
}

void clickRow(QTreeView* view, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(view->viewport(), button, {}, rowCentre(view, row));
    if (button == Qt::RightButton) {
        const QPoint at = rowCentre(view, row);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &menu);
    }
}

void doubleClickRow(QTreeView* view, int row)
{
    const QPoint at = rowCentre(view, row);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    // The second press of a double click arrives as the double-click event.
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void todayFollowsTheWriterAndTheMouseNavigatesTheActiveMainWindow();
    void aSearchFillsSearchReturnsAndCancelKeepsTheOldRows();

private:
    ui::HistoryWindow* openHistory();
    std::filesystem::path historyDir() const { return m_program->userData() / "History"; }
    std::string url(const char* path) const { return m_program->server().url(path).toStdString(); }

    std::unique_ptr<sgtest::RunningProgram> m_program;
    ui::Application* m_app = nullptr;
};

void HistoryWindowTest::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    m_program->server().setPage("/radar.html", sgtest::page("Radar Loop"));
    m_program->server().setPage("/storm.html", sgtest::page("Storm Watch"));
    QVERIFY(m_program->start());
    m_app = &m_program->app();
    m_app->windows().setActiveMainWindow(m_program->firstWindow());
}

ui::HistoryWindow* HistoryWindowTest::openHistory()
{
    m_app->showHistoryWindow();
    ui::HistoryWindow* history = m_app->historyWindow();
    return history && QTest::qWaitForWindowExposed(history) ? history : nullptr;
}

// The Today list follows the history writer, the mouse navigates the active main window, and
// the window keeps its least size, its place and its widths.
void HistoryWindowTest::todayFollowsTheWriterAndTheMouseNavigatesTheActiveMainWindow()
{
    ui::MainWindow* first = m_program->firstWindow();
    ui::MainWindow* second = m_app->createMainWindow();
    writeDayFile(historyDir(), SystemClock().now(), { { "Storm Watch", url("/storm.html") } });
    Settings& s = m_app->shared().settings;
    s.HistoryColumnWidths[0] = 3000;
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(m_app->todayList(), static_cast<TodayListListener*>(history));
    QTreeView* today = history->listView(HistoryTab::Today);
    QCOMPARE(today->columnWidth(0), 200);
    first->browser()->navigate(url("/radar.html"));
    QTRY_COMPARE_WITH_TIMEOUT(today->model()->rowCount(), 2, kLoadTimeoutMs);
    QCOMPARE(cell(today, 1, 0), QStringLiteral("Radar Loop"));
    QCOMPARE(cell(today, 1, 1), QStringLiteral("1"));
    QCOMPARE(firstHeader(today), QStringLiteral("2 Page Titles"));

    // A double click, then one click in one-click mode, navigates the main window activated
    // last; each visit raises its row's hits.
    m_app->windows().setActiveMainWindow(second);
    doubleClickRow(today, 0);
    QTRY_COMPARE_WITH_TIMEOUT(second->browser()->address(), url("/storm.html"), kLoadTimeoutMs);
    QCOMPARE(first->browser()->address(), url("/radar.html"));
    QTest::mouseClick(history->checkBox(HistoryCheck::OneClick), Qt::LeftButton, {},
        QPoint(5, history->checkBox(HistoryCheck::OneClick)->height() / 2));
    QCOMPARE(s.HistoryOneClick, std::int16_t(1));
    clickRow(today, 1);
    QTRY_COMPARE_WITH_TIMEOUT(second->browser()->address(), url("/radar.html"), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(cell(today, 1, 1), QStringLiteral("2"), kLoadTimeoutMs);

    // The first row leaves the list (not the file); the repeat still raises its own row.
    today->setCurrentIndex(today->model()->index(0, 0));
    clickRow(today, 0, Qt::RightButton);
    QTRY_VERIFY(history->popUpMenu()->isVisible());
    history->popUpMenu()->actions().at(4)->trigger(); // Remove Item(s) From List (Temp)
    history->popUpMenu()->close();
    QCOMPARE(today->model()->rowCount(), 1);
    first->browser()->navigate(url("/radar.html"));
    QTRY_COMPARE_WITH_TIMEOUT(cell(today, 0, 1), QStringLiteral("3"), kLoadTimeoutMs);
    QCOMPARE(today->model()->rowCount(), 1);

    // Never smaller than 4755 x 3300 twips, and the controls fit in that.
    history->resize(100, 100);
    QTRY_COMPARE(history->size(), QSize(317, 220));
    QVERIFY(history->layout()->minimumSize().width() <= 317);
    QVERIFY(history->layout()->minimumSize().height() <= 220);
    today->setColumnWidth(1, 50);
    // "on top" keeps the window where it is, shown, and is stored at once.
    const QRect before = history->geometry();
    history->checkBox(HistoryCheck::OnTop)->click();
    QVERIFY(history->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(s.HistoryOnTop, std::int16_t(1));
    QTRY_VERIFY(history->isVisible());
    QTRY_COMPARE(history->geometry(), before);
    const QRect frame = history->frameGeometry();
    QVERIFY(sgtest::pressShortcut(history, Qt::Key_Escape));
    QVERIFY(m_app->todayList() == nullptr);
    QCOMPARE(s.HistoryColumnWidths[1], 750.0f);
    QCOMPARE(s.HistoryWidth, float(frame.width() * 15));
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
        { { "Radar Loop", "http://radar.example/loop" },
            { "Radar Still", "http://radar.example/still" } });
    ui::HistoryWindow* history = openHistory();
    QVERIFY(history);
    QCOMPARE(history->periodSelector()->currentText(), QStringLiteral("0-30 Days Ago"));
    QTreeView* found = history->listView(HistoryTab::SearchReturns);

    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    // Each host's header followed by its pages; a repeated address is listed once.
    QCOMPARE(found->model()->rowCount(), 5);
    QCOMPARE(firstHeader(found), QStringLiteral("3 Page Titles    2 Hosts"));
    QCOMPARE(cell(found, 3, 0), QStringLiteral("Radar Loop"));

    // A search cancelled while it runs leaves the rows found before.
    history->sortSelector()->setCurrentIndex(int(SortItem::DateSort));
    QTest::mouseClick(history->searchButton(), Qt::LeftButton);
    QVERIFY(history->cancelButton()->isEnabled());
    QTest::mouseClick(history->cancelButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(history->searchButton()->isEnabled(), kLoadTimeoutMs);
    QCOMPARE(found->model()->rowCount(), 5);
    QCOMPARE(firstHeader(found), QStringLiteral("3 Page Titles    2 Hosts"));
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"

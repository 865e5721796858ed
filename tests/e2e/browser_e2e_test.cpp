// The real program on Qt WebEngine against pages served on 127.0.0.1: pop-up killing, the
// site selector, links sent to new windows, the refresh countdown, offline mode, the menu's
// check marks and launchers, printing and recovery from a crashed renderer.

#include "history/history_record.h"
#include "page_server.h"
#include "platform/web_browser.h"
#include "program_fixture.h"
#include "sitelists/list_files.h"
#include "ui/application.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <csignal>
#include <memory>
#include <sys/types.h>

using namespace sg;
using sgtest::kLoadTimeoutMs;
using sgtest::mainWindows;
using sgtest::page;

namespace {

// The entry of this menu or its submenus with this caption.
QAction* menuEntry(const QMenu* menu, const QString& text)
{
    for (QAction* a : menu->actions()) {
        QAction* found = a->menu() ? menuEntry(a->menu(), text) : nullptr;
        if (a->text() == text || found)
            return found ? found : a;
    }
    return nullptr;
}

} // namespace

class BrowserEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void aPopUpThatSizesItselfIsKilled();
    void aSelectorClickOpensItsPage();
    void aLinkSentToANewWindowLogsThePageOnce();
    void theCountdownReloadsThePage();
    void offlineBlocksServedPagesUntilOnlineAgain();
    void menuCheckMarksFollowTheSettings();
    void aPagesPrintRequestPrintsThroughThePrintDialog();
    void aPageWhoseRendererCrashedComesBack();
    void theMessengerEntryStartsTheProgramAtItsPath();

private:
    // Starts the program on the served page; its first window once the page is up.
    ui::MainWindow* open(const char* path = "/radar.html", int refreshTickMs = 60000);
    std::vector<HistoryRecord> today() const
    {
        return readDayFile(dayFilePath(m_program->userData() / "History", SystemClock().now()))
            .value_or(std::vector<HistoryRecord> {});
    }
    sgtest::PageServer& server() const { return m_program->server(); }

    std::unique_ptr<sgtest::RunningProgram> m_program;
};

void BrowserEndToEnd::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    server().setPage("/radar.html", page("Radar Loop"));
}

ui::MainWindow* BrowserEndToEnd::open(const char* path, int refreshTickMs)
{
    if (!m_program->start(server().url(path), refreshTickMs))
        return nullptr;
    ui::MainWindow* window = m_program->firstWindow();
    const bool loaded = QTest::qWaitFor(
        [&] { return window->browser()->address() == server().url(path).toStdString(); },
        kLoadTimeoutMs);
    return loaded ? window : nullptr;
}

void BrowserEndToEnd::aPopUpThatSizesItselfIsKilled()
{
    server().setPage("/ad.html", page("Advert"));
    server().setPage("/opener.html",
        page("Opener", "window.open('/ad.html', 'ad', 'width=300,height=200,left=50,top=60');"));
    QList<QPointer<ui::MainWindow>> created;
    QVERIFY(m_program->start(server().url("/opener.html")));
    QCOMPARE(m_program->app().shared().settings.PopUpKilling, std::int16_t(1)); // the seed's
    connect(&m_program->app(), &ui::Application::mainWindowCreated, this,
        [&created](ui::MainWindow* w) { created.append(w); });
    QTRY_COMPARE_WITH_TIMEOUT(created.size(), 1, kLoadTimeoutMs); // the pop-up's window
    QTRY_VERIFY_WITH_TIMEOUT(created.front().isNull(), kLoadTimeoutMs); // killed and closed
    QCOMPARE(mainWindows().size(), 1);
    QCOMPARE(server().hits("/ad.html"), 1);
}

void BrowserEndToEnd::aSelectorClickOpensItsPage()
{
    QVERIFY(m_program->start());
    ui::MainWindow* window = m_program->firstWindow();
    // One category holding the served page, as the list files hold it.
    const std::vector<CategoryEntry> categories = { { "Local", "Sites00001.dab" } };
    QVERIFY(SaveCategories(m_program->userData(), categories));
    const std::vector<SiteRecord> sites
        = { { "Radar Loop", server().url("/radar.html").toStdString() } };
    QVERIFY(SaveSites(m_program->userData(), "Sites00001.dab", sites));
    window->forward([](auto& logic) { logic.loadSiteSelectors(); });
    QTreeWidget* list = window->selectorList(Control::CategorySelector);
    QWidget* button = window->control(Control::RightSelectorButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(list->isVisible() && list->hasFocus());
    // A second click on the button folds the open list away (the click does not take the
    // focus from the list first, which would hide it and let the click show it again).
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(!list->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_VERIFY(list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    // The columns fill the list: no scroll bar to the side, no column cut at its edge.
    QVERIFY(!list->horizontalScrollBar()->isVisible());
    QVERIFY(list->columnWidth(0) + list->columnWidth(1) <= list->width());
    QTreeWidgetItem* pageRow = list->topLevelItem(1);
    list->scrollToItem(pageRow);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(pageRow).center());
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(window->browser()->address()),
        server().url("/radar.html"), kLoadTimeoutMs);
    QVERIFY(!list->isVisible());
}

// With the New Window box checked a link opens in a new main window; the page it was
// clicked on is not logged a second time.
void BrowserEndToEnd::aLinkSentToANewWindowLogsThePageOnce()
{
    server().setPage("/links.html",
        page("Links",
            "document.body.insertAdjacentHTML('beforeend',"
            " '<a id=\"l\" href=\"/radar.html\">radar</a>');"));
    ui::MainWindow* window = open("/links.html");
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(today().size(), std::size_t(1), kLoadTimeoutMs);
    QTest::mouseClick(window->control(Control::NewWindowBox), Qt::LeftButton);
    window->browser()->page()->runJavaScript(
        QStringLiteral("document.getElementById('l').click();"));
    // The new window's page is logged after its own pass; the clicked page's record stays.
    QTRY_COMPARE_WITH_TIMEOUT(today().size(), std::size_t(2), kLoadTimeoutMs);
    QCOMPARE(mainWindows().size(), 2);
    QCOMPARE(QString::fromStdString(today().front().Url), server().url("/links.html"));
    QCOMPARE(today().front().Hits, 1);
    QCOMPARE(QString::fromStdString(window->browser()->address()), server().url("/links.html"));
}

void BrowserEndToEnd::theCountdownReloadsThePage()
{
    ui::MainWindow* window = open("/radar.html", 200); // 200 ms to a minute
    QVERIFY(window);
    QCOMPARE(server().hits("/radar.html"), 1);
    // Interval 1 minute, countdown on: the page reloads once a "minute".
    for (int i = 0; i < 4; ++i) {
        window->forward([](auto& logic) {
            logic.onIntervalButtonDown(Control::IntervalDownButton, MouseButton::Left);
            logic.onIntervalButtonUp(Control::IntervalDownButton);
        });
    }
    QCOMPARE(int(window->logic().refresh().countdown().interval()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(server().hits("/radar.html") >= 3, kLoadTimeoutMs);
}

void BrowserEndToEnd::offlineBlocksServedPagesUntilOnlineAgain()
{
    server().setPage("/storm.html", page("Storm Watch"));
    ui::MainWindow* window = open();
    QVERIFY(window);
    QSignalSpy finished(window->browser()->page(), &QWebEnginePage::loadFinished);

    // "&Work Offline" marks the caption (and every later caption) and blocks served pages.
    QAction* workOffline = menuEntry(window->mainMenu(), QStringLiteral("&Work Offline"));
    QVERIFY(workOffline);
    workOffline->trigger();
    const QString mark = QStringLiteral(" - Skyglass2 - [working offline]");
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop") + mark, kLoadTimeoutMs);
    QVERIFY(workOffline->isChecked());
    window->browser()->navigate(server().url("/storm.html").toStdString());
    // The spy may also catch the first page's late loadFinished(true).
    const auto failedLoad = [&] {
        return std::any_of(finished.begin(), finished.end(),
            [](const QList<QVariant>& args) { return !args.front().toBool(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(failedLoad(), kLoadTimeoutMs);
    QCOMPARE(server().hits("/storm.html"), 0);
    QTRY_VERIFY(window->windowTitle().endsWith(mark));

    workOffline->trigger();
    QVERIFY(!workOffline->isChecked() && !window->windowTitle().contains(mark));
    window->browser()->navigate(server().url("/storm.html").toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(server().hits("/storm.html"), 1, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Storm Watch - Skyglass2"), kLoadTimeoutMs);
}

void BrowserEndToEnd::menuCheckMarksFollowTheSettings()
{
    QVERIFY(m_program->start());
    ui::MainWindow* window = m_program->firstWindow();
    QAction* statusBarEntry = menuEntry(window->mainMenu(), QStringLiteral("Status&Bar"));
    QAction* killPops = menuEntry(window->mainMenu(), QStringLiteral("&Kill Pop-Up Ad Windows"));
    QVERIFY(statusBarEntry && killPops);
    const Settings& s = m_program->app().shared().settings;
    QWidget* statusBar = window->control(Control::StatusBar);
    QWidget* popUpPanel = statusBar->childAt(statusBar->width() - 20, 8);
    while (popUpPanel && popUpPanel->parentWidget() != statusBar)
        popUpPanel = popUpPanel->parentWidget();
    QVERIFY(popUpPanel);
    for (int click = 0; click < 2; ++click) {
        killPops->trigger();
        QCOMPARE(killPops->isChecked(), s.PopUpKilling == 1);
        // The pop-up panel shows its state's text beside its picture, and is read by it.
        const QString text = s.PopUpKilling == 1 ? QStringLiteral("Pop-Ups") : QString();
        QCOMPARE(popUpPanel->accessibleName(), text);
        const QList<QLabel*> labels = popUpPanel->findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
            [&](QLabel* l) { return !l->isHidden() && l->text() == text; }));
        QVERIFY(std::any_of(labels.begin(), labels.end(),
            [](QLabel* l) { return !l->isHidden() && !l->pixmap().isNull(); }));
        statusBarEntry->trigger();
        QCOMPARE(statusBarEntry->isChecked(), s.StatusBarHidden == 0);
    }
}

void BrowserEndToEnd::aPagesPrintRequestPrintsThroughThePrintDialog()
{
    ui::MainWindow* window = open();
    QVERIFY(window);
    const QString pdf = QString::fromStdString((m_program->userData() / "radar.pdf").string());
    // Once the dialog is up, the printer it was given prints to a PDF file.
    bool dialogShown = false;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
            dialog->done(QDialog::Accepted);
        }
    });
    answer.start(50);
    QSignalSpy printed(window->browser(), &QWebEngineView::printFinished);
    window->browser()->page()->runJavaScript(QStringLiteral("window.print()"));
    QTRY_COMPARE_WITH_TIMEOUT(printed.count(), 1, kLoadTimeoutMs);
    answer.stop();
    QVERIFY(dialogShown);
    QCOMPARE(printed.front().front().toBool(), true);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
}

void BrowserEndToEnd::aPageWhoseRendererCrashedComesBack()
{
    ui::MainWindow* window = open();
    QVERIFY(window);
    QCOMPARE(server().hits("/radar.html"), 1);
    QWebEnginePage* page = window->browser()->page();
    QTRY_VERIFY(page->renderProcessPid() > 0);
    QSignalSpy crashed(page, &QWebEnginePage::renderProcessTerminated);
    QCOMPARE(::kill(static_cast<pid_t>(page->renderProcessPid()), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(crashed.count(), 1, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(server().hits("/radar.html"), 2, kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(page->renderProcessPid() > 0, kLoadTimeoutMs);
}

void BrowserEndToEnd::theMessengerEntryStartsTheProgramAtItsPath()
{
    QVERIFY(m_program->start());
    ui::MainWindow* window = m_program->firstWindow();
    const std::filesystem::path folder = m_program->userData();
    const QString program = QString::fromStdString((folder / "messenger program").string());
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$$\" > \"$(dirname \"$0\")/started\"\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    Settings& s = m_program->app().shared().settings;
    s.MessengerPath = program.toStdString();
    const QString caption = QStringLiteral("&") + QString::fromStdString(s.MessengerCaption);
    QAction* messenger = menuEntry(window->mainMenu(), caption);
    QVERIFY(messenger);
    messenger->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(folder / "started"), 10000);
}

QTEST_MAIN(BrowserEndToEnd)
#include "browser_e2e_test.moc"

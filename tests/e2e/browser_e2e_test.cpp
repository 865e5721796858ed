// The real program on Qt WebEngine against pages served on 127.0.0.1: start-up to a main
// window, history logging, settings at close, new windows, pop-up killing, the site
// selector, the refresh countdown, offline mode, the menu's check marks, printing and
// recovery from a crashed renderer.

#include "history/history_record.h"
#include "page_server.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "program_fixture.h"
#include "settings/settings_file.h"
#include "sitelists/list_files.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
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
#include <QTemporaryDir>
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

bool anyWindowTitled(const QString& title)
{
    const QList<ui::MainWindow*> windows = mainWindows();
    return std::any_of(windows.begin(), windows.end(),
        [&](ui::MainWindow* w) { return w->windowTitle() == title; });
}

} // namespace

class BrowserEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void commandLineAddressIsOpenedAndLogged();
    void closingTheWindowWritesTheSettingsFile();
    void windowOpenGivesASecondMainWindowThatMayCloseItself();
    void aPopUpThatSizesItselfIsKilled();
    void aSelectorClickOpensItsPage();
    void aLinkSentToANewWindowLogsThePageOnce();
    void theCountdownReloadsThePage();
    void offlineBlocksServedPagesUntilOnlineAgain();
    void menuCheckMarksFollowTheSettings();
    void aPagesPrintRequestPrintsThroughThePrintDialog();
    void aPageWhoseRendererCrashedComesBack();

private:
    std::unique_ptr<ui::Application> launch(
        const QString& commandLine, ui::ApplicationOptions o = {});
    std::filesystem::path userData() const;

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<sgtest::PageServer> m_server;
};

void BrowserEndToEnd::init()
{
    m_home = sgtest::useNewDataHome();
    m_server = std::make_unique<sgtest::PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
}

void BrowserEndToEnd::cleanup()
{
    QTRY_VERIFY_WITH_TIMEOUT(mainWindows().isEmpty(), 5000);
    m_server.reset();
    m_home.reset();
}

std::filesystem::path BrowserEndToEnd::userData() const
{
    return userDataDirFor(platform::profileDir());
}

std::unique_ptr<ui::Application> BrowserEndToEnd::launch(
    const QString& commandLine, ui::ApplicationOptions o)
{
    const StartupOutcome outcome = sgtest::startUp(commandLine);
    if (!outcome.ok)
        return nullptr;
    auto app = std::make_unique<ui::Application>(outcome.state, o);
    app->start();
    return app;
}

void BrowserEndToEnd::commandLineAddressIsOpenedAndLogged()
{
    const QString address = m_server->url("/radar.html");
    auto app = launch('"' + address + '"');
    QVERIFY(app);
    const auto dayFile = dayFilePath(userData() / "History", SystemClock().now());
    QTRY_VERIFY_WITH_TIMEOUT(
        readDayFile(dayFile).value_or(std::vector<HistoryRecord> {}).size() == 1, kLoadTimeoutMs);
    const HistoryRecord r = readDayFile(dayFile)->front();
    QCOMPARE(QString::fromStdString(r.Title), QStringLiteral("Radar Loop"));
    QCOMPARE(QString::fromStdString(r.Url), address);
    QCOMPARE(QString::fromStdString(r.Host), QStringLiteral("127.0.0.1:%1").arg(m_server->port()));
    QCOMPARE(r.Hits, 1);
    ui::MainWindow* window = mainWindows().value(0);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"));
    window->close();
}

void BrowserEndToEnd::closingTheWindowWritesTheSettingsFile()
{
    auto app = launch(m_server->url("/radar.html"));
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QVERIFY(window);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    // The increase button, pressed and released: the interval goes from 5 to 6.
    window->forward([](auto& logic) {
        logic.onIntervalButtonDown(Control::IntervalUpButton, MouseButton::Left);
        logic.onIntervalButtonUp(Control::IntervalUpButton);
    });
    window->setGeometry(100, 80, 900, 600);
    QTRY_COMPARE(window->width(), 900);
    const float expectedWidth = float(window->frameGeometry().width() * 15);
    QSignalSpy saved(app.get(), &ui::Application::settingsSaved);
    window->close();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 1, 5000);
    const auto settings = readSettingsFile(userData() / "Skyglass.ini");
    QVERIFY(settings);
    QCOMPARE(settings->RefreshInterval, std::int16_t(6));
    QCOMPARE(settings->WindowWidth, expectedWidth);
}

void BrowserEndToEnd::windowOpenGivesASecondMainWindowThatMayCloseItself()
{
    m_server->setPage("/opener.html", page("Opener", "window.open('/radar.html');"));
    auto app = launch(m_server->url("/opener.html"));
    QVERIFY(app);
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 2, kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(anyWindowTitled("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    // The page a script opened may close its window again, as in other browsers.
    for (ui::MainWindow* w : mainWindows()) {
        if (w->windowTitle() == QStringLiteral("Radar Loop - Skyglass2"))
            w->browser()->page()->runJavaScript(QStringLiteral("window.close();"));
    }
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 1, kLoadTimeoutMs);
    QCOMPARE(mainWindows().front()->windowTitle(), QStringLiteral("Opener - Skyglass2"));
    mainWindows().front()->close();
}

void BrowserEndToEnd::aPopUpThatSizesItselfIsKilled()
{
    m_server->setPage("/ad.html", page("Advert"));
    m_server->setPage("/opener.html",
        page("Opener", "window.open('/ad.html', 'ad', 'width=300,height=200,left=50,top=60');"));
    auto app = launch(m_server->url("/opener.html"));
    QVERIFY(app);
    QCOMPARE(app->shared().settings.PopUpKilling, std::int16_t(1)); // the seed kills pop-ups
    QList<QPointer<ui::MainWindow>> created;
    connect(app.get(), &ui::Application::mainWindowCreated, this,
        [&created](ui::MainWindow* w) { created.append(w); });
    QTRY_COMPARE_WITH_TIMEOUT(created.size(), 1, kLoadTimeoutMs); // the pop-up's window
    QTRY_VERIFY_WITH_TIMEOUT(created.front().isNull(), kLoadTimeoutMs); // killed and closed
    QCOMPARE(mainWindows().size(), 1);
    QCOMPARE(m_server->hits("/ad.html"), 1);
    mainWindows().front()->close();
}

void BrowserEndToEnd::aSelectorClickOpensItsPage()
{
    auto app = launch(QString());
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QVERIFY(window);
    // One category holding the served page, as the list files hold it.
    const std::vector<CategoryEntry> categories = { { "Local", "Sites00001.dab" } };
    QVERIFY(SaveCategories(userData(), categories));
    const std::vector<SiteRecord> sites
        = { { "Radar Loop", m_server->url("/radar.html").toStdString() } };
    QVERIFY(SaveSites(userData(), "Sites00001.dab", sites));
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
        m_server->url("/radar.html"), kLoadTimeoutMs);
    QVERIFY(!list->isVisible());
    window->close();
}

// With the New Window box checked a link opens in a new main window; the page it was
// clicked on is not logged a second time.
void BrowserEndToEnd::aLinkSentToANewWindowLogsThePageOnce()
{
    m_server->setPage("/links.html",
        page("Links",
            "document.body.insertAdjacentHTML('beforeend',"
            " '<a id=\"l\" href=\"/radar.html\">radar</a>');"));
    const QString links = m_server->url("/links.html");
    auto app = launch(links);
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    const auto dayFile = dayFilePath(userData() / "History", SystemClock().now());
    const auto records
        = [&] { return readDayFile(dayFile).value_or(std::vector<HistoryRecord> {}); };
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), std::size_t(1), kLoadTimeoutMs);
    QTest::mouseClick(window->control(Control::NewWindowBox), Qt::LeftButton);
    window->browser()->page()->runJavaScript(
        QStringLiteral("document.getElementById('l').click();"));
    // The new window's page is logged after its own pass; the clicked page's record stays.
    QTRY_COMPARE_WITH_TIMEOUT(records().size(), std::size_t(2), kLoadTimeoutMs);
    QCOMPARE(mainWindows().size(), 2);
    QCOMPARE(QString::fromStdString(records().front().Url), links);
    QCOMPARE(records().front().Hits, 1);
    QCOMPARE(QString::fromStdString(window->browser()->address()), links);
    for (ui::MainWindow* w : mainWindows())
        w->close();
}

void BrowserEndToEnd::theCountdownReloadsThePage()
{
    ui::ApplicationOptions fast;
    fast.refreshTickMs = 200; // a minute of the countdown
    auto app = launch(m_server->url("/radar.html"), fast);
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    QCOMPARE(m_server->hits("/radar.html"), 1);
    // Interval 1 minute, countdown on: the page reloads once a "minute".
    for (int i = 0; i < 4; ++i) {
        window->forward([](auto& logic) {
            logic.onIntervalButtonDown(Control::IntervalDownButton, MouseButton::Left);
            logic.onIntervalButtonUp(Control::IntervalDownButton);
        });
    }
    QCOMPARE(int(window->logic().refresh().countdown().interval()), 1);
    QTRY_VERIFY_WITH_TIMEOUT(m_server->hits("/radar.html") >= 3, kLoadTimeoutMs);
    window->close();
}

void BrowserEndToEnd::offlineBlocksServedPagesUntilOnlineAgain()
{
    m_server->setPage("/storm.html", page("Storm Watch"));
    auto app = launch(m_server->url("/radar.html"));
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    QSignalSpy finished(window->browser()->page(), &QWebEnginePage::loadFinished);

    QVERIFY(app->SetOffline());
    window->browser()->navigate(m_server->url("/storm.html").toStdString());
    // The spy may also catch the first page's late loadFinished(true).
    const auto failedLoad = [&] {
        return std::any_of(finished.begin(), finished.end(),
            [](const QList<QVariant>& args) { return !args.front().toBool(); });
    };
    QTRY_VERIFY_WITH_TIMEOUT(failedLoad(), kLoadTimeoutMs);
    QCOMPARE(m_server->hits("/storm.html"), 0);

    QVERIFY(app->SetOnline());
    window->browser()->navigate(m_server->url("/storm.html").toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(m_server->hits("/storm.html"), 1, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Storm Watch - Skyglass2"), kLoadTimeoutMs);
    window->close();
}

void BrowserEndToEnd::menuCheckMarksFollowTheSettings()
{
    auto app = launch(m_server->url("/radar.html"));
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QVERIFY(window);
    const auto find = [&](const QString& text) -> QAction* {
        for (QAction* a : window->mainMenu()->actions()) {
            if (a->text() == text)
                return a;
            if (a->menu()) {
                for (QAction* sub : a->menu()->actions())
                    if (sub->text() == text)
                        return sub;
            }
        }
        return nullptr;
    };
    QAction* statusBarEntry = find(QStringLiteral("Status&Bar"));
    QAction* killPops = find(QStringLiteral("&Kill Pop-Up Ad Windows"));
    QVERIFY(statusBarEntry && killPops);
    const Settings& s = app->shared().settings;
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
    window->close();
}

void BrowserEndToEnd::aPagesPrintRequestPrintsThroughThePrintDialog()
{
    auto app = launch(m_server->url("/radar.html"));
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    const QString pdf = m_home->filePath(QStringLiteral("radar.pdf"));
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
    window->close();
}

void BrowserEndToEnd::aPageWhoseRendererCrashedComesBack()
{
    auto app = launch(m_server->url("/radar.html"));
    QVERIFY(app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        window->windowTitle(), QStringLiteral("Radar Loop - Skyglass2"), kLoadTimeoutMs);
    QCOMPARE(m_server->hits("/radar.html"), 1);
    QWebEnginePage* page = window->browser()->page();
    QTRY_VERIFY(page->renderProcessPid() > 0);
    QSignalSpy crashed(page, &QWebEnginePage::renderProcessTerminated);
    QCOMPARE(::kill(static_cast<pid_t>(page->renderProcessPid()), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(crashed.count(), 1, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_server->hits("/radar.html"), 2, kLoadTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(page->renderProcessPid() > 0, kLoadTimeoutMs);

    // A second crash within the minute is left alone: a crashing page cannot loop.
    QCOMPARE(::kill(static_cast<pid_t>(page->renderProcessPid()), SIGKILL), 0);
    QTRY_COMPARE_WITH_TIMEOUT(crashed.count(), 2, kLoadTimeoutMs);
    QTest::qWait(2000);
    QCOMPARE(m_server->hits("/radar.html"), 2);
    window->close();
}

QTEST_MAIN(BrowserEndToEnd)
#include "browser_e2e_test.moc"

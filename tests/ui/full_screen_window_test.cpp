// The full-screen window in the real program: F11 and the Full Screen box send a main
// window's page there, its add-page panel files the page, Esc hides it and its own pages'
// new windows open as main windows.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "fullscreen/full_screen_layout.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "sitelists/list_files.h"
#include "startup/startup_helpers.h"
#include "startup/startup_sequence.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEngineHistory>
#include <memory>

using namespace sg;
using sgtest::kLoadTimeoutMs;
using sgtest::mainWindows;
using sgtest::page;

namespace {

// The window over the screen's work area, 45 twips (3 pixels) short at the bottom.
QRect workAreaFit(QWidget* window)
{
    const QRect area = window->screen()->availableGeometry();
    return { area.x(), area.y(), area.width(), area.height() - 3 };
}

QString locationOf(ui::FullScreenWindow* window)
{
    return QString::fromStdString(window->browser()->address());
}

} // namespace

class FullScreenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void f11ShowsTheMainWindowsPage();
    void addingThePageFilesItInTheChosenCategory();
    void addPageWithoutCategoriesShowsTheMessage();
    void escHidesAndTheNextOpeningFillsTheWorkArea();
    void theFullScreenBoxSendsTheNextPageThere();
    void aPageOpenedByTheFullScreenPageGetsAMainWindow();

private:
    std::unique_ptr<ui::Application> launch(const QString& commandLine);
    ui::FullScreenWindow* openWithF11(ui::MainWindow* window, const QString& url);
    std::filesystem::path userData() const { return userDataDirFor(platform::profileDir()); }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<sgtest::PageServer> m_server;
    std::unique_ptr<ui::Application> m_app;
};

void FullScreenWindowTest::init()
{
    m_home = sgtest::useNewDataHome();
    m_server = std::make_unique<sgtest::PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
    m_server->setPage("/other.html", page("Other Page"));
}

void FullScreenWindowTest::cleanup()
{
    for (ui::MainWindow* w : mainWindows())
        w->close();
    QTRY_VERIFY_WITH_TIMEOUT(mainWindows().isEmpty(), 5000);
    m_app.reset();
    m_server.reset();
    m_home.reset();
}

std::unique_ptr<ui::Application> FullScreenWindowTest::launch(const QString& commandLine)
{
    const StartupOutcome outcome = sgtest::startUp(commandLine);
    if (!outcome.ok)
        return nullptr;
    auto app = std::make_unique<ui::Application>(outcome.state);
    app->start();
    return app;
}

// The main window shows the page; F11 hands it to the full-screen window.
ui::FullScreenWindow* FullScreenWindowTest::openWithF11(ui::MainWindow* window, const QString& url)
{
    if (!window)
        return nullptr;
    if (!QTest::qWaitFor(
            [&] { return window->browser()->address() == url.toStdString(); }, kLoadTimeoutMs))
        return nullptr;
    window->forward([](auto& logic) { logic.onKeyDown({ Key::F11 }); });
    return m_app->fullScreenWindow();
}

void FullScreenWindowTest::f11ShowsTheMainWindowsPage()
{
    const QString url = m_server->url("/radar.html");
    m_app = launch(url);
    QVERIFY(m_app);
    QVERIFY(!m_app->fullScreenWindow()); // made when first needed
    ui::FullScreenWindow* full = openWithF11(mainWindows().value(0), url);
    QVERIFY(full);
    QVERIFY(full->isVisible());
    QVERIFY(full->windowFlags().testFlag(Qt::FramelessWindowHint));
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), url, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(full->windowTitle(),
        QStringLiteral("Radar Loop - Skyglass2 - Full Screen Window"), kLoadTimeoutMs);
    QCOMPARE(full->geometry(), workAreaFit(full));
    QCOMPARE(full->control(FullScreenControl::TitleStrip)->toolTip(),
        QStringLiteral("Radar Loop - Skyglass2 - Full Screen Window"));
    // The blank page it started with is not in its history: Back stays disabled.
    QTRY_COMPARE_WITH_TIMEOUT(full->browser()->history()->count(), 1, kLoadTimeoutMs);
    QVERIFY(!full->control(FullScreenControl::BackButton)->isEnabled());
    QCOMPARE(m_server->hits("/radar.html"), 2);

    // The menu entry acts as F11 and shows the same window again.
    full->hide();
    ui::MainWindow* window = mainWindows().value(0);
    window->logic().onViewFullScreen();
    QCOMPARE(m_app->fullScreenWindow(), full);
    QVERIFY(full->isVisible());
}

void FullScreenWindowTest::addingThePageFilesItInTheChosenCategory()
{
    const QString url = m_server->url("/radar.html");
    m_app = launch(url);
    QVERIFY(m_app);
    const auto categories = LoadCategories(userData());
    QVERIFY(categories && categories->size() >= 2);
    const Category chosen = (*categories)[1];
    const std::size_t before = LoadSites(userData(), chosen.siteFileName)->size();
    ui::MainWindow* window = mainWindows().value(0);
    ui::FullScreenWindow* full = openWithF11(window, url);
    QVERIFY(full);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(full->logic().state().pageTitle),
        QStringLiteral("Radar Loop"), kLoadTimeoutMs);

    QWidget* panel = full->control(FullScreenControl::AddPagePanel);
    auto* chooser = static_cast<QComboBox*>(full->control(FullScreenControl::CategoryChooser));
    QTest::mouseClick(full->control(FullScreenControl::AddPageButton), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    QCOMPARE(chooser->count(), int(categories->size()));
    QCOMPARE(chooser->itemText(1), QString::fromStdString(chosen.name));
    QCOMPARE(chooser->currentIndex(), 0);
    // The panel is dragged by its edge: the grabbed point lands where the mouse goes up.
    const QPoint panelAt = panel->pos();
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(103, 53));
    QCOMPARE(panel->pos(), panelAt + QPoint(100, 50));
    // The next item chosen from the keyboard: the page is filed there.
    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Down);

    QVERIFY(!panel->isVisible());
    QCOMPARE(chooser->count(), 0);
    const auto sites = LoadSites(userData(), chosen.siteFileName);
    QVERIFY(sites);
    QCOMPARE(sites->size(), before + 1);
    QCOMPARE(QString::fromStdString(sites->back().SiteName), QStringLiteral("Radar Loop"));
    QCOMPARE(QString::fromStdString(sites->back().SiteUrl), url);
    // The main window's site selector shows the new page at once.
    const auto& rows = window->logic().view().categorySelector.rows;
    QVERIFY(std::any_of(rows.begin(), rows.end(),
        [&](const SelectorRow& row) { return row.url == url.toStdString(); }));
}

void FullScreenWindowTest::addPageWithoutCategoriesShowsTheMessage()
{
    const QString url = m_server->url("/radar.html");
    m_app = launch(url);
    QVERIFY(m_app);
    ui::FullScreenWindow* full = openWithF11(mainWindows().value(0), url);
    QVERIFY(full);
    std::filesystem::remove(categoryListPath(userData()));

    QString shown;
    bool modalWhileShown = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY_WITH_TIMEOUT(
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), 5000);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        shown = box->windowTitle() + "|" + box->text();
        modalWhileShown = m_app->shared().ModalWindowOpen;
        box->accept();
    });
    QTest::mouseClick(full->control(FullScreenControl::AddPageButton), Qt::LeftButton);
    QCOMPARE(shown, QStringLiteral("Skyglass2|Can't Add Page. No Categories Exist."));
    QVERIFY(modalWhileShown);
    QVERIFY(!m_app->shared().ModalWindowOpen);
    QVERIFY(!full->control(FullScreenControl::AddPagePanel)->isVisible());
    QVERIFY(!std::filesystem::exists(categoryListPath(userData())));
}

void FullScreenWindowTest::escHidesAndTheNextOpeningFillsTheWorkArea()
{
    const QString url = m_server->url("/radar.html");
    m_app = launch(url);
    QVERIFY(m_app);
    ui::MainWindow* window = mainWindows().value(0);
    ui::FullScreenWindow* full = openWithF11(window, url);
    QVERIFY(full);
    full->setGeometry(200, 150, 700, 500); // as if moved by the title strip and resized
    QTRY_COMPARE(full->geometry(), QRect(200, 150, 700, 500));
    // Esc is the key of the window the user is in.
    full->activateWindow();
    QTRY_VERIFY(full->isActiveWindow());
    QTest::keyClick(full, Qt::Key_Escape);
    QVERIFY(!full->isVisible());
    QCOMPARE(full->geometry(), workAreaFit(full));

    full->move(300, 300);
    window->forward([](auto& logic) { logic.onKeyDown({ Key::F11 }); });
    QVERIFY(full->isVisible());
    QTRY_COMPARE(full->geometry(), workAreaFit(full));
    // The browser fills the window under the title strip.
    QCOMPARE(full->browser()->geometry(), QRect(-2, 6, full->width() + 4, full->height() - 6));
}

void FullScreenWindowTest::theFullScreenBoxSendsTheNextPageThere()
{
    const QString radar = m_server->url("/radar.html");
    const QString other = m_server->url("/other.html");
    m_app = launch(radar);
    QVERIFY(m_app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromStdString(window->browser()->address()), radar, kLoadTimeoutMs);
    QCheckBox* box = nullptr;
    for (auto* check : window->findChildren<QCheckBox*>())
        if (check->accessibleName() == QStringLiteral("Full Screen (Open Next Page In)"))
            box = check;
    QVERIFY(box);

    // Go with the box checked.
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    window->forward([&](auto& logic) {
        logic.onAddressTextEdited(other.toStdString());
        logic.onGoClick();
    });
    QVERIFY(!box->isChecked());
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    QVERIFY(full);
    QVERIFY(full->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), other, kLoadTimeoutMs);
    full->logic().onCloseClick();
    QVERIFY(!full->isVisible());

    // A page's own new window with the box checked goes there too.
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(box->isChecked());
    m_server->setPage("/third.html", page("Third Page"));
    window->browser()->page()->runJavaScript(QStringLiteral("window.open('/third.html');"));
    QTRY_VERIFY_WITH_TIMEOUT(full->isVisible(), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), m_server->url("/third.html"), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(full->windowTitle(),
        QStringLiteral("Third Page - Skyglass2 - Full Screen Window"), kLoadTimeoutMs);
    QVERIFY(!box->isChecked());
    QCOMPARE(mainWindows().size(), 1);
    QCOMPARE(QString::fromStdString(window->browser()->address()), radar);
}

void FullScreenWindowTest::aPageOpenedByTheFullScreenPageGetsAMainWindow()
{
    m_server->setPage("/opener.html", page("Opener", "window.open('/other.html');"));
    const QString url = m_server->url("/radar.html");
    m_app = launch(url);
    QVERIFY(m_app);
    ui::MainWindow* window = mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromStdString(window->browser()->address()), url, kLoadTimeoutMs);
    const float left = m_app->shared().settings.WindowLeft;
    m_app->openInFullScreen(m_server->url("/opener.html").toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 2, kLoadTimeoutMs);
    ui::MainWindow* opened
        = mainWindows().value(0) == window ? mainWindows().value(1) : mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(opened->browser()->address()),
        m_server->url("/other.html"), kLoadTimeoutMs);
    QCOMPARE(m_app->shared().settings.WindowLeft, fullScreenCascade(left));
}

QTEST_MAIN(FullScreenWindowTest)
#include "full_screen_window_test.moc"

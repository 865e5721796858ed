// The full-screen window in the real program: F11 and the Full Screen box send a main
// window's page there, its buttons lie whole above the page, its add-page panel files the
// page, its slideshow shows a category's served pages in turn, Esc hides it and its own
// pages' new windows open as main windows.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "fullscreen/full_screen_layout.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "settings/extra_settings.h"
#include "sitelists/list_files.h"
#include "startup/startup_helpers.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
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

// A key of the window: the action it is the shortcut of is triggered, as the key does while
// the window is active (which other test programs on the display may take from it).
bool press(QWidget* window, Qt::Key key)
{
    for (QAction* action : window->actions()) {
        if (action->shortcut() == QKeySequence(key) && action->isEnabled()) {
            action->trigger();
            return true;
        }
    }
    return false;
}

QString stripText(ui::FullScreenWindow* window)
{
    return QString::fromStdString(window->logic().view().stripText);
}

} // namespace

class FullScreenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void f11ShowsThePageUnderWholeButtonsAndEscHidesIt();
    void addingThePageFilesItInTheChosenCategory();
    void theFullScreenBoxSendsTheNextPageThere();
    void aPageOpenedByTheFullScreenPageGetsAMainWindow();
    void theSlideshowShowsACategorysPagesInTurn();

private:
    // F11 in the main window: the full-screen window, shown.
    ui::FullScreenWindow* openWithF11();
    std::filesystem::path userData() const { return userDataDirFor(platform::profileDir()); }

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<sgtest::PageServer> m_server;
    std::unique_ptr<ui::Application> m_app;
    QString m_radar;
    ui::MainWindow* m_main = nullptr;
};

void FullScreenWindowTest::init()
{
    m_home = sgtest::useNewDataHome();
    m_server = std::make_unique<sgtest::PageServer>();
    m_server->setPage("/radar.html", page("Radar Loop"));
    m_server->setPage("/other.html", page("Other Page"));
    m_radar = m_server->url("/radar.html");
    const StartupOutcome outcome = sgtest::startUp(m_radar);
    QVERIFY(outcome.ok);
    m_app = std::make_unique<ui::Application>(outcome.state);
    m_main = m_app->start();
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromStdString(m_main->browser()->address()), m_radar, kLoadTimeoutMs);
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

ui::FullScreenWindow* FullScreenWindowTest::openWithF11()
{
    m_main->logic().onKeyDown({ Key::F11 });
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    return full && QTest::qWaitForWindowExposed(full) ? full : nullptr;
}

void FullScreenWindowTest::f11ShowsThePageUnderWholeButtonsAndEscHidesIt()
{
    QVERIFY(!m_app->fullScreenWindow()); // made when first needed
    ui::FullScreenWindow* full = openWithF11();
    QVERIFY(full);
    QVERIFY(full->windowFlags().testFlag(Qt::FramelessWindowHint));
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), m_radar, kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(full->windowTitle(),
        QStringLiteral("Radar Loop - Skyglass2 - Full Screen Window"), kLoadTimeoutMs);
    QCOMPARE(full->geometry(), workAreaFit(full));
    // The blank page it started with is not in its history: Back stays disabled.
    QTRY_COMPARE_WITH_TIMEOUT(full->browser()->history()->count(), 1, kLoadTimeoutMs);
    QVERIFY(!full->control(FullScreenControl::BackButton)->isEnabled());
    QCOMPARE(m_server->hits("/radar.html"), 2);

    // Mended: the page covered the lower half of the picture buttons. Each is whole above
    // the page, and its bottom row of pixels is the button's own.
    const QRect page = full->browser()->geometry();
    QCOMPARE(page, QRect(0, 24, full->width(), full->height() - 24));
    for (const FullScreenControl c : { FullScreenControl::DockButton,
             FullScreenControl::AddPageButton, FullScreenControl::SlideshowButton,
             FullScreenControl::BackButton, FullScreenControl::ForwardButton,
             FullScreenControl::RefreshButton, FullScreenControl::CloseButton }) {
        QWidget* button = full->control(c);
        const QRect place(button->mapTo(full, QPoint(0, 0)), button->size());
        QVERIFY2(place.bottom() < page.top(), qPrintable(button->accessibleName()));
        QCOMPARE(QApplication::widgetAt(
                     button->mapToGlobal(QPoint(button->width() / 2, button->height() - 1))),
            button);
    }

    // Esc hides it; the next opening fills the work area again, wherever it was moved.
    full->setGeometry(200, 150, 700, 500);
    QTRY_COMPARE(full->geometry(), QRect(200, 150, 700, 500));
    QVERIFY(press(full, Qt::Key_Escape));
    QVERIFY(!full->isVisible());
    QCOMPARE(full->geometry(), workAreaFit(full));
    full->move(300, 300);
    QCOMPARE(openWithF11(), full);
    QTRY_COMPARE(full->geometry(), workAreaFit(full));
}

void FullScreenWindowTest::addingThePageFilesItInTheChosenCategory()
{
    const auto categories = LoadCategories(userData());
    QVERIFY(categories && categories->size() >= 2);
    const Category chosen = (*categories)[1];
    const std::size_t before = LoadSites(userData(), chosen.siteFileName)->size();
    ui::FullScreenWindow* full = openWithF11();
    QVERIFY(full);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(full->logic().pageTitle()),
        QStringLiteral("Radar Loop"), kLoadTimeoutMs);

    QWidget* panel = full->control(FullScreenControl::AddPagePanel);
    QComboBox* chooser = full->pageCategoryChooser();
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
    QCOMPARE(QString::fromStdString(sites->back().SiteUrl), m_radar);
}

void FullScreenWindowTest::theFullScreenBoxSendsTheNextPageThere()
{
    const QString other = m_server->url("/other.html");
    QCheckBox* box = nullptr;
    for (auto* check : m_main->findChildren<QCheckBox*>())
        if (check->accessibleName() == QStringLiteral("Full Screen (Open Next Page In)"))
            box = check;
    QVERIFY(box);

    // Go with the box checked.
    QTest::mouseClick(box, Qt::LeftButton);
    m_main->logic().onAddressTextEdited(other.toStdString());
    m_main->logic().onGoClick();
    QVERIFY(!box->isChecked());
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    QVERIFY(full && full->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), other, kLoadTimeoutMs);
    QTest::mouseClick(full->control(FullScreenControl::CloseButton), Qt::LeftButton);
    QVERIFY(!full->isVisible());

    // A page's own new window with the box checked goes there too.
    QTest::mouseClick(box, Qt::LeftButton);
    m_server->setPage("/third.html", page("Third Page"));
    m_main->browser()->page()->runJavaScript(QStringLiteral("window.open('/third.html');"));
    QTRY_VERIFY_WITH_TIMEOUT(full->isVisible(), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), m_server->url("/third.html"), kLoadTimeoutMs);
    QVERIFY(!box->isChecked());
    QCOMPARE(mainWindows().size(), 1);
    QCOMPARE(QString::fromStdString(m_main->browser()->address()), m_radar);
}

void FullScreenWindowTest::aPageOpenedByTheFullScreenPageGetsAMainWindow()
{
    m_server->setPage("/opener.html", page("Opener", "window.open('/other.html');"));
    const float left = m_app->shared().settings.WindowLeft;
    m_app->openInFullScreen(m_server->url("/opener.html").toStdString());
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 2, kLoadTimeoutMs);
    ui::MainWindow* opened
        = mainWindows().value(0) == m_main ? mainWindows().value(1) : mainWindows().value(0);
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(opened->browser()->address()),
        m_server->url("/other.html"), kLoadTimeoutMs);
    QCOMPARE(m_app->shared().settings.WindowLeft, fullScreenCascade(left));
}

void FullScreenWindowTest::theSlideshowShowsACategorysPagesInTurn()
{
    m_server->setPage("/one.html", page("One"));
    m_server->setPage("/two.html", page("Two"));
    const QString one = m_server->url("/one.html");
    const QString two = m_server->url("/two.html");
    // Nothing listens on port 1 of this machine: that page fails to load.
    const QString refused = QStringLiteral("http://127.0.0.1:1/");
    const auto categories = LoadCategories(userData());
    QVERIFY(categories && !categories->empty());
    const std::vector<SiteRecord> pages { { "One", one.toStdString() },
        { "Refused", refused.toStdString() }, { "Two", two.toStdString() } };
    QVERIFY(SaveSites(userData(), categories->front().siteFileName, pages));

    m_app->startSlideshow(); // as the main menu's entry does
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    QVERIFY(full && QTest::qWaitForWindowExposed(full));
    QVERIFY(full->control(FullScreenControl::SlideshowPanel)->isVisible());
    full->slideshowCategoryChooser()->setCurrentIndex(0);
    full->dwellBox()->setValue(5);
    QTest::mouseClick(full->slideshowStartButton(), Qt::LeftButton);
    QVERIFY(!full->control(FullScreenControl::SlideshowPanel)->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), one, kLoadTimeoutMs);
    const QString name = QString::fromStdString(categories->front().name);
    QVERIFY(stripText(full).startsWith(name + " - Page 1 Of 3 - Next In "));

    // Right steps at once; the page that fails is told and left after its dwell.
    QVERIFY(press(full, Qt::Key_Right));
    QTRY_VERIFY_WITH_TIMEOUT(
        stripText(full).contains("Page 2 Of 3 - Failed To Load"), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), two, kLoadTimeoutMs);
    QVERIFY(stripText(full).contains("Page 3 Of 3 - Next In"));

    // Space pauses and goes on; so does the pointer over the strip.
    QVERIFY(press(full, Qt::Key_Space));
    QCOMPARE(stripText(full), name + " - Page 3 Of 3 - Paused");
    QVERIFY(press(full, Qt::Key_Space));
    QVERIFY(stripText(full).contains("Next In"));
    QWidget* strip = full->control(FullScreenControl::TitleStrip);
    QTest::mouseMove(strip, strip->rect().center());
    QTRY_COMPARE(stripText(full), name + " - Page 3 Of 3 - Paused");
    QTest::mouseMove(full->browser(), full->browser()->rect().center());
    QTRY_VERIFY(stripText(full).contains("Next In"));

    // Round to the first page again, loaded afresh; Esc ends the show, a second one closes.
    const int hitsBefore = m_server->hits("/one.html");
    QVERIFY(press(full, Qt::Key_Right));
    QTRY_COMPARE_WITH_TIMEOUT(m_server->hits("/one.html"), hitsBefore + 1, kLoadTimeoutMs);
    QVERIFY(press(full, Qt::Key_Escape));
    QVERIFY(!full->logic().view().slideshowRunning);
    QVERIFY(full->isVisible());
    QVERIFY(press(full, Qt::Key_Escape));
    QVERIFY(!full->isVisible());

    const auto kept = readExtraSettingsFile(extraSettingsPath(userData()));
    QVERIFY(kept);
    QCOMPARE(QString::fromStdString(kept->SlideshowCategory), name);
    QCOMPARE(kept->SlideshowDwellSeconds, 5);
}

QTEST_MAIN(FullScreenWindowTest)
#include "full_screen_window_test.moc"

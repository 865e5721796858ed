// The full-screen window in the real program: F11 sends a main window's page there, its
// buttons lie whole above the page, Esc hides it, its add-page panel files the page, pages'
// new windows find their windows, and its slideshow shows a category's served pages in turn.

#include "e2e/page_server.h"
#include "e2e/program_fixture.h"
#include "platform/web_browser.h"
#include "sitelists/list_files.h"
#include "ui/application.h"
#include "ui/full_screen_window.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QWebEngineHistory>
#include <memory>

using namespace sg;
using sgtest::kLoadTimeoutMs;
using sgtest::page;
using sgtest::pressShortcut;

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

QString stripText(ui::FullScreenWindow* window)
{
    return QString::fromStdString(window->logic().view().stripText);
}

} // namespace

class FullScreenWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_program.reset(); }
    void f11ShowsThePageUnderWholeButtonsEscHidesItAndItsPageIsFiled();
    void newWindowsOfPagesFindTheirWindows();
    void theSlideshowShowsACategorysPagesInTurn();

private:
    // F11 in the main window: the full-screen window, shown.
    ui::FullScreenWindow* openWithF11();
    sgtest::PageServer& server() const { return m_program->server(); }

    std::unique_ptr<sgtest::RunningProgram> m_program;
    ui::Application* m_app = nullptr;
    ui::MainWindow* m_main = nullptr;
    QString m_radar;
};

void FullScreenWindowTest::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    server().setPage("/radar.html", page("Radar Loop"));
    server().setPage("/other.html", page("Other Page"));
    m_radar = server().url("/radar.html");
    QVERIFY(m_program->start(m_radar));
    m_app = &m_program->app();
    m_main = m_program->firstWindow();
    QTRY_COMPARE_WITH_TIMEOUT(
        QString::fromStdString(m_main->browser()->address()), m_radar, kLoadTimeoutMs);
}

ui::FullScreenWindow* FullScreenWindowTest::openWithF11()
{
    m_main->logic().onKeyDown({ Key::F11 });
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    return full && QTest::qWaitForWindowExposed(full) ? full : nullptr;
}

void FullScreenWindowTest::f11ShowsThePageUnderWholeButtonsEscHidesItAndItsPageIsFiled()
{
    ui::FullScreenWindow* full = openWithF11();
    QVERIFY(full);
    QTRY_COMPARE_WITH_TIMEOUT(full->windowTitle(),
        QStringLiteral("Radar Loop - Skyglass2 - Full Screen Window"), kLoadTimeoutMs);
    QCOMPARE(full->geometry(), workAreaFit(full));
    // The blank page it started with is not in its history: Back stays disabled.
    QTRY_COMPARE_WITH_TIMEOUT(full->browser()->history()->count(), 1, kLoadTimeoutMs);
    QVERIFY(!full->control(FullScreenControl::BackButton)->isEnabled());

    // Mended: the page covered the lower half of the picture buttons. Each is whole above
    // the page, and its bottom row of pixels is the button's own.
    const QRect page = full->browser()->geometry();
    QCOMPARE(page, QRect(0, 24, full->width(), full->height() - 24));
    for (const FullScreenControl c : { FullScreenControl::DockButton,
             FullScreenControl::AddPageButton, FullScreenControl::SlideshowButton,
             FullScreenControl::BackButton, FullScreenControl::ForwardButton,
             FullScreenControl::RefreshButton, FullScreenControl::CloseButton }) {
        QWidget* button = full->control(c);
        QVERIFY(button->mapTo(full, QPoint(0, button->height() - 1)).y() < page.top());
        QCOMPARE(QApplication::widgetAt(
                     button->mapToGlobal(QPoint(button->width() / 2, button->height() - 1))),
            button);
    }

    QVERIFY(pressShortcut(full, Qt::Key_Escape));
    QVERIFY(!full->isVisible());
    QCOMPARE(openWithF11(), full);

    // The add-page panel files the page in the category chosen.
    const std::string file = LoadCategories(m_program->userData())->at(1).siteFileName;
    const std::size_t before = LoadSites(m_program->userData(), file)->size();
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(full->logic().pageTitle()),
        QStringLiteral("Radar Loop"), kLoadTimeoutMs);
    QWidget* panel = full->control(FullScreenControl::AddPagePanel);
    QTest::mouseClick(full->control(FullScreenControl::AddPageButton), Qt::LeftButton);
    QVERIFY(panel->isVisible());
    // The panel is dragged by its edge: the grabbed point lands where the mouse goes up.
    const QPoint panelAt = panel->pos();
    QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(103, 53));
    QCOMPARE(panel->pos(), panelAt + QPoint(100, 50));
    // The next item chosen from the keyboard: the page is filed there.
    QTest::keyClick(full->pageCategoryChooser(), Qt::Key_Down);
    QVERIFY(!panel->isVisible());
    const auto sites = LoadSites(m_program->userData(), file);
    QCOMPARE(sites->size(), before + 1);
    QCOMPARE(QString::fromStdString(sites->back().SiteUrl), m_radar);
}

// A page's new window goes to the full-screen window while the main window's Full Screen box
// is checked, and the full-screen page's own new windows become main windows.
void FullScreenWindowTest::newWindowsOfPagesFindTheirWindows()
{
    server().setPage("/opener.html", page("Opener", "window.open('/other.html');"));
    QCheckBox* box = nullptr;
    for (auto* check : m_main->findChildren<QCheckBox*>())
        if (check->accessibleName() == QStringLiteral("Full Screen (Open Next Page In)"))
            box = check;
    QVERIFY(box);
    QTest::mouseClick(box, Qt::LeftButton);
    m_main->browser()->page()->runJavaScript(QStringLiteral("window.open('/opener.html');"));
    QTRY_VERIFY_WITH_TIMEOUT(m_app->fullScreenWindow(), kLoadTimeoutMs);
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), server().url("/opener.html"), kLoadTimeoutMs);
    QVERIFY(full->isVisible() && !box->isChecked());
    QCOMPARE(QString::fromStdString(m_main->browser()->address()), m_radar);

    QTRY_COMPARE_WITH_TIMEOUT(m_app->windows().mainWindows().size(), 2u, kLoadTimeoutMs);
    ui::MainWindow* opened = m_app->windows().mainWindows().back();
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(opened->browser()->address()),
        server().url("/other.html"), kLoadTimeoutMs);
}

void FullScreenWindowTest::theSlideshowShowsACategorysPagesInTurn()
{
    server().setPage("/one.html", page("One"));
    server().setPage("/two.html", page("Two"));
    // Nothing listens on port 1 of this machine: that page fails to load.
    const std::vector<SiteRecord> pages { { "One", server().url("/one.html").toStdString() },
        { "Refused", "http://127.0.0.1:1/" }, { "Two", server().url("/two.html").toStdString() } };
    const Category category = LoadCategories(m_program->userData())->front();
    QVERIFY(SaveSites(m_program->userData(), category.siteFileName, pages));
    const QString name = QString::fromStdString(category.name);

    m_app->startSlideshow(); // as the main menu's entry does
    ui::FullScreenWindow* full = m_app->fullScreenWindow();
    QVERIFY(full && QTest::qWaitForWindowExposed(full));
    QVERIFY(full->control(FullScreenControl::SlideshowPanel)->isVisible());
    full->slideshowCategoryChooser()->setCurrentIndex(0);
    full->dwellBox()->setValue(5);
    QTest::mouseClick(full->slideshowStartButton(), Qt::LeftButton);
    QVERIFY(!full->control(FullScreenControl::SlideshowPanel)->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), server().url("/one.html"), kLoadTimeoutMs);
    QVERIFY(stripText(full).startsWith(name + " - Page 1 Of 3 - Next In "));

    // Right steps at once; the page that fails is told and left after its dwell.
    QVERIFY(pressShortcut(full, Qt::Key_Right));
    QTRY_VERIFY_WITH_TIMEOUT(
        stripText(full).contains("Page 2 Of 3 - Failed To Load"), kLoadTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(locationOf(full), server().url("/two.html"), kLoadTimeoutMs);

    // Space pauses; so does the pointer over the strip.
    QVERIFY(pressShortcut(full, Qt::Key_Space));
    QVERIFY(stripText(full).endsWith(" - Paused"));
    QVERIFY(pressShortcut(full, Qt::Key_Space));
    QWidget* strip = full->control(FullScreenControl::TitleStrip);
    QTest::mouseMove(strip, strip->rect().center());
    QTRY_COMPARE(stripText(full), name + " - Page 3 Of 3 - Paused");
    QTest::mouseMove(full->browser(), full->browser()->rect().center());
    QTRY_VERIFY(stripText(full).contains("Next In"));

    QVERIFY(pressShortcut(full, Qt::Key_Escape));
    QVERIFY(full->isVisible() && !full->logic().view().slideshowRunning);
}

QTEST_MAIN(FullScreenWindowTest)
#include "full_screen_window_test.moc"

// The options, About and suggestions windows in the real program, opened from the main
// window's menu.

#include "about/suggestions.h"
#include "e2e/program_fixture.h"
#include "settings/extra_settings.h"
#include "settings/settings_file.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/suggestions_window.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

using namespace sg;

namespace {

constexpr int kWaitMs = 10000;

// Catches the URLs the program asks the desktop to open, in place of a mail program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

// Chooses the entry of a submenu of the window's main menu.
bool chooseMenuEntry(ui::MainWindow* window, const char* submenu, const char* entry)
{
    for (QAction* a : window->mainMenu()->actions()) {
        if (a->menu() && a->text() == QString::fromUtf8(submenu)) {
            for (QAction* sub : a->menu()->actions()) {
                if (sub->text() == QString::fromUtf8(entry)) {
                    sub->trigger();
                    return true;
                }
            }
        }
    }
    return false;
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void menuEntriesOpenTheWindowsAndSavedOptionsReachTheSettingsFile();
};

void OptionsWindowTest::menuEntriesOpenTheWindowsAndSavedOptionsReachTheSettingsFile()
{
    sgtest::RunningProgram program;
    QVERIFY(program.start());
    ui::Application& app = program.app();
    ui::MainWindow* main = program.firstWindow();
    QVERIFY(chooseMenuEntry(main, "&Help >>", "&About"));
    ui::AboutWindow* about = app.windows().about;
    QVERIFY(about && QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->versionLabel()->text(), QStringLiteral("Vs." SKYGLASS_PROJECT_VERSION));
    about->close();

    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    QVERIFY(chooseMenuEntry(main, "&Help >>", "&Suggestions && Bugs"));
    ui::SuggestionsWindow* suggestions = app.windows().suggestions;
    QVERIFY(suggestions && QTest::qWaitForWindowExposed(suggestions));
    QTest::mouseClick(suggestions->sendButton(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls.front();
    QCOMPARE(url.scheme() + u':' + url.path(),
        QStringLiteral("mailto:") + QString::fromUtf8(suggestionsRecipient().data()));
    for (const char* field : { "subject", "body" })
        QCOMPARE(QUrlQuery(url).queryItemValue(QString::fromUtf8(field), QUrl::FullyDecoded),
            QStringLiteral("Suggestions And Bugs"));
    suggestions->close();

    QVERIFY(chooseMenuEntry(main, "&Options >>", "&Start Page && Options (This App)"));
    ui::OptionsWindow* options = app.windows().options;
    QVERIFY(options && QTest::qWaitForWindowExposed(options) && options->isModal());
    QVERIFY(app.shared().OptionsWindowOpen && app.shared().ModalWindowOpen);
    options->tabs()->setCurrentIndex(int(OptionsTab::Options));
    options->checkBox(OptionsCheck::ToolTipsOff)->click();
    QCOMPARE(options->daysBox()->text(), QStringLiteral("30"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(
            options->spinButton(SpinButton::Down), Qt::LeftButton, Qt::ControlModifier);
    QCOMPARE(options->daysBox()->text(), QStringLiteral("0"));
    options->tabs()->setCurrentIndex(int(OptionsTab::More));
    options->checkBox(ExtraCheck::LogSecurePages)->click();
    QTest::mouseClick(options->saveButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!app.windows().options, kWaitMs);
    QVERIFY(!app.shared().OptionsWindowOpen && !app.shared().ModalWindowOpen);
    // The main window heard at once; the switches of the More tab are in their file.
    QCOMPARE(main->control(Control::RefreshButton)->toolTip(), QString());
    QVERIFY(readExtraSettingsFile(extraSettingsPath(program.userData()))->LogSecurePages);

    // The record reaches the file when the main window closes.
    QSignalSpy saved(&app, &ui::Application::settingsSaved);
    main->close();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 1, kWaitMs);
    const auto stored = readSettingsFile(program.userData() / "Skyglass.ini");
    QVERIFY(stored);
    QCOMPARE(stored->ToolTipsOff, 1);
    QCOMPARE(stored->HistoryDaysToKeep, 0);
}

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"

// The options, About and suggestions windows in the real program, opened through the
// application as the main window's menu entries open them: the options reach the other
// windows and the settings file, the close box asks, About shows the build's version, and
// the suggestions button asks the desktop for a pre-addressed mail.

#include "about/suggestions.h"
#include "e2e/program_fixture.h"
#include "history/history_record.h"
#include "settings/extra_settings.h"
#include "settings/settings_file.h"
#include "ui/about_window.h"
#include "ui/application.h"
#include "ui/history_window.h"
#include "ui/main_window.h"
#include "ui/options_window.h"
#include "ui/suggestions_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrlQuery>
#include <fstream>
#include <memory>

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

// Answers the next message box with this button; its text is kept in the result.
std::shared_ptr<QString> answerNextBox(QMessageBox::StandardButton answer)
{
    auto text = std::make_shared<QString>();
    QTimer::singleShot(0, [text, answer] {
        QTRY_VERIFY_WITH_TIMEOUT(
            qobject_cast<QMessageBox*>(QApplication::activeModalWidget()), kWaitMs);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        *text = box->text();
        box->button(answer)->click();
    });
    return text;
}

void writeTodayFile(const std::filesystem::path& historyDir)
{
    HistoryRecord r;
    r.setVisitDateTime(SystemClock().now());
    r.Hits = 1;
    r.Title = "Radar";
    r.Url = "http://radar.example/";
    r.Host = historyHost(r.Url);
    const Bytes bytes = encodeHistoryRecord(r);
    std::ofstream out(dayFilePath(historyDir, SystemClock().now()), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// A click on the box itself (a check box's row may be wider than its caption).
void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

void press(QToolButton* spin, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mousePress(spin, Qt::LeftButton, modifiers);
    QTest::mouseRelease(spin, Qt::LeftButton, modifiers);
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void savedOptionsReachTheWindowsAndTheSettingsFile();
    void theCloseBoxAsksAfterAChange();
    void aboutShowsTheBuildsVersionOnce();
    void suggestionsButtonAsksForAPreAddressedMail();

private:
    ui::OptionsWindow* openOptions();

    std::unique_ptr<sgtest::RunningProgram> m_program;
};

void OptionsWindowTest::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    QVERIFY(m_program->start());
}

void OptionsWindowTest::cleanup()
{
    m_program.reset();
}

ui::OptionsWindow* OptionsWindowTest::openOptions()
{
    m_program->app().showOptionsWindow("https://radar.example/loop");
    ui::OptionsWindow* options = m_program->app().windows().options;
    if (options && !QTest::qWaitForWindowExposed(options))
        return nullptr;
    return options;
}

void OptionsWindowTest::savedOptionsReachTheWindowsAndTheSettingsFile()
{
    ui::Application& app = m_program->app();
    ui::MainWindow* main = m_program->firstWindow();
    const std::filesystem::path historyDir = m_program->userData() / "History";
    writeTodayFile(historyDir);
    app.showHistoryWindow();
    ui::HistoryWindow* history = app.historyWindow();
    QTRY_COMPARE_WITH_TIMEOUT(history->listView(HistoryTab::Today)->model()->rowCount(), 1, kWaitMs);
    QVERIFY(!main->control(Control::RefreshButton)->toolTip().isEmpty());

    ui::OptionsWindow* options = openOptions();
    QVERIFY(options);
    QVERIFY(options->isModal());
    QVERIFY(app.shared().OptionsWindowOpen && app.shared().ModalWindowOpen);
    QCOMPARE(options->windowTitle(), QStringLiteral("Start Page & Options - Skyglass2"));
    options->tabs()->setCurrentIndex(int(OptionsTab::Options));
    clickBox(options->checkBox(OptionsCheck::ToolTipsOff));
    QCOMPARE(options->daysBox()->text(), QStringLiteral("30"));
    for (int i = 0; i < 3; ++i)
        press(options->spinButton(SpinButton::Down), Qt::ControlModifier);
    QCOMPARE(options->daysBox()->text(), QStringLiteral("0"));
    options->tabs()->setCurrentIndex(int(OptionsTab::More));
    clickBox(options->checkBox(ExtraCheck::LogSecurePages));
    QTest::mouseClick(options->saveButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!app.windows().options, kWaitMs);
    QVERIFY(!app.shared().OptionsWindowOpen && !app.shared().ModalWindowOpen);

    // Every window heard: tool tips gone, the History window's lists emptied at once.
    QCOMPARE(main->control(Control::RefreshButton)->toolTip(), QString());
    QCOMPARE(history->listView(HistoryTab::Today)->model()->rowCount(), 0);
    QVERIFY(std::filesystem::is_empty(historyDir));
    QCOMPARE(readExtraSettingsFile(extraSettingsPath(m_program->userData()))->LogSecurePages,
        true);

    // The record reaches the file when the main window closes.
    QSignalSpy saved(&app, &ui::Application::settingsSaved);
    main->close();
    QTRY_COMPARE_WITH_TIMEOUT(saved.count(), 1, kWaitMs);
    const auto stored = readSettingsFile(m_program->userData() / "Skyglass.ini");
    QVERIFY(stored);
    QCOMPARE(stored->ToolTipsOff, 1);
    QCOMPARE(stored->HistoryDaysToKeep, 0);
}

void OptionsWindowTest::theCloseBoxAsksAfterAChange()
{
    ui::Application& app = m_program->app();
    ui::OptionsWindow* options = openOptions();
    QVERIFY(options);
    options->tabs()->setCurrentIndex(int(OptionsTab::Options));
    clickBox(options->checkBox(OptionsCheck::StoreDuplicateUrls));

    const auto question = answerNextBox(QMessageBox::Cancel);
    options->close();
    QCOMPARE(*question,
        QStringLiteral("Your Options Were Changed, But Not Saved.\nDo You Want To Save Them, Now?"));
    QVERIFY(options->isVisible());
    QVERIFY(app.shared().ModalWindowOpen);

    answerNextBox(QMessageBox::Yes);
    options->close();
    QTRY_VERIFY_WITH_TIMEOUT(!app.windows().options, kWaitMs);
    QCOMPARE(app.shared().settings.StoreDuplicateUrls, 1);
    QVERIFY(!app.shared().ModalWindowOpen);
}

void OptionsWindowTest::aboutShowsTheBuildsVersionOnce()
{
    ui::Application& app = m_program->app();
    app.showAboutWindow();
    ui::AboutWindow* about = app.windows().about;
    QVERIFY(about && QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->versionLabel()->text(), QStringLiteral("Vs." SKYGLASS_PROJECT_VERSION));
    app.showAboutWindow();
    QCOMPARE(app.windows().about.data(), about);
    about->close();
    QTRY_VERIFY_WITH_TIMEOUT(!app.windows().about, kWaitMs);
}

void OptionsWindowTest::suggestionsButtonAsksForAPreAddressedMail()
{
    ui::Application& app = m_program->app();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    app.showSuggestionsWindow();
    ui::SuggestionsWindow* suggestions = app.windows().suggestions;
    QVERIFY(suggestions && QTest::qWaitForWindowExposed(suggestions));
    QVERIFY(app.shared().SuggestionsWindowOpen);
    app.showSuggestionsWindow(); // while open the entry does nothing
    QCOMPARE(app.windows().suggestions.data(), suggestions);

    QTest::mouseClick(suggestions->sendButton(), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.urls.size(), 1);
    const QUrl url = catcher.urls.front();
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), QString::fromUtf8(suggestionsRecipient().data()));
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
        QStringLiteral("Suggestions And Bugs"));
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
        QStringLiteral("Suggestions And Bugs"));

    suggestions->close();
    QTRY_VERIFY_WITH_TIMEOUT(!app.shared().SuggestionsWindowOpen, kWaitMs);
}

QTEST_MAIN(OptionsWindowTest)
#include "options_window_test.moc"

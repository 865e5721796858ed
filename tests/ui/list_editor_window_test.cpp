// The list editor window in the real program: opened from the main window's List button
// and from the History window's hand-off, driven through its controls, and the main
// window's site selector refilled when it closes. What the editor does with the lists is
// the list editor's own tests'; these check the window's wiring.

#include "e2e/program_fixture.h"
#include "platform/paths.h"
#include "platform/web_browser.h"
#include "sitelists/list_files.h"
#include "startup/startup_helpers.h"
#include "ui/application.h"
#include "ui/list_editor_window.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <fstream>
#include <functional>
#include <memory>

using namespace sg;
using sgtest::mainWindows;

namespace {

constexpr int kWaitMs = 30000;

// Answers every message box that comes up (Yes where it asks, else OK) and keeps its
// caption and text, so that no box can hold a test up.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
        m_timer.start(50);
    }
    QStringList seen;

private:
    void poll()
    {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (!box || !box->isVisible())
                continue;
            seen << box->windowTitle() + "|" + box->text();
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        }
    }
    QTimer m_timer;
};

QStringList texts(QTreeWidget* tree, int column)
{
    QStringList result;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        result << tree->topLevelItem(i)->text(column);
    return result;
}

void clickRow(QTreeWidget* tree, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTreeWidgetItem* item = tree->topLevelItem(row);
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), button, {}, tree->visualItemRect(item).center());
}

QPushButton* buttonOf(ui::ListEditorWindow* editor, EditorControl c)
{
    return qobject_cast<QPushButton*>(editor->control(c));
}

QLineEdit* textBox(ui::ListEditorWindow* editor, EditorControl c)
{
    return qobject_cast<QLineEdit*>(editor->control(c));
}

// The in-place name editor of a row, opened by start (a view still busy with a click refuses
// to start an edit, so start is repeated until the editor is open).
QLineEdit* nameEditorOf(QTreeWidget* tree, const std::function<void()>& start)
{
    QLineEdit* editor = nullptr;
    const bool opened = QTest::qWaitFor(
        [&] { return start(), (editor = tree->viewport()->findChild<QLineEdit*>()) != nullptr; });
    return opened ? editor : nullptr;
}

std::vector<SiteRecord> sitesOf(const std::filesystem::path& userData, const std::string& file)
{
    return LoadSites(userData, file).value_or(std::vector<SiteRecord> {});
}

} // namespace

class ListEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listButtonEditsWhatTheSelectorShows();
    void historyHandOffAddsTheRowsToTheChosenCategory();
    void popUpMenuFollowsTheListItOpensOn();
    void renameToATakenNameIsRefusedAndCancelled();
    void splitAndBackUpButtonsRepaintTheWindow();
    void importTakesTheChosenShortcuts();
    void bookmarkImportAddsTheFileAsCategories();

private:
    void launch();
    ui::ListEditorWindow* openFromListButton();
    void closeEditor();
    std::filesystem::path userData() const { return userDataDirFor(platform::profileDir()); }
    void writeLists(const std::vector<CategoryEntry>& categories);

    std::unique_ptr<sgtest::RunningProgram> m_program;
    ui::Application* m_app = nullptr;
    std::unique_ptr<BoxAnswerer> m_boxes;
};

void ListEditorWindowTest::initTestCase()
{
    // The widget dialog, whatever desktop the test runs under, so the test can drive it.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void ListEditorWindowTest::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    m_boxes = std::make_unique<BoxAnswerer>();
}

void ListEditorWindowTest::cleanup()
{
    if (m_app && m_app->listEditor())
        m_app->listEditor()->close();
    m_program.reset();
    m_app = nullptr;
    m_boxes.reset();
}

void ListEditorWindowTest::launch()
{
    QVERIFY(m_program->start());
    m_app = &m_program->app();
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 1, kWaitMs);
}

void ListEditorWindowTest::writeLists(const std::vector<CategoryEntry>& categories)
{
    QVERIFY(SaveCategories(userData(), categories));
    for (const CategoryEntry& c : categories)
        QVERIFY(SaveSites(userData(), c.siteFileName, {}));
}

ui::ListEditorWindow* ListEditorWindowTest::openFromListButton()
{
    QPushButton* list = nullptr;
    for (QPushButton* b : mainWindows().value(0)->findChildren<QPushButton*>()) {
        if (b->accessibleName() == "List")
            list = b;
    }
    if (!list)
        return nullptr;
    QTest::mouseClick(list, Qt::LeftButton);
    const bool shown = QTest::qWaitFor(
        [&] { return m_app->listEditor() && m_app->listEditor()->isVisible(); }, kWaitMs);
    return shown ? m_app->listEditor() : nullptr;
}

void ListEditorWindowTest::closeEditor()
{
    ui::ListEditorWindow* editor = m_app->listEditor();
    QVERIFY(editor);
    QTest::keyClick(editor->list(EditorList::Categories), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(m_app->listEditor() == nullptr, 5000);
}

void ListEditorWindowTest::listButtonEditsWhatTheSelectorShows()
{
    launch();
    ui::MainWindow* window = mainWindows().value(0);
    // The start page's title in the caption: the page the List button hands over.
    const QString suffix = QStringLiteral(" - Skyglass2");
    QTRY_VERIFY_WITH_TIMEOUT(window->windowTitle().endsWith(suffix), kWaitMs);
    const QString pageTitle = window->windowTitle().chopped(suffix.size());
    const QString pageUrl = QString::fromStdString(window->browser()->address());
    QVERIFY(!pageUrl.isEmpty());
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    QCOMPARE(
        editor->windowTitle(), QStringLiteral("Edit Category & Site Selector Lists - Skyglass2"));
    QVERIFY(editor->isModal());
    QVERIFY(m_app->shared().ModalWindowOpen);
    QVERIFY(!buttonOf(editor, EditorControl::AddHistoryItemsButton)->isVisible());

    // A new category, typed and added; the same name again is refused in a box.
    QTreeWidget* categories = editor->list(EditorList::Categories);
    const int before = categories->topLevelItemCount();
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(textBox(editor, EditorControl::CategoryNameBox), "Test Weather");
        QTest::mouseClick(buttonOf(editor, EditorControl::AddCategoryButton), Qt::LeftButton);
    }
    QCOMPARE(texts(categories, 0).mid(before), QStringList { "Test Weather" });
    QCOMPARE(editor->destinationSelector()->count(), before + 1);
    QCOMPARE(m_boxes->seen,
        QStringList { "Skyglass2|You Already Have A Category Named:\nTest Weather" });
    const std::string siteFile = categories->topLevelItem(before)->text(1).toStdString();

    // Into the new category: a typed address, renamed in place, and the main window's page.
    clickRow(categories, before);
    QCOMPARE(editor->destinationSelector()->currentIndex(), before);
    QTreeWidget* sites = editor->list(EditorList::Sites);
    textBox(editor, EditorControl::AddressBox)->clear();
    QTest::keyClicks(textBox(editor, EditorControl::AddressBox), "http://radar.example/loop");
    QTest::mouseClick(buttonOf(editor, EditorControl::AddAddressButton), Qt::LeftButton);
    QCOMPARE(textBox(editor, EditorControl::AddressBox)->text(), QStringLiteral("http://"));
    QTest::mouseClick(buttonOf(editor, EditorControl::AddPageButton), Qt::LeftButton);
    QCOMPARE(texts(sites, 1), (QStringList { "http://radar.example/loop", pageUrl }));
    clickRow(sites, 0);
    QLineEdit* nameEditor
        = nameEditorOf(sites, [&] { sites->editItem(sites->topLevelItem(0), 0); });
    QVERIFY(nameEditor);
    nameEditor->setText("Radar Loop");
    QTest::keyClick(nameEditor, Qt::Key_Return);
    QTRY_COMPARE(sites->topLevelItem(0)->text(0), QStringLiteral("Radar Loop"));
    const std::vector<SiteRecord> expected = {
        { "Radar Loop", "http://radar.example/loop" },
        { pageTitle.toStdString(), pageUrl.toStdString() },
    };
    QCOMPARE(sitesOf(userData(), siteFile), expected);

    const int siteNameWidth = sites->columnWidth(0);
    closeEditor();
    QVERIFY(!m_app->shared().ModalWindowOpen);
    QCOMPARE(m_app->shared().settings.EditorColumnWidths[0], float(siteNameWidth * 15));

    // The single selector: the category row, then its pages in file order.
    QTreeWidget* selector = window->selectorList(Control::CategorySelector);
    const QStringList rows = texts(selector, 0);
    const int at = rows.indexOf("Test Weather");
    QVERIFY(at >= 0);
    QCOMPARE(rows.mid(at, 3), (QStringList { "Test Weather", "Radar Loop", pageTitle }));
    QCOMPARE(selector->topLevelItem(at + 1)->text(1), QStringLiteral("http://radar.example/loop"));
}

void ListEditorWindowTest::historyHandOffAddsTheRowsToTheChosenCategory()
{
    launch();
    writeLists({ { "First", "Sites00001.dab" }, { "Second", "Sites00002.dab" } });
    m_app->openListEditorFromHistory({ { "Radar", "http://b/" }, { "News", "http://c/" } });
    QTRY_VERIFY_WITH_TIMEOUT(m_app->listEditor() && m_app->listEditor()->isVisible(), kWaitMs);
    ui::ListEditorWindow* editor = m_app->listEditor();
    QVERIFY(!buttonOf(editor, EditorControl::AddPageButton)->isVisible());
    QVERIFY(!buttonOf(editor, EditorControl::ImportFavoritesButton)->isVisible());
    clickRow(editor->list(EditorList::Categories), 1);
    QTest::mouseClick(buttonOf(editor, EditorControl::AddHistoryItemsButton), Qt::LeftButton);
    QCOMPARE(m_boxes->seen,
        QStringList { "Skyglass2|Confirm: Copy The Selected History Sites..To Category:\nSecond" });
    const std::vector<SiteRecord> expected = { { "Radar", "http://b/" }, { "News", "http://c/" } };
    QCOMPARE(sitesOf(userData(), "Sites00002.dab"), expected);
    QCOMPARE(texts(editor->list(EditorList::Sites), 0), (QStringList { "Radar", "News" }));
    closeEditor();

    // The hand-off ends with the window: the next opening is the List button's form.
    editor = openFromListButton();
    QVERIFY(editor);
    QVERIFY(buttonOf(editor, EditorControl::AddPageButton)->isVisible());
    QVERIFY(!buttonOf(editor, EditorControl::AddHistoryItemsButton)->isVisible());
}

void ListEditorWindowTest::popUpMenuFollowsTheListItOpensOn()
{
    launch();
    writeLists({ { "Alpha", "Sites00001.dab" }, { "Beta", "Sites00002.dab" } });
    QVERIFY(SaveSites(userData(), "Sites00001.dab",
        std::vector<SiteRecord> { { "One", "http://1/" }, { "Two", "http://2/" } }));
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    QMenu* menu = editor->popupMenu();
    const auto enabled = [&](EditorMenuItem item) { return editor->menuAction(item)->isEnabled(); };

    clickRow(editor->list(EditorList::Categories), 0, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(enabled(EditorMenuItem::SortDescending));
    QVERIFY(!enabled(EditorMenuItem::MoveToCategory) && !enabled(EditorMenuItem::SelectAll));
    editor->menuAction(EditorMenuItem::SortDescending)->trigger();
    menu->hide();
    QCOMPARE(texts(editor->list(EditorList::Categories), 0), (QStringList { "Beta", "Alpha" }));
    QCOMPARE(editor->list(EditorList::Categories)->currentItem()->text(0), QStringLiteral("Alpha"));

    QTreeWidget* sites = editor->list(EditorList::Sites);
    clickRow(sites, 1, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(enabled(EditorMenuItem::MoveToCategory) && enabled(EditorMenuItem::SelectAll));
    editor->menuAction(EditorMenuItem::MoveToTop)->trigger();
    menu->hide();
    QCOMPARE(texts(sites, 0), (QStringList { "Two", "One" }));
    QCOMPARE(sitesOf(userData(), "Sites00001.dab").front().SiteName, std::string("Two"));
}

void ListEditorWindowTest::renameToATakenNameIsRefusedAndCancelled()
{
    launch();
    writeLists({ { "Alpha", "Sites00001.dab" } });
    QVERIFY(SaveSites(userData(), "Sites00001.dab",
        std::vector<SiteRecord> { { "One", "http://1/" }, { "Two", "http://2/" } }));
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    QTreeWidget* sites = editor->list(EditorList::Sites);
    clickRow(sites, 1);
    // F2 edits the name even when the address cell has the focus.
    sites->setCurrentIndex(sites->model()->index(1, 1));
    QLineEdit* nameEditor = nameEditorOf(sites, [&] { QTest::keyClick(sites, Qt::Key_F2); });
    QVERIFY(nameEditor);
    QCOMPARE(nameEditor->text(), QStringLiteral("Two"));
    nameEditor->setText("One");
    QTest::keyClick(nameEditor, Qt::Key_Return);
    QTRY_COMPARE(m_boxes->seen,
        QStringList { "Skyglass2|Edit Cancelled: Name Entered Is Already On Your List." });
    QCOMPARE(texts(sites, 0), (QStringList { "One", "Two" }));

    // A click on another row ends the edit: the edited row takes the name.
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    nameEditor = nameEditorOf(sites, [&] { sites->editItem(sites->topLevelItem(1), 0); });
    QVERIFY(nameEditor);
    QTRY_VERIFY(nameEditor->hasFocus());
    nameEditor->setText("Three");
    clickRow(sites, 0);
    QTRY_COMPARE(texts(sites, 0), (QStringList { "One", "Three" }));
    QCOMPARE(sitesOf(userData(), "Sites00001.dab").back().SiteName, std::string("Three"));
    QCOMPARE(sites->currentItem(), sites->topLevelItem(0));
}

void ListEditorWindowTest::splitAndBackUpButtonsRepaintTheWindow()
{
    launch();
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    editor->resize(700, 600);
    QTRY_COMPARE(editor->height(), 600);
    QTreeWidget* categories = editor->list(EditorList::Categories);
    QTreeWidget* sites = editor->list(EditorList::Sites);
    const int total = categories->height() + sites->height();
    QVERIFY(std::abs(categories->height() - sites->height()) <= 1);
    QTest::mouseClick(buttonOf(editor, EditorControl::SplitUpButton), Qt::LeftButton);
    QVERIFY(categories->height() < sites->height());
    QCOMPARE(categories->height() + sites->height(), total);
    QVERIFY(categories->geometry().bottom() < sites->geometry().top());

    QPushButton* backUp = buttonOf(editor, EditorControl::BackupButton);
    QVERIFY(!backUp->toolTip().contains(" -Last BU: "));
    QTest::mouseClick(backUp, Qt::LeftButton);
    QCOMPARE(
        m_boxes->seen, QStringList { "Skyglass2|Confirm: Do You Want To Back-Up Your Files?" });
    QVERIFY(backUp->toolTip().contains(" -Last BU: "));
    QVERIFY(std::filesystem::exists(userData() / "BU_SiteLists" / "CatList.dab"));

    const float frameHeight = float(editor->frameGeometry().height() * 15);
    closeEditor();
    QCOMPARE(m_app->shared().settings.EditorHeight, frameHeight);
}

void ListEditorWindowTest::importTakesTheChosenShortcuts()
{
    const std::filesystem::path favorites = platform::profileDir() / "Favorites";
    std::filesystem::create_directories(favorites / "News");
    for (const char* name : { "Alpha", "Beta" })
        std::ofstream(favorites / "News" / (name + std::string(".url")))
            << "[InternetShortcut]\r\nURL=http://" << name << ".example/\r\n";
    launch();
    writeLists({ { "Saved", "Sites00001.dab" } });
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);

    QString startedIn;
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        chooser.stop();
        startedIn = dialog->directory().absolutePath();
        dialog->setDirectory(QString::fromStdString((favorites / "News").string()));
        // Typed as a user types several names; the dialog is never left open.
        if (auto* names = dialog->findChild<QLineEdit*>("fileNameEdit"))
            names->setText("\"Alpha.url\" \"Beta.url\"");
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    chooser.start(50);
    QTest::mouseClick(buttonOf(editor, EditorControl::ImportFavoritesButton), Qt::LeftButton);
    QCOMPARE(startedIn.toStdString(), favorites.string());
    const std::vector<SiteRecord> expected
        = { { "Beta", "http://Beta.example/" }, { "Alpha", "http://Alpha.example/" } };
    QCOMPARE(sitesOf(userData(), "Sites00001.dab"), expected);
    QCOMPARE(texts(editor->list(EditorList::Sites), 0), (QStringList { "Beta", "Alpha" }));
}

void ListEditorWindowTest::bookmarkImportAddsTheFileAsCategories()
{
    launch();
    writeLists({ { "Saved", "Sites00001.dab" } });
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    QString filter;
    QTimer chooser;
    connect(&chooser, &QTimer::timeout, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        chooser.stop();
        filter = dialog->selectedNameFilter();
        // Typed as a user types it: the dialog's folder may not be read yet.
        dialog->setDirectory(QStringLiteral(SKYGLASS_SOURCE_DIR "/tests/sitelists/data"));
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            name->setText("firefox_bookmarks.html");
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    chooser.start(50);
    QTest::mouseClick(buttonOf(editor, EditorControl::ImportBookmarksButton), Qt::LeftButton);
    QCOMPARE(filter, QStringLiteral("Bookmark Files (*.html *.htm)"));
    QCOMPARE(m_boxes->seen,
        QStringList { "Skyglass2|Imported 5 Pages Into 6 Categories.\n"
                      "Skipped 4 Links (javascript:, data: Or place: Addresses)." });
    QTreeWidget* categories = editor->list(EditorList::Categories);
    const QStringList names = texts(categories, 0);
    QCOMPARE(names.size(), 7);
    QVERIFY(names.contains("Bookmarks Toolbar / Weather & Radar"));
    QCOMPARE(LoadCategories(userData())->size(), 7u);
    closeEditor();
}

QTEST_MAIN(ListEditorWindowTest)
#include "list_editor_window_test.moc"

// The list editor window in the real program, walked through from the main window's List
// button and from the History window's hand-off. What the editor does with the lists is the
// list editor's own tests'; these check the window's wiring.

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

// Answers the next file dialog: the folder and names set as a user types them (the dialog's
// folder may not be read yet), where it started and its filter kept; it is never left open.
void answerFileDialog(QObject* owner, const std::filesystem::path& folder, const QString& names,
    QString* startedIn = nullptr, QString* filter = nullptr)
{
    auto* chooser = new QTimer(owner);
    QObject::connect(chooser, &QTimer::timeout, owner, [=] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        chooser->stop();
        chooser->deleteLater();
        if (startedIn)
            *startedIn = dialog->directory().absolutePath();
        if (filter)
            *filter = dialog->selectedNameFilter();
        dialog->setDirectory(QString::fromStdString(folder.string()));
        if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
            edit->setText(names);
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    chooser->start(50);
}

} // namespace

class ListEditorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void listButtonWalk();
    void historyHandOffThenImports();

private:
    ui::ListEditorWindow* openFromListButton();
    void closeEditor();
    std::filesystem::path userData() const { return userDataDirFor(platform::profileDir()); }
    std::filesystem::path favorites() const { return platform::profileDir() / "Favorites"; }
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

// Two shortcuts in the Favorites folder the program finds at start.
void ListEditorWindowTest::init()
{
    m_program = std::make_unique<sgtest::RunningProgram>();
    m_boxes = std::make_unique<BoxAnswerer>();
    std::filesystem::create_directories(favorites() / "News");
    for (const char* name : { "Alpha", "Beta" })
        std::ofstream(favorites() / "News" / (name + std::string(".url")))
            << "[InternetShortcut]\r\nURL=http://" << name << ".example/\r\n";
    QVERIFY(m_program->start());
    m_app = &m_program->app();
    QTRY_COMPARE_WITH_TIMEOUT(mainWindows().size(), 1, kWaitMs);
}

void ListEditorWindowTest::cleanup()
{
    if (m_app->listEditor())
        m_app->listEditor()->close();
    m_program.reset();
    m_boxes.reset();
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

// The List button's form from opening to closing: the buttons, the in-place name editor,
// the pop-up menu and the message boxes reach the editor, the files change and the main
// window's selector is refilled.
void ListEditorWindowTest::listButtonWalk()
{
    writeLists({ { "Alpha", "Sites00001.dab" } });
    QVERIFY(SaveSites(userData(), "Sites00001.dab",
        std::vector<SiteRecord> { { "One", "http://1/" }, { "Two", "http://2/" } }));
    ui::MainWindow* window = mainWindows().value(0);
    // The start page's title in the caption: the page the List button hands over.
    const QString suffix = QStringLiteral(" - Skyglass2");
    QTRY_VERIFY_WITH_TIMEOUT(window->windowTitle().endsWith(suffix), kWaitMs);
    const QString pageTitle = window->windowTitle().chopped(suffix.size());
    const QString pageUrl = QString::fromStdString(window->browser()->address());
    ui::ListEditorWindow* editor = openFromListButton();
    QVERIFY(editor);
    QVERIFY(editor->isModal() && m_app->shared().ModalWindowOpen);
    QVERIFY(!buttonOf(editor, EditorControl::AddHistoryItemsButton)->isVisible());

    // A new category, typed and added; the same name again is refused in a box.
    auto* nameBox = qobject_cast<QLineEdit*>(editor->control(EditorControl::CategoryNameBox));
    auto* addressBox = qobject_cast<QLineEdit*>(editor->control(EditorControl::AddressBox));
    QTreeWidget* categories = editor->list(EditorList::Categories);
    for (int i = 0; i < 2; ++i) {
        QTest::keyClicks(nameBox, "Test Weather");
        QTest::mouseClick(buttonOf(editor, EditorControl::AddCategoryButton), Qt::LeftButton);
    }
    QCOMPARE(texts(categories, 0), (QStringList { "Alpha", "Test Weather" }));
    QCOMPARE(m_boxes->seen,
        QStringList { "Skyglass2|You Already Have A Category Named:\nTest Weather" });
    m_boxes->seen.clear();
    const std::string siteFile = categories->topLevelItem(1)->text(1).toStdString();

    // Into it: a typed address and the main window's page.
    clickRow(categories, 1);
    QCOMPARE(editor->destinationSelector()->currentIndex(), 1);
    QTreeWidget* sites = editor->list(EditorList::Sites);
    addressBox->clear();
    QTest::keyClicks(addressBox, "http://radar.example/loop");
    QTest::mouseClick(buttonOf(editor, EditorControl::AddAddressButton), Qt::LeftButton);
    QTest::mouseClick(buttonOf(editor, EditorControl::AddPageButton), Qt::LeftButton);
    QCOMPARE(texts(sites, 1), (QStringList { "http://radar.example/loop", pageUrl }));

    // F2 edits the name even when the address cell has the focus; a taken name is refused.
    clickRow(sites, 0);
    sites->setCurrentIndex(sites->model()->index(0, 1));
    QLineEdit* nameEditor = nameEditorOf(sites, [&] { QTest::keyClick(sites, Qt::Key_F2); });
    QVERIFY(nameEditor);
    nameEditor->setText(pageTitle);
    QTest::keyClick(nameEditor, Qt::Key_Return);
    QTRY_COMPARE(m_boxes->seen,
        QStringList { "Skyglass2|Edit Cancelled: Name Entered Is Already On Your List." });
    QCOMPARE(texts(sites, 0), (QStringList { "", pageTitle }));
    // A click on another row ends the edit: the edited row takes the name.
    editor->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(editor));
    nameEditor = nameEditorOf(sites, [&] { sites->editItem(sites->topLevelItem(0), 0); });
    QVERIFY(nameEditor);
    QTRY_VERIFY(nameEditor->hasFocus());
    nameEditor->setText("Radar Loop");
    clickRow(sites, 1);
    QTRY_COMPARE(texts(sites, 0), (QStringList { "Radar Loop", pageTitle }));
    QCOMPARE(sites->currentItem(), sites->topLevelItem(1));
    const std::vector<SiteRecord> expected = {
        { "Radar Loop", "http://radar.example/loop" },
        { pageTitle.toStdString(), pageUrl.toStdString() },
    };
    QCOMPARE(sitesOf(userData(), siteFile), expected);

    // The pop-up menu's entries follow the list it opens on.
    QMenu* menu = editor->popupMenu();
    const auto enabled = [&](EditorMenuItem item) { return editor->menuAction(item)->isEnabled(); };
    clickRow(categories, 0, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(enabled(EditorMenuItem::SortDescending));
    QVERIFY(!enabled(EditorMenuItem::MoveToCategory) && !enabled(EditorMenuItem::SelectAll));
    editor->menuAction(EditorMenuItem::SortDescending)->trigger();
    menu->hide();
    QCOMPARE(texts(categories, 0), (QStringList { "Test Weather", "Alpha" }));
    QCOMPARE(categories->currentItem()->text(0), QStringLiteral("Alpha"));
    clickRow(sites, 1, Qt::RightButton);
    QTRY_VERIFY(menu->isVisible());
    QVERIFY(enabled(EditorMenuItem::MoveToCategory) && enabled(EditorMenuItem::SelectAll));
    editor->menuAction(EditorMenuItem::MoveToTop)->trigger();
    menu->hide();
    QCOMPARE(texts(sites, 0), (QStringList { "Two", "One" }));
    QCOMPARE(sitesOf(userData(), "Sites00001.dab").front().SiteName, std::string("Two"));

    // Split Up moves the boundary between the lists; Back Up asks, copies and says when.
    editor->resize(700, 600);
    QTRY_COMPARE(editor->height(), 600);
    QTest::mouseClick(buttonOf(editor, EditorControl::SplitUpButton), Qt::LeftButton);
    QVERIFY(categories->height() < sites->height());
    QVERIFY(categories->geometry().bottom() < sites->geometry().top());
    QPushButton* backUp = buttonOf(editor, EditorControl::BackupButton);
    QVERIFY(!backUp->toolTip().contains(" -Last BU: "));
    m_boxes->seen.clear();
    QTest::mouseClick(backUp, Qt::LeftButton);
    QCOMPARE(
        m_boxes->seen, QStringList { "Skyglass2|Confirm: Do You Want To Back-Up Your Files?" });
    QVERIFY(backUp->toolTip().contains(" -Last BU: "));
    QVERIFY(std::filesystem::exists(userData() / "BU_SiteLists" / "CatList.dab"));

    // Closing keeps the size and widths and refills the main window's selector.
    const int siteNameWidth = sites->columnWidth(0);
    const float frameHeight = float(editor->frameGeometry().height() * 15);
    closeEditor();
    QVERIFY(!m_app->shared().ModalWindowOpen);
    QCOMPARE(m_app->shared().settings.EditorColumnWidths[0], float(siteNameWidth * 15));
    QCOMPARE(m_app->shared().settings.EditorHeight, frameHeight);
    QTreeWidget* selector = window->selectorList(Control::CategorySelector);
    const QStringList rows = texts(selector, 0);
    const int at = rows.indexOf("Test Weather");
    QVERIFY(at >= 0);
    QCOMPARE(rows.mid(at, 3), (QStringList { "Test Weather", "Radar Loop", pageTitle }));
    QCOMPARE(selector->topLevelItem(at + 1)->text(1), QStringLiteral("http://radar.example/loop"));
}

// The History window's form adds its rows; the next opening is the List button's form, whose
// import buttons take what the file dialogs choose.
void ListEditorWindowTest::historyHandOffThenImports()
{
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
    const std::vector<SiteRecord> handedOver
        = { { "Radar", "http://b/" }, { "News", "http://c/" } };
    QCOMPARE(sitesOf(userData(), "Sites00002.dab"), handedOver);
    QCOMPARE(texts(editor->list(EditorList::Sites), 0), (QStringList { "Radar", "News" }));
    closeEditor();
    m_boxes->seen.clear();

    editor = openFromListButton();
    QVERIFY(editor);
    QVERIFY(buttonOf(editor, EditorControl::AddPageButton)->isVisible());
    clickRow(editor->list(EditorList::Categories), 0);

    // Shortcuts: the dialog starts in Favorites and takes several names at once.
    QString startedIn;
    answerFileDialog(this, favorites() / "News", "\"Alpha.url\" \"Beta.url\"", &startedIn);
    QTest::mouseClick(buttonOf(editor, EditorControl::ImportFavoritesButton), Qt::LeftButton);
    QCOMPARE(startedIn.toStdString(), favorites().string());
    const std::vector<SiteRecord> imported
        = { { "Beta", "http://Beta.example/" }, { "Alpha", "http://Alpha.example/" } };
    QCOMPARE(sitesOf(userData(), "Sites00001.dab"), imported);
    QCOMPARE(texts(editor->list(EditorList::Sites), 0), (QStringList { "Beta", "Alpha" }));

    // A bookmark file: its folders become categories.
    QString filter;
    answerFileDialog(this, SKYGLASS_SOURCE_DIR "/tests/sitelists/data", "firefox_bookmarks.html",
        nullptr, &filter);
    QTest::mouseClick(buttonOf(editor, EditorControl::ImportBookmarksButton), Qt::LeftButton);
    QCOMPARE(filter, QStringLiteral("Bookmark Files (*.html *.htm)"));
    QCOMPARE(m_boxes->seen,
        QStringList { "Skyglass2|Imported 5 Pages Into 6 Categories.\n"
                      "Skipped 4 Links (javascript:, data: Or place: Addresses)." });
    const QStringList names = texts(editor->list(EditorList::Categories), 0);
    QCOMPARE(names.size(), 8);
    QVERIFY(names.contains("Bookmarks Toolbar / Weather & Radar"));
    QCOMPARE(LoadCategories(userData())->size(), 8u);
}

QTEST_MAIN(ListEditorWindowTest)
#include "list_editor_window_test.moc"

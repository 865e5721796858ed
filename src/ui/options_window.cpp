#include "ui/options_window.h"

#include "common/program.h"
#include "ui/program_message_box.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace sg::ui {
namespace {

// The widths of the text fields, so that nothing typed is cut when the record is written.
constexpr int kStartPageWidth = 300;
constexpr std::array<int, kLauncherBoxCount> kLauncherWidths = { 256, 256, 32, 256 };

// The colour a system colour constant stands for.
QColor systemColour(std::int32_t colour)
{
    const QPalette palette = QApplication::palette();
    switch (static_cast<std::uint32_t>(colour)) {
    case 0x80000005u:
        return palette.color(QPalette::Base);
    case 0x8000000Fu:
        return palette.color(QPalette::Button);
    case 0x80000008u:
        return palette.color(QPalette::Text);
    case 0x80000012u:
        return palette.color(QPalette::ButtonText);
    default:
        return QColor::fromRgb(static_cast<QRgb>(colour) & 0xFFFFFFu);
    }
}

QLabel* heading(std::string_view text, QWidget* parent)
{
    auto* label = new QLabel(q(text), parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A radio group whose buttons may all be unchecked.
void checkOnly(QButtonGroup* group, int id)
{
    const QSignalBlocker blocker(group);
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(group->id(b) == id);
    group->setExclusive(true);
}

void showText(QLineEdit* box, const std::string& text)
{
    const QString shown = q(text);
    if (box->text() != shown)
        box->setText(shown);
}

} // namespace

OptionsWindow::OptionsWindow(SharedBrowserState& shared, std::string OptionsCurrentPage,
    std::unique_ptr<OptionsEffects> effects)
    : m_effects(std::move(effects))
    , m_logic(std::make_unique<OptionsLogic>(
          shared, std::move(OptionsCurrentPage), static_cast<OptionsPrompter&>(*this), *m_effects))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(QStringLiteral("Options Tabs"));
    m_pages = { buildStartPageTab(), buildOptionsTab(), buildMailTab(), buildMoreTab() };
    for (std::size_t i = 0; i < kOptionsTabCount; ++i)
        m_tabs->addTab(m_pages[i], q(kOptionsTabCaptions[i]));

    m_save = new QPushButton(q(kSaveCaption), this);
    m_cancel = new QPushButton(q(kCancelCaption), this);
    m_restore = new QPushButton(q(kRestoreDefaultsCaption), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    buttons->addStretch(1);
    buttons->addWidget(m_restore);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    m_spinTimer = new QTimer(this);
    m_spinTimer->setSingleShot(true);
    connectControls();
}

OptionsWindow::~OptionsWindow() = default;

QWidget* OptionsWindow::buildStartPageTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(kStartPageLabel, page));
    m_startPage = new QLineEdit(page);
    m_startPage->setAccessibleName(q(kStartPageLabel));
    m_startPage->setMaxLength(kStartPageWidth);
    layout->addWidget(m_startPage);
    m_startPageGroup = new QButtonGroup(page);
    for (std::size_t i = 0; i < kStartPageChoiceCount; ++i) {
        m_startPageButtons[i] = new QRadioButton(page);
        m_startPageGroup->addButton(m_startPageButtons[i], static_cast<int>(i));
        layout->addWidget(m_startPageButtons[i]);
    }
    layout->addStretch(1);
    return page;
}

QWidget* OptionsWindow::buildOptionsTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(kOptionsLabel, page));
    for (std::size_t i = 0; i < kOptionsCheckCount; ++i) {
        m_checks[i] = new QCheckBox(q(kOptionsCheckCaptions[i]), page);
        layout->addWidget(m_checks[i]);
    }
    layout->addSpacing(8);
    m_hideGroup = new QButtonGroup(page);
    for (const auto& [mode, caption] : kHideControlsChoices) {
        auto* button = new QRadioButton(q(caption), page);
        m_hideGroup->addButton(button, mode);
        layout->addWidget(button);
    }
    layout->addSpacing(8);

    auto* days = new QHBoxLayout;
    auto* label = new QLabel(q(kDaysLabel), page);
    m_days = new QLineEdit(page);
    m_days->setReadOnly(true);
    m_days->setAccessibleName(q(kDaysLabel));
    m_days->setAlignment(Qt::AlignRight);
    m_days->setFixedWidth(m_days->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 16);
    label->setBuddy(m_days);
    days->addWidget(label);
    days->addWidget(m_days);
    const std::pair<Qt::ArrowType, const char*> arrows[2]
        = { { Qt::DownArrow, "Fewer Days" }, { Qt::UpArrow, "More Days" } };
    for (std::size_t i = 0; i < 2; ++i) {
        m_spin[i] = new QToolButton(page);
        m_spin[i]->setArrowType(arrows[i].first);
        m_spin[i]->setAccessibleName(QString::fromUtf8(arrows[i].second));
        m_spin[i]->installEventFilter(this);
        days->addWidget(m_spin[i]);
    }
    days->addStretch(1);
    layout->addLayout(days);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsWindow::buildMailTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(kMailTitleLabel, page));
    layout->addWidget(new QLabel(q(kMailPathsLabel), page));
    const std::array<const char*, kLauncherBoxCount> names
        = { "Messenger Path", "Mail Program Path", "Messenger Menu Caption", "Mail Menu Caption" };
    for (std::size_t i = 0; i < kLauncherBoxCount; ++i) {
        m_launchers[i] = new QLineEdit(page);
        m_launchers[i]->setAccessibleName(QString::fromUtf8(names[i]));
        m_launchers[i]->setMaxLength(kLauncherWidths[i]);
    }
    for (LauncherBox path : { LauncherBox::MessengerPath, LauncherBox::MailAppPath })
        launcherBox(path)->setMinimumWidth(300);
    // Each pair: its label, then the caption box, the path box and its Browse button.
    const std::array<std::pair<std::string_view, std::array<LauncherBox, 2>>, 2> pairs = { {
        { kMessengerPairLabel, { LauncherBox::MessengerCaption, LauncherBox::MessengerPath } },
        { kMailPairLabel, { LauncherBox::MailAppCaption, LauncherBox::MailAppPath } },
    } };
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const int row = static_cast<int>(2 * i);
        grid->addWidget(new QLabel(q(pairs[i].first), page), row, 0, 1, 3);
        grid->addWidget(launcherBox(pairs[i].second[0]), row + 1, 0);
        grid->addWidget(launcherBox(pairs[i].second[1]), row + 1, 1);
        m_browse[i] = new QPushButton(q(kBrowseCaption), page);
        m_browse[i]->setAutoDefault(false);
        grid->addWidget(m_browse[i], row + 1, 2);
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 3);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

QWidget* OptionsWindow::buildMoreTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(heading(kMoreLabel, page));
    for (std::size_t i = 0; i < kExtraCheckCount; ++i) {
        m_extraChecks[i] = new QCheckBox(q(kExtraCheckCaptions[i]), page);
        layout->addWidget(m_extraChecks[i]);
    }
    layout->addStretch(1);
    return page;
}

void OptionsWindow::connectControls()
{
    connect(m_tabs, &QTabWidget::currentChanged, this,
        [this](int i) { run([&] { m_logic->selectTab(static_cast<OptionsTab>(i)); }); });
    connect(m_startPage, &QLineEdit::textEdited, this,
        [this](const QString& t) { run([&] { m_logic->editStartPageText(t.toStdString()); }); });
    connect(m_startPageGroup, &QButtonGroup::idClicked, this, [this](int id) {
        run([&] { m_logic->chooseStartPage(static_cast<StartPageChoice>(id)); });
    });
    for (std::size_t i = 0; i < kOptionsCheckCount; ++i) {
        connect(m_checks[i], &QCheckBox::clicked, this, [this, i](bool on) {
            run([&] { m_logic->clickCheck(static_cast<OptionsCheck>(i), on); });
        });
    }
    for (std::size_t i = 0; i < kExtraCheckCount; ++i) {
        connect(m_extraChecks[i], &QCheckBox::clicked, this, [this, i](bool on) {
            run([&] { m_logic->clickCheck(static_cast<ExtraCheck>(i), on); });
        });
    }
    connect(m_hideGroup, &QButtonGroup::idClicked, this, [this](int mode) {
        run([&] { m_logic->chooseHideControlsMode(static_cast<std::int16_t>(mode)); });
    });
    for (std::size_t i = 0; i < kLauncherBoxCount; ++i) {
        connect(m_launchers[i], &QLineEdit::textEdited, this, [this, i](const QString& t) {
            run([&] { m_logic->editLauncherText(static_cast<LauncherBox>(i), t.toStdString()); });
        });
    }
    connect(
        m_browse[0], &QPushButton::clicked, this, [this] { browse(LauncherBox::MessengerPath); });
    connect(m_browse[1], &QPushButton::clicked, this, [this] { browse(LauncherBox::MailAppPath); });
    connect(m_spinTimer, &QTimer::timeout, this, [this] { run([&] { m_logic->repeatSpin(); }); });
    connect(m_save, &QPushButton::clicked, this, [this] {
        // Not twice while the effects of the first click run.
        m_save->setEnabled(false);
        run([&] { m_logic->save(); });
        m_save->setEnabled(true);
    });
    connect(m_cancel, &QPushButton::clicked, this, [this] { run([&] { m_logic->cancel(); }); });
    connect(m_restore, &QPushButton::clicked, this,
        [this] { run([&] { m_logic->restoreDefaults(); }); });
    auto* escape = new QAction(this);
    escape->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(escape, &QAction::triggered, this, [this] { run([&] { m_logic->cancel(); }); });
    addAction(escape);
}

QRadioButton* OptionsWindow::hideControlsButton(std::int16_t mode) const
{
    return static_cast<QRadioButton*>(m_hideGroup->button(mode));
}

QPushButton* OptionsWindow::browseButton(LauncherBox pathBox) const
{
    return m_browse[pathBox == LauncherBox::MessengerPath ? 0 : 1];
}

// --- opening, painting, closing -----------------------------------------------------------

void OptionsWindow::openOver(QWidget* opener)
{
    run([&] { m_logic->open(); });
    adjustSize();
    const QRect area = opener
        ? opener->frameGeometry()
        : (screen() ? screen() : QGuiApplication::primaryScreen())->availableGeometry();
    QRect frame(QPoint(), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

template <typename Event> void OptionsWindow::run(Event&& event)
{
    event();
    paint();
    if (m_logic->view().closed && !m_closing) {
        m_closing = true;
        close();
    }
}

void OptionsWindow::paint()
{
    const OptionsView& v = m_logic->view();
    setWindowTitle(q(v.caption));
    {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(static_cast<int>(v.tab));
    }
    showText(m_startPage, v.startPageText);
    for (std::size_t i = 0; i < kStartPageChoiceCount; ++i)
        m_startPageButtons[i]->setText(q(v.startPageCaptions[i]));
    checkOnly(m_startPageGroup, v.startPageChoice ? static_cast<int>(*v.startPageChoice) : -1);
    for (std::size_t i = 0; i < kOptionsCheckCount; ++i)
        m_checks[i]->setChecked(v.checked[i]);
    for (std::size_t i = 0; i < kExtraCheckCount; ++i)
        m_extraChecks[i]->setChecked(v.extraChecked[i]);
    checkOnly(m_hideGroup, v.hideControlsMode);
    showText(m_days, v.daysText);
    for (std::size_t i = 0; i < kLauncherBoxCount; ++i)
        showText(m_launchers[i], v.launcherTexts[i]);
    if (v.spinDelayMs)
        m_spinTimer->start(*v.spinDelayMs);
    else
        m_spinTimer->stop();
    paintColours();
}

// The colour operation: the tab pages and the labels and buttons on them.
void OptionsWindow::paintColours()
{
    const PanelColours& colours = m_logic->view().colours;
    if (colours.background == 0 || m_shownColours == colours)
        return;
    m_shownColours = colours;
    for (QWidget* page : m_pages) {
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, systemColour(colours.background));
        palette.setColor(QPalette::WindowText, systemColour(colours.text));
        page->setPalette(palette);
        page->setAutoFillBackground(true);
    }
}

void OptionsWindow::closeEvent(QCloseEvent* event)
{
    // The close box; Save, Cancel and Esc have closed the logic already.
    if (!m_logic->view().closed) {
        m_closing = true;
        run([&] { m_logic->closeRequested(); });
        m_closing = m_logic->view().closed;
    }
    if (m_logic->view().closed)
        event->accept();
    else
        event->ignore();
}

bool OptionsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        run([&] { m_logic->activate(); });
    return QWidget::event(event);
}

void OptionsWindow::changeEvent(QEvent* event)
{
    // The system's colours changed: the colour operation runs again.
    if (event->type() == QEvent::ApplicationPaletteChange || event->type() == QEvent::ThemeChange) {
        m_shownColours.reset();
        run([&] { m_logic->recolour(); });
    }
    QWidget::changeEvent(event);
}

// --- the days spin buttons and Browse ------------------------------------------------------

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event)
{
    for (std::size_t i = 0; i < m_spin.size(); ++i) {
        if (watched == m_spin[i])
            return spinEvent(static_cast<SpinButton>(i), event);
    }
    return QWidget::eventFilter(watched, event);
}

// A press starts the steps and a release ends them, by the mouse or by the space bar.
bool OptionsWindow::spinEvent(SpinButton button, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        run([&] {
            m_logic->pressSpin(button, mouse->button() == Qt::LeftButton,
                mouse->modifiers().testFlag(Qt::ControlModifier));
        });
        return false;
    }
    case QEvent::MouseButtonRelease:
        run([&] { m_logic->releaseSpin(); });
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Space || key->isAutoRepeat())
            return false;
        if (event->type() == QEvent::KeyPress)
            run([&] {
                m_logic->pressSpin(button, true, key->modifiers().testFlag(Qt::ControlModifier));
            });
        else
            run([&] { m_logic->releaseSpin(); });
        return true;
    }
    default:
        return false;
    }
}

void OptionsWindow::browse(LauncherBox pathBox)
{
    const QString chosen = QFileDialog::getOpenFileName(this, q(kBrowseCaption),
        q(m_logic->browseFolder(pathBox)), QStringLiteral("All Files (*)"));
    run([&] {
        m_logic->browsed(pathBox,
            chosen.isEmpty() ? std::nullopt : std::optional<std::string>(chosen.toStdString()));
    });
}

// --- the message boxes ---------------------------------------------------------------------

// The boxes come up over what the logic has changed so far ("Your New Default Is Shown In
// The TextBox").
void OptionsWindow::tell(const std::string& text)
{
    paint();
    showProgramMessage(this, text);
}

OptionsPrompter::Answer OptionsWindow::askYesNoCancel(const std::string& text)
{
    paint();
    QMessageBox box(QMessageBox::NoIcon, q(kProgramTitle), q(text),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

} // namespace sg::ui

#include "ui/main_window.h"

#include "platform/clock_reading.h"
#include "platform/precise_ticker.h"
#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/program_message_box.h"
#include "ui/twips.h"
#include "ui/window_events.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>

namespace sg::ui {

// The status bar's third panel: the picture and the text of the pop-up state side by side.
// Screen readers read the text it shows.
class PopUpStatePanel final : public QFrame {
public:
    explicit PopUpStatePanel(QWidget* parent)
        : QFrame(parent)
        , m_picture(new QLabel(this))
        , m_text(new QLabel(this))
    {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setToolTip(QStringLiteral("Pop-Up Killing And Script Error Messages"));
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(3, 0, 3, 0);
        layout->setSpacing(3);
        layout->addWidget(m_picture);
        layout->addWidget(m_text, 1);
    }

    void show(const StatusPanelView& panel)
    {
        // Image 1: something is being suppressed; image 2: nothing is.
        const auto icon
            = panel.image == 1 ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton;
        m_picture->setPixmap(
            panel.image > 0 ? style()->standardIcon(icon).pixmap(12, 12) : QPixmap());
        m_text->setText(q(panel.text));
        setAccessibleName(q(panel.text));
    }

    QString text() const { return m_text->text(); }
    const QLabel* picture() const { return m_picture; }

private:
    QLabel* m_picture;
    QLabel* m_text;
};

namespace {

// The fixed toolbar buttons: (control, caption, accessible name, left, width) in pixels.
struct ButtonSpec {
    Control control;
    const char* caption;
    const char* name;
    int left;
    int width;
};
constexpr ButtonSpec kToolbarButtons[] = {
    { Control::MenuButton, "Menu", "Menu", 2, 40 },
    { Control::ConnectionButton, "iNet", "Connection", 43, 30 },
    { Control::ListButton, "List", "List", 74, 30 },
    { Control::BackButton, "\u25C0", "Back", 105, 22 },
    { Control::ForwardButton, "\u25B6", "Forward", 128, 22 },
    { Control::RefreshButton, "\u21BB", "Refresh", 151, 22 },
    { Control::IntervalDownButton, "-", "Decrease Refresh Interval", 198, 13 },
    { Control::IntervalUpButton, "+", "Increase Refresh Interval", 212, 13 },
    { Control::StopFindFullButton, "Stop", "First Cycle Button", 175, 46 },
    { Control::HistoryMailOfflineButton, "History", "Second Cycle Button", 222, 46 },
    { Control::SwapButton, "\u21C4", "Swap Timer Controls Or Cycle Buttons", 269, 16 },
};
constexpr int kButtonTop = 2;
constexpr int kButtonHeight = 25;
constexpr int kStatusBarHeight = 18; // 270 twips
constexpr int kClockPanelWidth = 110;

Key keyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_F5:
        return Key::F5;
    case Qt::Key_F11:
        return Key::F11;
    case Qt::Key_A:
        return Key::A;
    case Qt::Key_F:
        return Key::F;
    case Qt::Key_P:
        return Key::P;
    default:
        return Key::Other;
    }
}

MouseButton mouseOf(Qt::MouseButton button)
{
    if (button == Qt::RightButton)
        return MouseButton::Right;
    if (button == Qt::MiddleButton)
        return MouseButton::Middle;
    return MouseButton::Left;
}

// A caption as the menu shows it: the key name at its end in the menu's key column.
QString menuText(std::string_view caption)
{
    const CaptionParts parts = captionParts(caption);
    if (parts.keyName.empty())
        return q(caption);
    return q(parts.text) + QLatin1Char('\t') + q(parts.keyName);
}

QRect pixels(const Rect& r)
{
    return { px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)) };
}

} // namespace

MainWindow::MainWindow(Application& app)
    : m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildStatusBar();
    MainWindowHost& host = *this;
    m_logic = std::make_unique<MainWindowLogic>(app.services(), host, *m_browser);
    m_menu = buildMenu(sg::mainMenu(), this, false);
    m_mailMenu = buildMenu(sg::mailMenu(), this, false);
    buildShortcuts();
    BrowserEvents& events = *this;
    m_browser->setEvents(&events);
    m_browser->setNewWindowHost([this](NewWindowTarget target, QWebEnginePage::WebWindowType type) {
        return m_app.hostNewWindow(target, type);
    });
    connectControls();
    m_app.windows().addMainWindow(this);
    qApp->installEventFilter(this);
    m_statusTimer->start(2000);
}

MainWindow::~MainWindow()
{
    m_app.windows().removeMainWindow(this);
    qApp->removeEventFilter(this);
    m_browser->setEvents(nullptr);
}

void MainWindow::buildControls()
{
    auto* toolbar = new QWidget(this);
    toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    toolbar->setAutoFillBackground(true);
    m_controls[std::size_t(Control::Toolbar)] = toolbar;
    const auto add = [this](Control c, QWidget* w) { m_controls[std::size_t(c)] = w; };

    for (const ButtonSpec& spec : kToolbarButtons) {
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), toolbar);
        button->setAccessibleName(QString::fromUtf8(spec.name));
        button->setGeometry(spec.left, kButtonTop, spec.width, kButtonHeight);
        button->setFocusPolicy(Qt::TabFocus);
        add(spec.control, button);
    }
    auto* interval = new QLineEdit(toolbar);
    interval->setAccessibleName(QStringLiteral("Refresh Interval"));
    interval->setGeometry(175, kButtonTop + 2, 22, kButtonHeight - 4);
    auto* countdown = new QLineEdit(toolbar);
    countdown->setAccessibleName(QStringLiteral("Minutes Until Refresh"));
    countdown->setGeometry(226, kButtonTop + 2, 24, kButtonHeight - 4);
    for (QLineEdit* box : { interval, countdown }) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
    }
    add(Control::IntervalBox, interval);
    add(Control::CountdownBox, countdown);

    auto* newWindow = new QCheckBox(toolbar);
    newWindow->setAccessibleName(QStringLiteral("New Window (Open Next Page In)"));
    newWindow->setGeometry(287, 1, 16, 14);
    auto* fullScreen = new QCheckBox(toolbar);
    fullScreen->setAccessibleName(QStringLiteral("Full Screen (Open Next Page In)"));
    fullScreen->setGeometry(287, 15, 16, 14);
    add(Control::NewWindowBox, newWindow);
    add(Control::FullScreenBox, fullScreen);

    auto* toggle = new QLabel(QStringLiteral("\u2039"), toolbar);
    toggle->setAccessibleName(QStringLiteral("Show/Hide Check-Boxes"));
    toggle->setGeometry(px(4605), px(60), px(120), px(285));
    toggle->setCursor(Qt::PointingHandCursor);
    add(Control::CheckBoxesToggle, toggle);

    m_address = new QLineEdit(toolbar);
    m_address->setAccessibleName(QStringLiteral("Address Box"));
    add(Control::AddressBox, m_address);
    auto* go = new QPushButton(QStringLiteral("Go"), toolbar);
    go->setAccessibleName(QStringLiteral("Go"));
    add(Control::GoButton, go);
    for (const Control c : { Control::LeftSelectorButton, Control::RightSelectorButton }) {
        auto* button = new QPushButton(QStringLiteral("\u25BE"), toolbar);
        button->setAccessibleName(QStringLiteral("Show/Hide Site Selector"));
        // A click must not take the focus from an open list: it is to close it.
        button->setFocusPolicy(Qt::TabFocus);
        add(c, button);
    }

    auto* id = new QLabel(this);
    id->setAccessibleName(QStringLiteral("Window Id"));
    add(Control::WindowIdLabel, id);

    m_browser = new platform::WebBrowser(m_app.profile(), this);
    add(Control::Browser, m_browser);

    auto* hideShow = new QPushButton(this);
    hideShow->setAccessibleName(QStringLiteral("Hide/Show ToolBar"));
    hideShow->setFocusPolicy(Qt::NoFocus);
    add(Control::ToolbarToggleButton, hideShow);

    m_pageList = new QTreeWidget(this);
    m_pageList->setAccessibleName(QStringLiteral("Site Selector Pages"));
    m_categoryList = new QTreeWidget(this);
    m_categoryList->setAccessibleName(QStringLiteral("Site Selector"));
    for (QTreeWidget* list : { m_pageList, m_categoryList }) {
        list->setColumnCount(2);
        list->setRootIsDecorated(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setMouseTracking(true); // hot tracking
        list->setAllColumnsShowFocus(true);
        list->header()->setSectionsClickable(true);
        // The columns fill the list: the address column takes what the name leaves, and a
        // long address is shortened in its middle rather than cut off at the list's edge.
        list->header()->setStretchLastSection(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideMiddle);
    }
    add(Control::PageSelector, m_pageList);
    add(Control::CategorySelector, m_categoryList);

    m_refreshTicker = new platform::PreciseTicker(this);
    m_statusTimer = new QTimer(this);
    for (MainWindowTimer t : { MainWindowTimer::ToolbarJustHidden, MainWindowTimer::PostDownload,
             MainWindowTimer::DeferredAction, MainWindowTimer::AutoRepeat,
             MainWindowTimer::RefreshWatchdog }) {
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        m_timers[t] = timer;
    }
}

void MainWindow::buildStatusBar()
{
    auto* statusBar = new QWidget(this);
    statusBar->setAccessibleName(QStringLiteral("Status Bar"));
    m_controls[std::size_t(Control::StatusBar)] = statusBar;
    // A panel that shows information is named by the text it shows; its role is its tip.
    m_statusPanel = new QLabel(statusBar);
    m_statusPanel->setToolTip(QStringLiteral("Status"));
    m_clockPanel = new QLabel(statusBar);
    for (QLabel* panel : { m_statusPanel, m_clockPanel }) {
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
    }
    m_controls[std::size_t(Control::ClockPanel)] = m_clockPanel;
    m_popUpPanel = new PopUpStatePanel(statusBar);
    m_progress = new QProgressBar(statusBar);
    m_progress->setAccessibleName(QStringLiteral("Download Progress"));
    m_progress->setTextVisible(false);
    m_controls[std::size_t(Control::ProgressBar)] = m_progress;
}

QMenu* MainWindow::buildMenu(std::span<const MenuEntry> entries, QWidget* parent, bool exclusive)
{
    auto* menu = new QMenu(parent);
    QActionGroup* group = exclusive ? new QActionGroup(menu) : nullptr;
    for (const MenuEntry& entry : entries) {
        QAction* action = nullptr;
        switch (entry.kind) {
        case MenuEntry::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuEntry::Kind::Submenu: {
            QMenu* sub = buildMenu(entry.submenu, menu, entry.exclusive);
            sub->setTitle(menuText(entry.caption));
            action = menu->addMenu(sub);
            break;
        }
        case MenuEntry::Kind::Command: {
            action = menu->addAction(menuText(entry.caption));
            const MenuCommand command = entry.command;
            connect(action, &QAction::triggered, this, [this, command] {
                forward([command](auto& logic) { logic.onMenuCommand(command); });
            });
            if (entry.check) {
                // The mark follows the logic: the paint after the command sets it.
                action->setCheckable(true);
                if (group)
                    group->addAction(action);
                m_checkActions[*entry.check] = action;
            }
            break;
        }
        }
        if (action && entry.launcher)
            m_launcherActions[*entry.launcher] = action;
    }
    // A menu that closes gives the page the focus back and lets the toolbar hide again.
    connect(menu, &QMenu::aboutToHide, this,
        [this] { forward([](auto& logic) { logic.onToolbarBackgroundClick(); }); });
    return menu;
}

void MainWindow::buildShortcuts()
{
    // The window's keys, wherever the focus is in it (the page included).
    const std::pair<QKeySequence, KeyEvent> keys[] = {
        { QKeySequence(Qt::Key_Escape), { Key::Escape } },
        { QKeySequence(Qt::Key_F5), { Key::F5 } },
        { QKeySequence(Qt::Key_F11), { Key::F11 } },
        { QKeySequence(Qt::CTRL | Qt::Key_F), { Key::F, false, true, false } },
        { QKeySequence(Qt::CTRL | Qt::Key_A), { Key::A, false, true, false } },
        { QKeySequence(Qt::CTRL | Qt::Key_P), { Key::P, false, true, false } },
    };
    for (const auto& [sequence, key] : keys) {
        auto* action = new QAction(this);
        action->setShortcut(sequence);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this,
            [this, key] { forward([&key](auto& logic) { logic.onKeyDown(key); }); });
        addAction(action);
    }
}

void MainWindow::connectControls()
{
    const auto onClick = [this](Control c, auto step) {
        connect(static_cast<QPushButton*>(control(c)), &QPushButton::clicked, this,
            [this, step] { forward(step); });
    };
    onClick(Control::GoButton, [](auto& logic) { logic.onGoClick(); });
    onClick(Control::BackButton, [](auto& logic) { logic.onBackClick(); });
    onClick(Control::ForwardButton, [](auto& logic) { logic.onForwardClick(); });
    onClick(Control::RefreshButton, [](auto& logic) { logic.onRefreshClick(); });
    onClick(Control::ListButton, [](auto& logic) { logic.onListButtonClick(); });
    onClick(Control::ToolbarToggleButton, [](auto& logic) { logic.onToolbarToggleClick(); });
    onClick(Control::ConnectionButton, [](auto& logic) { logic.onConnectionButtonClick(); });
    onClick(Control::MenuButton, [](auto& logic) { logic.onMenuButtonClick(); });
    onClick(Control::StopFindFullButton, [](auto& logic) { logic.onFirstCycleButtonClick(); });
    onClick(
        Control::HistoryMailOfflineButton, [](auto& logic) { logic.onSecondCycleButtonClick(); });
    onClick(Control::SwapButton, [](auto& logic) { logic.onSwapButton(); });
    for (const Control c : { Control::LeftSelectorButton, Control::RightSelectorButton }) {
        auto* button = static_cast<QPushButton*>(control(c));
        onClick(c, [](auto& logic) { logic.onSelectorButtonClick(); });
        connect(button, &QPushButton::pressed, this,
            [this] { forward([](auto& logic) { logic.onSelectorButtonDown(); }); });
        connect(button, &QPushButton::released, this,
            [this] { forward([](auto& logic) { logic.onSelectorButtonUp(); }); });
    }
    connect(m_address, &QLineEdit::textEdited, this, [this](const QString& text) {
        forward([&text](auto& logic) { logic.onAddressTextEdited(text.toStdString()); });
    });
    for (const Control c : { Control::NewWindowBox, Control::FullScreenBox }) {
        connect(static_cast<QCheckBox*>(control(c)), &QCheckBox::clicked, this, [this, c](bool on) {
            forward([c, on](auto& logic) { logic.onCheckBoxClick(c, on); });
        });
    }
    for (QTreeWidget* list : { m_pageList, m_categoryList }) {
        const Control c = list == m_pageList ? Control::PageSelector : Control::CategorySelector;
        connect(list, &QTreeWidget::itemClicked, this, [this, list, c](QTreeWidgetItem* item) {
            const int row = list->indexOfTopLevelItem(item);
            const auto selected = row < 0 ? std::nullopt : std::optional<std::size_t>(row);
            forward([c, selected](auto& logic) { logic.onSelectorClick(c, selected); });
        });
        connect(list->header(), &QHeaderView::sectionClicked, this,
            [this, c] { forward([c](auto& logic) { logic.onSelectorColumnClick(c); }); });
    }
    connect(m_refreshTicker, &platform::PreciseTicker::ticked, this,
        [this] { forward([](auto& logic) { logic.onRefreshTick(); }); });
    connect(timerOf(MainWindowTimer::ToolbarJustHidden), &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onToolbarTimer(); }); });
    connect(timerOf(MainWindowTimer::PostDownload), &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onPostDownloadTick(); }); });
    connect(timerOf(MainWindowTimer::DeferredAction), &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onDeferredActionTimer(); }); });
    connect(timerOf(MainWindowTimer::AutoRepeat), &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onAutoRepeatTick(); }); });
    connect(timerOf(MainWindowTimer::RefreshWatchdog), &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onRefreshWatchdogTick(); }); });
    connect(m_statusTimer, &QTimer::timeout, this,
        [this] { forward([](auto& logic) { logic.onStatusTick(); }); });
}

QWidget* MainWindow::control(Control c) const
{
    return m_controls[std::size_t(c)];
}

QTreeWidget* MainWindow::selectorList(Control list) const
{
    return list == Control::PageSelector ? m_pageList : m_categoryList;
}

QTimer* MainWindow::timerOf(MainWindowTimer timer) const
{
    const auto it = m_timers.find(timer);
    return it == m_timers.end() ? nullptr : it->second;
}

// --- painting ------------------------------------------------------------------------------

void MainWindow::paint()
{
    const MainWindowViewState& now = m_logic->view();
    if (now.caption != m_painted.caption)
        setWindowTitle(q(now.caption));
    for (std::size_t i = 0; i < kControlCount; ++i)
        paintControl(Control(i), now.controls[i], m_painted.controls[i]);
    if (now.browserRelayouts != m_painted.browserRelayouts && now[Control::Browser].geometry) {
        // A new size makes the page lay itself out again. The same size is left alone: each
        // resize gives the page's surface new buffers, which a refresh every minute all day
        // would pile up for nothing.
        const QRect area = pixels(*now[Control::Browser].geometry);
        if (m_browser->geometry() != area)
            m_browser->setGeometry(area);
    }
    if (now.panels[0] != m_painted.panels[0])
        m_statusPanel->setText(q(now.panels[0].text));
    if (now.panels[1] != m_painted.panels[1]) {
        m_clockPanel->setText(q(now.panels[1].text));
        m_clockPanel->setAccessibleName(q(now.panels[1].text));
    }
    if (now.panels[2] != m_painted.panels[2])
        m_popUpPanel->show(now.panels[2]);
    if (now.statusPanel1Width != m_painted.statusPanel1Width)
        layoutStatusBar();
    m_progress->setMaximum(now.progressMaximum);
    m_progress->setValue(now.progressValue);
    if (now.timerBoxesActive != m_painted.timerBoxesActive) {
        const auto role = now.timerBoxesActive ? QPalette::Base : QPalette::Button;
        for (const Control c : { Control::IntervalBox, Control::CountdownBox }) {
            QPalette palette = control(c)->palette();
            palette.setColor(QPalette::Base, QApplication::palette().color(role));
            control(c)->setPalette(palette);
        }
    }
    for (const auto& [item, action] : m_checkActions)
        action->setChecked(now.menuCheck(item));
    for (const auto& [launcher, action] : m_launcherActions) {
        const std::string& caption = now.launcherCaptions[std::size_t(launcher)];
        if (caption != m_painted.launcherCaptions[std::size_t(launcher)])
            action->setText(menuText(caption));
    }
    paintSelector(Control::PageSelector, now.pageSelector, m_painted.pageSelector);
    paintSelector(Control::CategorySelector, now.categorySelector, m_painted.categorySelector);
    const bool focusRequested = now.focusRequests != m_painted.focusRequests;
    m_painted = now;
    if (focusRequested) {
        if (now.focus == Control::Browser)
            m_browser->focusPage();
        else
            control(now.focus)->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::paintControl(Control c, const ControlView& now, const ControlView& was)
{
    QWidget* w = control(c);
    if (!w || now == was)
        return;
    if (now.text != was.text) {
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (edit->text() != q(now.text))
                edit->setText(q(now.text));
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            button->setText(q(now.text));
            // A button named by its changing caption reads as it looks.
            if (c == Control::ConnectionButton || c == Control::StopFindFullButton
                || c == Control::HistoryMailOfflineButton)
                button->setAccessibleName(q(now.text));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setText(q(now.text));
        }
    }
    if (now.toolTip != was.toolTip)
        w->setToolTip(q(now.toolTip));
    if (now.enabled != was.enabled)
        w->setEnabled(now.enabled);
    if (now.checked != was.checked) {
        if (auto* box = qobject_cast<QCheckBox*>(w))
            box->setChecked(now.checked);
    }
    if (now.geometry && now.geometry != was.geometry)
        w->setGeometry(pixels(*now.geometry));
    if (now.visible != was.visible || now.geometry != was.geometry) {
        w->setVisible(now.visible);
        // The lists drop down over the page; the toolbar button stays above it.
        if (c == Control::ToolbarToggleButton || c == Control::PageSelector
            || c == Control::CategorySelector)
            w->raise();
    }
    if (c == Control::StatusBar)
        layoutStatusBar();
}

void MainWindow::paintSelector(
    Control list, const SelectorListView& now, const SelectorListView& was)
{
    QTreeWidget* tree = selectorList(list);
    if (now.headers != was.headers)
        tree->setHeaderLabels({ q(now.headers.first), q(now.headers.second) });
    if (now.rows != was.rows) {
        tree->clear();
        QList<QTreeWidgetItem*> items;
        items.reserve(static_cast<qsizetype>(now.rows.size()));
        const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
        for (const SelectorRow& row : now.rows) {
            auto* item = new QTreeWidgetItem({ q(row.text), q(row.url) });
            if (row.categoryRow) {
                item->setIcon(0, folder);
                QFont bold = tree->font();
                bold.setBold(true);
                item->setFont(0, bold);
            }
            items.append(item);
        }
        tree->addTopLevelItems(items);
    }
    // The address column stretches over what the name column leaves.
    if (now.columnWidthsRevision != was.columnWidthsRevision)
        tree->setColumnWidth(0, now.columnWidthsPx[0]);
}

void MainWindow::layoutStatusBar()
{
    QWidget* bar = control(Control::StatusBar);
    const int h = kStatusBarHeight;
    bar->setGeometry(0, height() - h, width(), h);
    const int first = std::clamp(px(m_logic ? m_logic->view().statusPanel1Width : 0), 0, width());
    m_statusPanel->setGeometry(0, 0, first, h);
    m_clockPanel->setGeometry(first, 0, kClockPanelWidth, h);
    m_popUpPanel->setGeometry(
        first + kClockPanelWidth, 0, std::max(0, width() - first - kClockPanelWidth), h);
    const int barWidth = std::min(120, first / 3);
    m_progress->setGeometry(first - barWidth - 2, 3, barWidth, h - 6);
    bar->raise();
}

// --- MainWindowHost --------------------------------------------------------------------------

void MainWindow::applyListFont(const std::string& name, bool bold, double size)
{
    QFont font(q(name));
    font.setBold(bold);
    if (size > 0)
        font.setPointSizeF(size);
    for (QWidget* w : { static_cast<QWidget*>(m_pageList), static_cast<QWidget*>(m_categoryList),
             static_cast<QWidget*>(m_address) })
        w->setFont(font);
}

std::optional<ListFont> MainWindow::chooseListFont(const ListFont& start)
{
    QFont initial(q(start.name));
    initial.setBold(start.bold);
    initial.setPointSizeF(start.size);
    // The dialog finds its family and style in its lists only by the font the name resolves
    // to ("Arial" is "DejaVu Sans" "Book" on many systems).
    const QFontInfo resolved(initial);
    initial.setFamily(resolved.family());
    initial.setStyleName(resolved.styleName());
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, this);
    if (!ok)
        return std::nullopt;
    return ListFont { font.family().toStdString(), font.bold(), font.pointSizeF() };
}

std::optional<std::string> MainWindow::chooseFileToOpen(const FileChoice& choice)
{
    QStringList filters;
    for (const FileFilter& filter : choice.filters) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns)
            patterns << q(pattern);
        filters << q(filter.name) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                + QLatin1Char(')');
    }
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), q(choice.initialFolder), filters.join(QStringLiteral(";;")));
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

ClockReading MainWindow::readClock() const
{
    return platform::readClockAt(QDateTime::currentDateTime());
}

double MainWindow::textHeightTwips(const std::string& text) const
{
    return twips(m_address->fontMetrics().boundingRect(q(text)).height());
}

std::array<int, 2> MainWindow::selectorColumnWidthsPx(Control list) const
{
    const QTreeWidget* tree = selectorList(list);
    return { tree->columnWidth(0), tree->columnWidth(1) };
}

void MainWindow::setWindowGeometry(const Rect& r)
{
    // X11 knows a window's frame only once the window is shown and framed: until then the
    // outer rectangle stays pending and is placed again when the frame is known.
    m_pendingFrame = QRect(px(r.left), px(r.top), px(r.width), px(r.height));
    placeFrame(*m_pendingFrame);
    if (isVisible() && frameGeometry().size() != size())
        m_pendingFrame.reset();
}

void MainWindow::applyPendingFrame()
{
    if (!m_pendingFrame || !isVisible() || frameGeometry().size() == size())
        return;
    const QRect frame = *m_pendingFrame;
    m_pendingFrame.reset();
    placeFrame(frame);
}

void MainWindow::placeFrame(const QRect& frame)
{
    const QSize extra = frameGeometry().size() - size();
    move(frame.topLeft());
    resize(
        std::max(1, frame.width() - extra.width()), std::max(1, frame.height() - extra.height()));
}

Rect MainWindow::windowGeometry() const
{
    // A hidden window has no frame: its outer rectangle is the one it had when shown.
    if (!isVisible() && m_shownFrame.isValid())
        return twipsRect(m_shownFrame);
    return twipsRect(frameGeometry());
}

WindowState MainWindow::windowState() const
{
    if (isMinimized())
        return WindowState::Minimized;
    if (isMaximized() || isFullScreen())
        return WindowState::Maximized;
    return WindowState::Normal;
}

Size MainWindow::clientSize() const
{
    return { twips(width()), twips(height()) };
}

int MainWindow::captionHeightPx() const
{
    return geometry().top() - frameGeometry().top();
}

Rect MainWindow::workArea() const
{
    return workAreaOf(this);
}

PointPx MainWindow::mousePositionPx() const
{
    const QPoint p = QCursor::pos();
    return { p.x(), p.y() };
}

ClockSample MainWindow::sampleClocks() const
{
    // The steady clock (CLOCK_MONOTONIC, which the timers run on too) stands still while the
    // machine sleeps.
    const auto ms = [](auto time) {
        return std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch())
            .count();
    };
    return { ms(std::chrono::steady_clock::now()), ms(std::chrono::system_clock::now()) };
}

void MainWindow::hideWindow()
{
    m_shownFrame = frameGeometry();
    hide();
}

void MainWindow::closeWindow()
{
    // Deferred: the request comes from inside an engine callback.
    QTimer::singleShot(0, this, [this] { close(); });
}

void MainWindow::popUpMainMenu()
{
    QWidget* menuButton = control(Control::MenuButton);
    m_menu->popup(menuButton->mapToGlobal(QPoint(0, px(270))));
}

void MainWindow::popUpMailMenu()
{
    QWidget* button = control(Control::HistoryMailOfflineButton);
    m_mailMenu->popup(button->mapToGlobal(QPoint(0, button->height())));
}

void MainWindow::showMessage(const std::string& text)
{
    showProgramMessage(this, text);
}

bool MainWindow::askYesNo(const std::string& text)
{
    return askProgramQuestion(this, text);
}

void MainWindow::startTimer(MainWindowTimer timer, int intervalMs)
{
    if (timer == MainWindowTimer::RefreshTick) {
        // A minute of the countdown; tests and benchmarks may run it faster.
        const int ms = intervalMs == kRefreshTickMs ? m_app.options().refreshTickMs : intervalMs;
        m_refreshTicker->start(ms);
        return;
    }
    if (QTimer* t = timerOf(timer))
        t->start(intervalMs);
}

void MainWindow::stopTimer(MainWindowTimer timer)
{
    if (timer == MainWindowTimer::RefreshTick) {
        m_refreshTicker->stop();
        return;
    }
    if (QTimer* t = timerOf(timer))
        t->stop();
}

// --- BrowserEvents -------------------------------------------------------------------------

bool MainWindow::onNavigationRequested(const std::string& address)
{
    return forward([&](auto& logic) { return logic.onNavigationRequested(address); });
}

void MainWindow::onUrlChanged()
{
    forward([](auto& logic) { logic.onUrlChanged(); });
}

void MainWindow::onLoadStarted()
{
    forward([](auto& logic) { logic.onLoadStarted(); });
}

void MainWindow::onLoadFinished()
{
    forward([](auto& logic) { logic.onLoadFinished(); });
}

void MainWindow::onTitleChanged(const std::string& title)
{
    forward([&](auto& logic) { logic.onTitleChanged(title); });
}

void MainWindow::onStatusTextChanged(const std::string& text)
{
    forward([&](auto& logic) { logic.onStatusTextChanged(text); });
}

void MainWindow::onLoadProgress(int progress, int maximum)
{
    forward([&](auto& logic) { logic.onLoadProgress(progress, maximum); });
}

void MainWindow::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    forward([&](auto& logic) { logic.onHistoryStateChanged(canGoBack, canGoForward); });
}

void MainWindow::onNavigationFailed(NavigationFailure failure)
{
    forward([&](auto& logic) { logic.onNavigationFailed(failure); });
}

NewWindowTarget MainWindow::onNewWindowRequested()
{
    return forward([](auto& logic) { return logic.onNewWindowRequested(); });
}

void MainWindow::onGeometryRequested(const RectPx& pixels)
{
    forward([&](auto& logic) { logic.onGeometryRequested(pixels); });
}

void MainWindow::onToolbarRequested(bool shown)
{
    forward([&](auto& logic) { logic.onToolbarRequested(shown); });
}

// --- the window's events -------------------------------------------------------------------

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    applyPendingFrame();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    applyPendingFrame();
    layoutStatusBar();
    if (m_logic && m_logic->loaded())
        forward([](auto& logic) { logic.resize(); });
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_logic) {
        m_app.windows().setActiveMainWindow(this);
        forward([](auto& logic) { logic.activate(); });
    }
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_firstPaintDone)
        return;
    m_firstPaintDone = true;
    // Queued: the picture reaches the screen before the work that follows it.
    QTimer::singleShot(0, this, [this] {
        if (!m_closeStarted)
            m_app.mainWindowPainted(this);
    });
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    if (m_closeStarted)
        return;
    m_closeStarted = true;
    const int waitMs = forward([](auto& logic) { return logic.beginClose(); });
    QTimer::singleShot(waitMs, this, [this] {
        const CloseOutcome outcome = forward([](auto& logic) { return logic.finishClose(); });
        m_app.mainWindowClosed(this, outcome);
        m_closing = true;
        close();
    });
}

bool MainWindow::handleKey(QKeyEvent* key)
{
    if (key->key() == Qt::Key_Control || key->key() == Qt::Key_Shift)
        return false; // a modifier alone is no key yet
    const auto mods = key->modifiers();
    KeyEvent k;
    k.key = keyOf(key->key());
    k.shift = mods.testFlag(Qt::ShiftModifier);
    k.ctrl = mods.testFlag(Qt::ControlModifier);
    k.alt = mods.testFlag(Qt::AltModifier);
    return forward([&k](auto& logic) { return logic.onKeyDown(k); }) == KeyOutcome::Consumed;
}

bool MainWindow::handleMouse(QWidget* w, QEvent* event)
{
    const auto type = event->type();
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool press = type == QEvent::MouseButtonPress;
    const bool right
        = (press || type == QEvent::MouseButtonDblClick) && mouse->button() == Qt::RightButton;
    const auto is = [&](Control c) { return w == control(c); };
    const auto run = [this](auto step) {
        forward(step);
        return true;
    };
    if (right && is(Control::RefreshButton))
        return run([](auto& logic) { logic.onRefreshRightButtonDown(); });
    if (right && is(Control::StopFindFullButton))
        return run([](auto& logic) { logic.onFirstCycleButtonRightDown(); });
    if (right && is(Control::HistoryMailOfflineButton))
        return run([](auto& logic) { logic.onSecondCycleButtonRightDown(); });
    if (right && is(Control::SwapButton))
        return run([](auto& logic) { logic.onSwapButton(); });
    for (const Control c : { Control::IntervalDownButton, Control::IntervalUpButton }) {
        if (!is(c))
            continue;
        if (press || type == QEvent::MouseButtonDblClick) {
            const MouseButton button = mouseOf(mouse->button());
            return run([c, button](auto& logic) { logic.onIntervalButtonDown(c, button); });
        }
        if (type == QEvent::MouseButtonRelease)
            return run([c](auto& logic) { logic.onIntervalButtonUp(c); });
    }
    for (const Control c : { Control::IntervalBox, Control::CountdownBox }) {
        if (!is(c))
            continue;
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            if (c == Control::IntervalBox)
                return run([](auto& logic) { logic.onIntervalBoxDoubleClick(); });
            return run([](auto& logic) { logic.onCountdownBoxDoubleClick(); });
        }
        if (right)
            return run([c](auto& logic) { logic.onTimerBoxRightButtonDown(c); });
    }
    if (press && is(Control::CheckBoxesToggle))
        return run([](auto& logic) { logic.onCheckBoxesToggleClick(); });
    QWidget* statusBar = control(Control::StatusBar);
    const bool onStatusBar = w == statusBar || statusBar->isAncestorOf(w);
    // Taken here, so that a panel's parent does not see the same click again.
    if (w == m_clockPanel && type == QEvent::MouseButtonDblClick
        && mouse->button() == Qt::LeftButton)
        return run([](auto& logic) { logic.onClockPanelDoubleClick(); });
    if (right && onStatusBar)
        return run([](auto& logic) { logic.onStatusBarRightClick(); });
    if (press && onStatusBar)
        forward([](auto& logic) { logic.onStatusBarClick(); });
    else if (press && is(Control::Toolbar))
        forward([](auto& logic) { logic.onToolbarBackgroundClick(); });
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* w = widgetInWindow(watched, event, this,
        { QEvent::KeyPress, QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
            QEvent::MouseButtonDblClick, QEvent::FocusIn, QEvent::FocusOut, QEvent::Enter });
    if (!w || !m_logic)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        // Keys the window's shortcuts cannot express (any key with Alt, with Ctrl and
        // Shift, with Ctrl), and Enter in the address box; once per key, at the focus.
        if (w == QApplication::focusWidget() && handleKey(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (handleMouse(w, event))
            return true;
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool in = event->type() == QEvent::FocusIn;
        if (w == m_address) {
            forward([in](auto& logic) { logic.onAddressFocusChanged(in); });
        } else if (w == m_pageList || w == m_categoryList) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const Control list
                = w == m_pageList ? Control::PageSelector : Control::CategorySelector;
            // Focus lost to another window (a new main window) does not close the list.
            if (in || reason != Qt::ActiveWindowFocusReason)
                forward([list, in](auto& logic) { logic.onSelectorFocusChanged(list, in); });
        } else if (in
            && (w == control(Control::IntervalBox) || w == control(Control::CountdownBox))) {
            const Control box
                = w == control(Control::IntervalBox) ? Control::IntervalBox : Control::CountdownBox;
            forward([box](auto& logic) { logic.onTimerBoxFocus(box); });
        } else if (in && m_browser->isAncestorOf(w)) {
            forward([](auto& logic) { logic.onBrowserGotFocus(); });
        }
        break;
    }
    case QEvent::Enter:
        if (w == control(Control::ToolbarToggleButton))
            forward([](auto& logic) { logic.onToolbarToggleMouseOver(); });
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sg::ui

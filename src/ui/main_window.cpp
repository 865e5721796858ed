#include "ui/main_window.h"
#include "ui/twips.h"

#include "platform/precise_ticker.h"
#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/program_message_box.h"
#include "ui/window_events.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QDesktopServices>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <cmath>

namespace sg::ui {
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
    { Control::Command8, "Menu", "Menu", 2, 40 },
    { Control::Command6, "iNet", "Connection", 43, 30 },
    { Control::Command5, "List", "List", 74, 30 },
    { Control::Command3, "\u25C0", "Back", 105, 22 },
    { Control::Command4, "\u25B6", "Forward", 128, 22 },
    { Control::Command2, "\u21BB", "Refresh", 151, 22 },
    { Control::Command10, "-", "Decrease Refresh Interval", 198, 13 },
    { Control::Command11, "+", "Increase Refresh Interval", 212, 13 },
    { Control::Command12, "Stop", "First Cycle Button", 175, 46 },
    { Control::Command9, "History", "Second Cycle Button", 222, 46 },
    { Control::Command13, "\u21C4", "Swap Timer Controls Or Cycle Buttons", 269, 16 },
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

} // namespace

MainWindow::MainWindow(Application& app)
    : m_app(app)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildStatusBar();
    buildMenu();
    m_logic = std::make_unique<MainWindowLogic>(app.services(), *this, *m_browser);
    m_browser->setEvents(m_logic.get());
    m_browser->setNewWindowHost([this](NewWindowTarget target, QWebEnginePage::WebWindowType type) {
        return m_app.hostNewWindow(target, type);
    });
    connectControls();
    qApp->installEventFilter(this);
    m_statusTimer->start(2000);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    m_browser->setEvents(nullptr);
    // The logic leaves the list of open windows before the controls go.
    m_logic.reset();
}

void MainWindow::buildControls()
{
    m_toolbar = new QWidget(this);
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
    m_toolbar->setAutoFillBackground(true);
    m_controls[Control::Picture1] = m_toolbar;

    for (const ButtonSpec& spec : kToolbarButtons) {
        auto* button = new QPushButton(QString::fromUtf8(spec.caption), m_toolbar);
        button->setAccessibleName(QString::fromUtf8(spec.name));
        button->setGeometry(spec.left, kButtonTop, spec.width, kButtonHeight);
        button->setFocusPolicy(Qt::TabFocus);
        m_controls[spec.control] = button;
    }
    auto* text2 = new QLineEdit(m_toolbar);
    text2->setAccessibleName(QStringLiteral("Refresh Interval"));
    text2->setGeometry(175, kButtonTop + 2, 22, kButtonHeight - 4);
    auto* text3 = new QLineEdit(m_toolbar);
    text3->setAccessibleName(QStringLiteral("Minutes Until Refresh"));
    text3->setGeometry(226, kButtonTop + 2, 24, kButtonHeight - 4);
    for (QLineEdit* box : { text2, text3 }) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
    }
    m_controls[Control::Text2] = text2;
    m_controls[Control::Text3] = text3;

    auto* check1 = new QCheckBox(m_toolbar);
    check1->setAccessibleName(QStringLiteral("New Window (Open Next Page In)"));
    check1->setGeometry(287, 1, 16, 14);
    auto* check2 = new QCheckBox(m_toolbar);
    check2->setAccessibleName(QStringLiteral("Full Screen (Open Next Page In)"));
    check2->setGeometry(287, 15, 16, 14);
    m_controls[Control::Check1] = check1;
    m_controls[Control::Check2] = check2;

    auto* label3 = new QLabel(QStringLiteral("\u2039"), m_toolbar);
    label3->setAccessibleName(QStringLiteral("Show/Hide Check-Boxes"));
    label3->setGeometry(px(4605), px(60), px(120), px(285));
    label3->setCursor(Qt::PointingHandCursor);
    m_controls[Control::Label3] = label3;

    m_address = new QLineEdit(m_toolbar);
    m_address->setAccessibleName(QStringLiteral("Address Box"));
    m_controls[Control::Text1] = m_address;
    auto* go = new QPushButton(QStringLiteral("Go"), m_toolbar);
    go->setAccessibleName(QStringLiteral("Go"));
    m_controls[Control::Command1] = go;
    auto* show1 = new QPushButton(QStringLiteral("\u25BE"), m_toolbar);
    show1->setAccessibleName(QStringLiteral("Show/Hide Site Selector"));
    auto* show2 = new QPushButton(QStringLiteral("\u25BE"), m_toolbar);
    show2->setAccessibleName(QStringLiteral("Show/Hide Site Selector"));
    m_controls[Control::Command14] = show1;
    m_controls[Control::Command15] = show2;

    auto* label = new QLabel(this);
    label->hide();
    label->setAccessibleName(QStringLiteral("Window Id"));
    m_controls[Control::LabelMyId] = label;

    m_browser = new platform::WebBrowser(m_app.profile(), this);
    m_controls[Control::WebBrowser1] = m_browser;

    auto* hideShow = new QPushButton(this);
    hideShow->setAccessibleName(QStringLiteral("Hide/Show ToolBar"));
    hideShow->setFocusPolicy(Qt::NoFocus);
    m_controls[Control::Command7] = hideShow;

    m_list1 = new QTreeWidget(this);
    m_list1->setAccessibleName(QStringLiteral("Site Selector Pages"));
    m_list2 = new QTreeWidget(this);
    m_list2->setAccessibleName(QStringLiteral("Site Selector"));
    for (QTreeWidget* list : { m_list1, m_list2 }) {
        list->setColumnCount(2);
        list->setRootIsDecorated(false);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setMouseTracking(true); // hot tracking
        list->setAllColumnsShowFocus(true);
        list->header()->setSectionsClickable(true);
        list->header()->setStretchLastSection(false);
        list->hide();
    }
    m_controls[Control::ListView1] = m_list1;
    m_controls[Control::ListView2] = m_list2;

    m_refreshTicker = new platform::PreciseTicker(this);
    m_statusTimer = new QTimer(this);
    for (MainWindowTimer t : { MainWindowTimer::Timer3, MainWindowTimer::Timer4,
             MainWindowTimer::Timer5, MainWindowTimer::AutoRepeat }) {
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        m_timers[t] = timer;
    }
}

void MainWindow::buildStatusBar()
{
    m_statusBar = new QWidget(this);
    m_statusBar->setAccessibleName(QStringLiteral("Status Bar"));
    m_controls[Control::StatusBar1] = m_statusBar;
    const char* names[] = { "Status", "Clock", "Pop-Ups And Script Errors" };
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(m_statusBar);
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setAccessibleName(QString::fromUtf8(names[i]));
    }
    m_controls[Control::ClockPanel] = m_panels[1];
    m_progress = new QProgressBar(m_statusBar);
    m_progress->setAccessibleName(QStringLiteral("Download Progress"));
    m_progress->setTextVisible(false);
    m_progress->hide();
    m_controls[Control::ProgressBar1] = m_progress;
}

void MainWindow::addCheckItem(
    QMenu* menu, MenuItem item, const char* caption, const std::function<void()>& handler)
{
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setCheckable(true);
    // The check mark follows the logic, not the click: the click's own toggle is undone
    // first, then the logic sets the mark through setMenuChecked.
    connect(action, &QAction::triggered, this, [action, handler](bool checked) {
        action->setChecked(!checked);
        handler();
    });
    m_menuItems[item] = action;
}

void MainWindow::buildMenu()
{
    m_menu = new QMenu(this);
    QMenu* view = m_menu->addMenu(QStringLiteral("&View >>"));
    addCheckItem(
        view, MenuItem::mnuStatusBar, "Status&Bar", [this] { m_logic->onViewStatusBar(); });
    view->addAction(
        QStringLiteral("&Refresh          F5"), this, [this] { m_logic->onViewRefresh(); });
    view->addAction(
        QStringLiteral("&Stop               Esc"), this, [this] { m_logic->onViewStop(); });
    m_menu->addSeparator();
    m_menu->addAction(
        QStringLiteral("&New Browser Window"), this, [this] { m_logic->onNewWindowMenu(); });
    m_menu->addAction(QStringLiteral("Full &Screen Window        F11"), this,
        [this] { m_logic->onViewFullScreen(); });
    m_menu->addAction(
        QStringLiteral("&History Window"), this, [this] { m_app.showHistoryWindow(); });
    m_menu->addAction(QStringLiteral("&List Window  (Edit Selectors)"), this,
        [this] { m_logic->onListButtonClick(); });
    m_menu->addSeparator();
    addCheckItem(m_menu, MenuItem::mnuKillPops, "&Kill Pop-Up Ad Windows",
        [this] { m_logic->onKillPopsMenu(); });
    addCheckItem(m_menu, MenuItem::mnuKillPopsBoom, "&Kill Pop-Up Ads w/Boom",
        [this] { m_logic->onKillPopsBoomMenu(); });
    addCheckItem(m_menu, MenuItem::mnuScriptErr, "&Disable Script Error Msg",
        [this] { m_logic->onScriptErrMenu(); });
    m_menu->addSeparator();
    QMenu* help = m_menu->addMenu(QStringLiteral("&Help >>"));
    help->addAction(QStringLiteral("&Close"), this, [this] { close(); });
    // The mail menu of the second cycle button: the mail program and a new message.
    m_mailMenu = new QMenu(this);
    m_mailMenu->addAction(QStringLiteral("&Open Mail App"), this,
        [this] { QProcess::startDetached(q(m_app.shared().settings.MailAppPath), {}); });
    m_mailMenu->addAction(QStringLiteral("&Create New Mail"), this,
        [] { QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:"))); });
    connect(m_mailMenu, &QMenu::aboutToHide, this, [this] { m_logic->onToolbarBackgroundClick(); });
    connect(m_menu, &QMenu::aboutToHide, this, [this] { m_logic->onToolbarBackgroundClick(); });
}

void MainWindow::connectControls()
{
    auto button = [this](Control c) { return static_cast<QPushButton*>(m_controls.at(c)); };
    connect(
        button(Control::Command1), &QPushButton::clicked, this, [this] { m_logic->onGoClick(); });
    connect(m_address, &QLineEdit::textEdited, this,
        [this](const QString& text) { m_logic->onAddressTextEdited(text.toStdString()); });
    connect(
        button(Control::Command3), &QPushButton::clicked, this, [this] { m_logic->onBackClick(); });
    connect(button(Control::Command4), &QPushButton::clicked, this,
        [this] { m_logic->onForwardClick(); });
    connect(button(Control::Command2), &QPushButton::clicked, this,
        [this] { m_logic->onRefreshClick(); });
    connect(button(Control::Command5), &QPushButton::clicked, this,
        [this] { m_logic->onListButtonClick(); });
    connect(button(Control::Command7), &QPushButton::clicked, this,
        [this] { m_logic->onHideShowToolbarClick(); });
    connect(button(Control::Command6), &QPushButton::clicked, this,
        [this] { m_logic->onConnectionButtonClick(); });
    connect(button(Control::Command8), &QPushButton::clicked, this,
        [this] { m_logic->onMenuButtonClick(); });
    connect(button(Control::Command12), &QPushButton::clicked, this,
        [this] { m_logic->onCycleButton1Click(); });
    connect(button(Control::Command9), &QPushButton::clicked, this,
        [this] { m_logic->onCycleButton2Click(); });
    connect(button(Control::Command13), &QPushButton::clicked, this,
        [this] { m_logic->onSwapButton(); });
    for (Control c : { Control::Command14, Control::Command15 }) {
        connect(
            button(c), &QPushButton::clicked, this, [this] { m_logic->onSelectorButtonClick(); });
        connect(
            button(c), &QPushButton::pressed, this, [this] { m_logic->onSelectorButtonDown(); });
        connect(button(c), &QPushButton::released, this, [this] { m_logic->onSelectorButtonUp(); });
    }
    for (Control c : { Control::Check1, Control::Check2 }) {
        connect(static_cast<QCheckBox*>(m_controls.at(c)), &QCheckBox::clicked, this,
            [this, c](bool checked) { m_logic->onCheckBoxClick(c, checked); });
    }
    for (QTreeWidget* list : { m_list1, m_list2 }) {
        const Control c = list == m_list1 ? Control::ListView1 : Control::ListView2;
        connect(list, &QTreeWidget::itemClicked, this, [this, list, c](QTreeWidgetItem* item) {
            const int row = list->indexOfTopLevelItem(item);
            m_logic->onSelectorClick(c, row < 0 ? std::nullopt : std::optional<std::size_t>(row));
        });
        connect(list->header(), &QHeaderView::sectionClicked, this,
            [this, c] { m_logic->onSelectorColumnClick(c); });
    }
    connect(m_refreshTicker, &platform::PreciseTicker::ticked, this,
        [this] { m_logic->onRefreshTick(); });
    connect(m_timers[MainWindowTimer::Timer3], &QTimer::timeout, this,
        [this] { m_logic->onToolbarTimer(); });
    connect(m_timers[MainWindowTimer::Timer4], &QTimer::timeout, this,
        [this] { m_logic->onPostDownloadTick(); });
    connect(m_timers[MainWindowTimer::Timer5], &QTimer::timeout, this,
        [this] { m_logic->onDeferredActionTimer(); });
    connect(m_timers[MainWindowTimer::AutoRepeat], &QTimer::timeout, this,
        [this] { m_logic->onAutoRepeatTick(); });
    connect(m_statusTimer, &QTimer::timeout, this, [this] { m_logic->onStatusTick(); });
}

QWidget* MainWindow::widgetOf(Control control) const
{
    const auto it = m_controls.find(control);
    return it == m_controls.end() ? nullptr : it->second;
}

QTreeWidget* MainWindow::selectorList(Control list) const
{
    return list == Control::ListView1 ? m_list1 : m_list2;
}

// --- painting -------------------------------------------------------------------------

void MainWindow::setCaption(const std::string& caption)
{
    setWindowTitle(q(caption));
}

void MainWindow::setText(Control control, const std::string& text)
{
    QWidget* w = widgetOf(control);
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->text() != q(text))
            edit->setText(q(text));
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(q(text));
        if (control == Control::Command6 || control == Control::Command12
            || control == Control::Command9)
            button->setAccessibleName(q(text));
    } else if (auto* label = qobject_cast<QLabel*>(w)) {
        label->setText(q(text));
    }
}

void MainWindow::setToolTip(Control control, const std::string& text)
{
    if (QWidget* w = widgetOf(control))
        w->setToolTip(q(text));
}

void MainWindow::setVisible(Control control, bool visible)
{
    if (QWidget* w = widgetOf(control)) {
        w->setVisible(visible);
        if (visible && (control == Control::ListView1 || control == Control::ListView2))
            w->raise();
    }
    if (control == Control::StatusBar1)
        layoutStatusBar();
}

void MainWindow::setEnabled(Control control, bool enabled)
{
    if (QWidget* w = widgetOf(control))
        w->setEnabled(enabled);
}

void MainWindow::setChecked(Control control, bool checked)
{
    if (auto* box = qobject_cast<QCheckBox*>(widgetOf(control)))
        box->setChecked(checked);
}

void MainWindow::setGeometry(Control control, const Rect& r)
{
    if (QWidget* w = widgetOf(control)) {
        w->setGeometry(px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)));
        if (control == Control::Command7 || control == Control::ListView1
            || control == Control::ListView2)
            w->raise();
    }
}

void MainWindow::setFocus(Control control)
{
    if (control == Control::WebBrowser1) {
        m_browser->focusPage();
        return;
    }
    if (QWidget* w = widgetOf(control))
        w->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setStatusPanel(int panel, const std::string& text, int image)
{
    if (panel < 1 || panel > 3)
        return;
    QLabel* label = m_panels[panel - 1];
    label->setText(q(text));
    if (panel == 3) {
        // Image 1: something is being suppressed; image 2: nothing is.
        const auto icon = image == 1 ? QStyle::SP_DialogApplyButton : QStyle::SP_DialogCancelButton;
        label->setToolTip(q(text));
        label->setPixmap(QPixmap());
        if (image > 0 && text.empty())
            label->setPixmap(style()->standardIcon(icon).pixmap(12, 12));
    }
}

void MainWindow::setStatusPanel1Width(double w)
{
    m_panel1WidthTwips = w;
    layoutStatusBar();
}

void MainWindow::setProgress(int maximum, int value)
{
    m_progress->setMaximum(maximum);
    m_progress->setValue(value);
}

void MainWindow::setTimerBoxesActive(bool active)
{
    const QPalette::ColorRole role = active ? QPalette::Base : QPalette::Button;
    for (Control c : { Control::Text2, Control::Text3 }) {
        QWidget* w = widgetOf(c);
        QPalette p = w->palette();
        p.setColor(QPalette::Base, QApplication::palette().color(role));
        w->setPalette(p);
    }
}

void MainWindow::setMenuChecked(MenuItem item, bool checked)
{
    if (const auto it = m_menuItems.find(item); it != m_menuItems.end())
        it->second->setChecked(checked);
}

void MainWindow::setSelectorRows(Control list, const std::vector<SelectorRow>& rows)
{
    QTreeWidget* tree = selectorList(list);
    tree->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    for (const SelectorRow& row : rows) {
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

void MainWindow::setSelectorHeaders(Control list, const SelectorHeaders& headers)
{
    selectorList(list)->setHeaderLabels({ q(headers.first), q(headers.second) });
}

void MainWindow::setSelectorColumnWidths(Control list, int firstPx, int secondPx)
{
    QTreeWidget* tree = selectorList(list);
    tree->setColumnWidth(0, firstPx);
    tree->setColumnWidth(1, secondPx);
}

int MainWindow::selectorColumnWidthPx(Control list, int column) const
{
    return selectorList(list)->columnWidth(column);
}

void MainWindow::applyListFont(const std::string& name, bool bold, double size)
{
    QFont font(q(name));
    font.setBold(bold);
    if (size > 0)
        font.setPointSizeF(size);
    for (QWidget* w : { static_cast<QWidget*>(m_list1), static_cast<QWidget*>(m_list2),
             static_cast<QWidget*>(m_address) })
        w->setFont(font);
}

double MainWindow::textHeightTwips(const std::string& text) const
{
    return twips(m_address->fontMetrics().boundingRect(q(text)).height());
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
    QWidget* menuButton = widgetOf(Control::Command8);
    const QPoint below = menuButton->mapToGlobal(QPoint(0, px(270)));
    m_menu->popup(below);
}

void MainWindow::popUpMailMenu()
{
    QWidget* button = widgetOf(Control::Command9);
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

QTimer* MainWindow::timerOf(MainWindowTimer timer)
{
    const auto it = m_timers.find(timer);
    return it == m_timers.end() ? nullptr : it->second;
}

void MainWindow::startTimer(MainWindowTimer timer, int intervalMs)
{
    if (timer == MainWindowTimer::Timer1) {
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
    if (timer == MainWindowTimer::Timer1) {
        m_refreshTicker->stop();
        return;
    }
    if (QTimer* t = timerOf(timer))
        t->stop();
}

// --- events ---------------------------------------------------------------------------

void MainWindow::layoutStatusBar()
{
    const int h = kStatusBarHeight;
    m_statusBar->setGeometry(0, height() - h, width(), h);
    const int panel1 = std::clamp(px(m_panel1WidthTwips), 0, width());
    m_panels[0]->setGeometry(0, 0, panel1, h);
    m_panels[1]->setGeometry(panel1, 0, kClockPanelWidth, h);
    m_panels[2]->setGeometry(
        panel1 + kClockPanelWidth, 0, std::max(0, width() - panel1 - kClockPanelWidth), h);
    const int barWidth = std::min(120, panel1 / 3);
    m_progress->setGeometry(panel1 - barWidth - 2, 3, barWidth, h - 6);
    m_statusBar->raise();
}

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
    if (m_logic && m_logic->state().loaded)
        m_logic->Resize();
}

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_logic)
        m_logic->Activate();
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
    const int waitMs = m_logic->beginClose();
    QTimer::singleShot(waitMs, this, [this] {
        const CloseOutcome outcome = m_logic->finishClose();
        m_app.mainWindowClosed(outcome);
        m_closing = true;
        close();
    });
}

bool MainWindow::handleKey(QKeyEvent* key)
{
    const auto mods = key->modifiers();
    KeyEvent k;
    k.key = keyOf(key->key());
    k.shift = mods.testFlag(Qt::ShiftModifier);
    k.ctrl = mods.testFlag(Qt::ControlModifier);
    k.alt = mods.testFlag(Qt::AltModifier);
    if (key->key() == Qt::Key_Control || key->key() == Qt::Key_Shift)
        return false; // a modifier alone is no key yet
    return m_logic->onKeyDown(k) == KeyOutcome::Consumed;
}

bool MainWindow::handleMouse(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool press = type == QEvent::MouseButtonPress;
    const bool right
        = (press || type == QEvent::MouseButtonDblClick) && mouse->button() == Qt::RightButton;
    QWidget* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return false;
    if (w == widgetOf(Control::Command2) && right) {
        m_logic->onRefreshRightButtonDown();
        return true;
    }
    if (w == widgetOf(Control::Command12) && right) {
        m_logic->onCycleButton1RightButtonDown();
        return true;
    }
    if (w == widgetOf(Control::Command9) && right) {
        m_logic->onCycleButton2RightButtonDown();
        return true;
    }
    if (w == widgetOf(Control::Command13) && right) {
        m_logic->onSwapButton();
        return true;
    }
    for (Control c : { Control::Command10, Control::Command11 }) {
        if (w != widgetOf(c))
            continue;
        if (press || type == QEvent::MouseButtonDblClick) {
            m_logic->onIntervalButtonDown(c, mouseOf(mouse->button()));
            return true;
        }
        if (type == QEvent::MouseButtonRelease) {
            m_logic->onIntervalButtonUp(c);
            return true;
        }
    }
    for (Control c : { Control::Text2, Control::Text3 }) {
        if (w != widgetOf(c))
            continue;
        if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton) {
            if (c == Control::Text2)
                m_logic->onIntervalBoxDoubleClick();
            else
                m_logic->onCountdownBoxDoubleClick();
            return true;
        }
        if (right) {
            m_logic->onTimerBoxRightButtonDown(c);
            return true;
        }
    }
    if (w == widgetOf(Control::Label3) && press) {
        m_logic->onCheckBoxLabelClick();
        return true;
    }
    if ((w == m_statusBar || w->parentWidget() == m_statusBar) && press) {
        m_logic->onStatusBarClick();
        return false;
    }
    if (w == m_toolbar && press) {
        m_logic->onToolbarBackgroundClick();
        return false;
    }
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
        // Once per key: at the widget that has the focus.
        if (w == QApplication::focusWidget() && handleKey(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        if (handleMouse(watched, event))
            return true;
        break;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const bool in = event->type() == QEvent::FocusIn;
        if (w == m_address) {
            m_logic->onAddressFocusChanged(in);
        } else if (w == m_list1 || w == m_list2) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Focus lost to another window (a new main window) does not close the list.
            if (in || reason != Qt::ActiveWindowFocusReason)
                m_logic->onSelectorFocusChanged(
                    w == m_list1 ? Control::ListView1 : Control::ListView2, in);
        } else if (in && (w == widgetOf(Control::Text2) || w == widgetOf(Control::Text3))) {
            m_logic->onTimerBoxFocus(
                w == widgetOf(Control::Text2) ? Control::Text2 : Control::Text3);
        } else if (in && w->isAncestorOf(m_browser) == false && m_browser->isAncestorOf(w)) {
            m_logic->onBrowserGotFocus();
        }
        break;
    }
    case QEvent::Enter:
        if (w == widgetOf(Control::Command7))
            m_logic->onHideShowToolbarMouseMove();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sg::ui

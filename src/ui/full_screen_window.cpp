#include "ui/full_screen_window.h"

#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/program_message_box.h"
#include "ui/twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWindow>
#include <functional>

namespace sg::ui {

// The title strip: the caption colour with the page title or the slideshow's progress on it;
// pressing it starts a move of the window.
class TitleStrip final : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> pressed;

    void paintState(const QString& text, bool active)
    {
        if (text == m_text && active == m_active)
            return;
        m_text = text;
        m_active = active;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPalette system = QApplication::palette();
        QColor colour = system.color(QPalette::Active, QPalette::Highlight);
        if (!m_active) {
            colour = system.color(QPalette::Inactive, QPalette::Highlight);
            // Styles that paint both the same give the inactive strip the dimmed frame colour.
            if (colour == system.color(QPalette::Active, QPalette::Highlight))
                colour = system.color(QPalette::Inactive, QPalette::Mid);
        }
        QPainter painter(this);
        painter.fillRect(rect(), colour);
        painter.setPen(colour.lightness() > 140 ? Qt::black : Qt::white);
        const QRect room = rect().adjusted(6, 0, -6, 0);
        painter.drawText(room, Qt::AlignVCenter | Qt::AlignLeft,
            fontMetrics().elidedText(m_text, Qt::ElideRight, room.width()));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && pressed)
            pressed();
    }

private:
    QString m_text;
    bool m_active = false;
};

namespace {

// The band across the top: the slideshow pauses while the pointer is over it (its buttons
// included).
class Strip final : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void(bool over)> hovered;

protected:
    void enterEvent(QEnterEvent*) override { hovered(true); }
    void leaveEvent(QEvent*) override { hovered(false); }
};

// The add-page panel, dragged by its own surface: the mouse stays with it until released.
class DragPanel final : public QFrame {
public:
    using QFrame::QFrame;
    std::function<void(QPoint inPanel)> pressed;
    std::function<void(QPoint global)> dragged;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        m_dragging = event->button() == Qt::LeftButton;
        if (m_dragging)
            pressed(event->position().toPoint());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_dragging)
            dragged(event->globalPosition().toPoint());
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (!m_dragging)
            return;
        m_dragging = false;
        dragged(event->globalPosition().toPoint());
    }

private:
    bool m_dragging = false;
};

QFrame* makePanel(QFrame* panel, const QString& name)
{
    panel->setAccessibleName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::Button);
    panel->hide();
    return panel;
}

QRect pixels(const Rect& r)
{
    return { px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)) };
}

} // namespace

FullScreenWindow::FullScreenWindow(Application& app)
    : m_app(app)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The program ends when its last main window closes, whether this window is up or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    m_clock.start();
    buildControls();
    buildPanels();
    FullScreenHost& host = *this;
    m_logic = std::make_unique<FullScreenLogic>(app.shared(), app, host, *m_browser);
    buildKeys();
    m_browser->setEvents(this);
    m_browser->setNewWindowHost([this](NewWindowTarget target, QWebEnginePage::WebWindowType type) {
        return m_app.hostNewWindow(target, type);
    });
    connect(m_browser->page(), &QWebEnginePage::loadFinished, this, [this] {
        if (m_pageOutOfHistory.isEmpty() || m_browser->page()->url() == m_pageOutOfHistory)
            return;
        m_pageOutOfHistory.clear();
        m_browser->page()->history()->clear();
    });
}

FullScreenWindow::~FullScreenWindow()
{
    m_browser->setEvents(nullptr);
}

void FullScreenWindow::buildControls()
{
    setAccessibleName(QStringLiteral("Full Screen Window"));
    m_browser = new platform::WebBrowser(m_app.profile(), this);
    m_controls[std::size_t(FullScreenControl::Browser)] = m_browser;

    auto* strip = new Strip(this);
    strip->setAccessibleName(QStringLiteral("Button Strip"));
    strip->hovered = [this](bool over) { run([&] { m_logic->onPointerOverStrip(over); }); };
    m_controls[std::size_t(FullScreenControl::Strip)] = strip;

    m_titleStrip = new TitleStrip(strip);
    m_titleStrip->setAccessibleName(QStringLiteral("Title Strip"));
    m_titleStrip->setCursor(Qt::SizeAllCursor);
    m_titleStrip->pressed = [this] { run([&] { m_logic->onTitleStripMouseDown(); }); };
    m_controls[std::size_t(FullScreenControl::TitleStrip)] = m_titleStrip;

    using Handler = void (FullScreenLogic::*)();
    const struct {
        FullScreenControl control;
        QStyle::StandardPixmap icon;
        const char* name;
        const char16_t* fallback;
        Handler handler;
    } buttons[] = {
        { FullScreenControl::DockButton, QStyle::SP_TitleBarNormalButton, "Dock Window", u"\u231C",
            &FullScreenLogic::onDockClick },
        { FullScreenControl::AddPageButton, QStyle::SP_FileDialogNewFolder, "Add Page", u"+",
            &FullScreenLogic::onAddPageClick },
        { FullScreenControl::SlideshowButton, QStyle::SP_MediaPlay, "Slideshow", u"\u25B7",
            &FullScreenLogic::onSlideshowClick },
        { FullScreenControl::BackButton, QStyle::SP_ArrowBack, "Back", u"\u25C0",
            &FullScreenLogic::onBackClick },
        { FullScreenControl::ForwardButton, QStyle::SP_ArrowForward, "Forward", u"\u25B6",
            &FullScreenLogic::onForwardClick },
        { FullScreenControl::RefreshButton, QStyle::SP_BrowserReload, "Refresh", u"\u21BB",
            &FullScreenLogic::onRefreshClick },
        { FullScreenControl::CloseButton, QStyle::SP_TitleBarCloseButton, "Close", u"\u2715",
            &FullScreenLogic::onCloseClick },
    };
    for (const auto& b : buttons) {
        auto* button = new QToolButton(strip);
        button->setAccessibleName(QString::fromUtf8(b.name));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        const QIcon image = style()->standardIcon(b.icon);
        if (image.isNull()) {
            button->setText(QString::fromUtf16(b.fallback));
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        } else {
            button->setIcon(image);
            button->setIconSize(QSize(16, 16));
        }
        const Handler handler = b.handler;
        connect(button, &QToolButton::clicked, this,
            [this, handler] { run([&] { (m_logic.get()->*handler)(); }); });
        m_controls[std::size_t(b.control)] = button;
    }
}

void FullScreenWindow::buildPanels()
{
    auto* pagePanel = new DragPanel(this);
    makePanel(pagePanel, QStringLiteral("Add Page Panel"));
    pagePanel->pressed = [this](QPoint at) {
        run([&] { m_logic->onPanelMouseDown({ at.x(), at.y() }); });
    };
    pagePanel->dragged = [this](QPoint global) {
        const QPoint at = mapFromGlobal(global);
        run([&] { m_logic->onPanelDrop({ at.x(), at.y() }); });
    };
    m_controls[std::size_t(FullScreenControl::AddPagePanel)] = pagePanel;
    m_pageCategories = new QComboBox(pagePanel);
    m_pageCategories->setAccessibleName(QStringLiteral("Category"));
    m_pageCategories->setMinimumContentsLength(24);
    m_pageCancel = new QPushButton(QStringLiteral("Cancel"), pagePanel);
    auto* pageRow = new QHBoxLayout(pagePanel);
    pageRow->setContentsMargins(6, 6, 6, 6);
    pageRow->addWidget(m_pageCategories, 1);
    pageRow->addWidget(m_pageCancel);
    connect(m_pageCategories, &QComboBox::activated, this, [this](int index) {
        run([&] { m_logic->onChooserClick(index < 0 ? 0 : std::size_t(index) + 1); });
    });
    connect(m_pageCancel, &QPushButton::clicked, this,
        [this] { run([&] { m_logic->onCancelClick(); }); });

    auto* showPanel = makePanel(new QFrame(this), QStringLiteral("Slideshow Panel"));
    m_controls[std::size_t(FullScreenControl::SlideshowPanel)] = showPanel;
    auto* categoryLabel = new QLabel(QStringLiteral("&Category:"), showPanel);
    m_slideshowCategories = new QComboBox(showPanel);
    m_slideshowCategories->setAccessibleName(QStringLiteral("Slideshow Category"));
    m_slideshowCategories->setMinimumContentsLength(18);
    categoryLabel->setBuddy(m_slideshowCategories);
    auto* dwellLabel = new QLabel(QStringLiteral("&Each Page For:"), showPanel);
    m_dwell = new QSpinBox(showPanel);
    m_dwell->setAccessibleName(QStringLiteral("Seconds Each Page"));
    m_dwell->setRange(kMinSlideshowDwellSeconds, kMaxSlideshowDwellSeconds);
    m_dwell->setSuffix(QStringLiteral(" s"));
    dwellLabel->setBuddy(m_dwell);
    m_slideshowStart = new QPushButton(QStringLiteral("&Start"), showPanel);
    m_slideshowStart->setDefault(true);
    m_slideshowCancel = new QPushButton(QStringLiteral("Cancel"), showPanel);
    auto* showRow = new QHBoxLayout(showPanel);
    showRow->setContentsMargins(6, 6, 6, 6);
    for (QWidget* w : std::initializer_list<QWidget*> { categoryLabel, m_slideshowCategories,
             dwellLabel, m_dwell, m_slideshowStart, m_slideshowCancel })
        showRow->addWidget(w);
    connect(m_slideshowCategories, &QComboBox::currentIndexChanged, this, [this](int index) {
        run([&] {
            m_logic->onSlideshowCategoryChosen(
                index < 0 ? std::nullopt : std::optional<std::size_t>(index));
        });
    });
    connect(m_dwell, &QSpinBox::valueChanged, this,
        [this](int seconds) { run([&] { m_logic->onDwellChanged(seconds); }); });
    connect(m_slideshowStart, &QPushButton::clicked, this,
        [this] { run([&] { m_logic->onSlideshowStart(); }); });
    connect(m_slideshowCancel, &QPushButton::clicked, this,
        [this] { run([&] { m_logic->onSlideshowCancel(); }); });

    m_slideshowTimer = new QTimer(this);
    m_slideshowTimer->setSingleShot(true);
    connect(m_slideshowTimer, &QTimer::timeout, this,
        [this] { run([&] { m_logic->onSlideshowTick(); }); });
}

void FullScreenWindow::buildKeys()
{
    auto* esc = new QAction(QStringLiteral("Close Or End The Slideshow"), this);
    esc->setShortcut(Qt::Key_Escape);
    connect(esc, &QAction::triggered, this, [this] { run([&] { m_logic->onEscape(); }); });
    addAction(esc);
    const struct {
        Qt::Key key;
        SlideshowCommand command;
        const char* name;
    } keys[] = {
        { Qt::Key_Right, SlideshowCommand::Next, "Next Page" },
        { Qt::Key_Left, SlideshowCommand::Previous, "Previous Page" },
        { Qt::Key_Space, SlideshowCommand::TogglePause, "Pause Or Go On" },
    };
    for (const auto& k : keys) {
        auto* action = new QAction(QString::fromUtf8(k.name), this);
        action->setShortcut(k.key);
        action->setEnabled(false);
        const SlideshowCommand command = k.command;
        connect(action, &QAction::triggered, this,
            [this, command] { run([&] { m_logic->onSlideshowKey(command); }); });
        addAction(action);
        m_slideshowKeys.push_back(action);
    }
}

QWidget* FullScreenWindow::control(FullScreenControl control) const
{
    return m_controls[static_cast<std::size_t>(control)];
}

void FullScreenWindow::load()
{
    run([&] { m_logic->load(); });
}

void FullScreenWindow::open(const std::string& address)
{
    run([&] { m_logic->open(address); });
}

void FullScreenWindow::showForNewWindow()
{
    run([&] { m_logic->showForNewWindow(); });
}

void FullScreenWindow::openSlideshowPanel()
{
    run([&] { m_logic->openSlideshowPanel(); });
}

void FullScreenWindow::applyToolTips()
{
    run([&] { m_logic->applyToolTips(); });
}

void FullScreenWindow::fitToWorkArea()
{
    run([&] { m_logic->fitToWorkArea(); });
}

// --- painting -------------------------------------------------------------------------

template <typename Event> void FullScreenWindow::run(Event&& event)
{
    event();
    paint();
}

void FullScreenWindow::paint()
{
    const FullScreenViewState& v = m_logic->view();
    setWindowTitle(q(v.caption));
    m_titleStrip->paintState(q(v.stripText), v.stripActive);
    for (std::size_t i = 0; i < kFullScreenControlCount; ++i) {
        QWidget* w = m_controls[i];
        const FullScreenControlState& s = v.controls[i];
        QRect place = pixels(s.place);
        const bool panel = i == std::size_t(FullScreenControl::AddPagePanel)
            || i == std::size_t(FullScreenControl::SlideshowPanel);
        // A panel is never smaller than its controls need.
        if (panel)
            place.setSize(place.size().expandedTo(w->sizeHint()));
        w->setGeometry(place);
        w->setToolTip(q(s.toolTip));
        w->setEnabled(s.enabled);
        if (w->isHidden() == s.visible) {
            w->setVisible(s.visible);
            if (s.visible)
                w->raise();
        }
    }

    if (v.pageCategories != m_shownPageCategories) {
        const QSignalBlocker quiet(m_pageCategories);
        m_pageCategories->clear();
        const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
        for (const ChooserItem& item : v.pageCategories)
            m_pageCategories->addItem(folder, q(item.text), q(item.key));
        m_shownPageCategories = v.pageCategories;
    }
    m_pageCategories->setCurrentIndex(static_cast<int>(v.pageCategory) - 1);

    const QSignalBlocker quietChooser(m_slideshowCategories);
    if (v.slideshowCategories != m_shownSlideshowCategories) {
        m_slideshowCategories->clear();
        for (const std::string& name : v.slideshowCategories)
            m_slideshowCategories->addItem(q(name));
        m_shownSlideshowCategories = v.slideshowCategories;
    }
    m_slideshowCategories->setCurrentIndex(
        v.slideshowCategory ? static_cast<int>(*v.slideshowCategory) : -1);
    const QSignalBlocker quietDwell(m_dwell);
    m_dwell->setValue(v.dwellSeconds);

    auto* slideshow = static_cast<QToolButton*>(control(FullScreenControl::SlideshowButton));
    slideshow->setIcon(
        style()->standardIcon(v.slideshowRunning ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
    for (QAction* key : m_slideshowKeys)
        key->setEnabled(v.slideshowRunning);
    if (v.tickIn)
        m_slideshowTimer->start(static_cast<int>(v.tickIn->count()));
    else
        m_slideshowTimer->stop();
}

// --- FullScreenHost -------------------------------------------------------------------

Rect FullScreenWindow::workArea() const
{
    return workAreaOf(this);
}

Rect FullScreenWindow::windowGeometry() const
{
    return twipsRect(geometry());
}

void FullScreenWindow::placeWindow(const Rect& r)
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
    setGeometry(px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height)));
}

void FullScreenWindow::showWindow()
{
    show();
    raise();
    activateWindow();
}

void FullScreenWindow::hideWindow()
{
    hide();
}

void FullScreenWindow::beginWindowMove()
{
    if (QWindow* handle = windowHandle())
        handle->startSystemMove();
}

void FullScreenWindow::navigateWithoutHistory(const std::string& address)
{
    m_pageOutOfHistory = QUrl::fromUserInput(q(address));
    m_browser->navigate(address);
}

void FullScreenWindow::showMessage(const std::string& text)
{
    showProgramMessage(this, text);
}

SlideshowTime FullScreenWindow::now() const
{
    return SlideshowTime { m_clock.elapsed() };
}

// --- events ---------------------------------------------------------------------------

void FullScreenWindow::onLoadFinished()
{
    run([&] { m_logic->onLoadFinished(); });
}

void FullScreenWindow::onTitleChanged(const std::string& title)
{
    run([&] { m_logic->onTitleChanged(title); });
}

void FullScreenWindow::onHistoryStateChanged(bool canGoBack, bool canGoForward)
{
    run([&] { m_logic->onHistoryStateChanged(canGoBack, canGoForward); });
}

void FullScreenWindow::onNavigationFailed(NavigationFailure failure)
{
    run([&] { m_logic->onNavigationFailed(failure); });
}

NewWindowTarget FullScreenWindow::onNewWindowRequested()
{
    return m_logic->onNewWindowRequested();
}

void FullScreenWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_logic)
        run([&] { m_logic->resize({ twips(width()), twips(height()) }); });
}

void FullScreenWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && m_logic)
        run([&] { m_logic->setActive(isActiveWindow()); });
}

void FullScreenWindow::closeEvent(QCloseEvent* event)
{
    // The window is only ever hidden; the application deletes it at the end.
    event->ignore();
    run([&] { m_logic->onCloseRequest(); });
}

} // namespace sg::ui

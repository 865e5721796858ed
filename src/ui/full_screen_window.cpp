#include "ui/full_screen_window.h"
#include "ui/twips.h"

#include "platform/web_browser.h"
#include "ui/application.h"
#include "ui/program_message_box.h"
#include "ui/window_events.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QWebEngineHistory>
#include <QWindow>
#include <cmath>

namespace sg::ui {
namespace {

// The add-page panel's controls, in pixels.
constexpr QRect kChooserRect { 6, 6, 282, 27 };
constexpr QRect kCancelRect { 293, 6, 61, 27 };

} // namespace

FullScreenWindow::FullScreenWindow(Application& app)
    : m_app(app)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The program ends when its last main window closes, whether this window is up or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    buildControls();
    m_logic = std::make_unique<FullScreenLogic>(app.shared(), app, *this, *m_browser);
    m_browser->setEvents(m_logic.get());
    m_browser->setNewWindowHost([this](NewWindowTarget target, QWebEnginePage::WebWindowType type) {
        return m_app.hostNewWindow(target, type);
    });
    connectControls();
    qApp->installEventFilter(this);
}

FullScreenWindow::~FullScreenWindow()
{
    qApp->removeEventFilter(this);
    m_browser->setEvents(nullptr);
    m_logic.reset();
}

QToolButton* FullScreenWindow::addPictureButton(
    FullScreenControl control, int icon, const QString& name, const QString& fallbackText)
{
    auto* button = new QToolButton(this);
    button->setAccessibleName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    const QIcon image = style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon));
    if (image.isNull()) {
        button->setText(fallbackText);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        button->setIcon(image);
        button->setIconSize(QSize(14, 14));
    }
    m_controls[control] = button;
    return button;
}

void FullScreenWindow::buildControls()
{
    setAccessibleName(QStringLiteral("Full Screen Window"));
    m_browser = new platform::WebBrowser(m_app.profile(), this);
    m_controls[FullScreenControl::Browser] = m_browser;

    // Created after the browser, so that they lie over the page's top edge.
    m_titleStrip = new QWidget(this);
    m_titleStrip->setAccessibleName(QStringLiteral("Title Strip"));
    m_titleStrip->setAutoFillBackground(true);
    m_titleStrip->setCursor(Qt::SizeAllCursor);
    m_controls[FullScreenControl::TitleStrip] = m_titleStrip;

    addPictureButton(FullScreenControl::DockButton, QStyle::SP_TitleBarNormalButton,
        QStringLiteral("Dock Window"), QStringLiteral("\u231C"));
    addPictureButton(FullScreenControl::AddPageButton, QStyle::SP_FileDialogNewFolder,
        QStringLiteral("Add Page"), QStringLiteral("+"));
    addPictureButton(FullScreenControl::BackButton, QStyle::SP_ArrowBack, QStringLiteral("Back"),
        QStringLiteral("\u25C0"));
    addPictureButton(FullScreenControl::ForwardButton, QStyle::SP_ArrowForward,
        QStringLiteral("Forward"), QStringLiteral("\u25B6"));
    addPictureButton(FullScreenControl::RefreshButton, QStyle::SP_BrowserReload,
        QStringLiteral("Refresh"), QStringLiteral("\u21BB"));
    addPictureButton(FullScreenControl::CloseButton, QStyle::SP_TitleBarCloseButton,
        QStringLiteral("Close"), QStringLiteral("\u2715"));

    m_panel = new QFrame(this);
    m_panel->setAccessibleName(QStringLiteral("Add Page Panel"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setAutoFillBackground(true);
    m_panel->setBackgroundRole(QPalette::Button);
    m_controls[FullScreenControl::AddPagePanel] = m_panel;
    m_chooser = new QComboBox(m_panel);
    m_chooser->setAccessibleName(QStringLiteral("Category"));
    m_chooser->setGeometry(kChooserRect);
    m_controls[FullScreenControl::CategoryChooser] = m_chooser;
    m_cancel = new QPushButton(QStringLiteral("Cancel"), m_panel);
    m_cancel->setAccessibleName(QStringLiteral("Cancel"));
    m_cancel->setGeometry(kCancelRect);
    m_controls[FullScreenControl::CancelButton] = m_cancel;
    m_panel->hide();
}

void FullScreenWindow::connectControls()
{
    const auto picture
        = [this](FullScreenControl c) { return static_cast<QToolButton*>(m_controls.at(c)); };
    connect(picture(FullScreenControl::CloseButton), &QToolButton::clicked, this,
        [this] { m_logic->onCloseClick(); });
    connect(picture(FullScreenControl::AddPageButton), &QToolButton::clicked, this,
        [this] { m_logic->onAddPageClick(); });
    connect(picture(FullScreenControl::DockButton), &QToolButton::clicked, this,
        [this] { m_logic->onDockClick(); });
    connect(picture(FullScreenControl::RefreshButton), &QToolButton::clicked, this,
        [this] { m_logic->onRefreshClick(); });
    connect(picture(FullScreenControl::BackButton), &QToolButton::clicked, this,
        [this] { m_logic->onBackClick(); });
    connect(picture(FullScreenControl::ForwardButton), &QToolButton::clicked, this,
        [this] { m_logic->onForwardClick(); });
    connect(m_chooser, &QComboBox::activated, this,
        [this](int index) { m_logic->onChooserClick(index < 0 ? 0 : std::size_t(index) + 1); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_logic->onCancelClick(); });
    connect(m_browser->page(), &QWebEnginePage::loadFinished, this, [this] {
        if (m_pageOutOfHistory.isEmpty() || m_browser->page()->url() == m_pageOutOfHistory)
            return;
        m_pageOutOfHistory.clear();
        m_browser->page()->history()->clear();
    });
}

QWidget* FullScreenWindow::control(FullScreenControl control) const
{
    const auto it = m_controls.find(control);
    return it == m_controls.end() ? nullptr : it->second;
}

// --- painting -------------------------------------------------------------------------

void FullScreenWindow::setCaption(const std::string& caption)
{
    setWindowTitle(q(caption));
}

void FullScreenWindow::setToolTip(FullScreenControl c, const std::string& text)
{
    if (QWidget* w = control(c))
        w->setToolTip(q(text));
}

void FullScreenWindow::setGeometry(FullScreenControl c, const Rect& r)
{
    if (QWidget* w = control(c))
        w->setGeometry(px(r.left), px(r.top), std::max(0, px(r.width)), std::max(0, px(r.height)));
}

void FullScreenWindow::setVisible(FullScreenControl c, bool visible)
{
    if (QWidget* w = control(c)) {
        w->setVisible(visible);
        if (visible)
            w->raise();
    }
}

void FullScreenWindow::setEnabled(FullScreenControl c, bool enabled)
{
    if (QWidget* w = control(c))
        w->setEnabled(enabled);
}

void FullScreenWindow::setTitleStripActive(bool active)
{
    const QPalette system = QApplication::palette();
    QColor colour = system.color(QPalette::Active, QPalette::Highlight);
    if (!active) {
        colour = system.color(QPalette::Inactive, QPalette::Highlight);
        // Styles that paint both the same give the inactive strip the dimmed frame colour.
        if (colour == system.color(QPalette::Active, QPalette::Highlight))
            colour = system.color(QPalette::Inactive, QPalette::Mid);
    }
    QPalette strip = m_titleStrip->palette();
    strip.setColor(QPalette::Window, colour);
    m_titleStrip->setPalette(strip);
}

void FullScreenWindow::setChooserItems(const std::vector<ChooserItem>& items, std::size_t selected)
{
    const QSignalBlocker quiet(m_chooser);
    m_chooser->clear();
    const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
    for (const ChooserItem& item : items)
        m_chooser->addItem(folder, q(item.text), q(item.key));
    m_chooser->setCurrentIndex(static_cast<int>(selected) - 1);
}

void FullScreenWindow::setWindowGeometry(const Rect& r)
{
    setGeometry(px(r.left), px(r.top), std::max(1, px(r.width)), std::max(1, px(r.height)));
}

Rect FullScreenWindow::windowGeometry() const
{
    return twipsRect(geometry());
}

void FullScreenWindow::setNormalState()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        setWindowState(Qt::WindowNoState);
}

Size FullScreenWindow::clientSize() const
{
    return { twips(width()), twips(height()) };
}

Rect FullScreenWindow::workArea() const
{
    return workAreaOf(this);
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

// --- events ---------------------------------------------------------------------------

void FullScreenWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_logic)
        m_logic->resize();
}

void FullScreenWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !m_logic)
        return;
    if (isActiveWindow())
        m_logic->activate();
    else
        m_logic->deactivate();
}

void FullScreenWindow::closeEvent(QCloseEvent* event)
{
    // The window is only ever hidden; the application deletes it at the end.
    event->ignore();
    m_logic->onCloseRequest();
}

bool FullScreenWindow::handlePanelMouse(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton)
            return false;
        m_panelDragging = true;
        m_logic->onPanelMouseDown(
            { mouse->position().toPoint().x(), mouse->position().toPoint().y() });
        return true;
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease: {
        if (!m_panelDragging)
            return false;
        if (event->type() == QEvent::MouseButtonRelease)
            m_panelDragging = false;
        const QPoint at = mapFromGlobal(mouse->globalPosition().toPoint());
        m_logic->onPanelDrop({ at.x(), at.y() });
        return true;
    }
    default:
        return false;
    }
}

bool FullScreenWindow::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* w = widgetInWindow(watched, event, this,
        { QEvent::KeyPress, QEvent::MouseButtonPress, QEvent::MouseMove,
            QEvent::MouseButtonRelease });
    if (!w || !m_logic)
        return QWidget::eventFilter(watched, event);
    const auto type = event->type();
    if (type == QEvent::KeyPress && (w == QApplication::focusWidget() || w == this)) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && m_logic->onKeyDown({ Key::Escape }))
            return true;
    }
    if (w == m_titleStrip && type == QEvent::MouseButtonPress
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_logic->onTitleStripMouseDown();
        return true;
    }
    if (w == m_panel && handlePanelMouse(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

} // namespace sg::ui

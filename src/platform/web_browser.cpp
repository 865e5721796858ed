#include "platform/web_browser.h"

#include "browser/address_input.h"

#include <QAction>
#include <QFileInfo>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>

namespace sg::platform {
namespace {

std::string toStd(const QString& s)
{
    return s.toStdString();
}

// The address as the window logic sees it: "" for an empty page or about:blank before
// any load.
std::string locationOf(const QUrl& url)
{
    if (url.isEmpty() || url.toString() == QLatin1String("about:blank"))
        return {};
    return toStd(url.toString(QUrl::FullyEncoded));
}

NavigationFailure failureOf(const QWebEngineLoadingInfo& info)
{
    constexpr int kConnectionRefused = -102;
    constexpr int kNameNotResolved = -105;
    const auto domain = info.errorDomain();
    if (domain == QWebEngineLoadingInfo::DnsErrorDomain
        || (domain == QWebEngineLoadingInfo::ConnectionErrorDomain
            && (info.errorCode() == kConnectionRefused || info.errorCode() == kNameNotResolved)))
        return NavigationFailure::HostNotFound;
    return NavigationFailure::Other;
}

} // namespace

WebPage::WebPage(QWebEngineProfile* profile, QObject* parent)
    : QWebEnginePage(profile, parent)
{
}

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // A reload is no new navigation: the page stays where it is.
    if (isMainFrame && m_events && type != NavigationTypeReload
        && m_events->onNavigationRequested(toStd(url.toString(QUrl::FullyEncoded)))) {
        m_refusedUrl = url;
        return false;
    }
    return true;
}

QWebEnginePage* WebPage::openNewWindow(WebWindowType type)
{
    if (!m_events || !m_host)
        return nullptr;
    const NewWindowTarget target = m_events->onNewWindowRequested();
    if (target == NewWindowTarget::Cancel)
        return nullptr;
    return m_host(target, type);
}

QWebEnginePage* WebPage::createWindow(WebWindowType type)
{
    return openNewWindow(type);
}

void WebPage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    if (!m_silent)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool WebPage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return !m_silent && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool WebPage::javaScriptPrompt(
    const QUrl& origin, const QString& message, const QString& value, QString* result)
{
    return !m_silent && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}

void WebPage::javaScriptConsoleMessage(
    JavaScriptConsoleMessageLevel, const QString&, int, const QString&)
{
    // Script errors are never shown to the user; the engine has no error dialog to silence.
}

WebBrowser::WebBrowser(QWebEngineProfile* profile, QWidget* parent)
    : QWebEngineView(parent)
    , m_page(new WebPage(profile, this))
{
    setPage(m_page);
    setAccessibleName(QStringLiteral("Web Page"));
    connectEvents();
}

void WebBrowser::setEvents(BrowserEvents* events)
{
    m_events = events;
    m_page->setEvents(events);
}

void WebBrowser::connectEvents()
{
    connect(
        m_page, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
            if (!m_events)
                return;
            // The engine reports a start and an abort for a navigation the page refused
            // (one sent to a new window): nothing loaded here.
            if (!m_page->refusedUrl().isEmpty() && info.url() == m_page->refusedUrl()) {
                if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                    m_page->forgetRefusedUrl();
                return;
            }
            switch (info.status()) {
            case QWebEngineLoadingInfo::LoadStartedStatus:
                m_events->onLoadStarted();
                return;
            case QWebEngineLoadingInfo::LoadFailedStatus:
                m_events->onNavigationFailed(failureOf(info));
                break;
            case QWebEngineLoadingInfo::LoadStoppedStatus:
            case QWebEngineLoadingInfo::LoadSucceededStatus:
                break;
            }
            m_events->onStatusTextChanged({});
            m_events->onLoadProgress(0, 100); // the download is over: the bar goes
            m_events->onLoadFinished();
        });
    connect(m_page, &QWebEnginePage::urlChanged, this, [this] {
        if (m_events)
            m_events->onUrlChanged();
    });
    connect(m_page, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        if (m_events)
            m_events->onTitleChanged(toStd(title));
    });
    connect(this, &QWebEngineView::printRequested, this, [this] { print(); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status) {
            if (status != QWebEnginePage::NormalTerminationStatus)
                recoverFromRendererCrash();
        });
    connect(m_page, &QWebEnginePage::linkHovered, this, [this](const QString& url) {
        if (m_events)
            m_events->onStatusTextChanged(toStd(url));
    });
    connect(m_page, &QWebEnginePage::loadProgress, this, [this](int progress) {
        if (m_events)
            m_events->onLoadProgress(progress, 100);
    });
    for (const auto action : { QWebEnginePage::Back, QWebEnginePage::Forward }) {
        connect(m_page->action(action), &QAction::changed, this, [this] {
            if (m_events)
                m_events->onHistoryStateChanged(m_page->action(QWebEnginePage::Back)->isEnabled(),
                    m_page->action(QWebEnginePage::Forward)->isEnabled());
        });
    }
    connect(m_page, &QWebEnginePage::geometryChangeRequested, this, [this](const QRect& r) {
        if (!m_events)
            return;
        m_events->onGeometryRequested({ r.x(), r.y(), r.width(), r.height() });
    });
}

void WebBrowser::navigate(const std::string& address)
{
    m_page->load(QUrl::fromUserInput(QString::fromStdString(addressToLoad(address))));
}

void WebBrowser::navigateInNewWindow(const std::string& address)
{
    // Deferred: the request may come from inside an engine callback.
    const QString text = QString::fromStdString(addressToLoad(address));
    QPointer<WebPage> page = m_page;
    QTimer::singleShot(0, this, [page, text] {
        if (!page)
            return;
        if (QWebEnginePage* target = page->openNewWindow(QWebEnginePage::WebBrowserWindow))
            target->load(QUrl::fromUserInput(text));
    });
}

void WebBrowser::reloadPage(ReloadMode mode)
{
    m_page->triggerAction(mode == ReloadMode::Completely ? QWebEnginePage::ReloadAndBypassCache
                                                         : QWebEnginePage::Reload);
}

void WebBrowser::recoverFromRendererCrash()
{
    // A watched page left blank by a crashed renderer comes back by itself; a page that
    // crashes again within a minute is left for the user, so a crashing page cannot loop.
    constexpr qint64 kMinimumGapMs = 60000;
    if (m_sinceRecovery.isValid() && m_sinceRecovery.elapsed() < kMinimumGapMs)
        return;
    m_sinceRecovery.start();
    QTimer::singleShot(1000, this, [this] { m_page->triggerAction(QWebEnginePage::Reload); });
}

void WebBrowser::goBack()
{
    m_page->triggerAction(QWebEnginePage::Back);
}
void WebBrowser::goForward()
{
    m_page->triggerAction(QWebEnginePage::Forward);
}
void WebBrowser::stopLoading()
{
    m_page->triggerAction(QWebEnginePage::Stop);
}

std::string WebBrowser::address() const
{
    return locationOf(m_page->url());
}

std::string WebBrowser::locationName() const
{
    const QUrl url = m_page->url();
    if (url.isLocalFile())
        return toStd(QFileInfo(url.toLocalFile()).fileName());
    return toStd(m_page->title());
}

void WebBrowser::focusPage()
{
    setFocus(Qt::OtherFocusReason);
}

void WebBrowser::findInPage()
{
    focusPage();
    bool ok = false;
    const QString text = QInputDialog::getText(this, QStringLiteral("Find (On This Page)"),
        QStringLiteral("Find:"), QLineEdit::Normal, QString(), &ok);
    if (ok)
        m_page->findText(text);
}

void WebBrowser::selectAll()
{
    focusPage();
    m_page->triggerAction(QWebEnginePage::SelectAll);
}

void WebBrowser::print()
{
    // The printer outlives the dialog: the engine prints after this returns.
    auto* printer = new QPrinter(QPrinter::HighResolution);
    QPrintDialog dialog(printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        delete printer;
        return;
    }
    connect(
        this, &QWebEngineView::printFinished, this, [printer](bool) { delete printer; },
        Qt::SingleShotConnection);
    QWebEngineView::print(printer);
}

void WebBrowser::setTextZoom(int level)
{
    static constexpr double kFactors[] = { 0.75, 0.875, 1.0, 1.25, 1.5 };
    setZoomFactor(kFactors[std::clamp(level, 0, 4)]);
}

} // namespace sg::platform

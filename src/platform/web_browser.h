#pragma once
// The embedded browser on Qt WebEngine: a view whose page turns the engine's callbacks into
// BrowserEvents and carries out the BrowserControl operations.

#include "browser/browser_control.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>

class QWebEngineProfile;

namespace sg::platform {

// Finds the page that hosts a new window once the window logic chose where it goes;
// nullptr when no window could be made.
using NewWindowHost
    = std::function<QWebEnginePage*(NewWindowTarget, QWebEnginePage::WebWindowType)>;

// A page that asks BrowserEvents before it navigates or opens a window, and keeps quiet
// while silent.
class WebPage : public QWebEnginePage {
    Q_OBJECT
public:
    WebPage(QWebEngineProfile* profile, QObject* parent);

    void setEvents(BrowserEvents* events) { m_events = events; }
    void setNewWindowHost(NewWindowHost host) { m_host = std::move(host); }
    bool silent() const { return m_silent; }
    void setSilent(bool silent) { m_silent = silent; }
    // The new-window path of a navigation with the target frame "_blank".
    QWebEnginePage* openNewWindow(WebWindowType type);
    // The last main-frame navigation the window's logic refused, until its load has ended.
    const QUrl& refusedUrl() const { return m_refusedUrl; }
    void forgetRefusedUrl() { m_refusedUrl.clear(); }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(
        const QUrl& origin, const QString& message, const QString& value, QString* result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
        int line, const QString& source) override;

private:
    BrowserEvents* m_events = nullptr;
    NewWindowHost m_host;
    bool m_silent = false;
    QUrl m_refusedUrl;
};

// The browser control of one window.
class WebBrowser : public QWebEngineView, public BrowserControl {
    Q_OBJECT
public:
    WebBrowser(QWebEngineProfile* profile, QWidget* parent);

    WebPage* webPage() const { return m_page; }
    void setEvents(BrowserEvents* events);
    void setNewWindowHost(NewWindowHost host) { m_page->setNewWindowHost(std::move(host)); }

    void navigate(const std::string& address) override;
    void navigateInNewWindow(const std::string& address) override;
    void reloadPage(ReloadMode mode) override;
    void goBack() override;
    void goForward() override;
    void stopLoading() override;
    std::string address() const override;
    std::string locationName() const override;
    bool silent() const override { return m_page->silent(); }
    void setSilent(bool silent) override { m_page->setSilent(silent); }
    void focusPage() override;
    void findInPage() override;
    void selectAll() override;
    // Asks for a printer with the print dialog, then prints the page to it. A page's own
    // window.print() comes here too.
    void print() override;

    // Zoom levels 0..4 (0.75, 0.875, 1.0, 1.25, 1.5).
    void setTextZoom(int level);

private:
    void connectEvents();
    void recoverFromRendererCrash();
    WebPage* m_page;
    QElapsedTimer m_sinceRecovery; // invalid until the first recovery
    BrowserEvents* m_events = nullptr;
};

} // namespace sg::platform

#pragma once
// FullScreenWindow, the full-screen window: a frameless window over the work area with its own
// browser, a thin bar of picture buttons and the add-page panel. It owns its controls, forwards
// every event to FullScreenLogic in one call and paints what the logic tells it.

#include "fullscreen/full_screen_logic.h"
#include "fullscreen/full_screen_view.h"

#include <QUrl>
#include <QWidget>
#include <map>
#include <memory>

class QComboBox;
class QFrame;
class QPushButton;
class QToolButton;

namespace sg::platform {
class WebBrowser;
} // namespace sg::platform

namespace sg::ui {

class Application;

class FullScreenWindow final : public QWidget, public FullScreenView {
    Q_OBJECT
public:
    explicit FullScreenWindow(Application& app);
    ~FullScreenWindow() override;

    FullScreenLogic& logic() { return *m_logic; }
    platform::WebBrowser* browser() const { return m_browser; }
    // The control of this name (for tests and accessibility tools).
    QWidget* control(FullScreenControl control) const;

    // The widget's own functions of these names stay reachable.
    using QWidget::setEnabled;
    using QWidget::setGeometry;
    using QWidget::setToolTip;
    using QWidget::setVisible;

    // FullScreenView.
    void setCaption(const std::string& caption) override;
    void setToolTip(FullScreenControl control, const std::string& text) override;
    void setGeometry(FullScreenControl control, const Rect& twips) override;
    void setVisible(FullScreenControl control, bool visible) override;
    void setEnabled(FullScreenControl control, bool enabled) override;
    void setTitleStripActive(bool active) override;
    void setChooserItems(const std::vector<ChooserItem>& items, std::size_t selected) override;
    void setWindowGeometry(const Rect& twips) override;
    Rect windowGeometry() const override;
    void setNormalState() override;
    Size clientSize() const override;
    Rect workArea() const override;
    void showWindow() override;
    void hideWindow() override;
    void beginWindowMove() override;
    void navigateWithoutHistory(const std::string& address) override;
    void showMessage(const std::string& text) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void connectControls();
    QToolButton* addPictureButton(
        FullScreenControl control, int icon, const QString& name, const QString& fallbackText);
    bool handlePanelMouse(QEvent* event);

    Application& m_app;
    platform::WebBrowser* m_browser = nullptr;
    std::unique_ptr<FullScreenLogic> m_logic;
    std::map<FullScreenControl, QWidget*> m_controls;
    QWidget* m_titleStrip = nullptr;
    QFrame* m_panel = nullptr;
    QComboBox* m_chooser = nullptr;
    QPushButton* m_cancel = nullptr;
    bool m_panelDragging = false;
    // The blank page leaves the history once the next page has loaded.
    QUrl m_pageOutOfHistory;
};

} // namespace sg::ui

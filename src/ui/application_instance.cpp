// The application's side of a second start of the program.

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/program_message_box.h"

#include <QTimer>

namespace sg::ui {
namespace {

// The program as a hand-over sees it.
class ApplicationHandOver final : public HandOverTarget {
public:
    ApplicationHandOver(Application& app, bool& refusalShown)
        : m_app(app)
        , m_refusalShown(refusalShown)
    {
    }
    bool ending() const override { return m_app.ending(); }
    bool modalWindowOpen() const override { return m_app.shared().ModalWindowOpen; }
    bool mainWindowOpen() const override { return m_app.windows().firstMainWindow() != nullptr; }
    void setPendingStartUrl(const std::string& address) override
    {
        m_app.shared().PendingStartUrl = address;
    }
    void openNewMainWindow() override
    {
        m_app.windows().firstMainWindow()->forward([](auto& logic) { logic.openNewMainWindow(); });
    }
    void showRefusal(std::string_view text) override
    {
        if (m_refusalShown)
            return;
        m_refusalShown = true;
        // Shown once the second start has its answer; a program message box holds
        // ModalWindowOpen while it is up.
        QTimer::singleShot(
            0, &m_app, [app = &m_app, &shown = m_refusalShown, text = std::string(text)] {
                {
                    ModalWindowHold hold(app->shared());
                    showProgramMessage(nullptr, text);
                }
                shown = false;
            });
    }

private:
    Application& m_app;
    bool& m_refusalShown;
};

} // namespace

InstanceAnswer Application::receiveHandOver(const std::string& commandLine)
{
    ApplicationHandOver target(*this, m_handOverRefusalShown);
    return m_handOver.receive(commandLine, target) == HandOverResult::CannotTake
        ? InstanceAnswer::CannotTake
        : InstanceAnswer::Taken;
}

} // namespace sg::ui

#pragma once
// OptionsWindow, the start page and options window: four tabs and Save, Cancel and Restore
// Defaults below them. It owns its controls, forwards each event to OptionsLogic in one call
// and paints the logic's view after it. It is application-modal and deletes itself when it
// closes.

#include "options/options_logic.h"

#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace sg::ui {

class OptionsWindow final : public QWidget, private OptionsPrompter {
    Q_OBJECT
public:
    OptionsWindow(SharedBrowserState& shared, std::string OptionsCurrentPage,
        std::unique_ptr<OptionsEffects> effects);
    ~OptionsWindow() override;

    const OptionsLogic& logic() const { return *m_logic; }
    // Loads the controls from the settings and shows the window, modal, centred over the
    // opener (the screen when none).
    void openOver(QWidget* opener);

    // The controls, for tests and accessibility tools.
    QTabWidget* tabs() const { return m_tabs; }
    QLineEdit* startPageBox() const { return m_startPage; }
    QRadioButton* startPageButton(StartPageChoice c) const
    {
        return m_startPageButtons[static_cast<std::size_t>(c)];
    }
    QCheckBox* checkBox(OptionsCheck c) const { return m_checks[static_cast<std::size_t>(c)]; }
    QCheckBox* checkBox(ExtraCheck c) const { return m_extraChecks[static_cast<std::size_t>(c)]; }
    QRadioButton* hideControlsButton(std::int16_t mode) const;
    QLineEdit* daysBox() const { return m_days; }
    QToolButton* spinButton(SpinButton b) const { return m_spin[static_cast<std::size_t>(b)]; }
    QLineEdit* launcherBox(LauncherBox b) const { return m_launchers[static_cast<std::size_t>(b)]; }
    QPushButton* browseButton(LauncherBox pathBox) const;
    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }
    QPushButton* restoreDefaultsButton() const { return m_restore; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildStartPageTab();
    QWidget* buildOptionsTab();
    QWidget* buildMailTab();
    QWidget* buildMoreTab();
    void connectControls();
    // One event for the logic, then the painting of its outcome.
    template <typename Event> void run(Event&& event);
    void paint();
    void paintColours();
    void browse(LauncherBox pathBox);
    bool spinEvent(SpinButton button, QEvent* event);

    // OptionsPrompter.
    void tell(const std::string& text) override;
    Answer askYesNoCancel(const std::string& text) override;

    std::unique_ptr<OptionsEffects> m_effects;
    std::unique_ptr<OptionsLogic> m_logic;
    QTabWidget* m_tabs = nullptr;
    std::array<QWidget*, kOptionsTabCount> m_pages {};
    QLineEdit* m_startPage = nullptr;
    QButtonGroup* m_startPageGroup = nullptr;
    std::array<QRadioButton*, kStartPageChoiceCount> m_startPageButtons {};
    std::array<QCheckBox*, kOptionsCheckCount> m_checks {};
    QButtonGroup* m_hideGroup = nullptr;
    std::array<QCheckBox*, kExtraCheckCount> m_extraChecks {};
    QLineEdit* m_days = nullptr;
    std::array<QToolButton*, 2> m_spin {};
    QTimer* m_spinTimer = nullptr;
    std::array<QLineEdit*, kLauncherBoxCount> m_launchers {};
    std::array<QPushButton*, 2> m_browse {}; // beside the messenger and the mail path
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_restore = nullptr;
    std::optional<PanelColours> m_shownColours;
    bool m_closing = false; // close() has been called or the close box is being answered
};

} // namespace sg::ui

#pragma once
// SuggestionsWindow: invites a suggestion or a bug report and opens a new, pre-addressed mail
// in the user's mail program. An ordinary window, open once at a time, that deletes itself
// when it closes.

#include "about/suggestions.h"

#include <QWidget>

class QGroupBox;
class QTextEdit;
class QPushButton;

namespace sg::ui {

class SuggestionsWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SuggestionsWindow(bool& SuggestionsWindowOpen);

    const SuggestionsLogic& logic() const { return m_logic; }
    // Loads the texts; the window is shown after.
    void open();

    QTextEdit* explanation() const { return m_text; }
    QPushButton* sendButton() const { return m_send; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    template <typename Event> void run(Event&& event);
    void paint();

    SuggestionsLogic m_logic;
    QGroupBox* m_frame = nullptr;
    QTextEdit* m_text = nullptr;
    QPushButton* m_send = nullptr;
};

} // namespace sg::ui

#pragma once
// AboutWindow: what the program is and which version runs, with its logo. An ordinary
// window that deletes itself when it closes.

#include <QWidget>

class QLabel;

namespace sg::ui {

class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    AboutWindow();

    QLabel* descriptionLabel() const { return m_description; }
    QLabel* versionLabel() const { return m_version; }

private:
    QLabel* m_description = nullptr;
    QLabel* m_version = nullptr;
};

} // namespace sg::ui

#pragma once
// BootErrorDialog: shows the one start-up error; the program ends when it closes.

#include <QDialog>

class QLineEdit;

namespace sg::ui {

class BootErrorDialog final : public QDialog {
    Q_OBJECT
public:
    explicit BootErrorDialog(const QString& bootErrorText, QWidget* parent = nullptr);

protected:
    void changeEvent(QEvent* event) override;

private:
    QString m_text;
    QLineEdit* m_text1;
};

} // namespace sg::ui

#include "ui/list_editor_message_boxes.h"

#include "common/program.h"

#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace sg::ui {
namespace {

QString programTitle()
{
    return QString::fromUtf8(kProgramTitle.data(), static_cast<qsizetype>(kProgramTitle.size()));
}

} // namespace

void ListEditorMessageBoxes::tell(const std::string& text)
{
    if (m_deferReports) {
        QTimer::singleShot(0, m_parent, [this, text] { tell(text); });
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, programTitle(), QString::fromStdString(text),
        QMessageBox::Ok, m_parent);
    box.exec();
}

bool ListEditorMessageBoxes::ask(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, programTitle(), QString::fromStdString(text),
        QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace sg::ui

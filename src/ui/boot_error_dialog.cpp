#include "ui/boot_error_dialog.h"

#include "common/program.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sg::ui {
namespace {

const char* const kAboveText
    = "The Error Shown Above Occurred Accessing The Apps Start-UP Settings And Data Files "
      "Directory.  This May Be An Unusual Error.  If So, Click The \"Okay\"  Button To Close "
      "This Window, Then Re-Open The Application In The Usual Way.";
const char* const kPersistsText
    = "If This Error Persists, Your System Administrator May Need To Change Your User "
      "Settings In Order For The App To Be Able To Access Its  Settings And Data Files "
      "Directory.";

QLabel* makeLabel(const char* text, QWidget* parent)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setWordWrap(true);
    label->setFont(QFont(QStringLiteral("Verdana")));
    label->setAccessibleName(label->text());
    return label;
}

} // namespace

BootErrorDialog::BootErrorDialog(const QString& bootErrorText, QWidget* parent)
    : QDialog(parent)
    , m_text(bootErrorText)
    , m_text1(new QLineEdit(this))
{
    setWindowTitle(QString::fromUtf8(kProgramTitle.data(), static_cast<int>(kProgramTitle.size())));
    m_text1->setReadOnly(true);
    m_text1->setText(m_text);
    m_text1->setAccessibleName(QStringLiteral("Error"));
    auto* okay = new QPushButton(QStringLiteral("Okay"), this);
    okay->setAccessibleName(QStringLiteral("Okay"));
    connect(okay, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text1);
    layout->addWidget(makeLabel(kAboveText, this));
    layout->addWidget(makeLabel(kPersistsText, this));
    layout->addWidget(okay, 0, Qt::AlignHCenter);
    resize(480, 260);
}

void BootErrorDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_text1->setText(m_text);
}

} // namespace sg::ui

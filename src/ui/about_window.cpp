#include "ui/about_window.h"

#include "about/about_texts.h"
#include "common/program.h"
#include "ui/twips.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>

namespace sg::ui {

AboutWindow::AboutWindow()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(q(kAboutCaption));
    setAccessibleName(q(kAboutCaption));

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/skyglass2/skyglass2-128.png")));
    logo->setAccessibleName(QStringLiteral("Logo"));
    logo->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(q(kProgramTitle), this);
    QFont nameFont(QStringLiteral("Verdana"));
    nameFont.setPointSize(18);
    nameFont.setBold(true);
    name->setFont(nameFont);

    m_description = new QLabel(q(kAboutDescription), this);
    m_description->setFont(QFont(q(kAboutDescriptionFont), 11));
    m_description->setWordWrap(true);
    m_description->setMinimumWidth(360);

    m_version = new QLabel(q(programVersionLabel()), this);
    m_version->setFont(QFont(q(kAboutVersionFont), 10));

    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(m_description);
    texts->addStretch(1);
    texts->addWidget(m_version);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(16);
    layout->addWidget(logo);
    layout->addLayout(texts, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace sg::ui

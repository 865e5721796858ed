#include "ui/suggestions_window.h"

#include "ui/twips.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGroupBox>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QUrl>
#include <QVBoxLayout>

namespace sg::ui {

SuggestionsWindow::SuggestionsWindow(bool& SuggestionsWindowOpen)
    : m_logic(SuggestionsWindowOpen)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(q(kSuggestionsCaption));

    m_frame = new QGroupBox(this);
    m_text = new QTextEdit(m_frame);
    m_text->setReadOnly(true);
    m_text->setAccessibleName(QStringLiteral("Explanation"));
    m_text->setMinimumSize(420, 220);
    m_send = new QPushButton(q(kSendMailCaption), m_frame);
    auto* frameLayout = new QVBoxLayout(m_frame);
    frameLayout->addWidget(m_text);
    frameLayout->addWidget(m_send, 0, Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);

    // A missing mail program simply does nothing.
    connect(m_send, &QPushButton::clicked, this,
        [this] { QDesktopServices::openUrl(QUrl(q(m_logic.mailUrl()))); });
}

void SuggestionsWindow::open()
{
    run([&] { m_logic.open(); });
}

template <typename Event> void SuggestionsWindow::run(Event&& event)
{
    event();
    paint();
}

void SuggestionsWindow::paint()
{
    const SuggestionsView& v = m_logic.view();
    m_frame->setTitle(q(v.frameCaption));
    // The paragraphs end in CR LF; the text box breaks lines at LF.
    const QString text = q(v.explanation).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_text->toPlainText() == text)
        return;
    m_text->setPlainText(text);
    // A little room between the paragraphs.
    QTextCursor all(m_text->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat spaced;
    spaced.setBottomMargin(6);
    all.mergeBlockFormat(spaced);
}

bool SuggestionsWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        run([&] { m_logic.activate(); });
    return QWidget::event(event);
}

void SuggestionsWindow::closeEvent(QCloseEvent* event)
{
    m_logic.close();
    QWidget::closeEvent(event);
}

} // namespace sg::ui

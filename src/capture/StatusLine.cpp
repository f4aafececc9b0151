#include "capture/StatusLine.h"

StatusLine::StatusLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("statusLine"));
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The line follows the window's width, however narrow.
    setMinimumWidth(1);
}

void StatusLine::say(const QString &text)
{
    m_text = text;
    setToolTip(text);
    setAccessibleName(text);
    fit();
}

void StatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void StatusLine::fit()
{
    setText(fontMetrics().elidedText(m_text, Qt::ElideMiddle, contentsRect().width()));
}

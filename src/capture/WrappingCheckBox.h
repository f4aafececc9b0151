#pragma once

#include <QCheckBox>

// A check box drawn two lines high: its caption wraps onto the second line
// when one line is too short for it, and a click anywhere on it toggles it.
// The caption itself (text()) is unchanged.
class WrappingCheckBox : public QCheckBox
{
    Q_OBJECT

public:
    WrappingCheckBox(const QString &caption, QWidget *parent);

    // Where the caption is drawn.
    QRect captionRect() const;
    static constexpr int CaptionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
};

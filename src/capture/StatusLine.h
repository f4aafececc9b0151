#pragma once

#include <QLabel>

// One line of text under the capture form, outside its design: what the last
// save did. A text wider than the line is shortened in its middle, so that
// both the notice and the file's name stay in view; the whole text is the
// line's tool tip and accessible name.
class StatusLine : public QLabel
{
    Q_OBJECT

public:
    explicit StatusLine(QWidget *parent);

    void say(const QString &text);
    QString wholeText() const { return m_text; }

    // The line takes the window's width and its own fixed height, whatever it
    // says: its hints do not measure the text, so a new text (one each saved
    // notice) is not laid out again for the window's layout.
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fit();

    QString m_text;
};

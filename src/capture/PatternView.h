#pragma once

#include "pattern/PatternGeometry.h"

#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// One antenna table of the screen as a polar diagram, beside its grid of
// boxes. It is told of each box's text as it changes (typed, pasted, put
// there by a correction, an import or a clear) and draws the table as the
// boxes hold it; the geometry is worked out again only when the diagram is
// painted or asked for, and it is repainted once the keys pause, so typing
// costs about the same with or without it.
// It shows while its table's frame shows and the window shows diagrams.
class PatternView : public QWidget
{
    Q_OBJECT

public:
    PatternView(AzimuthTableId table, QWidget *frame, QWidget *parent);

    AzimuthTableId table() const { return m_table; }

    // The text of entry index (0 to 35) as its box now holds it.
    void setEntry(int index, const QString &text);

    // The diagram as drawn (its geometry), and its one-line description (also its
    // accessible description): up to date with the boxes.
    const PatternGeometry &pattern();
    QString description();

    // Whether the window shows its diagrams (it does unless told otherwise).
    void setWanted(bool wanted);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh();
    void followFrame();

    AzimuthTableId m_table;
    QPointer<QWidget> m_frame;
    bool m_wanted = true;
    PatternTexts m_texts;
    PatternGeometry m_geometry;
    bool m_stale = true;
    QPixmap m_grid; // the part that does not depend on the values
    QFont m_gridFont;
    QTimer m_repaint; // started by each change, repaints when it runs out
};

#pragma once

#include <QWidget>

class QLabel;

// Stands in a layout for one label that does not wrap, which fills it. A label whose text
// changes asks its layout again, and every layout activated then asks the one above it, up to
// the window, whatever the new text's size; through the cell the layouts are asked only when
// the label's size hints or limits changed, so that a figure that keeps its width repaints
// alone. Its layout sees the label's hints, limits and size policy, as before.
class KesLabelCell : public QWidget
{
    Q_OBJECT
public:
    enum class Backdrop
    {
        // The cell paints nothing; what lies beneath it is painted first, as for the label.
        Clear,
        // The label's parent paints one colour (its palette's) all beneath the label: the cell
        // paints it itself, so that a repaint of the label stops at the cell instead of
        // painting the window and every frame down to the label first.
        ParentColour
    };

    // Puts the label into a new cell, in its place in its parent widget's layout.
    static KesLabelCell *Wrap(QLabel *label, Backdrop backdrop = Backdrop::Clear);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    KesLabelCell(QLabel *label, QWidget *parent, Backdrop backdrop);
    void Follow();

    QLabel *m_label;
    Backdrop m_backdrop;
    QSize m_hint;
    QSize m_minimumHint;
};

#pragma once

#include <QWidget>

class QLabel;

// Stands in a layout for one label that does not wrap, which fills it. A label whose text
// changes asks its layout again, and every layout activated then asks the one above it, up to
// the window, whatever the new text's size; through the cell the layouts are asked only when
// the label's size hints or limits changed, so that a figure that keeps its width repaints
// alone. Its layout sees the label's hints, limits and size policy, as before; or, for a figure
// whose width does not matter to what lies around it, the widest of its texts so far.
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

    enum class Width
    {
        // The label's own hints.
        Text,
        // As wide as the widest text the label has shown since its font or settings changed,
        // and as tall as the label asks for now. A centred figure that changes with every
        // reading then lays the window out again only until its widest text has been seen.
        Widest
    };

    // Puts the label into a new cell, in its place in its parent widget's layout.
    static KesLabelCell *Wrap(QLabel *label, Backdrop backdrop = Backdrop::Clear,
                              Width width = Width::Text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // What a label's hints depend on besides its text.
    struct Setting
    {
        QFont font;
        QMargins margins;
        int margin;
        int indent;
        int alignment;
        bool wordWrap;
        QSize minimum;
        QSize maximum;
        bool operator==(const Setting &other) const;
    };

    KesLabelCell(QLabel *label, QWidget *parent, Backdrop backdrop, Width width);
    void Follow();
    Setting LabelSetting() const;
    QSize Widened(QSize labelHint, int widest) const;

    QLabel *m_label;
    Backdrop m_backdrop;
    Width m_width;
    QSize m_hint;
    QSize m_minimumHint;
    // The widest hints of the label's texts, and the setting they were measured in (Widest).
    Setting m_setting;
    int m_widestHint = 0;
    int m_widestMinimumHint = 0;
};

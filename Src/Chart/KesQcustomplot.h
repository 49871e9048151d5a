#pragma once

#include <QPointer>
#include <QVector>
#include <qcustomplot.h>

class KesBars;

// clang-format off

// The look of the plot as named properties, so that a style sheet ("qproperty-AxisGridPen_y:
// ...") or a caller can restyle a chart by name. Each entry is one of
//   VALUE(Type, Name, Target, getter, setter)   the whole value of Target
//   WIDTH(Name, Target, getter, setter)         the width of the pen Target->getter()
//   COLOR(Name, Target, getter, setter)         the colour of that pen
// and the list below is the declaration order of the properties. moc expands these macros
// like the compiler does, so every entry becomes a Q_PROPERTY, a getter and a public slot.
#define KES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Prefix, Part, Suffix, Target, getter, setter) \
    VALUE(QPen, Prefix##Part##Suffix, Target, getter, setter)                                 \
    WIDTH(Prefix##Part##Width##Suffix, Target, getter, setter)                                \
    COLOR(Prefix##Part##Color##Suffix, Target, getter, setter)

// Path leads from an axis to the object holding the pen (empty, or ->grid()).
#define KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Part, Path, getter, setter)        \
    KES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Axis, Part, _x, xAxis Path, getter, setter)  \
    KES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Axis2, Part, _x, xAxis2 Path, getter, setter) \
    KES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Axis, Part, _y, yAxis Path, getter, setter)  \
    KES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, Axis2, Part, _y, yAxis2 Path, getter, setter)

#define KES_AXES_PEN_WIDTH_COLOR_PROPERTIES(WIDTH, COLOR, Part, getter, setter) \
    WIDTH(Axis##Part##Width_x, xAxis, getter, setter)                           \
    COLOR(Axis##Part##Color_x, xAxis, getter, setter)                           \
    WIDTH(Axis2##Part##Width_x, xAxis2, getter, setter)                         \
    COLOR(Axis2##Part##Color_x, xAxis2, getter, setter)                         \
    WIDTH(Axis##Part##Width_y, yAxis, getter, setter)                           \
    COLOR(Axis##Part##Color_y, yAxis, getter, setter)                           \
    WIDTH(Axis2##Part##Width_y, yAxis2, getter, setter)                         \
    COLOR(Axis2##Part##Color_y, yAxis2, getter, setter)

#define KES_AXES_VALUE_PROPERTIES(VALUE, Type, Part, getter, setter) \
    VALUE(Type, Axis##Part##_x, xAxis, getter, setter)               \
    VALUE(Type, Axis2##Part##_x, xAxis2, getter, setter)             \
    VALUE(Type, Axis##Part##_y, yAxis, getter, setter)               \
    VALUE(Type, Axis2##Part##_y, yAxis2, getter, setter)

#define KES_QCUSTOMPLOT_PROPERTIES(VALUE, WIDTH, COLOR)                                                      \
    VALUE(QBrush, Background, this, BackgroundBrush, setBackground)                                          \
    VALUE(QBrush, LegendBackground, legend, brush, setBrush)                                                 \
    VALUE(QBrush, LegendSelectBackground, legend, selectedBrush, setSelectedBrush)                           \
    VALUE(QFont, LegendFont, legend, font, setFont)                                                          \
    VALUE(QFont, LegendSelectFont, legend, selectedFont, setSelectedFont)                                    \
    VALUE(QPen, LegendBorder, legend, borderPen, setBorderPen)                                               \
    VALUE(QPen, LegendSelectBorder, legend, selectedBorderPen, setSelectedBorderPen)                         \
    COLOR(LegendBorderColor, legend, borderPen, setBorderPen)                                                \
    COLOR(LegendSelectBorderColor, legend, selectedBorderPen, setSelectedBorderPen)                          \
    WIDTH(LegendBorderWide, legend, borderPen, setBorderPen)                                                 \
    WIDTH(LegendSelectBorderWide, legend, selectedBorderPen, setSelectedBorderPen)                           \
    VALUE(QColor, LegendTextColor, legend, textColor, setTextColor)                                          \
    VALUE(QColor, LegendSelectTextColor, legend, selectedTextColor, setSelectedTextColor)                    \
    WIDTH(LegendSelectIconBorderWidth, legend, selectedIconBorderPen, setSelectedIconBorderPen)              \
    COLOR(LegendSelectIconBordeColor, legend, selectedIconBorderPen, setSelectedIconBorderPen)               \
    KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, BasePen, , basePen, setBasePen)                             \
    KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, TickPen, , tickPen, setTickPen)                             \
    KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, SubTickPen, , subTickPen, setSubTickPen)                    \
    KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, GridPen, ->grid(), pen, setPen)                             \
    KES_AXES_PEN_PROPERTIES(VALUE, WIDTH, COLOR, SubGridPen, ->grid(), subGridPen, setSubGridPen)            \
    KES_AXES_VALUE_PROPERTIES(VALUE, QColor, LabelColor, labelColor, setLabelColor)                          \
    KES_AXES_VALUE_PROPERTIES(VALUE, QFont, LabelFont, labelFont, setLabelFont)                              \
    KES_AXES_VALUE_PROPERTIES(VALUE, QColor, TickLabelColor, tickLabelColor, setTickLabelColor)              \
    KES_AXES_VALUE_PROPERTIES(VALUE, QFont, TickLabelFont, tickLabelFont, setTickLabelFont)                  \
    WIDTH(GraphSelectionDecoratorWidth, this, DecoratorPen, ReplaceDecoratorPen)                             \
    COLOR(GraphSelectionDecoratorColor, this, DecoratorPen, ReplaceDecoratorPen)                             \
    KES_AXES_PEN_WIDTH_COLOR_PROPERTIES(WIDTH, COLOR, SelectedBasePen, selectedBasePen, setSelectedBasePen)  \
    KES_AXES_PEN_WIDTH_COLOR_PROPERTIES(WIDTH, COLOR, SelectedTickPen, selectedTickPen, setSelectedTickPen)  \
    KES_AXES_PEN_WIDTH_COLOR_PROPERTIES(WIDTH, COLOR, SelectedSubTickPen, selectedSubTickPen,               \
                                        setSelectedSubTickPen)                                               \
    KES_AXES_VALUE_PROPERTIES(VALUE, QColor, SelectedLabelColor, selectedLabelColor, setSelectedLabelColor)  \
    KES_AXES_VALUE_PROPERTIES(VALUE, QFont, SelectedLabelFont, selectedLabelFont, setSelectedLabelFont)      \
    KES_AXES_VALUE_PROPERTIES(VALUE, QColor, SelectedTickLabelColor, selectedTickLabelColor,                 \
                              setSelectedTickLabelColor)                                                     \
    KES_AXES_VALUE_PROPERTIES(VALUE, QFont, SelectedTickLabelFont, selectedTickLabelFont,                    \
                              setSelectedTickLabelFont)

#define KES_DECLARE_VALUE_PROPERTY(Type, Name, Target, getter, setter) \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)
#define KES_DECLARE_WIDTH_PROPERTY(Name, ...) \
    Q_PROPERTY(int Name READ Name WRITE Set##Name)
#define KES_DECLARE_COLOR_PROPERTY(Name, ...) \
    Q_PROPERTY(QColor Name READ Name WRITE Set##Name)

#define KES_DECLARE_VALUE_GETTER(Type, Name, Target, getter, setter) Type Name() const;
#define KES_DECLARE_WIDTH_GETTER(Name, ...) int Name() const;
#define KES_DECLARE_COLOR_GETTER(Name, ...) QColor Name() const;

#define KES_DECLARE_VALUE_SETTER(Type, Name, Target, getter, setter) void Set##Name(const Type &value);
#define KES_DECLARE_WIDTH_SETTER(Name, ...) void Set##Name(int width);
#define KES_DECLARE_COLOR_SETTER(Name, ...) void Set##Name(const QColor &color);

// clang-format on

// The plot under every chart of the program: paints a style-sheet background, keeps the bar
// plottables it created and exposes the look of its axes, grids and legend as properties.
class KesQcustomplot : public QCustomPlot
{
    Q_OBJECT
    KES_QCUSTOMPLOT_PROPERTIES(KES_DECLARE_VALUE_PROPERTY, KES_DECLARE_WIDTH_PROPERTY,
                               KES_DECLARE_COLOR_PROPERTY)

public:
    explicit KesQcustomplot(QWidget *parent = nullptr);

    // The plot owns the bars; the list only refers to them, in creation order.
    KesBars *AddBars(int width, const QPen &pen, const QBrush &brush, const QString &name,
                     QCPBars::WidthType widthType);
    QVector<KesBars *> GetBars() const;

    KES_QCUSTOMPLOT_PROPERTIES(KES_DECLARE_VALUE_GETTER, KES_DECLARE_WIDTH_GETTER,
                               KES_DECLARE_COLOR_GETTER)

public slots:
    KES_QCUSTOMPLOT_PROPERTIES(KES_DECLARE_VALUE_SETTER, KES_DECLARE_WIDTH_SETTER,
                               KES_DECLARE_COLOR_SETTER)

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QBrush BackgroundBrush() const { return mBackgroundBrush; }
    QPen DecoratorPen() const { return m_selectionDecoratorPen; }
    void ReplaceDecoratorPen(const QPen &pen) { m_selectionDecoratorPen = pen; }

    QPen m_selectionDecoratorPen;
    QVector<QPointer<KesBars>> m_bars;
};

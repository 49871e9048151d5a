#include "KesQcustomplot.h"

#include "KesBars.h"

// clang-format off
#define KES_DEFINE_VALUE_PROPERTY(Type, Name, Target, getter, setter)                            \
    Type KesQcustomplot::Name() const { return Target->getter(); }                               \
    void KesQcustomplot::Set##Name(const Type &value) { Target->setter(value); }
#define KES_DEFINE_WIDTH_PROPERTY(Name, Target, getter, setter)                                  \
    int KesQcustomplot::Name() const { return Target->getter().width(); }                        \
    void KesQcustomplot::Set##Name(int width)                                                    \
    {                                                                                            \
        QPen pen = Target->getter();                                                             \
        pen.setWidth(width);                                                                     \
        Target->setter(pen);                                                                     \
    }
#define KES_DEFINE_COLOR_PROPERTY(Name, Target, getter, setter)                                  \
    QColor KesQcustomplot::Name() const { return Target->getter().color(); }                     \
    void KesQcustomplot::Set##Name(const QColor &color)                                          \
    {                                                                                            \
        QPen pen = Target->getter();                                                             \
        pen.setColor(color);                                                                     \
        Target->setter(pen);                                                                     \
    }
// clang-format on

KES_QCUSTOMPLOT_PROPERTIES(KES_DEFINE_VALUE_PROPERTY, KES_DEFINE_WIDTH_PROPERTY,
                           KES_DEFINE_COLOR_PROPERTY)

KesQcustomplot::KesQcustomplot(QWidget *parent) : QCustomPlot(parent)
{
    setAttribute(Qt::WA_StyledBackground);
}

KesBars *KesQcustomplot::AddBars(int width, const QPen &pen, const QBrush &brush,
                                 const QString &name, QCPBars::WidthType widthType)
{
    auto *bars = new KesBars(xAxis, yAxis);
    m_bars.append(bars);
    bars->setWidth(width);
    bars->setPen(pen);
    bars->setBrush(brush);
    bars->setWidthType(widthType);
    bars->setName(name);
    return bars;
}

QVector<KesBars *> KesQcustomplot::GetBars() const
{
    QVector<KesBars *> bars;
    for (const QPointer<KesBars> &entry : m_bars) {
        if (entry)
            bars.append(entry);
    }
    return bars;
}

void KesQcustomplot::mousePressEvent(QMouseEvent *event)
{
    QCustomPlot::mousePressEvent(event);
}

void KesQcustomplot::mouseMoveEvent(QMouseEvent *event)
{
    QCustomPlot::mouseMoveEvent(event);
}

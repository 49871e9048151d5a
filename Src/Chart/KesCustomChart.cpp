#include "KesCustomChart.h"

#include "GaugeUnit.h"

#include <QCursor>
#include <QTimer>
#include <QToolTip>

#include <cmath>

namespace {

QColor TextColor(const QCPItemText *label)
{
    return label->color();
}

void ApplyTextColor(QCPItemText *label, const QColor &color)
{
    label->setColor(color);
}

QColor BackgroundColor(const QCPItemText *label)
{
    return label->brush().color();
}

void ApplyBackgroundColor(QCPItemText *label, const QColor &color)
{
    label->setBrush(QBrush(color));
}

const QString kMicrometres = QStringLiteral("um");
const QString kMillimetres = QStringLiteral("mm");
const QString kMils = QStringLiteral("mils");

// Rounds through the text form, as the reading is shown, then prints it again.
QString RoundedText(double value, int decimals)
{
    const float rounded = QString::number(value, 'f', decimals).toFloat();
    return QString::number(rounded, 'f', decimals);
}

} // namespace

// clang-format off
#define KES_CHART_DEFINE_PEN_PROPERTY(Name, Item)                                                \
    QPen KesCustomChart::Name() const { return Item->pen(); }                                    \
    void KesCustomChart::Set##Name(const QPen &pen)                                              \
    {                                                                                            \
        Item->setPen(pen);                                                                       \
        replot(rpRefreshHint);                                                                   \
    }
#define KES_CHART_DEFINE_WIDTH_PROPERTY(Name, Item)                                              \
    int KesCustomChart::Name() const { return Item->pen().width(); }                             \
    void KesCustomChart::Set##Name(int width)                                                    \
    {                                                                                            \
        QPen pen = Item->pen();                                                                  \
        pen.setWidth(width);                                                                     \
        Item->setPen(pen);                                                                       \
        replot(rpRefreshHint);                                                                   \
    }
#define KES_CHART_DEFINE_COLOR_PROPERTY(Name, Item)                                              \
    QColor KesCustomChart::Name() const { return Item->pen().color(); }                          \
    void KesCustomChart::Set##Name(const QColor &color)                                          \
    {                                                                                            \
        QPen pen = Item->pen();                                                                  \
        pen.setColor(color);                                                                     \
        Item->setPen(pen);                                                                       \
        replot(rpRefreshHint);                                                                   \
    }
#define KES_CHART_DEFINE_VALUE_PROPERTY(Type, Name, Item, getter, setter)                        \
    Type KesCustomChart::Name() const { return getter(Item); }                                   \
    void KesCustomChart::Set##Name(const Type &value)                                            \
    {                                                                                            \
        setter(Item, value);                                                                     \
        replot(rpRefreshHint);                                                                   \
    }
// clang-format on

KES_CUSTOMCHART_PROPERTIES(KES_CHART_DEFINE_PEN_PROPERTY, KES_CHART_DEFINE_WIDTH_PROPERTY,
                           KES_CHART_DEFINE_COLOR_PROPERTY, KES_CHART_DEFINE_VALUE_PROPERTY)

KesCustomChart::KesCustomChart(QWidget *parent)
    : KesQcustomplot(parent), m_tracer(new QCPItemTracer(this)), m_keyLabel(new QCPItemText(this)),
      m_valueLabel(new QCPItemText(this))
{
    m_tracer->setVisible(false);
    // The tracer snaps to the reading nearest to the mouse.
    m_tracer->setInterpolating(false);

    m_keyLabel->setVisible(false);
    m_keyLabel->setPositionAlignment(Qt::AlignRight | Qt::AlignBottom);
    m_keyLabel->position->setCoords(0, 0.99);
    m_keyLabel->position->setParentAnchorX(m_tracer->position);
    m_keyLabel->setText(QStringLiteral("---"));
    m_keyLabel->setPadding(QMargins(5, 5, 5, 5));

    m_valueLabel->setVisible(false);
    m_valueLabel->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_valueLabel->position->setCoords(0.01, 0);
    m_valueLabel->position->setParentAnchorY(m_tracer->position);
    m_valueLabel->setText(QStringLiteral("---"));
    m_valueLabel->setPadding(QMargins(5, 5, 5, 5));

    setAttribute(Qt::WA_MouseTracking);
}

void KesCustomChart::SetTracerEnabled(bool on)
{
    m_tracerEnabled = on;
    m_tracer->setVisible(on);
}

void KesCustomChart::SetToolTipEnabled(bool on)
{
    m_toolTipEnabled = on;
}

void KesCustomChart::SetTracerGraph(QCPGraph *graph)
{
    m_tracerGraph = graph;
}

void KesCustomChart::SetUnit(const QString &unit)
{
    m_unit = unit;
}

void KesCustomChart::ShowReadingRanges(const ReadingExtremes &extremes, int count)
{
    // The lower bound is computed in single precision, the upper one in double.
    const float lower = extremes.min - 20.0f;
    double low = lower;
    double high = double(extremes.max) + 20.0;
    m_limitLines.Widen(&low, &high);
    yAxis->setRange(low, high);
    if (m_wholeRun)
        xAxis->setRange(0.5, qMax(count, 1) + 0.5);
    else if (count <= 10)
        xAxis->setRange(0, 11, Qt::AlignLeft);
    else
        xAxis->setRange(count / 2, count + 1, Qt::AlignLeft);
}

void KesCustomChart::SetWholeRun(bool whole)
{
    m_wholeRun = whole;
    xAxis->setTickLabels(whole);
    if (whole) {
        // Reading numbers: whole numbers only, however far the axis is zoomed.
        QSharedPointer<QCPAxisTicker> ticker = xAxis->ticker();
        ticker->setTickStepStrategy(QCPAxisTicker::tssReadability);
        xAxis->setNumberPrecision(0);
        xAxis->setNumberFormat(QStringLiteral("f"));
    }
}

void KesCustomChart::SetUpReadingLegend()
{
    legend->setVisible(false);
    legend->setSelectedIconBorderPen(QPen(Qt::gray));
    SetGraphSelectionDecoratorWidth(3);
    axisRect()->insetLayout()->setInsetAlignment(0, Qt::AlignLeft | Qt::AlignTop);
}

void KesCustomChart::ReplotWhenShown()
{
    if (isVisible())
        replot(rpQueuedReplot);
}

template <typename Real> QString KesCustomChart::FormatValue(Real value, const QString &unit)
{
    if (unit == kMicrometres) {
        if (std::fabs(value) < 99.9)
            return RoundedText(value, 1) + QLatin1Char(' ') + unit;
        if (value > Real(999))
            return RoundedText(value / Real(1000), 2) + QLatin1Char(' ') + kMillimetres;
        return RoundedText(value, 0) + QLatin1Char(' ') + unit;
    }
    if (unit == kMils || unit == kMillimetres)
        return RoundedText(value, GaugeUnit::Decimals(GaugeUnit::Mils, static_cast<float>(value))) +
               QLatin1Char(' ') + unit;
    return QLatin1Char(' ') + unit;
}

template QString KesCustomChart::FormatValue<float>(float, const QString &);
template QString KesCustomChart::FormatValue<double>(double, const QString &);

void KesCustomChart::SetTracerPenStyle(Qt::PenStyle style)
{
    QPen pen = m_tracer->pen();
    pen.setStyle(style);
    SetTracerPen(pen);
}

void KesCustomChart::SetTracerStyle(QCPItemTracer::TracerStyle style)
{
    m_tracer->setStyle(style);
    replot(rpRefreshHint);
}

void KesCustomChart::SetTracerXPositionType(QCPItemPosition::PositionType type)
{
    m_keyLabel->position->setType(type);
    replot(rpRefreshHint);
}

void KesCustomChart::SetTracerYPositionType(QCPItemPosition::PositionType type)
{
    m_valueLabel->position->setType(type);
    replot(rpRefreshHint);
}

bool KesCustomChart::TracksLiveGraph() const
{
    return m_tracerGraph && hasPlottable(m_tracerGraph) && !m_tracerGraph->data()->isEmpty();
}

void KesCustomChart::mouseMoveEvent(QMouseEvent *event)
{
    KesQcustomplot::mouseMoveEvent(event);
    if (!m_tracerEnabled || !TracksLiveGraph())
        return;

    m_tracer->setGraph(m_tracerGraph);
    m_tracer->setGraphKey(xAxis->pixelToCoord(event->pos().x()));
    m_tracer->updatePosition();
    if (m_toolTipEnabled) {
        const QString text = FormatValue(m_tracer->position->value(), m_unit);
        QToolTip::hideText();
        ShowToolTipLater(text);
    }
    replot(rpRefreshHint);
}

void KesCustomChart::ShowToolTipLater(const QString &text)
{
    // The chart is the timer's context: a chart deleted meanwhile shows nothing.
    QTimer::singleShot(200, this, [this, text] { QToolTip::showText(QCursor::pos(), text, this); });
}

void KesCustomChart::enterEvent(QEvent *event)
{
    KesQcustomplot::enterEvent(event);
    if (m_tracerEnabled) {
        qDebug() << "enterEvent(QEvent *event)";
        m_tracer->setVisible(true);
    }
    replot(rpRefreshHint);
}

void KesCustomChart::leaveEvent(QEvent *event)
{
    KesQcustomplot::leaveEvent(event);
    if (m_tracerEnabled) {
        qDebug() << "leaveEvent(QEvent *event)";
        QTimer::singleShot(500, this, [] { QToolTip::hideText(); });
        m_tracer->setVisible(false);
    }
    replot(rpRefreshHint);
}

void KesCustomChart::showEvent(QShowEvent *event)
{
    KesQcustomplot::showEvent(event);
    // Updates that arrived while hidden were not drawn.
    replot(rpQueuedReplot);
    if (graphCount() > 0) {
        m_tracerGraph = graph(0);
        m_tracerEnabled = true;
    } else {
        m_tracerGraph = nullptr;
        m_tracerEnabled = false;
    }
}

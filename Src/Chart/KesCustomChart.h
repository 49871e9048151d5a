#pragma once

#include "KesLimitLines.h"
#include "KesQcustomplot.h"

#include <QPointer>

// clang-format off

// The tracer's and its two labels' look as properties:
//   PEN(Name, Item)                        the item's whole pen
//   WIDTH(Name, Item) / COLOR(Name, Item)  width or colour of that pen
//   VALUE(Type, Name, Item, getter, setter)  getter(Item), setter(Item, value)
#define KES_CUSTOMCHART_LABEL_PROPERTIES(PEN, WIDTH, COLOR, VALUE, Axis, Item)           \
    PEN(Tracer##Axis##TextPen, Item)                                                     \
    WIDTH(Tracer##Axis##TextPenWidth, Item)                                              \
    COLOR(Tracer##Axis##TextPenColor, Item)                                              \
    VALUE(QColor, Tracer##Axis##TextColor, Item, TextColor, ApplyTextColor)              \
    VALUE(QColor, Tracer##Axis##TextBackgroundColor, Item, BackgroundColor, ApplyBackgroundColor)

#define KES_CUSTOMCHART_PROPERTIES(PEN, WIDTH, COLOR, VALUE)                             \
    PEN(TracerPen, m_tracer)                                                             \
    WIDTH(TracerPenWidth, m_tracer)                                                      \
    COLOR(TracerPenColor, m_tracer)                                                      \
    KES_CUSTOMCHART_LABEL_PROPERTIES(PEN, WIDTH, COLOR, VALUE, X, m_keyLabel)            \
    KES_CUSTOMCHART_LABEL_PROPERTIES(PEN, WIDTH, COLOR, VALUE, Y, m_valueLabel)

#define KES_CHART_DECLARE_PEN_PROPERTY(Name, Item) Q_PROPERTY(QPen Name READ Name WRITE Set##Name)
#define KES_CHART_DECLARE_VALUE_PROPERTY(Type, Name, Item, getter, setter) \
    Q_PROPERTY(Type Name READ Name WRITE Set##Name)

#define KES_CHART_DECLARE_PEN_GETTER(Name, Item) QPen Name() const;
#define KES_CHART_DECLARE_VALUE_GETTER(Type, Name, Item, getter, setter) Type Name() const;

#define KES_CHART_DECLARE_PEN_SETTER(Name, Item) void Set##Name(const QPen &pen);
#define KES_CHART_DECLARE_VALUE_SETTER(Type, Name, Item, getter, setter) \
    void Set##Name(const Type &value);

// clang-format on

// A plot with a tracer that follows the mouse along one graph and a delayed tooltip that
// shows the reading under the mouse with its unit.
class KesCustomChart : public KesQcustomplot
{
    Q_OBJECT
    KES_CUSTOMCHART_PROPERTIES(KES_CHART_DECLARE_PEN_PROPERTY, KES_DECLARE_WIDTH_PROPERTY,
                               KES_DECLARE_COLOR_PROPERTY, KES_CHART_DECLARE_VALUE_PROPERTY)

public:
    explicit KesCustomChart(QWidget *parent = nullptr);

    void SetTracerEnabled(bool on);
    void SetToolTipEnabled(bool on);
    void SetTracerGraph(QCPGraph *graph);
    void SetUnit(const QString &unit);

    bool TracerEnabled() const { return m_tracerEnabled; }
    QCPGraph *TracerGraph() const { return m_tracerGraph; }
    QCPItemTracer *Tracer() const { return m_tracer; }

    // Reading charts plot reading i (0-based) at key i + 1. The extremes start at -300 (max)
    // and 3000 (min), so an empty series still gets a value range.
    struct ReadingExtremes
    {
        float min = 3000;
        float max = -300;
    };
    // Adds the readings from index first on to data, widening the extremes.
    template <typename Data>
    static void AppendReadings(QCPDataContainer<Data> &data, const QVector<float> &values,
                               int first, ReadingExtremes &extremes)
    {
        for (int i = first; i < values.size(); ++i) {
            const float value = values[i];
            if (value > extremes.max)
                extremes.max = value;
            if (value < extremes.min)
                extremes.min = value;
            data.add(Data(i + 1, value));
        }
    }
    // Appends the readings from index shown on to data and shows the ranges of the whole list.
    template <typename Data>
    void ShowReadings(QCPDataContainer<Data> &data, const QVector<float> &values, int shown,
                      ReadingExtremes &extremes)
    {
        AppendReadings(data, values, shown, extremes);
        ShowReadingRanges(extremes, values.size());
        ReplotWhenShown();
    }
    // Value axis 20 beyond the extremes and the limit lines; key axis 0 to 11 for up to ten
    // readings, then from count / 2 over count + 1 keys (the live rule), or over the whole run.
    void ShowReadingRanges(const ReadingExtremes &extremes, int count);
    // Whether the key axis shows the whole run from the first reading, numbered, rather than
    // the live range.
    void SetWholeRun(bool whole);
    // The inspection's limits drawn across the chart; the next ranges shown hold them.
    KesLimitLines &LimitLines() { return m_limitLines; }
    // The legend and selection look shared by the reading charts.
    void SetUpReadingLegend();
    // Queues a replot: several requests before the next paint cost one. A hidden chart is
    // replotted when it is shown instead.
    void ReplotWhenShown();

    // A reading as the tooltips show it: "12.3 um", "1.50 mm", "0.482 mils". The rounding is
    // done in the precision of Real: the bar chart rounds its single-precision readings.
    template <typename Real> static QString FormatValue(Real value, const QString &unit);

    KES_CUSTOMCHART_PROPERTIES(KES_CHART_DECLARE_PEN_GETTER, KES_DECLARE_WIDTH_GETTER,
                               KES_DECLARE_COLOR_GETTER, KES_CHART_DECLARE_VALUE_GETTER)

public slots:
    KES_CUSTOMCHART_PROPERTIES(KES_CHART_DECLARE_PEN_SETTER, KES_DECLARE_WIDTH_SETTER,
                               KES_DECLARE_COLOR_SETTER, KES_CHART_DECLARE_VALUE_SETTER)
    void SetTracerPenStyle(Qt::PenStyle style);
    void SetTracerStyle(QCPItemTracer::TracerStyle style);
    void SetTracerXPositionType(QCPItemPosition::PositionType type);
    void SetTracerYPositionType(QCPItemPosition::PositionType type);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    bool TracksLiveGraph() const;
    void ShowToolTipLater(const QString &text);

    bool m_tracerEnabled = false;
    bool m_toolTipEnabled = false;
    bool m_wholeRun = false;
    QCPItemTracer *m_tracer;
    // Guarded: the pages remove graphs from the plot, which deletes them.
    QPointer<QCPGraph> m_tracerGraph;
    QCPItemText *m_keyLabel;
    QCPItemText *m_valueLabel;
    QString m_unit;
    KesLimitLines m_limitLines{this};
};

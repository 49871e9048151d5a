#pragma once

#include "InspectionCriteria.h"
#include "InspectionReport.h"
#include "LiveInspection.h"

#include <QObject>
#include <QString>
#include <QVector>

#include <optional>

class BarChartWidget;
class DataListWidget;
class GaugeSession;
class LineChartWidget;
class LiveReading;
class QLabel;
class StatisticsWidget;
struct LiveRecord;

// What the real-time page shows of the live readings: the large reading, the paged list, both
// charts, and the figures and verdict of the current series. A series ends when the page is
// cleared and when the unit of the readings changes. Readings outside the inspection's limits
// are marked in the large reading and the list; the charts draw the limits.
class LiveDisplay : public QObject
{
    Q_OBJECT
public:
    struct Views
    {
        QLabel *reading = nullptr; // the large reading
        QLabel *unit = nullptr;
        DataListWidget *list = nullptr;
        LineChartWidget *lineChart = nullptr;
        BarChartWidget *barChart = nullptr;
        StatisticsWidget *statistics = nullptr;
    };

    // The criteria are those of the settings until SetCriteria.
    LiveDisplay(const Views &views, const GaugeSession *session, QObject *parent = nullptr);

    // The translated text shown for an overflow, and whether a text is it in either language.
    static QString OverflowText();
    static bool IsOverflowText(const QString &text);

    // Whether the current series has any reading.
    bool HasReadings() const { return !m_texts.isEmpty(); }
    const LiveInspection &Inspection() const { return m_inspection; }

    // Streaming starts: a new series unless the run's readings are still held (a run that
    // reconnected), no reading yet, both charts say so; the strip of figures shows from now on.
    void ShowStarted();
    void Show(const LiveReading &reading, const LiveRecord &record);
    // Forgets the series' readings; its figures and verdict stay in the strip until the next
    // start.
    void Clear();
    // Forgets the series' texts; the charts keep their values, the strip its figures.
    void ClearTexts();
    void SetCriteria(const InspectionCriteria &criteria);
    // The report of the current run's readings, or of the last run's once it ended, judged
    // against the current criteria; nothing when there is no reading.
    std::optional<InspectionReport> Report(const QString &port) const;

private:
    void On_ReadingJudged(ReadingMark mark);
    void On_SeriesJudged(const QVector<ReadingMark> &marks);
    void ShowLimits();
    void MarkReading(ReadingMark mark);

    Views m_views;
    const GaugeSession *m_session;
    LiveInspection m_inspection;
    QVector<QString> m_texts;
    QVector<float> m_values;
    QVector<ReadingMark> m_marks; // parallel to m_texts
    int m_lastUnitCode = -1;
};

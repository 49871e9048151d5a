#include "LiveInspection.h"

LiveInspection::LiveInspection(const InspectionCriteria &criteria, QObject *parent)
    : QObject(parent), m_criteria(criteria), m_series(criteria, criteria.unitCode)
{}

void LiveInspection::Restart()
{
    m_series = SeriesInspection(m_criteria, m_series.UnitCode());
    m_hasReadings = false;
    emit SeriesJudged({});
}

void LiveInspection::Add(const LiveRecord &record)
{
    if (!m_hasReadings || record.unitCode != m_series.UnitCode()) {
        m_series = SeriesInspection(m_criteria, record.unitCode);
        m_firstIndex = record.index;
        m_hasReadings = true;
    }
    emit ReadingJudged(Judge(record));
}

void LiveInspection::SetCriteria(const InspectionCriteria &criteria,
                                 const QVector<LiveRecord> &runRecords)
{
    m_criteria = criteria;
    m_series = SeriesInspection(m_criteria, m_series.UnitCode());
    QVector<ReadingMark> marks;
    if (m_hasReadings) {
        for (qint64 position = qMax<qint64>(m_firstIndex - 1, 0); position < runRecords.size();
             ++position)
            marks.append(Judge(runRecords.at(position)));
    }
    emit SeriesJudged(marks);
}

// Readings of a unit the gauge does not name have no value to judge.
ReadingMark LiveInspection::Judge(const LiveRecord &record)
{
    switch (record.status) {
    case LiveRecord::Status::Ok: {
        const double value = record.Value();
        m_series.Add(value);
        return m_series.MarkOf(value);
    }
    case LiveRecord::Status::Overflow:
        m_series.AddOverflow();
        break;
    case LiveRecord::Status::UnknownUnit:
        break;
    }
    return ReadingMark::None;
}

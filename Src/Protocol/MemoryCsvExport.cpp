#include "MemoryCsvExport.h"

#include "FloatText.h"
#include "GaugeUnit.h"

#include <algorithm>
#include <cmath>

namespace {
QString Quoted(const QString &text)
{
    // Our texts are digits, signs, points and unit names: nothing to escape.
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString JsonReading(int number, const LogRecord &record)
{
    return QStringLiteral("{\"number\":%1,\"micrometres\":%2,\"value\":%3}")
        .arg(number)
        .arg(MemoryCsvExport::JsonNumber(record.value), Quoted(MemoryCsvExport::ValueText(record)));
}

QString JsonGroup(int group, const QList<LogRecord> &records)
{
    QStringList readings;
    for (int i = 0; i < records.size(); ++i)
        readings.append(JsonReading(i + 1, records.at(i)));
    const QString unit =
        records.isEmpty() ? QStringLiteral("null") : Quoted(GaugeUnit::Text(records.first().unit));
    return QStringLiteral("{\"group\":%1,\"unit\":%2,\"readings\":[%3]}")
        .arg(group)
        .arg(unit, readings.join(QLatin1Char(',')));
}
} // namespace

QByteArray MemoryCsvExport::Csv(const QMap<int, QList<LogRecord>> &groups)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString text = QLatin1String(CsvHeader) + lineEnd;
    for (auto group = groups.cbegin(); group != groups.cend(); ++group) {
        const QList<LogRecord> &records = group.value();
        for (int i = 0; i < records.size(); ++i) {
            const LogRecord &record = records.at(i);
            const QStringList fields = {QString::number(group.key()), QString::number(i + 1),
                                        FloatText::Shortest(record.value), ValueText(record),
                                        GaugeUnit::Text(record.unit)};
            text += fields.join(QLatin1Char(',')) + lineEnd;
        }
    }
    return text.toUtf8();
}

QByteArray MemoryCsvExport::Json(const QMap<int, QList<LogRecord>> &groups, int frameCount)
{
    QList<int> frames = groups.keys();
    for (int frame = 0; frame < frameCount; ++frame) {
        if (!groups.contains(frame))
            frames.append(frame);
    }
    std::sort(frames.begin(), frames.end());
    QStringList groupTexts;
    for (int frame : frames)
        groupTexts.append(JsonGroup(frame, groups.value(frame)));
    return QStringLiteral("{\"groups\":[%1]}\n").arg(groupTexts.join(QLatin1Char(','))).toUtf8();
}

QString MemoryCsvExport::ValueText(const LogRecord &record)
{
    if (!GaugeUnit::IsKnown(record.unit))
        return QString();
    return GaugeUnit::FormatFixed(record.unit, record.value);
}

QString MemoryCsvExport::JsonNumber(float micrometres)
{
    if (!std::isfinite(micrometres))
        return QStringLiteral("null");
    const QString text = FloatText::Shortest(micrometres);
    const bool whole = !text.contains(QLatin1Char('.')) && !text.contains(QLatin1Char('e'));
    return whole ? text + QStringLiteral(".0") : text;
}

#include "MemoryTextExport.h"

#include "GaugeUnit.h"

QString MemoryTextExport::ProposedFileName(const QDateTime &when)
{
    return QStringLiteral("Varnolithic_") + when.toString(QStringLiteral("yyMMddhhmmss")) +
           QStringLiteral(".txt");
}

QString MemoryTextExport::ProposedPath(const QString &folder, const QDateTime &when)
{
    return folder + QLatin1Char('/') + ProposedFileName(when);
}

QString MemoryTextExport::Text(const QMap<int, QList<LogRecord>> &groups,
                               const QString &numberTitle, const QString &dataTitle,
                               const QString &unitTitle)
{
    const QString titleLine =
        Column(numberTitle) + Column(dataTitle) + Column(unitTitle) + QLatin1Char('\n');
    QString text;
    for (int group = FirstGroup; group <= LastGroup; ++group) {
        text += QStringLiteral("GROUP: General %1\n").arg(group);
        text += titleLine;
        const QList<LogRecord> records = groups.value(group);
        for (int i = 0; i < records.size(); ++i)
            text += ReadingLine(i + 1, records.at(i)) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    return text;
}

QString MemoryTextExport::ReadingLine(int position, const LogRecord &record)
{
    QString line = Column(QString::number(position));
    if (GaugeUnit::IsKnown(record.unit))
        line += Column(GaugeUnit::FormatFixed(record.unit, record.value));
    return line + Column(GaugeUnit::Text(record.unit));
}

QString MemoryTextExport::Column(const QString &text)
{
    return text.leftJustified(ColumnWidth, QLatin1Char(' '));
}

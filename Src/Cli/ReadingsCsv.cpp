#include "ReadingsCsv.h"

#include "GaugeUnit.h"
#include "MemoryCsvExport.h"
#include "SessionCsv.h"

#include <QList>

#include <cmath>
#include <limits>
#include <optional>

namespace {
const int DownloadFieldCount = 5;

std::optional<ReadingsCsv::Kind> KindOf(const QByteArray &line)
{
    // The names may be quoted too.
    const QByteArray header = SessionCsv::SplitFields(line).value_or(QList<QByteArray>()).join(',');
    if (header == SessionCsv::Header().trimmed())
        return ReadingsCsv::Kind::Session;
    if (header == MemoryCsvExport::CsvHeader)
        return ReadingsCsv::Kind::Download;
    return std::nullopt;
}

// A whole number of at least minimum, or nothing.
std::optional<qint64> WholeNumber(const QByteArray &text, qint64 minimum)
{
    bool ok = false;
    const qint64 number = text.toLongLong(&ok);
    if (ok && number >= minimum)
        return number;
    return std::nullopt;
}

void TakeRecord(const LiveRecord &record, ReadingsCsv::Row &row)
{
    row.reading.index = record.index;
    row.reading.time = record.arrival;
    row.reading.status = record.status;
    row.reading.valueText = record.valueText;
    row.micrometres = record.micrometres;
    row.unitCode = record.unitCode;
}

// A value that is not finite ("nan", "inf") is no thickness: it counts as an overflow.
void SetValue(ReadingsCsv::Row &row)
{
    if (row.reading.status != LiveRecord::Status::Ok)
        return;
    row.reading.value = row.reading.valueText.toDouble();
    if (!std::isfinite(row.reading.value)) {
        row.reading.status = LiveRecord::Status::Overflow;
        row.reading.value = 0;
    }
}
} // namespace

ReadingsCsv::Result ReadingsCsv::Parse(const QByteArray &bytes)
{
    Result result;
    const auto fail = [&result](int line, const QString &error) {
        result.rows.clear();
        result.error = error;
        result.errorLine = line;
        return result;
    };
    if (bytes.isEmpty())
        return fail(1, tr("the file is empty"));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return fail(1, tr("the file begins with a byte order mark; it must be UTF-8 without one"));
    std::optional<bool> firstEndsInCrLf;
    int lineNumber = 0;
    for (int start = 0; start < bytes.size();) {
        ++lineNumber;
        const int newline = bytes.indexOf('\n', start);
        const int end = newline < 0 ? bytes.size() : newline;
        QByteArray line = bytes.mid(start, end - start);
        start = end + 1;
        if (newline >= 0) {
            const bool endsInCrLf = line.endsWith('\r');
            if (endsInCrLf)
                line.chop(1);
            if (!firstEndsInCrLf)
                firstEndsInCrLf = endsInCrLf;
            else if (*firstEndsInCrLf != endsInCrLf)
                return fail(lineNumber, endsInCrLf ? tr("the line ends in CR LF, line 1 in LF")
                                                   : tr("the line ends in LF, line 1 in CR LF"));
        }
        if (line.contains('\r'))
            return fail(lineNumber, tr("a carriage return inside the line"));
        if (lineNumber == 1) {
            const std::optional<Kind> kind = KindOf(line);
            if (!kind)
                return fail(1, tr("the header is not '%1' (a session file) or '%2' (a download)")
                                   .arg(QString::fromLatin1(SessionCsv::Header().trimmed()),
                                        QLatin1String(MemoryCsvExport::CsvHeader)));
            result.kind = *kind;
            continue;
        }
        Row row;
        row.line = lineNumber;
        const QString problem =
            line.isEmpty() ? tr("the line is empty") : RowProblem(result.kind, line, row);
        if (!problem.isEmpty())
            return fail(lineNumber, problem);
        SetValue(row);
        result.rows.append(row);
    }
    return result;
}

QString ReadingsCsv::RowProblem(Kind kind, const QByteArray &line, Row &row)
{
    if (kind == Kind::Download)
        return DownloadRowProblem(line, row);
    QString problem;
    if (const std::optional<LiveRecord> record = SessionCsv::ParseLine(line, &problem))
        TakeRecord(*record, row);
    return problem;
}

QString ReadingsCsv::DownloadRowProblem(const QByteArray &line, Row &row)
{
    const std::optional<QList<QByteArray>> split = SessionCsv::SplitFields(line);
    if (!split)
        return tr("a double quote out of place");
    const QList<QByteArray> &fields = *split;
    if (fields.size() != DownloadFieldCount)
        return SessionCsv::FieldCountProblem(fields.size(), DownloadFieldCount);
    const std::optional<qint64> group = WholeNumber(fields[0], 0);
    if (!group || *group > std::numeric_limits<int>::max())
        return tr("the group %1 is not a whole number from 0").arg(SessionCsv::Quoted(fields[0]));
    const std::optional<qint64> number = WholeNumber(fields[1], 1);
    if (!number)
        return tr("the number %1 is not a whole number from 1").arg(SessionCsv::Quoted(fields[1]));
    const std::optional<float> micrometres = SessionCsv::Micrometres(fields[2]);
    if (!micrometres)
        return SessionCsv::NotANumber("micrometres", fields[2]);
    const QByteArray &value = fields[3];
    const QByteArray &unit = fields[4];
    // The download writes neither value nor unit for a reading of an unknown unit code.
    const bool unknownUnit = value.isEmpty() && unit.isEmpty();
    if (!unknownUnit && GaugeUnit::CodeOf(QString::fromLatin1(unit)) < 0)
        return SessionCsv::NoSuchUnit(unit);
    if (!unknownUnit && !SessionCsv::IsNumber(value))
        return SessionCsv::NotANumber("value", value);
    row.reading.group = static_cast<int>(*group);
    row.reading.index = *number;
    row.reading.status = unknownUnit ? LiveRecord::Status::UnknownUnit : LiveRecord::Status::Ok;
    row.reading.valueText = QString::fromLatin1(value);
    row.micrometres = *micrometres;
    row.unitCode = GaugeUnit::CodeOf(QString::fromLatin1(unit));
    return QString();
}

ReadingsCsv::Selection ReadingsCsv::Select(const Result &file, int group)
{
    Selection selection;
    for (const Row &row : file.rows) {
        if (group >= 0 && row.reading.group != group)
            continue;
        selection.rows.append(row);
        if (row.reading.status != LiveRecord::Status::Ok)
            continue;
        if (selection.unitCode < 0) {
            selection.unitCode = row.unitCode;
        } else if (row.unitCode != selection.unitCode) {
            selection.rows.clear();
            selection.error =
                tr("a reading in %1 among readings in %2")
                    .arg(GaugeUnit::Text(row.unitCode), GaugeUnit::Text(selection.unitCode));
            selection.errorLine = row.line;
            return selection;
        }
    }
    if (group >= 0 && selection.rows.isEmpty())
        selection.error = tr("no reading of group %1").arg(group);
    return selection;
}

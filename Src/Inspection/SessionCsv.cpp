#include "SessionCsv.h"

#include "FloatText.h"
#include "GaugeUnit.h"

#include <QList>

#include <cmath>

namespace {

const char *const HeaderText = "index,time,micrometres,value,unit,status";
const int FieldCount = 6;

std::optional<LiveRecord::Status> StatusOf(const QByteArray &text)
{
    for (const auto status :
         {LiveRecord::Status::Ok, LiveRecord::Status::Overflow, LiveRecord::Status::UnknownUnit}) {
        if (text == LiveRecord::StatusText(status).toLatin1())
            return status;
    }
    return std::nullopt;
}

std::optional<qint8> UnitCodeOf(const QByteArray &text, LiveRecord::Status status)
{
    if (status == LiveRecord::Status::UnknownUnit)
        return text.isEmpty() ? std::optional<qint8>(-1) : std::nullopt;
    for (qint8 code = 0; code <= 2; ++code) {
        if (text == GaugeUnit::Text(code).toLatin1())
            return code;
    }
    return std::nullopt;
}

bool ValueFits(const QByteArray &value, LiveRecord::Status status)
{
    if (status == LiveRecord::Status::Overflow)
        return value.isEmpty();
    bool ok = false;
    value.toDouble(&ok);
    return ok;
}

} // namespace

QByteArray SessionCsv::Header()
{
    return QByteArray(HeaderText) + "\r\n";
}

QByteArray SessionCsv::Line(const LiveRecord &record)
{
    const QString line =
        QStringLiteral("%1,%2,%3,%4,%5,%6\r\n")
            .arg(record.index)
            .arg(TimeText(record.arrival), FloatText::Shortest(record.micrometres),
                 record.valueText, record.UnitText(), LiveRecord::StatusText(record.status));
    return line.toUtf8();
}

std::optional<LiveRecord> SessionCsv::ParseLine(const QByteArray &line)
{
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != FieldCount)
        return std::nullopt;
    LiveRecord record;
    bool indexOk = false, micrometresOk = false;
    record.index = fields[0].toLongLong(&indexOk);
    record.arrival = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODateWithMs);
    record.micrometres = fields[2].toFloat(&micrometresOk);
    if (fields[2] == "nan") {
        record.micrometres = std::nanf("");
        micrometresOk = true;
    }
    const std::optional<LiveRecord::Status> status = StatusOf(fields[5]);
    if (!indexOk || record.index < 1 || !record.arrival.isValid() || !micrometresOk || !status)
        return std::nullopt;
    const std::optional<qint8> unitCode = UnitCodeOf(fields[4], *status);
    if (!unitCode || !ValueFits(fields[3], *status))
        return std::nullopt;
    record.status = *status;
    record.unitCode = *unitCode;
    record.valueText = QString::fromLatin1(fields[3]);
    return record;
}

QString SessionCsv::TimeText(const QDateTime &time)
{
    const int offset = time.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz")) +
           (offset < 0 ? QLatin1Char('-') : QLatin1Char('+')) +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

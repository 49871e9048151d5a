#include "SessionCsv.h"

#include "FloatText.h"
#include "GaugeUnit.h"

#include <QCoreApplication>
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

QString Tr(const char *text)
{
    return QCoreApplication::translate("SessionCsv", text);
}

// Why the unit and value fields do not fit the status; empty when they do.
QString UnitAndValueProblem(const QByteArray &unit, const QByteArray &value,
                            LiveRecord::Status status)
{
    if (status == LiveRecord::Status::UnknownUnit) {
        if (!unit.isEmpty())
            return Tr("a reading of an unknown unit has the unit %1").arg(SessionCsv::Quoted(unit));
    } else if (GaugeUnit::CodeOf(QString::fromLatin1(unit)) < 0) {
        return SessionCsv::NoSuchUnit(unit);
    }
    if (status == LiveRecord::Status::Overflow)
        return value.isEmpty() ? QString()
                               : Tr("an overflow has the value %1").arg(SessionCsv::Quoted(value));
    return SessionCsv::IsNumber(value) ? QString() : SessionCsv::NotANumber("value", value);
}

// The first problem of the fields of a line that has the right number of them; empty if none.
QString FieldsProblem(const QList<QByteArray> &fields, LiveRecord &record)
{
    bool indexOk = false;
    record.index = fields[0].toLongLong(&indexOk);
    if (!indexOk || record.index < 1)
        return Tr("the index %1 is not a whole number from 1").arg(SessionCsv::Quoted(fields[0]));
    record.arrival = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODateWithMs);
    if (!record.arrival.isValid())
        return Tr("the time %1 is not a date and time").arg(SessionCsv::Quoted(fields[1]));
    const std::optional<float> micrometres = SessionCsv::Micrometres(fields[2]);
    if (!micrometres)
        return SessionCsv::NotANumber("micrometres", fields[2]);
    record.micrometres = *micrometres;
    const std::optional<LiveRecord::Status> status = StatusOf(fields[5]);
    if (!status)
        return Tr("the status %1 is not ok, overflow or unknown-unit")
            .arg(SessionCsv::Quoted(fields[5]));
    const QString problem = UnitAndValueProblem(fields[4], fields[3], *status);
    if (!problem.isEmpty())
        return problem;
    record.status = *status;
    record.unitCode = static_cast<qint8>(GaugeUnit::CodeOf(QString::fromLatin1(fields[4])));
    record.valueText = QString::fromLatin1(fields[3]);
    return QString();
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

std::optional<LiveRecord> SessionCsv::ParseLine(const QByteArray &line, QString *problem)
{
    const QList<QByteArray> fields = line.split(',');
    LiveRecord record;
    const QString why = fields.size() == FieldCount ? FieldsProblem(fields, record)
                                                    : FieldCountProblem(fields.size(), FieldCount);
    if (why.isEmpty())
        return record;
    if (problem)
        *problem = why;
    return std::nullopt;
}

std::optional<float> SessionCsv::Micrometres(const QByteArray &text)
{
    // The shortest text of a float writes not-a-number as "nan".
    if (text == "nan")
        return std::nanf("");
    bool ok = false;
    const float micrometres = text.toFloat(&ok);
    if (ok)
        return micrometres;
    return std::nullopt;
}

bool SessionCsv::IsNumber(const QByteArray &text)
{
    bool ok = false;
    text.toDouble(&ok);
    return ok;
}

QString SessionCsv::Quoted(const QByteArray &field)
{
    // A field of a broken file may be anything: long, or not text at all.
    const int shown = 24;
    QString text = QString::fromUtf8(field.left(shown));
    if (field.size() > shown)
        text += QStringLiteral("...");
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString SessionCsv::NotANumber(const char *column, const QByteArray &field)
{
    return Tr("the %1 %2 is not a number").arg(QLatin1String(column), Quoted(field));
}

QString SessionCsv::NoSuchUnit(const QByteArray &field)
{
    return Tr("the unit %1 is not um, mils or mm").arg(Quoted(field));
}

QString SessionCsv::FieldCountProblem(int found, int expected)
{
    return Tr("%1 fields where %2 belong").arg(found).arg(expected);
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

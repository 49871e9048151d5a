#include "SessionCsv.h"

#include "FloatText.h"
#include "GaugeUnit.h"

#include <QCoreApplication>
#include <QList>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

const char *const HeaderText = "index,time,micrometres,value,unit,status";
const int FieldCount = 6;
// The texts of unit codes 0, 1 and 2 (GaugeUnit::Text).
const char *const UnitTexts[] = {"um", "mils", "mm"};

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

// Every form of the fields QByteArray and QDateTime take; slower than the plain reading. Tells
// problem, when given, what is wrong with a line it refuses.
std::optional<LiveRecord> ParseAnyLine(const QByteArray &line, QString *problem)
{
    const std::optional<QList<QByteArray>> split = SessionCsv::SplitFields(line);
    const QList<QByteArray> fields = split.value_or(QList<QByteArray>());
    LiveRecord record;
    const QString why = !split ? Tr("a double quote out of place")
                        : fields.size() == FieldCount
                            ? FieldsProblem(fields, record)
                            : SessionCsv::FieldCountProblem(fields.size(), FieldCount);
    if (why.isEmpty())
        return record;
    if (problem)
        *problem = why;
    return std::nullopt;
}

// The bytes [begin, end) of one field.
struct Field
{
    const char *begin;
    const char *end;

    int Size() const { return static_cast<int>(end - begin); }
    bool Is(const char *text) const
    {
        const auto length = std::strlen(text);
        return static_cast<std::size_t>(Size()) == length && std::memcmp(begin, text, length) == 0;
    }
};

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number written by `count` digits; -1 when one of them is not a digit.
int Digits(const char *text, int count)
{
    int number = 0;
    for (int i = 0; i < count; ++i) {
        if (!IsDigit(text[i]))
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// "-"? digits ("." digits)?: a number every reader takes the same way.
bool IsPlainDecimal(Field field)
{
    const char *at = field.begin;
    if (at != field.end && *at == '-')
        ++at;
    const char *digits = at;
    while (at != field.end && IsDigit(*at))
        ++at;
    if (at == digits)
        return false;
    if (at == field.end)
        return true;
    if (*at != '.' || ++at == field.end)
        return false;
    while (at != field.end && IsDigit(*at))
        ++at;
    return at == field.end;
}

std::optional<qint64> PlainIndex(Field field)
{
    if (field.Size() < 1 || field.Size() > 18)
        return std::nullopt;
    qint64 index = 0;
    for (const char *at = field.begin; at != field.end; ++at) {
        if (!IsDigit(*at))
            return std::nullopt;
        index = index * 10 + (*at - '0');
    }
    return index >= 1 ? std::optional<qint64>(index) : std::nullopt;
}

// The time as the journal writes it, "yyyy-MM-ddTHH:mm:ss.zzz+hh:mm", with its offset.
// The time as the journal writes it, "yyyy-MM-ddTHH:mm:ss.zzz+hh:mm": milliseconds since the
// epoch and the offset in seconds.
struct PlainTime
{
    qint64 msecs;
    int offset;

    QDateTime ToDateTime() const
    {
        return QDateTime::fromMSecsSinceEpoch(msecs, Qt::OffsetFromUTC, offset);
    }
};

std::optional<PlainTime> PlainTimeOf(Field field)
{
    const char *t = field.begin;
    if (field.Size() != 29 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' ||
        t[16] != ':' || t[19] != '.' || (t[23] != '+' && t[23] != '-') || t[26] != ':')
        return std::nullopt;
    const int year = Digits(t, 4), month = Digits(t + 5, 2), day = Digits(t + 8, 2);
    const int hour = Digits(t + 11, 2), minute = Digits(t + 14, 2), second = Digits(t + 17, 2);
    const int msec = Digits(t + 20, 3), offsetHours = Digits(t + 24, 2),
              offsetMinutes = Digits(t + 27, 2);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
        msec < 0 || offsetHours < 0 || offsetHours > 14 || offsetMinutes < 0 ||
        offsetMinutes > 59 || !QDate::isValid(year, month, day))
        return std::nullopt;
    const int offset = (t[23] == '-' ? -1 : 1) * (offsetHours * 3600 + offsetMinutes * 60);
    const qint64 days = QDate(year, month, day).toJulianDay() - QDate(1970, 1, 1).toJulianDay();
    const qint64 seconds = days * 86400 + hour * 3600 + minute * 60 + second - offset;
    return PlainTime{seconds * 1000 + msec, offset};
}

// The thickness as a float, the way QByteArray::toFloat takes it (through a double).
std::optional<float> PlainMicrometres(Field field)
{
    if (field.Is("nan"))
        return std::nanf("");
    double value = 0;
    if (!IsPlainDecimal(field) || std::from_chars(field.begin, field.end, value).ptr != field.end)
        return std::nullopt;
    const float single = static_cast<float>(value);
    if (std::fabs(value) > std::numeric_limits<float>::max() || (value != 0 && single == 0))
        return std::nullopt;
    return single;
}

std::optional<LiveRecord::Status> PlainStatus(Field field)
{
    if (field.Is("ok"))
        return LiveRecord::Status::Ok;
    if (field.Is("overflow"))
        return LiveRecord::Status::Overflow;
    if (field.Is("unknown-unit"))
        return LiveRecord::Status::UnknownUnit;
    return std::nullopt;
}

std::optional<qint8> PlainUnitCode(Field field, LiveRecord::Status status)
{
    if (status == LiveRecord::Status::UnknownUnit)
        return field.Size() == 0 ? std::optional<qint8>(-1) : std::nullopt;
    for (qint8 code = 0; code <= 2; ++code) {
        if (field.Is(UnitTexts[code]))
            return code;
    }
    return std::nullopt;
}

// The fields of a line as the journal writes it, checked.
struct PlainLine
{
    qint64 index;
    PlainTime arrival;
    float micrometres;
    LiveRecord::Status status;
    qint8 unitCode;
    Field value;
};

// Nothing for any line not as the journal writes it, which may still be one the general
// reading takes (a time in another form, a number with an exponent).
std::optional<PlainLine> ParsePlainLine(const char *begin, const char *end)
{
    Field fields[FieldCount];
    const char *start = begin;
    for (int i = 0; i < FieldCount; ++i) {
        const char *comma = static_cast<const char *>(std::memchr(start, ',', end - start));
        if ((comma == nullptr) != (i == FieldCount - 1))
            return std::nullopt;
        fields[i] = {start, comma ? comma : end};
        start = comma ? comma + 1 : end;
    }
    const std::optional<qint64> index = PlainIndex(fields[0]);
    const std::optional<PlainTime> arrival = PlainTimeOf(fields[1]);
    const std::optional<float> micrometres = PlainMicrometres(fields[2]);
    const std::optional<LiveRecord::Status> status = PlainStatus(fields[5]);
    if (!index || !arrival || !micrometres || !status)
        return std::nullopt;
    const std::optional<qint8> unitCode = PlainUnitCode(fields[4], *status);
    const bool valueFits =
        *status == LiveRecord::Status::Overflow ? fields[3].Size() == 0 : IsPlainDecimal(fields[3]);
    if (!unitCode || !valueFits)
        return std::nullopt;
    return PlainLine{*index, *arrival, *micrometres, *status, *unitCode, fields[3]};
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

std::optional<LiveRecord> SessionCsv::ParseLine(const char *begin, const char *end,
                                                QString *problem)
{
    const std::optional<PlainLine> plain = ParsePlainLine(begin, end);
    if (!plain)
        return ParseAnyLine(QByteArray(begin, static_cast<int>(end - begin)), problem);
    LiveRecord record;
    record.index = plain->index;
    record.arrival = plain->arrival.ToDateTime();
    record.micrometres = plain->micrometres;
    record.status = plain->status;
    record.unitCode = plain->unitCode;
    record.valueText = QString::fromLatin1(plain->value.begin, plain->value.Size());
    return record;
}

std::optional<SessionCsv::Figure> SessionCsv::ParseFigure(const char *begin, const char *end)
{
    const std::optional<PlainLine> plain = ParsePlainLine(begin, end);
    if (!plain) {
        const std::optional<LiveRecord> record =
            ParseAnyLine(QByteArray(begin, static_cast<int>(end - begin)), nullptr);
        if (!record)
            return std::nullopt;
        return Figure{record->status, record->unitCode, record->HasValue() ? record->Value() : 0.0};
    }
    double value = 0;
    if (plain->status == LiveRecord::Status::Ok)
        std::from_chars(plain->value.begin, plain->value.end, value);
    return Figure{plain->status, plain->unitCode, value};
}

std::optional<LiveRecord> SessionCsv::ParseLine(const QByteArray &line, QString *problem)
{
    return ParseLine(line.constData(), line.constData() + line.size(), problem);
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

std::optional<QList<QByteArray>> SessionCsv::SplitFields(const QByteArray &line)
{
    QList<QByteArray> fields;
    QByteArray field;
    int at = 0;
    for (;;) {
        if (at < line.size() && line.at(at) == '"') {
            // A quoted field runs to the quote that is not doubled, and the field ends there.
            for (++at;; ++at) {
                if (at >= line.size())
                    return std::nullopt;
                if (line.at(at) != '"') {
                    field += line.at(at);
                } else if (at + 1 < line.size() && line.at(at + 1) == '"') {
                    field += '"';
                    ++at;
                } else {
                    break;
                }
            }
            ++at;
            if (at < line.size() && line.at(at) != ',')
                return std::nullopt;
        } else {
            const int comma = line.indexOf(',', at);
            const int end = comma < 0 ? line.size() : comma;
            field = line.mid(at, end - at);
            if (field.contains('"'))
                return std::nullopt;
            at = end;
        }
        fields.append(field);
        field.clear();
        if (at >= line.size())
            return fields;
        ++at; // the comma
    }
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

#include "SessionCsv.h"

#include "FloatText.h"
#include "GaugeUnit.h"

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

// Every form of the fields QByteArray and QDateTime take; slower than the plain reading.
std::optional<LiveRecord> ParseAnyLine(const QByteArray &line)
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

std::optional<LiveRecord> SessionCsv::ParseLine(const char *begin, const char *end)
{
    const std::optional<PlainLine> plain = ParsePlainLine(begin, end);
    if (!plain)
        return ParseAnyLine(QByteArray(begin, static_cast<int>(end - begin)));
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
            ParseAnyLine(QByteArray(begin, static_cast<int>(end - begin)));
        if (!record)
            return std::nullopt;
        return Figure{record->status, record->unitCode, record->HasValue() ? record->Value() : 0.0};
    }
    double value = 0;
    if (plain->status == LiveRecord::Status::Ok)
        std::from_chars(plain->value.begin, plain->value.end, value);
    return Figure{plain->status, plain->unitCode, value};
}

std::optional<LiveRecord> SessionCsv::ParseLine(const QByteArray &line)
{
    return ParseLine(line.constData(), line.constData() + line.size());
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

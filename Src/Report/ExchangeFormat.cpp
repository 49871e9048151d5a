#include "ExchangeFormat.h"

#include "CriteriaJson.h"
#include "GaugeUnit.h"
#include "RecordStore.h"
#include "SessionCsv.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUuid>

namespace {
const QString FormatName = QStringLiteral("varnolithic-exchange");
const QString RecordsName = QStringLiteral("records.json");

QString ReadingsName(const QString &batchUuid)
{
    return QStringLiteral("readings/%1.csv").arg(batchUuid);
}

QJsonValue OrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonValue TimeValue(const QDateTime &time)
{
    return time.isValid() ? QJsonValue(RecordStore::TimeText(time)) : QJsonValue();
}

QByteArray Sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray ReadingsCsv(const QVector<LiveRecord> &readings)
{
    QByteArray csv = SessionCsv::Header();
    for (const LiveRecord &record : readings)
        csv += SessionCsv::Line(record);
    return csv;
}

QJsonObject BatchObject(const ExchangeBatch &item, const QByteArray &csv)
{
    const RecordBatch &batch = item.batch;
    QJsonArray marks;
    for (const ReadingAnnotation &mark : item.marks)
        marks.append(QJsonObject{{QStringLiteral("index"), mark.index},
                                 {QStringLiteral("note"), mark.note},
                                 {QStringLiteral("excluded"), mark.excluded},
                                 {QStringLiteral("reason"), mark.reason}});
    QJsonArray evaluations;
    for (const RecordEvaluation &evaluation : item.evaluations)
        evaluations.append(QJsonObject{
            {QStringLiteral("id"), evaluation.uuid},
            {QStringLiteral("criteria"), CriteriaJson::ToObject(evaluation.criteria)},
            {QStringLiteral("time"), TimeValue(evaluation.time)},
            {QStringLiteral("inspector"), evaluation.inspector},
            {QStringLiteral("verdict"), InspectionVerdict::OutcomeKey(evaluation.verdict)}});
    QJsonValue conditions;
    if (item.conditions)
        conditions =
            QJsonObject{{QStringLiteral("air_celsius"), item.conditions->airCelsius},
                        {QStringLiteral("humidity_percent"), item.conditions->humidityPercent},
                        {QStringLiteral("surface_celsius"), item.conditions->surfaceCelsius}};
    return {{QStringLiteral("id"), batch.uuid},
            {QStringLiteral("area"), batch.areaUuid},
            {QStringLiteral("source"), RecordBatch::SourceKey(batch.source)},
            {QStringLiteral("started"), TimeValue(batch.started)},
            {QStringLiteral("ended"), TimeValue(batch.ended)},
            {QStringLiteral("port"), batch.port},
            {QStringLiteral("gauge"), OrNull(batch.gaugeUuid)},
            {QStringLiteral("inspector"), batch.inspector},
            {QStringLiteral("inspector_certificate"), batch.inspectorCertificate},
            {QStringLiteral("notes"), batch.notes},
            {QStringLiteral("criteria"), CriteriaJson::ToObject(batch.criteria)},
            {QStringLiteral("origin"), OrNull(item.origin)},
            {QStringLiteral("readings"),
             QJsonObject{{QStringLiteral("file"), ReadingsName(batch.uuid)},
                         {QStringLiteral("count"), item.readings.size()},
                         {QStringLiteral("sha256"), QString::fromLatin1(Sha256(csv))}}},
            {QStringLiteral("marks"), marks},
            {QStringLiteral("conditions"), conditions},
            {QStringLiteral("evaluations"), evaluations}};
}

QJsonObject ItemsObject(const ExchangeContent &content, QJsonArray batches,
                        const QDateTime &exported)
{
    const RecordJob &job = content.job;
    QJsonArray areas;
    for (const RecordArea &area : content.areas)
        areas.append(QJsonObject{
            {QStringLiteral("id"), area.uuid},
            {QStringLiteral("job"), area.jobUuid},
            {QStringLiteral("name"), area.name},
            {QStringLiteral("surface_m2"),
             area.surfaceSquareMetres ? QJsonValue(*area.surfaceSquareMetres) : QJsonValue()},
            {QStringLiteral("coat"), area.coat ? QJsonValue(*area.coat) : QJsonValue()},
            {QStringLiteral("product"), area.product},
            {QStringLiteral("criteria"), CriteriaJson::ToObject(area.criteria)}});
    QJsonArray gauges;
    for (const RecordGauge &gauge : content.gauges)
        gauges.append(QJsonObject{{QStringLiteral("id"), gauge.uuid},
                                  {QStringLiteral("model"), gauge.model},
                                  {QStringLiteral("serial"), gauge.serial},
                                  {QStringLiteral("probe_serial"), gauge.probeSerial},
                                  {QStringLiteral("certificate"), gauge.certificate},
                                  {QStringLiteral("calibration_due"),
                                   OrNull(gauge.calibrationDue.toString(Qt::ISODate))}});
    QJsonArray verifications;
    for (const RecordVerification &verification : content.verifications) {
        QJsonArray readings;
        for (double reading : verification.readings)
            readings.append(reading);
        verifications.append(
            QJsonObject{{QStringLiteral("id"), verification.uuid},
                        {QStringLiteral("gauge"), verification.gaugeUuid},
                        {QStringLiteral("time"), TimeValue(verification.time)},
                        {QStringLiteral("nominal"), verification.nominal},
                        {QStringLiteral("tolerance_percent"), verification.tolerancePercent},
                        {QStringLiteral("unit"), GaugeUnit::Text(verification.unitCode)},
                        {QStringLiteral("readings"), readings},
                        {QStringLiteral("inspector"), verification.inspector}});
    }
    QJsonArray history;
    for (const HistoryEntry &entry : content.history)
        history.append(QJsonObject{{QStringLiteral("kind"), entry.kind},
                                   {QStringLiteral("item"), entry.uuid},
                                   {QStringLiteral("what"), entry.what},
                                   {QStringLiteral("old"), entry.oldValue},
                                   {QStringLiteral("new"), entry.newValue},
                                   {QStringLiteral("time"), TimeValue(entry.time)},
                                   {QStringLiteral("who"), entry.who}});
    return {{QStringLiteral("format"), FormatName},
            {QStringLiteral("version"), ExchangeFormat::Version},
            {QStringLiteral("exported"), TimeValue(exported)},
            {QStringLiteral("job"),
             QJsonObject{{QStringLiteral("id"), job.uuid},
                         {QStringLiteral("name"), job.name},
                         {QStringLiteral("client"), job.client},
                         {QStringLiteral("structure"), job.structure},
                         {QStringLiteral("location"), job.location},
                         {QStringLiteral("coating_standard"), job.coatingStandard},
                         {QStringLiteral("notes"), job.notes}}},
            {QStringLiteral("areas"), areas},
            {QStringLiteral("gauges"), gauges},
            {QStringLiteral("verifications"), verifications},
            {QStringLiteral("batches"), batches},
            {QStringLiteral("history"), history}};
}

// Reads the fields of records.json, keeping the first thing wrong with them, named by where
// it lies ("batches[2].started").
class FieldReader
{
    Q_DECLARE_TR_FUNCTIONS(ExchangeFormat)

public:
    QString problem;

    bool Failed() const { return !problem.isEmpty(); }

    QJsonValue Value(const QJsonObject &object, const QString &where, const char *key,
                     QJsonValue::Type type, bool nullable = false)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.type() == type || (nullable && value.isNull()))
            return value;
        Fail(where, key, value.isUndefined() ? tr("is missing") : tr("is of the wrong kind"));
        return QJsonValue();
    }
    QString Text(const QJsonObject &object, const QString &where, const char *key)
    {
        return Value(object, where, key, QJsonValue::String).toString();
    }
    double Number(const QJsonObject &object, const QString &where, const char *key)
    {
        return Value(object, where, key, QJsonValue::Double).toDouble();
    }
    QJsonArray Array(const QJsonObject &object, const QString &where, const char *key)
    {
        return Value(object, where, key, QJsonValue::Array).toArray();
    }
    QJsonObject Object(const QJsonObject &object, const QString &where, const char *key)
    {
        return Value(object, where, key, QJsonValue::Object).toObject();
    }
    // An id: a UUID in lower case without braces; empty for a null one when that is allowed.
    QString Id(const QJsonObject &object, const QString &where, const char *key,
               bool nullable = false)
    {
        const QString text = Value(object, where, key, QJsonValue::String, nullable).toString();
        if ((!nullable || !text.isEmpty()) && !Failed() &&
            QUuid(text).toString(QUuid::WithoutBraces) != text)
            Fail(where, key, tr("\"%1\" is not a UUID in lower case").arg(text));
        return text;
    }
    QDateTime Time(const QJsonObject &object, const QString &where, const char *key,
                   bool nullable = false)
    {
        const QString text = Value(object, where, key, QJsonValue::String, nullable).toString();
        const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
        if ((!nullable || !text.isEmpty()) && !Failed() && !time.isValid())
            Fail(where, key, tr("\"%1\" is not a time").arg(text));
        return time.isValid() ? time.toLocalTime() : QDateTime();
    }
    InspectionCriteria Criteria(const QJsonObject &object, const QString &where)
    {
        const QJsonObject criteria = Object(object, where, "criteria");
        InspectionCriteria::Rule rule;
        if (!Failed() && !InspectionCriteria::RuleFromKey(
                             criteria.value(QStringLiteral("rule")).toString(), &rule))
            Fail(where, "criteria", tr("names no rule this program knows"));
        return CriteriaJson::FromObject(criteria);
    }
    void Fail(const QString &where, const char *key, const QString &what)
    {
        if (problem.isEmpty())
            problem = tr("records.json: %1.%2 %3").arg(where, QLatin1String(key), what);
    }
};

// The readings of a batch's file, which must be the file its record describes.
std::optional<QVector<LiveRecord>> ParseReadings(const QJsonObject &described,
                                                 const QHash<QString, QByteArray> &files,
                                                 const QString &batchUuid, QString *problem)
{
    const QString name = ReadingsName(batchUuid);
    auto refuse = [&](const QString &what) {
        *problem = ExchangeFormat::tr("%1 does not match its batch: %2").arg(name, what);
        return std::nullopt;
    };
    if (described.value(QStringLiteral("file")).toString() != name)
        return refuse(ExchangeFormat::tr("the batch names another file"));
    if (!files.contains(name))
        return refuse(ExchangeFormat::tr("the file is missing"));
    const QByteArray csv = files.value(name);
    if (Sha256(csv) != described.value(QStringLiteral("sha256")).toString().toLatin1())
        return refuse(ExchangeFormat::tr("its SHA-256 is not the one the batch lists"));
    QList<QByteArray> lines = csv.split('\n');
    if (lines.isEmpty() || lines.takeFirst() + '\n' != SessionCsv::Header())
        return refuse(ExchangeFormat::tr("it does not begin with the readings' header"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QVector<LiveRecord> readings;
    readings.reserve(lines.size());
    for (QByteArray &line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        QString why;
        const std::optional<LiveRecord> record = SessionCsv::ParseLine(line, &why);
        if (!record)
            return refuse(ExchangeFormat::tr("line %1: %2").arg(readings.size() + 2).arg(why));
        if (!readings.isEmpty() && record->index <= readings.last().index)
            return refuse(ExchangeFormat::tr("line %1: reading %2 is out of order")
                              .arg(readings.size() + 2)
                              .arg(record->index));
        readings.append(*record);
    }
    const qint64 count = described.value(QStringLiteral("count")).toVariant().toLongLong();
    if (readings.size() != count)
        return refuse(ExchangeFormat::tr("it holds %1 readings where the batch lists %2")
                          .arg(readings.size())
                          .arg(count));
    return readings;
}

std::optional<ExchangeBatch> ParseBatch(FieldReader &fields, const QJsonObject &object,
                                        const QString &where,
                                        const QHash<QString, QByteArray> &files, QString *problem)
{
    ExchangeBatch item;
    RecordBatch &batch = item.batch;
    batch.uuid = fields.Id(object, where, "id");
    batch.areaUuid = fields.Id(object, where, "area");
    batch.source = RecordBatch::SourceFromKey(fields.Text(object, where, "source"));
    batch.started = fields.Time(object, where, "started");
    batch.ended = fields.Time(object, where, "ended", true);
    batch.port = fields.Text(object, where, "port");
    batch.gaugeUuid = fields.Id(object, where, "gauge", true);
    batch.inspector = fields.Text(object, where, "inspector");
    batch.inspectorCertificate = fields.Text(object, where, "inspector_certificate");
    batch.notes = fields.Text(object, where, "notes");
    batch.criteria = fields.Criteria(object, where);
    item.origin = fields.Value(object, where, "origin", QJsonValue::String, true).toString();
    const QJsonObject readings = fields.Object(object, where, "readings");
    const QJsonArray marks = fields.Array(object, where, "marks");
    const QJsonValue conditions =
        fields.Value(object, where, "conditions", QJsonValue::Object, true);
    const QJsonArray evaluations = fields.Array(object, where, "evaluations");
    for (int i = 0; i < marks.size() && !fields.Failed(); ++i) {
        const QJsonObject mark = marks.at(i).toObject();
        const QString at = QStringLiteral("%1.marks[%2]").arg(where).arg(i);
        item.marks.append({qint64(fields.Number(mark, at, "index")), fields.Text(mark, at, "note"),
                           fields.Value(mark, at, "excluded", QJsonValue::Bool).toBool(),
                           fields.Text(mark, at, "reason")});
    }
    if (conditions.isObject()) {
        const QJsonObject c = conditions.toObject();
        const QString at = where + QStringLiteral(".conditions");
        item.conditions = RecordConditions{fields.Number(c, at, "air_celsius"),
                                           fields.Number(c, at, "humidity_percent"),
                                           fields.Number(c, at, "surface_celsius")};
    }
    for (int i = 0; i < evaluations.size() && !fields.Failed(); ++i) {
        const QJsonObject evaluation = evaluations.at(i).toObject();
        const QString at = QStringLiteral("%1.evaluations[%2]").arg(where).arg(i);
        item.evaluations.append({fields.Id(evaluation, at, "id"), fields.Criteria(evaluation, at),
                                 fields.Time(evaluation, at, "time"),
                                 fields.Text(evaluation, at, "inspector"),
                                 CriteriaJson::OutcomeOf(fields.Text(evaluation, at, "verdict"))});
    }
    if (fields.Failed()) {
        *problem = fields.problem;
        return std::nullopt;
    }
    const std::optional<QVector<LiveRecord>> records =
        ParseReadings(readings, files, batch.uuid, problem);
    if (!records)
        return std::nullopt;
    item.readings = *records;
    return item;
}

// The job, areas, gauges, verifications and history of records.json.
void ParseItems(FieldReader &fields, const QJsonObject &root, ExchangeContent &content)
{
    const QJsonObject job = fields.Object(root, QString(), "job");
    const QString at = QStringLiteral("job");
    content.job = {fields.Id(job, at, "id"),         fields.Text(job, at, "name"),
                   fields.Text(job, at, "client"),   fields.Text(job, at, "structure"),
                   fields.Text(job, at, "location"), fields.Text(job, at, "coating_standard"),
                   fields.Text(job, at, "notes")};
    const QJsonArray areas = fields.Array(root, QString(), "areas");
    for (int i = 0; i < areas.size() && !fields.Failed(); ++i) {
        const QJsonObject object = areas.at(i).toObject();
        const QString where = QStringLiteral("areas[%1]").arg(i);
        RecordArea area;
        area.uuid = fields.Id(object, where, "id");
        area.jobUuid = fields.Id(object, where, "job");
        area.name = fields.Text(object, where, "name");
        const QJsonValue surface =
            fields.Value(object, where, "surface_m2", QJsonValue::Double, true);
        if (surface.isDouble())
            area.surfaceSquareMetres = surface.toDouble();
        const QJsonValue coat = fields.Value(object, where, "coat", QJsonValue::Double, true);
        if (coat.isDouble())
            area.coat = coat.toInt();
        area.product = fields.Text(object, where, "product");
        area.criteria = fields.Criteria(object, where);
        content.areas.append(area);
    }
    const QJsonArray gauges = fields.Array(root, QString(), "gauges");
    for (int i = 0; i < gauges.size() && !fields.Failed(); ++i) {
        const QJsonObject object = gauges.at(i).toObject();
        const QString where = QStringLiteral("gauges[%1]").arg(i);
        content.gauges.append(
            {fields.Id(object, where, "id"), fields.Text(object, where, "model"),
             fields.Text(object, where, "serial"), fields.Text(object, where, "probe_serial"),
             fields.Text(object, where, "certificate"),
             QDate::fromString(
                 fields.Value(object, where, "calibration_due", QJsonValue::String, true)
                     .toString(),
                 Qt::ISODate)});
    }
    const QJsonArray verifications = fields.Array(root, QString(), "verifications");
    for (int i = 0; i < verifications.size() && !fields.Failed(); ++i) {
        const QJsonObject object = verifications.at(i).toObject();
        const QString where = QStringLiteral("verifications[%1]").arg(i);
        RecordVerification verification;
        verification.uuid = fields.Id(object, where, "id");
        verification.gaugeUuid = fields.Id(object, where, "gauge");
        verification.time = fields.Time(object, where, "time");
        verification.nominal = fields.Number(object, where, "nominal");
        verification.tolerancePercent = fields.Number(object, where, "tolerance_percent");
        verification.unitCode = GaugeUnit::CodeOf(fields.Text(object, where, "unit"));
        if (!fields.Failed() && verification.unitCode < 0)
            fields.Fail(where, "unit", ExchangeFormat::tr("is not um, mils or mm"));
        for (const QJsonValue &reading : fields.Array(object, where, "readings"))
            verification.readings.append(reading.toDouble());
        verification.inspector = fields.Text(object, where, "inspector");
        content.verifications.append(verification);
    }
    const QJsonArray history = fields.Array(root, QString(), "history");
    for (int i = 0; i < history.size() && !fields.Failed(); ++i) {
        const QJsonObject object = history.at(i).toObject();
        const QString where = QStringLiteral("history[%1]").arg(i);
        content.history.append(
            {fields.Text(object, where, "kind"), fields.Id(object, where, "item"),
             fields.Text(object, where, "what"), fields.Text(object, where, "old"),
             fields.Text(object, where, "new"), fields.Time(object, where, "time"),
             fields.Text(object, where, "who")});
    }
}
} // namespace

// Sized for a job of many batches of a million readings each, far below what would exhaust
// the memory of a usual machine.
const ExchangeArchive::Limits ExchangeFormat::Limits{256LL << 20, 1LL << 30, 100000};

QVector<ExchangeArchive::Entry> ExchangeFormat::Entries(const ExchangeContent &content,
                                                        const QDateTime &exported)
{
    QVector<ExchangeArchive::Entry> entries;
    QJsonArray batches;
    for (const ExchangeBatch &item : content.batches) {
        const QByteArray csv = ReadingsCsv(item.readings);
        batches.append(BatchObject(item, csv));
        entries.append({ReadingsName(item.batch.uuid), csv});
    }
    const QJsonObject root = ItemsObject(content, batches, exported);
    entries.prepend({RecordsName, QJsonDocument(root).toJson(QJsonDocument::Indented)});
    return entries;
}

std::optional<ExchangeContent>
ExchangeFormat::Content(const QVector<ExchangeArchive::Entry> &entries, QString *problem)
{
    QHash<QString, QByteArray> files;
    for (const ExchangeArchive::Entry &entry : entries)
        files.insert(entry.name, entry.bytes);
    if (!files.contains(RecordsName)) {
        *problem = tr("The archive holds no records.json: it is not an exchange file.");
        return std::nullopt;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(files.value(RecordsName), &error);
    if (!document.isObject()) {
        *problem = tr("records.json is not a JSON object (%1 at byte %2).")
                       .arg(error.errorString())
                       .arg(error.offset);
        return std::nullopt;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toString() != FormatName) {
        *problem = tr("records.json is not of the exchange format \"%1\".").arg(FormatName);
        return std::nullopt;
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (version.toInt(-1) != Version) {
        *problem = tr("The exchange file is of version %1; this program reads version %2 only.")
                       .arg(version.toVariant().toString())
                       .arg(Version);
        return std::nullopt;
    }
    FieldReader fields;
    ExchangeContent content;
    ParseItems(fields, root, content);
    const QJsonArray batches = fields.Array(root, QString(), "batches");
    for (int i = 0; i < batches.size() && !fields.Failed(); ++i) {
        const std::optional<ExchangeBatch> item = ParseBatch(
            fields, batches.at(i).toObject(), QStringLiteral("batches[%1]").arg(i), files, problem);
        if (!item)
            return std::nullopt;
        content.batches.append(*item);
    }
    if (fields.Failed()) {
        *problem = fields.problem;
        return std::nullopt;
    }
    return content;
}

bool ExchangeFormat::Write(const QString &path, const ExchangeContent &content, QString *problem)
{
    return ExchangeArchive::Write(path, Entries(content, QDateTime::currentDateTime()), problem);
}

std::optional<ExchangeContent> ExchangeFormat::Read(const QString &path, QString *problem)
{
    const std::optional<QVector<ExchangeArchive::Entry>> entries =
        ExchangeArchive::Read(path, Limits, problem);
    if (!entries)
        return std::nullopt;
    std::optional<ExchangeContent> content = Content(*entries, problem);
    if (!content)
        *problem = tr("%1 cannot be taken in: %2").arg(path, *problem);
    return content;
}

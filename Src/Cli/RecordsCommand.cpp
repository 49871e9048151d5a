#include "RecordsCommand.h"

#include "CliConsole.h"
#include "CriteriaJson.h"
#include "ExchangeArchive.h"
#include "ExchangeFormat.h"
#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "JournalIntake.h"
#include "RecordExchange.h"
#include "RecordScopeInput.h"
#include "RecordStore.h"
#include "SessionCsv.h"
#include "XlsxExport.h"

#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
const QCommandLineOption JobOption(QStringLiteral("job"),
                                   QStringLiteral("Only the job NAME (export: or UUID)."),
                                   QStringLiteral("NAME"));
const QCommandLineOption AreaOption(QStringLiteral("area"), QStringLiteral("Only areas NAME."),
                                    QStringLiteral("NAME"));
const QCommandLineOption SinceOption(QStringLiteral("since"),
                                     QStringLiteral("Only batches begun on DATE (yyyy-MM-dd) "
                                                    "or later."),
                                     QStringLiteral("DATE"));
const QCommandLineOption UntilOption(QStringLiteral("until"),
                                     QStringLiteral("Only batches begun on DATE or earlier."),
                                     QStringLiteral("DATE"));
const QCommandLineOption VerdictOption(QStringLiteral("verdict"),
                                       QStringLiteral("Only batches of that verdict: pass, "
                                                      "fail, incomplete or none."),
                                       QStringLiteral("VERDICT"));
const QCommandLineOption TextOption(QStringLiteral("text"),
                                    QStringLiteral("Only batches whose job, area or notes hold "
                                                   "every one of the WORDS."),
                                    QStringLiteral("WORDS"));
const QCommandLineOption JsonOption(QStringLiteral("json"),
                                    QStringLiteral("Write JSON instead of text."));
const QCommandLineOption FormatOption(QStringLiteral("format"),
                                      QStringLiteral("export: xlsx (a workbook) or exchange (a "
                                                     "file for another machine's records)."),
                                      QStringLiteral("FORMAT"));
const QCommandLineOption OutputOption(QStringLiteral("output"),
                                      QStringLiteral("export: the file to write."),
                                      QStringLiteral("FILE"));

QJsonValue TimeValue(const QDateTime &time)
{
    return time.isValid() ? QJsonValue(SessionCsv::TimeText(time)) : QJsonValue();
}

// A date, or a date and time; the start of the next day for an "until" date alone.
QDateTime DateOption(const QString &text, bool untilEnd)
{
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return QDateTime(untilEnd ? date.addDays(1) : date, QTime(0, 0));
    return QDateTime::fromString(text, Qt::ISODate);
}

QString Place(const RecordBatch &batch)
{
    return batch.areaUuid.isEmpty() ? QStringLiteral("Unfiled")
                                    : batch.jobName + QLatin1Char('/') + batch.areaName;
}

QString MeanText(const RecordBatch &batch)
{
    return batch.count > 0 ? QString::number(batch.mean, 'f', batch.unitCode == 0 ? 1 : 3) +
                                 QLatin1Char(' ') + GaugeUnit::Text(batch.unitCode)
                           : QStringLiteral("-");
}
} // namespace

QString RecordsCommand::Summary() const
{
    return QStringLiteral("List, show and take in the batches of the records.");
}

QString RecordsCommand::Synopsis() const
{
    return QStringLiteral("list [--job NAME] [--area NAME] [--since DATE] [--until DATE] "
                          "[--verdict VERDICT] [--text WORDS] [--json]\n"
                          "       %1 records show ID [--json]\n"
                          "       %1 records export --job NAME [--area NAME] --format "
                          "xlsx|exchange --output FILE\n"
                          "       %1 records import FILE...")
        .arg(QLatin1String("varnolithic-cli"));
}

QList<QCommandLineOption> RecordsCommand::Options() const
{
    return {JobOption,  AreaOption, SinceOption,  UntilOption, VerdictOption,
            TextOption, JsonOption, FormatOption, OutputOption};
}

QString RecordsCommand::Description() const
{
    return QStringLiteral(
        "list: one line per batch (id, start, job/area, count, mean, verdict), oldest\n"
        "first, or with --json an array of objects with id, job, area, started, ended,\n"
        "count, overflows, unit, mean, verdict and criteria. Each batch is judged by the\n"
        "copy of the criteria it began with.\n"
        "show ID: the batch with its readings, exclusions, notes and evaluations; the JSON\n"
        "adds readings (index, time, micrometres, value, unit, status, excluded, reason).\n"
        "Exit status 1 when the batch fails its criteria.\n"
        "export --job NAME --format xlsx|exchange --output FILE: the job (with --area\n"
        "only that area) as an XLSX workbook (cover, figures per batch, readings), or\n"
        "as an exchange file that another machine's records take in.\n"
        "import FILE...: session CSV files into the records, each exactly once; a file\n"
        "of a run the records do not know becomes a batch in Unfiled, judged by the\n"
        "settings' inspection criteria. An exchange file (told by its content) is\n"
        "merged by UUID: nothing twice, every change recorded in the history, all of\n"
        "it or, when anything in it is wrong, nothing.\n"
        "Exit status 4 when the records file cannot be opened or written.\n");
}

int RecordsCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    const QString action = parser.positionalArguments().constFirst();
    const int arguments = parser.positionalArguments().size() - 1;
    using Action = int (RecordsCommand::*)(const QCommandLineParser &, RecordStore &, CliConsole &);
    Action run = nullptr;
    if (action == QLatin1String("list") && arguments == 0)
        run = &RecordsCommand::List;
    else if (action == QLatin1String("show") && arguments == 1)
        run = &RecordsCommand::Show;
    else if (action == QLatin1String("import") && arguments >= 1)
        run = &RecordsCommand::Import;
    else if (action == QLatin1String("export") && arguments == 0)
        run = &RecordsCommand::Export;
    if (!run)
        return UsageFailure(console,
                            QStringLiteral("expected list, show ID, export or import FILE..."));
    RecordStore store;
    if (!store.Open(StorePath(parser))) {
        console.Error(store.Problem());
        return StoreError;
    }
    return (this->*run)(parser, store, console);
}

QJsonObject RecordsCommand::BatchObject(const RecordBatch &batch)
{
    return {{QStringLiteral("id"), batch.uuid},
            {QStringLiteral("job"), batch.areaUuid.isEmpty() ? QJsonValue() : batch.jobName},
            {QStringLiteral("area"), batch.areaUuid.isEmpty() ? QJsonValue() : batch.areaName},
            {QStringLiteral("started"), TimeValue(batch.started)},
            {QStringLiteral("ended"), TimeValue(batch.ended)},
            {QStringLiteral("count"), batch.count},
            {QStringLiteral("overflows"), batch.overflows},
            {QStringLiteral("unit"),
             batch.unitCode >= 0 ? QJsonValue(GaugeUnit::Text(batch.unitCode)) : QJsonValue()},
            {QStringLiteral("mean"), batch.count > 0 ? QJsonValue(batch.mean) : QJsonValue()},
            {QStringLiteral("verdict"), InspectionVerdict::OutcomeKey(batch.verdict)},
            {QStringLiteral("criteria"), CriteriaJson::ToObject(batch.criteria)}};
}

int RecordsCommand::List(const QCommandLineParser &parser, RecordStore &store, CliConsole &console)
{
    BatchFilter filter;
    filter.job = parser.value(JobOption);
    filter.area = parser.value(AreaOption);
    filter.text = parser.value(TextOption);
    if (parser.isSet(SinceOption))
        filter.since = DateOption(parser.value(SinceOption), false);
    if (parser.isSet(UntilOption))
        filter.until = DateOption(parser.value(UntilOption), true);
    if ((parser.isSet(SinceOption) && !filter.since.isValid()) ||
        (parser.isSet(UntilOption) && !filter.until.isValid()))
        return UsageFailure(console, QStringLiteral("--since and --until take a date, "
                                                    "yyyy-MM-dd"));
    if (parser.isSet(VerdictOption)) {
        const QString key = parser.value(VerdictOption);
        for (auto outcome :
             {InspectionVerdict::Outcome::Pass, InspectionVerdict::Outcome::Fail,
              InspectionVerdict::Outcome::Incomplete, InspectionVerdict::Outcome::None}) {
            if (key == InspectionVerdict::OutcomeKey(outcome))
                filter.verdict = outcome;
        }
        if (!filter.verdict)
            return UsageFailure(console, QStringLiteral("--verdict takes pass, fail, incomplete "
                                                        "or none"));
    }
    const QVector<RecordBatch> batches = store.Batches(filter);
    QByteArray document;
    if (parser.isSet(JsonOption)) {
        QJsonArray array;
        for (const RecordBatch &batch : batches)
            array.append(BatchObject(batch));
        document = QJsonDocument(array).toJson(QJsonDocument::Compact) + '\n';
    } else {
        for (const RecordBatch &batch : batches)
            document += QStringLiteral("%1  %2  %3  %4 readings  mean %5  %6\n")
                            .arg(batch.uuid, SessionCsv::TimeText(batch.started), Place(batch))
                            .arg(batch.count)
                            .arg(MeanText(batch), InspectionVerdict::OutcomeKey(batch.verdict))
                            .toUtf8();
    }
    return WriteResult(console, QString(), document, true);
}

int RecordsCommand::Show(const QCommandLineParser &parser, RecordStore &store, CliConsole &console)
{
    const QString id = parser.positionalArguments().at(1).toLower();
    const std::optional<RecordBatch> batch = store.Batch(id);
    if (!batch)
        return UsageFailure(console, QStringLiteral("no batch '%1' in %2").arg(id, store.Path()));
    QHash<qint64, ReadingAnnotation> marks;
    for (const ReadingAnnotation &mark : store.Marks(id))
        marks.insert(mark.index, mark);
    const QVector<LiveRecord> readings = store.Readings(id);
    const QVector<RecordEvaluation> evaluations = store.Evaluations(id);
    QByteArray document;
    if (parser.isSet(JsonOption)) {
        QJsonObject object = BatchObject(*batch);
        object.insert(QStringLiteral("notes"), batch->notes);
        object.insert(QStringLiteral("inspector"), batch->inspector);
        QJsonArray rows;
        for (const LiveRecord &record : readings) {
            const ReadingAnnotation mark = marks.value(record.index);
            QJsonObject row{
                {QStringLiteral("index"), record.index},
                {QStringLiteral("time"), SessionCsv::TimeText(record.arrival)},
                {QStringLiteral("micrometres"), qIsNaN(record.micrometres)
                                                    ? QJsonValue()
                                                    : QJsonValue(double(record.micrometres))},
                {QStringLiteral("value"), record.valueText},
                {QStringLiteral("unit"), record.UnitText()},
                {QStringLiteral("status"), LiveRecord::StatusText(record.status)},
                {QStringLiteral("excluded"), mark.excluded},
                {QStringLiteral("reason"), mark.excluded ? QJsonValue(mark.reason) : QJsonValue()}};
            if (!mark.note.isEmpty())
                row.insert(QStringLiteral("note"), mark.note);
            rows.append(row);
        }
        object.insert(QStringLiteral("readings"), rows);
        QJsonArray judged;
        for (const RecordEvaluation &evaluation : evaluations)
            judged.append(QJsonObject{
                {QStringLiteral("criteria"), CriteriaJson::ToObject(evaluation.criteria)},
                {QStringLiteral("time"), TimeValue(evaluation.time)},
                {QStringLiteral("inspector"), evaluation.inspector},
                {QStringLiteral("verdict"), InspectionVerdict::OutcomeKey(evaluation.verdict)}});
        object.insert(QStringLiteral("evaluations"), judged);
        document = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    } else {
        QString text =
            QStringLiteral("batch %1\nplace %2\nstarted %3\nended %4\ninspector %5\n"
                           "notes %6\ncount %7\nmean %8\ncriteria %9\n")
                .arg(batch->uuid, Place(*batch), SessionCsv::TimeText(batch->started),
                     batch->ended.isValid() ? SessionCsv::TimeText(batch->ended)
                                            : QStringLiteral("-"),
                     batch->inspector, batch->notes)
                .arg(batch->count)
                .arg(MeanText(*batch), QString::fromUtf8(CriteriaJson::ToText(batch->criteria)));
        text += QStringLiteral("verdict %1\n").arg(InspectionVerdict::OutcomeKey(batch->verdict));
        for (const RecordEvaluation &evaluation : evaluations)
            text += QStringLiteral("judged again %1 by %2: %3 %4\n")
                        .arg(SessionCsv::TimeText(evaluation.time), evaluation.inspector,
                             InspectionVerdict::OutcomeKey(evaluation.verdict),
                             QString::fromUtf8(CriteriaJson::ToText(evaluation.criteria)));
        text += QString::fromLatin1(SessionCsv::Header());
        for (const LiveRecord &record : readings) {
            const ReadingAnnotation mark = marks.value(record.index);
            text += QString::fromUtf8(SessionCsv::Line(record)).trimmed();
            if (mark.excluded)
                text += QStringLiteral("  excluded: ") + mark.reason;
            if (!mark.note.isEmpty())
                text += QStringLiteral("  note: ") + mark.note;
            text += QLatin1Char('\n');
        }
        document = text.toUtf8();
    }
    const int status = WriteResult(console, QString(), document, true);
    if (status == Success && batch->verdict == InspectionVerdict::Outcome::Fail)
        return VerdictFail;
    return status;
}

int RecordsCommand::Import(const QCommandLineParser &parser, RecordStore &store,
                           CliConsole &console)
{
    if (!store.IsWritable()) {
        console.Error(store.Problem());
        return StoreError;
    }
    QStringList journals;
    int status = Success;
    for (const QString &path : parser.positionalArguments().mid(1)) {
        if (!ExchangeArchive::IsArchive(path))
            journals.append(path);
        else if (status != StoreError)
            status = qMax(status, ImportExchange(path, store, console));
    }
    if (journals.isEmpty())
        return status;
    const JournalIntake::Result result =
        JournalIntake::TakeIn(store, journals, InspectionSettings::Load());
    for (const QString &problem : result.problems)
        console.Error(problem);
    status = qMax(status, WriteResult(console, QString(),
                                      QStringLiteral("%1 batches made, %2 readings added\n")
                                          .arg(result.batchesMade)
                                          .arg(result.readingsAdded)
                                          .toUtf8(),
                                      true));
    if (!store.IsWritable())
        return StoreError;
    return result.problems.isEmpty() ? status : qMax(status, int(UsageError));
}

int RecordsCommand::ImportExchange(const QString &path, RecordStore &store, CliConsole &console)
{
    QString problem;
    const std::optional<ExchangeContent> content = ExchangeFormat::Read(path, &problem);
    if (!content) {
        console.Error(problem);
        return UsageError;
    }
    RecordExchange::Tally tally;
    if (!RecordExchange::Merge(store, *content, &tally)) {
        console.Error(QStringLiteral("%1 was not taken in: %2").arg(path, store.Problem()));
        return store.IsWritable() ? UsageError : StoreError;
    }
    return WriteResult(console, QString(),
                       QStringLiteral("job %1: %2 items added, %3 readings added, %4 changes "
                                      "recorded in the history\n")
                           .arg(content->job.name)
                           .arg(tally.itemsAdded)
                           .arg(tally.readingsAdded)
                           .arg(tally.fieldsChanged)
                           .toUtf8(),
                       true);
}

int RecordsCommand::Export(const QCommandLineParser &parser, RecordStore &store,
                           CliConsole &console)
{
    const QString format = parser.value(FormatOption);
    const QString output = parser.value(OutputOption);
    if (!parser.isSet(JobOption) || output.isEmpty() ||
        (format != QLatin1String("xlsx") && format != QLatin1String("exchange")))
        return UsageFailure(console, QStringLiteral("export takes --job NAME, --format xlsx or "
                                                    "exchange, and --output FILE"));
    RecordScopeInput scope;
    const QString scopeProblem =
        scope.Read(store, parser.value(JobOption), parser.value(AreaOption));
    if (!scopeProblem.isEmpty())
        return UsageFailure(console, scopeProblem);
    const std::optional<ExchangeContent> content =
        RecordExchange::Collect(store, scope.jobUuid, scope.areaUuid);
    QString problem;
    const bool written = content && (format == QLatin1String("xlsx")
                                         ? XlsxExport::Write(output, *content, &problem)
                                         : ExchangeFormat::Write(output, *content, &problem));
    if (!written) {
        console.Error(problem.isEmpty() ? store.Problem() : problem);
        return UsageError;
    }
    qint64 readings = 0;
    for (const ExchangeBatch &item : content->batches)
        readings += item.readings.size();
    return WriteResult(console, QString(),
                       QStringLiteral("%1 batches, %2 readings written to %3\n")
                           .arg(content->batches.size())
                           .arg(readings)
                           .arg(output)
                           .toUtf8(),
                       true);
}

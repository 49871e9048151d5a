// The inspection report: the time to write a whole PDF report of a live run (summary, chart
// and every reading in the table) for a few sizes, and the chart alone for long series; then
// reports from a records file: one batch of many readings, and a job of many batches.
//
//   BenchReport [--sizes 1000,10000,100000] [--chart-sizes 1000000] [--runs 3]
//               [--batch-sizes 100000] [--job 50x1000]

#include "BenchSupport.h"
#include "GaugeUnit.h"
#include "InspectionReport.h"
#include "RecordReport.h"
#include "RecordStore.h"
#include "ReportChart.h"
#include "ReportWriter.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Readings of 80 to 160 um with an overflow now and then, like the simulated gauge.
QVector<LiveRecord> Records(int count)
{
    QRandomGenerator random(7);
    const QDateTime start = QDateTime::currentDateTime();
    QVector<LiveRecord> records;
    records.reserve(count);
    for (int i = 1; i <= count; ++i) {
        LiveRecord record;
        record.index = i;
        record.arrival = start.addMSecs(300LL * i);
        record.micrometres = static_cast<float>(80 + random.bounded(80.0));
        if (i % 500 == 0) {
            record.status = LiveRecord::Status::Overflow;
        } else {
            record.valueText = GaugeUnit::FormatFixed(GaugeUnit::Micrometres, record.micrometres);
        }
        records.append(record);
    }
    return records;
}

InspectionReport Report(int count)
{
    InspectionReport report = InspectionReport::FromRecords(Records(count));
    report.title = QStringLiteral("Bench");
    report.port = QStringLiteral("ttyUSB0");
    report.criteria.rule = InspectionCriteria::Rule::Iso19840;
    report.criteria.nominal = 100;
    report.criteria.maximum = 150;
    return report;
}

void WholeReport(int count, int runs)
{
    const InspectionReport report = Report(count);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = BenchSupport::ThreadCpuMs();
        QString error;
        if (!ReportWriter::Write(report, path, &error)) {
            std::printf("report of %d readings: %s\n", count, qPrintable(error));
            return;
        }
        cpu.push_back(BenchSupport::ThreadCpuMs() - cpuStart);
        wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("report of %7d readings: %8.0f ms (cpu %8.0f ms), %6.1f MB, peak resident %lld MB"
                " (goal for 10 000: under 5000 ms)\n",
                count, BenchSupport::Median(wall), BenchSupport::Median(cpu),
                QFileInfo(path).size() / 1e6,
                static_cast<long long>(BenchSupport::ResidentKb() / 1024));
}

void ChartAlone(int count, int runs)
{
    const InspectionReport report = Report(count);
    std::vector<double> wall;
    for (int run = 0; run < runs; ++run) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QElapsedTimer clock;
        clock.start();
        {
            QPdfWriter writer(&buffer);
            QPainter painter(&writer);
            const double millimetre = writer.resolution() / 25.4;
            const ReportChart chart(report, report.criteria);
            chart.Draw(painter, QRectF(0, 0, 180 * millimetre, 85 * millimetre), millimetre);
        }
        wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("chart of %7d readings alone: %6.0f ms\n", count, BenchSupport::Median(wall));
}

// A records file with a job of `batches` batches of `readings` readings each, judged by ISO
// 19840; the uuids of the job and of its first batch.
QPair<QString, QString> FillStore(RecordStore *store, int batches, int readings)
{
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = 100;
    criteria.maximum = 150;
    RecordBatch batch;
    batch.areaUuid = store->EnsureArea(QStringLiteral("Bench"), QStringLiteral("Deck"), criteria);
    const QVector<LiveRecord> records = Records(readings);
    QString first;
    for (int i = 0; i < batches; ++i) {
        batch.started = records.first().arrival.addSecs(3600LL * i);
        const QString uuid = store->BeginBatch(batch);
        store->AppendReadings(uuid, records);
        store->EndBatch(uuid, records.last().arrival);
        if (first.isEmpty())
            first = uuid;
    }
    return {store->JobNamed(QStringLiteral("Bench"))->uuid, first};
}

// Gathering the records and writing the report, as the window and the command do.
void RecordsReport(const QString &what, int batches, int readings, int runs)
{
    QTemporaryDir dir;
    RecordStore store;
    store.Open(dir.filePath(QStringLiteral("records.sqlite")));
    const auto [job, batch] = FillStore(&store, batches, readings);
    RecordReport::Request request;
    request.scope = batches > 1 ? RecordReport::Scope::Job : RecordReport::Scope::Batch;
    request.uuid = batches > 1 ? job : batch;
    const QString path = dir.filePath(QStringLiteral("report.pdf"));
    std::vector<double> wall;
    std::vector<double> cpu;
    std::vector<double> gather;
    int pages = 0;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const double cpuStart = BenchSupport::ThreadCpuMs();
        QString error;
        const std::optional<RecordReport> report = RecordReport::Gather(store, request, &error);
        gather.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (!report || !ReportWriter::Write(*report, path, &error,
                                            [&pages](int, int total) { pages = total; })) {
            std::printf("%s: %s\n", qPrintable(what), qPrintable(error));
            return;
        }
        cpu.push_back(BenchSupport::ThreadCpuMs() - cpuStart);
        wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("%s: %8.0f ms (cpu %8.0f ms; gathering %6.0f ms), %d pages, %6.1f MB\n",
                qPrintable(what), BenchSupport::Median(wall), BenchSupport::Median(cpu),
                BenchSupport::Median(gather), pages, QFileInfo(path).size() / 1e6);
}

QList<int> Sizes(const QString &text)
{
    QList<int> sizes;
    for (const QString &size : text.split(QLatin1Char(','), Qt::SkipEmptyParts))
        sizes.append(size.toInt());
    return sizes;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOptions(
        {{"sizes", "Readings of the whole reports.", "N,...", "1000,10000,100000"},
         {"chart-sizes", "Readings of the charts alone.", "N,...", "1000000"},
         {"runs", "Runs per size (the median is shown).", "R", "3"},
         {"batch-sizes", "Readings of one batch reported from the records.", "N,...", "100000"},
         {"job", "Batches x readings of a job reported from the records.", "BxN", "50x1000"}});
    parser.process(app);
    StartupSteps::LoadFonts(
        {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../bin/font"))});
    std::printf("font: %s\n", qPrintable(ReportWriter::FontFamily()));
    const int runs = std::max(1, parser.value("runs").toInt());
    for (int size : Sizes(parser.value("sizes")))
        WholeReport(size, size >= 100000 ? 1 : runs);
    for (int size : Sizes(parser.value("chart-sizes")))
        ChartAlone(size, runs);
    for (int size : Sizes(parser.value("batch-sizes")))
        RecordsReport(QStringLiteral("records report of a batch of %1 readings").arg(size), 1, size,
                      runs);
    const QStringList job = parser.value("job").split(QLatin1Char('x'));
    if (job.size() == 2)
        RecordsReport(QStringLiteral("records report of a job of %1 batches of %2 readings")
                          .arg(job.at(0), job.at(1)),
                      job.at(0).toInt(), job.at(1).toInt(), runs);
    return 0;
}

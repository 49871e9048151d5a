#include "RecordExchange.h"
#include "RecordStore.h"
#include "SampleJob.h"
#include "XlsxExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// Every sheet of the workbook as openpyxl reads it: per cell its kind ("n" number, "s" text,
// "d" time), value and whether it is struck through.
const char *const ReadBack = R"(
import json, sys, datetime, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    rows = []
    for row in sheet.iter_rows():
        cells = []
        for cell in row:
            value = cell.value
            if isinstance(value, bool) or value is None:
                kind = "-"
            elif isinstance(value, (int, float)):
                kind = "n"
            elif isinstance(value, datetime.datetime):
                # Rounded to the millisecond: a day's fraction does not hold it exactly.
                value += datetime.timedelta(microseconds=500)
                kind, value = "d", value.isoformat(timespec="milliseconds")
            else:
                kind = "s"
            cells.append([kind, value, bool(cell.font and cell.font.strike)])
        rows.append(cells)
    sheets.append({"name": sheet.title, "rows": rows})
print(json.dumps(sheets))
)";
} // namespace

// A job as a workbook, read back by another program: real numbers in full, the unit in the
// header, exclusions marked, the figures of each batch and area.
class TstXlsxExport : public QObject
{
    Q_OBJECT

private slots:
    void workbookReadsBack()
    {
        QTemporaryDir dir;
        RecordStore store;
        QVERIFY(store.Open(dir.filePath("records.sqlite")));
        const SampleJob job = SampleJob::Make(store);
        const ExchangeContent content = *RecordExchange::Collect(store, job.job);
        const QString path = dir.filePath("hull7.xlsx");
        QString problem;
        QVERIFY2(XlsxExport::Write(path, content, &problem), qPrintable(problem));

        // Debian's own interpreter, which python3-openpyxl is installed for.
        QString interpreter = QStandardPaths::findExecutable("python3", {"/usr/bin"});
        if (interpreter.isEmpty())
            interpreter = QStringLiteral("python3");
        QProcess python;
        python.start(interpreter, {"-c", ReadBack, path});
        QVERIFY(python.waitForFinished(60000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
        const QJsonArray sheets = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(sheets.size(), 3);
        auto rows = [&](int sheet) { return sheets.at(sheet).toObject().value("rows").toArray(); };
        auto cell = [&](int sheet, int row, int column) {
            return rows(sheet).at(row).toArray().at(column).toArray();
        };

        // The cover names the job and its client as edited.
        const QJsonArray cover = rows(0);
        QCOMPARE(cell(0, 1, 1).at(1).toString(), QStringLiteral("Hull 7"));
        QCOMPARE(cell(0, 2, 1).at(1).toString(), QStringLiteral("Ocean Yard Ltd"));
        QVERIFY(QJsonDocument(cover).toJson().contains("CAL-55"));

        // Readings: one row each, numbers as numbers with every digit, the unit in the header.
        const QJsonArray readings = rows(2);
        QCOMPARE(cell(2, 0, 4).at(1).toString(), QStringLiteral("Thickness (um)"));
        int row = 1;
        for (const ExchangeBatch &item : content.batches) {
            for (const LiveRecord &record : item.readings) {
                const QJsonArray index = cell(2, row, 2);
                QCOMPARE(index.at(0).toString(), QStringLiteral("n"));
                QCOMPARE(index.at(1).toInt(), int(record.index));
                QCOMPARE(cell(2, row, 3).at(1).toString(),
                         record.arrival.toString("yyyy-MM-ddTHH:mm:ss.zzz"));
                const QJsonArray thickness = cell(2, row, 4);
                const QJsonArray value = cell(2, row, 5);
                if (record.HasValue()) {
                    QCOMPARE(thickness.at(0).toString(), QStringLiteral("n"));
                    QCOMPARE(float(thickness.at(1).toDouble()), record.micrometres);
                    QCOMPARE(value.at(0).toString(), QStringLiteral("n"));
                    QCOMPARE(value.at(1).toDouble(), record.valueText.toDouble());
                } else {
                    QCOMPARE(value.at(0).toString(), QStringLiteral("-"));
                }
                const bool excluded = item.batch.uuid == job.batches.at(0) && record.index == 5;
                QCOMPARE(cell(2, row, 8).at(1).toString(),
                         excluded ? QStringLiteral("excluded") : QString());
                QCOMPARE(cell(2, row, 9).at(1).toString(),
                         excluded ? QStringLiteral("on a weld seam") : QString());
                QCOMPARE(value.at(2).toBool(), excluded && record.HasValue());
                ++row;
            }
        }
        QCOMPARE(readings.size(), row);

        // Figures: the batch's judged readings without the excluded and the overflow, counted
        // apart, and the mean of the store to the last digit; the area's row after its batches.
        const RecordBatch deck = *store.Batch(job.batches.at(0));
        QCOMPARE(cell(1, 1, 9).at(1).toInt(), int(deck.count));
        QCOMPARE(cell(1, 1, 10).at(1).toInt(), 1);
        QCOMPARE(cell(1, 1, 11).at(1).toInt(), 1);
        QCOMPARE(cell(1, 1, 12).at(1).toDouble(), deck.mean);
        QCOMPARE(cell(1, 1, 18).at(1).toString(), InspectionVerdict::OutcomeName(deck.verdict));
        const SeriesInspection tank = store.InspectArea(job.areas.at(1));
        QCOMPARE(cell(1, 4, 9).at(1).toInt(), int(tank.Statistics().Count()));
        QCOMPARE(cell(1, 4, 5).at(1).toString(), QStringLiteral("mils"));
        QCOMPARE(cell(1, 4, 12).at(1).toDouble(), tank.Statistics().Mean());
    }
};

QTEST_MAIN(TstXlsxExport)
#include "TstXlsxExport.moc"

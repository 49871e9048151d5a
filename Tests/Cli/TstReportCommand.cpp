#include "CliProcess.h"
#include "GaugeUnit.h"
#include "HandFiles.h"
#include "PopplerOutput.h"
#include "RecordStore.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace HandFiles;

// PDF reports of CSV files through the built program, read back as text.
class TstReportCommand : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (CliProcess::Program().isEmpty())
            QSKIP("VARNOLITHIC_BIN_DIR does not name the program's folder");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(m_dir.isValid());
    }

    void writesTheReport_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("failing session")
            << Session << QStringList{"--rule", "iso19840", "--nominal", "100"} << 1
            << QStringList{"Verdict Fail", "1 of 4 readings (25.0 %)", "Mean 105.0 µm",
                           "Standard deviation 10.52 µm", "Overflows 1"};
        QTest::newRow("passing session")
            << Session << QStringList{"--rule", "iso19840", "--nominal", "96"} << 0
            << QStringList{"Verdict Pass", "Nominal 96.0 µm"};
        QTest::newRow("one group in mils")
            << Download << QStringList{"--group", "1", "--rule", "pspc", "--nominal", "2"} << 0
            << QStringList{"Verdict Pass", "Mean 3.0000 mils", "Readings 3"};
    }
    void writesTheReport()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QStringList, texts);
        const QString pdf = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        const CliProcess run = CliProcess::Run(
            QStringList{"report", Write(m_dir, content), "--output", pdf} + options);
        QCOMPARE(run.exitCode, exitCode);
        const QString text = PdfText(pdf).simplified();
        for (const QString &expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + " in " + text));
    }

    void refusesWithoutAReport_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        const QString pdf = m_dir.filePath("refused.pdf");
        QTest::newRow("no output") << Session << QStringList() << "missing --output REPORT.pdf";
        QTest::newRow("folder missing")
            << Session << QStringList{"--output", m_dir.filePath("none/r.pdf")} << "does not exist";
        QTest::newRow("bad file") << SessionHeader + "1,2\r\n"
                                  << QStringList{"--output", pdf}
                                  << "line 2: 2 fields where 6 belong";
        QTest::newRow("bad rule") << Session << QStringList{"--output", pdf, "--rule", "pa2"}
                                  << "The rule needs a minimum and a maximum.";
    }
    void refusesWithoutAReport()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        const CliProcess run =
            CliProcess::Run(QStringList{"report", Write(m_dir, content)} + options);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message.toUtf8()), run.err.constData());
        QVERIFY(!QFile::exists(m_dir.filePath("refused.pdf")));
    }

    // A job of one area with one failing batch, in a records file made as the program makes it;
    // the rows run in order, so the report numbers count on from one row to the next.
    void reportsTheRecords_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("texts"); // in the PDF, or on the error output
        const QString store = m_dir.filePath("records.sqlite");
        {
            RecordStore records;
            QVERIFY(records.Open(store));
            InspectionCriteria criteria;
            criteria.rule = InspectionCriteria::Rule::Iso19840;
            criteria.nominal = 100;
            RecordBatch batch;
            batch.areaUuid = records.EnsureArea("Hull 7", "Deck", criteria);
            batch.started = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
            m_batch = records.BeginBatch(batch);
            QVector<LiveRecord> readings(4);
            for (int i = 0; i < readings.size(); ++i) {
                readings[i].index = i + 1;
                readings[i].arrival = batch.started.addSecs(i);
                readings[i].valueText = QString::number(70 + 20 * i);
                readings[i].micrometres = 70 + 20 * i;
                readings[i].unitCode = GaugeUnit::Micrometres;
            }
            QVERIFY(records.AppendReadings(m_batch, readings));
            m_job = records.JobNamed("Hull 7")->uuid;
            // Two laptops that each made the job before they synced.
            for (int i = 0; i < 2; ++i)
                QVERIFY(
                    !records.AddJob(RecordJob{QString(), "Twin", {}, {}, {}, {}, {}}).isEmpty());
        }
        QFile damaged(m_dir.filePath("damaged.sqlite"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        const QStringList job{"report", "--store", store, "--job", "Hull 7"};
        QTest::newRow("job") << job << 1
                             << QStringList{"Report number 1 Revision 0", "Job Hull 7",
                                            "Source Hull 7 / Deck / 2026-12-09 10:00:00",
                                            "Verdict Fail"};
        QTest::newRow("job again") << job << 1 << QStringList{"Report number 2"};
        QTest::newRow("area, numbered")
            << job + QStringList{"--area", "Deck", "--number", "7", "--revision", "1"} << 1
            << QStringList{"Report number 7 Revision 1"};
        QTest::newRow("batch") << QStringList{"report", "--store", store, "--batch", "BATCH"} << 1
                               << QStringList{"Report number 8 Revision 0"};
        QTest::newRow("job by its UUID")
            << QStringList{"report", "--store", store, "--job", "JOB"} << 1
            << QStringList{"Report number 9 Revision 0", "Job Hull 7"};
        QTest::newRow("name of two jobs")
            << QStringList{"report", "--store", store, "--job", "Twin"} << 2
            << QStringList{"2 jobs are named 'Twin'", "give --job one of their UUIDs"};
        QTest::newRow("no such job") << QStringList{"report", "--store", store, "--job", "Hull 8"}
                                     << 2 << QStringList{"no job 'Hull 8'"};
        QTest::newRow("no such area") << job + QStringList{"--area", "Hold"} << 2
                                      << QStringList{"no area 'Hold' in the job 'Hull 7'"};
        QTest::newRow("no such batch") << QStringList{"report", "--store", store, "--batch", "b4a1"}
                                       << 2 << QStringList{"There is no batch b4a1."};
        QTest::newRow("area alone") << QStringList{"report", "--store", store, "--area", "Deck"}
                                    << 2 << QStringList{"--area needs --job"};
        QTest::newRow("batch and job") << job + QStringList{"--batch", "b4a1"} << 2
                                       << QStringList{"give --batch or --job, not both"};
        QTest::newRow("number 0") << job + QStringList{"--number", "0"} << 2
                                  << QStringList{"whole numbers (the number from 1 on)"};
        QTest::newRow("nothing to report")
            << QStringList{"report"} << 2 << QStringList{"missing FILE, --batch ID or --job NAME"};
        QTest::newRow("damaged store")
            << QStringList{"report", "--store", damaged.fileName(), "--job", "Hull 7"} << 4
            << QStringList{"cannot be used"};
    }
    void reportsTheRecords()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QStringList, texts);
        const QString pdf = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        arguments.replaceInStrings(QStringLiteral("BATCH"), m_batch);
        arguments.replaceInStrings(QStringLiteral("JOB"), m_job.toUpper());
        const CliProcess run = CliProcess::Run(arguments + QStringList{"--output", pdf});
        QCOMPARE(run.exitCode, exitCode);
        if (exitCode > 1) {
            for (const QString &expected : texts)
                QVERIFY2(run.err.contains(expected.toUtf8()), run.err.constData());
            QVERIFY(!QFile::exists(pdf));
            return;
        }
        QCOMPARE(run.out.trimmed(), QFileInfo(pdf).absoluteFilePath().toUtf8());
        const QString text = PdfText(pdf).simplified();
        for (const QString &expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + " in " + text));
    }

private:
    QString m_batch;
    QString m_job;
};

QTEST_GUILESS_MAIN(TstReportCommand)
#include "TstReportCommand.moc"

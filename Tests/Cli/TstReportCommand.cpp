#include "CliProcess.h"
#include "HandFiles.h"

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

    static QString PdfText(const QString &path)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
        if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0)
            return QString();
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }

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
        const QString text = PdfText(pdf);
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
};

QTEST_GUILESS_MAIN(TstReportCommand)
#include "TstReportCommand.moc"

#include "FigureText.h"
#include "GaugeUnit.h"
#include "InspectionReport.h"
#include "PopplerOutput.h"
#include "ProgramFonts.h"
#include "ReportChart.h"
#include "ReportWriter.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

Q_DECLARE_METATYPE(InspectionCriteria)

namespace {
using Rule = InspectionCriteria::Rule;

const QString StatusPattern =
    QStringLiteral("(ok|overflow|below the minimum \\S+ µm|above the maximum \\S+ µm|"
                   "below \\d+ % of the nominal \\S+ µm|unknown unit)");

LiveRecord Record(qint64 index, int unit, float micrometres)
{
    LiveRecord record;
    record.index = index;
    record.arrival = QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7)).addSecs(index);
    record.micrometres = micrometres;
    record.unitCode = static_cast<qint8>(unit);
    record.valueText = GaugeUnit::FormatFixed(unit, micrometres);
    return record;
}

LiveRecord Overflow(qint64 index)
{
    LiveRecord record = Record(index, GaugeUnit::Micrometres, 3000);
    record.status = LiveRecord::Status::Overflow;
    record.valueText.clear();
    return record;
}

// Readings shown in the unit, as the gauge sends them (in micrometres).
QVector<LiveRecord> Records(int unit, const QVector<double> &shown)
{
    QVector<LiveRecord> records;
    for (double value : shown) {
        const auto micrometres = static_cast<float>(value * GaugeUnit::MicrometresPer(unit));
        records.append(Record(records.size() + 1, unit, micrometres));
    }
    return records;
}

InspectionCriteria Criteria(Rule rule, double nominal, double minimum = 0, double maximum = 0)
{
    InspectionCriteria criteria;
    criteria.rule = rule;
    criteria.unitCode = GaugeUnit::Micrometres;
    criteria.nominal = nominal;
    criteria.minimum = minimum;
    criteria.maximum = maximum;
    return criteria;
}

// The text between two headings of the report.
QString Section(const QString &text, const QString &from, const QString &to)
{
    const int begin = text.indexOf(QRegularExpression(QStringLiteral("^\\s*%1\\s*$").arg(from),
                                                      QRegularExpression::MultilineOption));
    const int end = text.indexOf(QRegularExpression(QStringLiteral("^\\s*%1\\s*$").arg(to),
                                                    QRegularExpression::MultilineOption),
                                 begin + 1);
    return begin < 0 || end < 0 ? QString() : text.mid(begin, end - begin);
}

QString Simplified(const QString &text)
{
    return text.simplified();
}

// What follows the label on its line, in the statistics.
QString Figure(const QString &statistics, const QString &label)
{
    const QRegularExpression line(QStringLiteral("^\\s*%1\\s{2,}(.+?)\\s*$").arg(label),
                                  QRegularExpression::MultilineOption);
    return line.match(statistics).captured(1);
}
} // namespace

class TstReportWriter : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QTranslator m_english;

    // The report written and read back as text, page by page ("\f" between pages).
    QString WrittenText(const InspectionReport &report, const QString &name)
    {
        const QString path = m_folder.filePath(name);
        QString error;
        if (!ReportWriter::Write(report, path, &error)) {
            qWarning() << error;
            return QString();
        }
        return PdfText(path);
    }

    static InspectionReport LiveReport(const QVector<LiveRecord> &records,
                                       const InspectionCriteria &criteria)
    {
        InspectionReport report = InspectionReport::FromRecords(records);
        report.title = QStringLiteral("Session 2026-12-09 14:03");
        report.port = QStringLiteral("ttyUSB7");
        report.criteria = criteria;
        return report;
    }

    // Every page's footer tells its number and how many there are.
    static void CheckPageNumbers(const QString &text, const QString &pageWord,
                                 const QString &ofWord)
    {
        QStringList pages = text.split(QLatin1Char('\f'));
        if (pages.last().trimmed().isEmpty())
            pages.removeLast();
        for (int page = 1; page <= pages.size(); ++page) {
            const QString footer =
                QStringLiteral("%1 %2 %3 %4").arg(pageWord).arg(page).arg(ofWord).arg(pages.size());
            QVERIFY2(Simplified(pages.at(page - 1)).contains(footer), qPrintable(footer));
        }
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(m_folder.isValid());
        // The program registers the fonts of its font folder before it writes anything.
        LoadProgramFonts();
        // In English as the program writes it, counts in their singular and plural.
        QVERIFY(m_english.load(QStringLiteral(":/lang/language_en.qm")));
        QCoreApplication::installTranslator(&m_english);
    }

    void figuresAndVerdict_data()
    {
        QTest::addColumn<InspectionCriteria>("criteria");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QVector<double>>("shown");
        QTest::addColumn<int>("overflows");
        QTest::addColumn<QString>("outcome");
        QTest::addColumn<QStringList>("reasons");
        // Readings, overflows, mean, SD, minimum, maximum, range, coefficient of variation.
        QTest::addColumn<QStringList>("figures");
        const int um = GaugeUnit::Micrometres;

        QTest::newRow("ISO 19840 pass")
            << Criteria(Rule::Iso19840, 100) << um << QVector<double>{100, 110, 120, 95, 105} << 1
            << "Pass" << QStringList() << QStringList{"5",       "1",      "106.0 µm", "9.62 µm",
                                                      "95.0 µm", "120 µm", "25.0 µm",  "9.1 %"};
        QTest::newRow("ISO 19840 fail")
            << Criteria(Rule::Iso19840, 100, 0, 150) << um << QVector<double>{70, 90, 96, 100, 160}
            << 0 << "Fail"
            << QStringList{"1 of 5 readings (20.0 %) below 80 % of the nominal 100 µm",
                           "2 of 5 readings (40.0 %) from 80 % up to below the nominal 100 µm; at "
                           "most 20 % are allowed",
                           "1 of 5 readings (20.0 %) above the maximum 150 µm"}
            << QStringList{"5",       "0",      "103.2 µm", "33.78 µm",
                           "70.0 µm", "160 µm", "90.0 µm",  "32.7 %"};
        QTest::newRow("IMO PSPC 90/10 fail")
            << Criteria(Rule::ImoPspc, 100) << um
            << QVector<double>{100, 102, 104, 106, 108, 110, 112, 114, 85, 95} << 2 << "Fail"
            << QStringList{"8 of 10 readings (80.0 %) at or above the nominal 100 µm; at least "
                           "90 % are required",
                           "1 of 10 readings (10.0 %) below 90 % of the nominal 100 µm"}
            << QStringList{"10",      "2",      "103.6 µm", "8.69 µm",
                           "85.0 µm", "114 µm", "29.0 µm",  "8.4 %"};
        QTest::newRow("SSPC-PA 2 incomplete")
            << Criteria(Rule::SspcPa2, 0, 100, 200) << um
            << QVector<double>{120, 130, 140, 150, 160, 170} << 0 << "Incomplete"
            << QStringList{"2 spots and 0 areas complete; 0 readings and 2 spots pending."}
            << QStringList{"6",      "0",      "145.0 µm", "18.71 µm",
                           "120 µm", "170 µm", "50.0 µm",  "12.9 %"};
        QTest::newRow("no rule, one reading")
            << Criteria(Rule::None, 0) << um << QVector<double>{123} << 0 << "No rule"
            << QStringList()
            << QStringList{"1", "0", "123.0 µm", "0.00 µm", "123 µm", "123 µm", "0.0 µm", "0.0 %"};
        QTest::newRow("ISO 19840 without a nominal")
            << Criteria(Rule::Iso19840, 0) << um << QVector<double>{100, 50} << 0
            << "Not judged: The rule needs a nominal thickness." << QStringList()
            << QStringList{"2",       "0",      "75.00 µm", "35.36 µm",
                           "50.0 µm", "100 µm", "50.0 µm",  "47.1 %"};
        QTest::newRow("ISO 19840 in mils, nominal in um")
            << Criteria(Rule::Iso19840, 100) << int(GaugeUnit::Mils)
            << QVector<double>{4.0, 4.2, 4.4} << 0 << "Pass" << QStringList()
            << QStringList{"3",          "0",          "4.2000 mils", "0.2000 mils",
                           "4.000 mils", "4.400 mils", "0.400 mils",  "4.8 %"};
    }
    void figuresAndVerdict()
    {
        QFETCH(InspectionCriteria, criteria);
        QFETCH(int, unit);
        QFETCH(QVector<double>, shown);
        QFETCH(int, overflows);
        QFETCH(QString, outcome);
        QFETCH(QStringList, reasons);
        QFETCH(QStringList, figures);
        QVector<LiveRecord> records = Records(unit, shown);
        for (int i = 0; i < overflows; ++i)
            records.append(Overflow(records.size() + 1));
        const QString text = WrittenText(LiveReport(records, criteria), QStringLiteral("f.pdf"));
        QVERIFY(!text.isEmpty());

        QVERIFY(text.contains(QStringLiteral("Session 2026-12-09 14:03")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Port\\s+ttyUSB7"))));
        QVERIFY(text.contains(
            QRegularExpression(QStringLiteral("Unit\\s+%1\\n").arg(FigureText::Unit(unit)))));
        const QString criteriaText =
            Simplified(Section(text, QStringLiteral("Criteria"), QStringLiteral("Verdict")));
        QVERIFY2(criteriaText.contains(QStringLiteral("Rule ") +
                                       InspectionCriteria::RuleName(criteria.rule)),
                 qPrintable(criteriaText));
        if (unit == GaugeUnit::Mils)
            QVERIFY(criteriaText.contains(QStringLiteral("Nominal 3.937 mils")));

        const QString verdict =
            Simplified(Section(text, QStringLiteral("Verdict"), QStringLiteral("Statistics")));
        QVERIFY2(verdict.startsWith(QStringLiteral("Verdict ") + outcome), qPrintable(verdict));
        for (const QString &reason : reasons)
            QVERIFY2(verdict.contains(reason),
                     qPrintable(reason + QStringLiteral(" in ") + verdict));

        const QString statistics =
            Section(text, QStringLiteral("Statistics"), QStringLiteral("Chart"));
        const QStringList labels{"Readings", "Overflows", "Mean",  "Standard deviation",
                                 "Minimum",  "Maximum",   "Range", "Coefficient of variation"};
        for (int i = 0; i < labels.size(); ++i)
            QCOMPARE(Figure(statistics, labels.at(i)), figures.at(i));
    }

    // Every reading in its row, in order, over several pages, each page numbered.
    void everyReadingOverPages()
    {
        QVector<double> shown;
        for (int i = 0; i < 250; ++i)
            shown.append(90 + (i * 7) % 40);
        QVector<LiveRecord> records = Records(GaugeUnit::Micrometres, shown);
        records.insert(10, Overflow(0));
        for (int i = 0; i < records.size(); ++i)
            records[i].index = i + 1;
        const QString text = WrittenText(
            LiveReport(records, Criteria(Rule::Iso19840, 100, 95, 125)), QStringLiteral("p.pdf"));
        QVERIFY(!text.isEmpty());

        const QRegularExpression row(
            QStringLiteral("^\\s*(\\d+)\\s+(\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d)\\s+"
                           "(?:(\\S+)\\s+)?%1\\s*$")
                .arg(StatusPattern),
            QRegularExpression::MultilineOption);
        int at = 0;
        for (auto match = row.globalMatch(text); match.hasNext(); ++at) {
            const QRegularExpressionMatch m = match.next();
            QVERIFY2(at < records.size(), qPrintable(m.captured(0)));
            const LiveRecord &record = records.at(at);
            QCOMPARE(m.captured(1), QString::number(record.index));
            QCOMPARE(m.captured(2), record.arrival.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
            QCOMPARE(m.captured(3), record.valueText);
            const double value = record.valueText.toDouble();
            const QString status = record.status == LiveRecord::Status::Overflow ? "overflow"
                                   : value > 125 ? "above the maximum 125 µm"
                                                 : "ok";
            QCOMPARE(m.captured(4), status);
        }
        QCOMPARE(at, records.size());
        QVERIFY(text.count(QLatin1Char('\f')) >= 4);
        CheckPageNumbers(text, QStringLiteral("page"), QStringLiteral("of"));
    }

    // Groups 1 to 4 of the memory, numbered per group, figures per group and for all; a group
    // in another unit converted and said so; group 0 and readings of no unit not judged.
    void memoryDownload()
    {
        const qint8 um = GaugeUnit::Micrometres;
        const qint8 mils = GaugeUnit::Mils;
        QMap<int, QList<LogRecord>> groups;
        groups[0] = {{um, 999}};
        groups[1] = {{um, 100}, {um, 120}, {um, 140}};
        groups[2] = {{mils, 101.6f}, {mils, 127}, {7, 55}};
        groups[4] = {{um, 80}, {um, 160}};
        InspectionReport report = InspectionReport::FromDownload(groups);
        report.title = QStringLiteral("Memory download");
        report.criteria = Criteria(Rule::Iso19840, 100);
        const QString text = WrittenText(report, QStringLiteral("d.pdf"));
        QVERIFY(!text.isEmpty());

        QVERIFY(Simplified(text).contains(QStringLiteral(
            "Group 2 was measured in mils; its readings are shown converted to µm.")));
        QVERIFY(Simplified(text).contains(
            QStringLiteral("Readings of an unknown unit (1) are listed but not judged.")));
        const QString statistics =
            Section(text, QStringLiteral("Statistics"), QStringLiteral("Chart"));
        QCOMPARE(Simplified(Figure(statistics, QStringLiteral("Readings"))),
                 QStringLiteral("3 2 2 7"));
        QCOMPARE(Simplified(Figure(statistics, QStringLiteral("Mean"))),
                 QStringLiteral("120.0 µm 114.5 µm 120.0 µm 118.4 µm"));
        QCOMPARE(Simplified(Figure(statistics, QStringLiteral("Verdict"))),
                 QStringLiteral("Pass Pass Fail Pass"));

        const QStringList expected{"1 1 100 ok",  "2 1 120 ok", "3 1 140 ok",
                                   "1 2 102 ok",  "2 2 127 ok", "3 2 55 unknown unit",
                                   "1 4 80.0 ok", "2 4 160 ok"};
        const QRegularExpression row(
            QStringLiteral("^\\s*(\\d+\\s+[1-4]\\s+\\S+\\s+%1)\\s*$").arg(StatusPattern),
            QRegularExpression::MultilineOption);
        QStringList rows;
        for (auto match = row.globalMatch(text); match.hasNext();)
            rows << Simplified(match.next().captured(1));
        QCOMPARE(rows, expected);
    }

    // In Chinese, with the catalogue the program ships.
    void chinese()
    {
        QTranslator catalogue;
        QVERIFY(catalogue.load(QStringLiteral(":/lang/language_zh_CN.qm")));
        QCoreApplication::installTranslator(&catalogue);
        const QString text = WrittenText(LiveReport(Records(GaugeUnit::Micrometres, {110, 95, 130}),
                                                    Criteria(Rule::Iso19840, 100, 0, 120)),
                                         QStringLiteral("zh.pdf"));
        QCoreApplication::removeTranslator(&catalogue);
        QVERIFY(!text.isEmpty());
        for (const char *word :
             {"判定标准", "判定", "统计", "平均值", "标准差", "读数", "高于最大值"})
            QVERIFY2(text.contains(QString::fromUtf8(word)), word);
        CheckPageNumbers(text, QStringLiteral("第"), QStringLiteral("页，共"));
    }

    void failedWriteLeavesNothing_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("missing folder") << m_folder.filePath(QStringLiteral("missing/r.pdf"));
        QTest::newRow("a folder in its place") << m_folder.filePath(QStringLiteral("taken"));
#ifdef Q_OS_LINUX
        // Nobody, not even root, creates files there.
        QTest::newRow("folder not writable") << QStringLiteral("/proc/Report.pdf");
#endif
    }
    void failedWriteLeavesNothing()
    {
        QFETCH(QString, path);
        QVERIFY(QDir(m_folder.path()).mkpath(QStringLiteral("taken")));
        const QStringList before = QDir(m_folder.path()).entryList(QDir::Files);
        InspectionReport report = LiveReport(Records(GaugeUnit::Micrometres, {100}), {});
        QString error;
        QVERIFY(!ReportWriter::Write(report, path, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY2(error.contains(QDir::toNativeSeparators(QFileInfo(path).absolutePath())) ||
                     error.contains(QDir::toNativeSeparators(path)),
                 qPrintable(error));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::Files), before);
    }

    // A run that changed unit is reported in the unit it ended in, the rest converted.
    void liveRunChangingUnit()
    {
        QVector<LiveRecord> records = Records(GaugeUnit::Mils, {4.0, 5.0});
        records << Record(3, GaugeUnit::Micrometres, 120) << Record(4, GaugeUnit::Micrometres, 98);
        const QString text = WrittenText(LiveReport(records, {}), QStringLiteral("u.pdf"));
        QVERIFY(Simplified(text).contains(
            QStringLiteral("Readings measured in mils are shown converted to µm.")));
        const QString statistics =
            Section(text, QStringLiteral("Statistics"), QStringLiteral("Chart"));
        // 102 + 127 + 120 + 98.0 as shown in um.
        QCOMPARE(Figure(statistics, QStringLiteral("Mean")), QStringLiteral("111.8 µm"));
        QCOMPARE(Figure(statistics, QStringLiteral("Minimum")), QStringLiteral("98.0 µm"));
    }

    // Nothing to judge or chart: the report says so on one page.
    void noReadings()
    {
        const QString text =
            WrittenText(LiveReport({}, Criteria(Rule::Iso19840, 100)), QStringLiteral("e.pdf"));
        QVERIFY(text.contains(QStringLiteral("No readings to chart")));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("^\\s*No readings\\s*$"),
                                                 QRegularExpression::MultilineOption)));
        const QString statistics =
            Section(text, QStringLiteral("Statistics"), QStringLiteral("Chart"));
        QCOMPARE(Figure(statistics, QStringLiteral("Readings")), QStringLiteral("0"));
        QCOMPARE(Figure(statistics, QStringLiteral("Mean")), QStringLiteral("\u2014"));
        QVERIFY(Simplified(Section(text, QStringLiteral("Verdict"), QStringLiteral("Statistics")))
                    .startsWith(QStringLiteral("Verdict Incomplete")));
        CheckPageNumbers(text, QStringLiteral("page"), QStringLiteral("of"));
    }

    // Past two readings per column the chart draws each column's extremes: a million readings
    // make a chart no larger than ten thousand do.
    void longSeriesChartStaysSmall()
    {
        const auto chartBytes = [](int count) {
            InspectionReport report;
            report.readings.resize(count);
            for (int i = 0; i < count; ++i)
                report.readings[i].value = 80 + (i * 37) % 80;
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            {
                QPdfWriter writer(&buffer);
                writer.setPageSize(QPageSize(QPageSize::A4));
                QPainter painter(&writer);
                const double millimetre = writer.resolution() / 25.4;
                ReportChart(report, report.criteria)
                    .Draw(painter, QRectF(0, 0, 180 * millimetre, 85 * millimetre), millimetre);
            }
            return buffer.size();
        };
        const qint64 tenThousand = chartBytes(10000);
        const qint64 million = chartBytes(1000000);
        QVERIFY2(million <= tenThousand * 11 / 10,
                 qPrintable(QStringLiteral("%1 > %2").arg(million).arg(tenThousand)));
    }

    void proposedName()
    {
        QCOMPARE(ReportWriter::ProposedFileName(QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7))),
                 QStringLiteral("Report_20261209_140307.pdf"));
    }
};

QTEST_MAIN(TstReportWriter)
#include "TstReportWriter.moc"

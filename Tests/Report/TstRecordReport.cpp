#include "GaugeUnit.h"
#include "PopplerOutput.h"
#include "ProgramFonts.h"
#include "RecordAttachments.h"
#include "RecordReport.h"
#include "RecordStore.h"
#include "ReportWriter.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {
using Rule = InspectionCriteria::Rule;
using Scope = RecordReport::Scope;

const QDateTime Morning(QDate(2026, 12, 9), QTime(9, 0));

InspectionCriteria Criteria(Rule rule, double nominal, double minimum, double maximum)
{
    InspectionCriteria criteria;
    criteria.rule = rule;
    criteria.unitCode = GaugeUnit::Micrometres;
    criteria.nominal = nominal;
    criteria.minimum = minimum;
    criteria.maximum = maximum;
    return criteria;
}

QVector<LiveRecord> Readings(const QDateTime &start, const QVector<double> &values)
{
    QVector<LiveRecord> records;
    for (double value : values) {
        LiveRecord record;
        record.index = records.size() + 1;
        record.arrival = start.addSecs(2 * record.index);
        record.unitCode = GaugeUnit::Micrometres;
        record.micrometres = static_cast<float>(value);
        if (value < 0) {
            record.status = LiveRecord::Status::Overflow;
        } else {
            record.valueText = GaugeUnit::FormatFixed(GaugeUnit::Micrometres, record.micrometres);
        }
        records.append(record);
    }
    return records;
}

// The words pdftotext finds outside the printable area (15 mm margins left and right, 15 mm
// at the top, 10 mm at the foot), with their page.
QStringList WordsOffThePage(const QString &bboxHtml)
{
    const double margin = 15 * 72 / 25.4 - 1;
    const double foot = 10 * 72 / 25.4 - 1;
    QStringList outside;
    QXmlStreamReader xml(bboxHtml);
    double width = 0;
    double height = 0;
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++page;
            width = a.value("width").toDouble();
            height = a.value("height").toDouble();
        } else if (xml.name() == QLatin1String("word")) {
            const double xMin = a.value("xMin").toDouble();
            const double xMax = a.value("xMax").toDouble();
            const double yMin = a.value("yMin").toDouble();
            const double yMax = a.value("yMax").toDouble();
            if (xMin < margin || xMax > width - margin || yMin < margin - 4 || yMax > height - foot)
                outside << QStringLiteral("page %1: %2").arg(page).arg(xml.readElementText());
        }
    }
    return outside;
}
} // namespace

// Reports of a batch, an area and a job, from a records file filled as the program fills it,
// read back from the PDF.
class TstRecordReport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    RecordStore m_store;
    QTranslator m_english;
    QString m_jobUuid;
    QString m_deckUuid;
    QStringList m_deckBatches;
    QString m_tankBatch;

    QString Batch(const QString &areaUuid, const QDateTime &start, const QVector<double> &values,
                  const QString &gaugeUuid)
    {
        RecordBatch batch;
        batch.areaUuid = areaUuid;
        batch.started = start;
        batch.gaugeUuid = gaugeUuid;
        batch.port = areaUuid == m_deckUuid ? QStringLiteral("ttyUSB3") : QString();
        const QString uuid = m_store.BeginBatch(batch);
        const QVector<LiveRecord> records = Readings(start, values);
        if (!m_store.AppendReadings(uuid, records) ||
            !m_store.EndBatch(uuid, records.last().arrival))
            return QString();
        return uuid;
    }

    void Fill()
    {
        QVERIFY(m_store.Open(m_folder.filePath(QStringLiteral("records.sqlite"))));
        m_store.SetInspector(QStringLiteral("Mei Lin"), QStringLiteral("NACE 12345"));
        QImage logo(120, 60, QImage::Format_RGB32);
        logo.fill(QColor(0x20, 0x60, 0xa0));
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        logo.save(&png, "PNG");
        QVERIFY(m_store.SetCompany({QStringLiteral("Harbour Coatings Ltd"), png.data()}));
        m_jobUuid =
            m_store.AddJob({QString(), QStringLiteral("Hull 2231"), QStringLiteral("North Yard"),
                            QStringLiteral("Bulk carrier"), QStringLiteral("Dock 4"),
                            QStringLiteral("PSPC-WBT 2026"), QString()});
        RecordArea deck;
        deck.jobUuid = m_jobUuid;
        deck.name = QStringLiteral("Main deck");
        deck.surfaceSquareMetres = 120.5;
        deck.coat = 2;
        deck.product = QStringLiteral("Epoxy 300");
        deck.criteria = Criteria(Rule::Iso19840, 100, 0, 300);
        m_deckUuid = m_store.AddArea(deck);
        RecordArea tank = deck;
        tank.name = QStringLiteral("Tank 3");
        tank.surfaceSquareMetres.reset();
        tank.criteria = Criteria(Rule::SspcPa2, 0, 100, 200);
        const QString tankUuid = m_store.AddArea(tank);
        const QString gauge = m_store.AddGauge({QString(), QStringLiteral("Coatmeter 7"),
                                                QStringLiteral("G-1001"), QStringLiteral("P-77"),
                                                QStringLiteral("CAL-2026-19"), QDate(2027, 3, 1)});
        m_store.AddVerification({QString(),
                                 gauge,
                                 Morning.addSecs(-600),
                                 250,
                                 5,
                                 GaugeUnit::Micrometres,
                                 {249, 252, 251},
                                 QString()});
        m_store.AddVerification({QString(),
                                 gauge,
                                 Morning.addSecs(7200),
                                 250,
                                 2,
                                 GaugeUnit::Micrometres,
                                 {262, 258, 260},
                                 QString()});
        // 20 readings with one overflow and one under 80 % of the nominal; the second batch
        // passes, the third is left out of one report.
        QVector<double> first;
        for (int i = 1; i <= 20; ++i)
            first << 100 + i * 3;
        first[6] = -1;
        first[9] = 75;
        m_deckBatches << Batch(m_deckUuid, Morning, first, gauge)
                      << Batch(m_deckUuid, Morning.addSecs(1800), {140, 150, 160}, gauge)
                      << Batch(m_deckUuid, Morning.addSecs(3600), {50, 60}, gauge);
        QVERIFY(m_store.ExcludeReading(m_deckBatches[0], 3, QStringLiteral("probe on a weld")));
        QVERIFY(m_store.SetReadingNote(m_deckBatches[0], 5, QStringLiteral("near the hatch")));
        QVERIFY(m_store.SetConditions(m_deckBatches[0], {20, 80, 18}));
        const QString photo = m_folder.filePath(QStringLiteral("photo.png"));
        QVERIFY(logo.save(photo, "PNG"));
        RecordAttachments attachments(m_store);
        QVERIFY(!attachments.Add(m_deckBatches[0], photo, QStringLiteral("Blistering at frame 12"))
                     .isEmpty());
        QVERIFY(!attachments.Add(m_deckUuid, photo, QStringLiteral("Deck overview")).isEmpty());
        // SSPC-PA 2: one area of five spots of three; 230 lies above the maximum, yet its spot
        // (230, 150, 160: 180) and the area pass.
        m_tankBatch = Batch(
            tankUuid, Morning.addSecs(5400),
            {230, 150, 160, 120, 130, 140, 150, 150, 150, 110, 120, 130, 160, 170, 180, 60}, gauge);
        QVERIFY(!m_tankBatch.isEmpty());
    }

    // The report written, as text laid out (pages apart by "\f"), and the words off the page.
    QString Written(const RecordReport::Request &request, const QString &name,
                    QStringList *offThePage)
    {
        QString error;
        const std::optional<RecordReport> report = RecordReport::Gather(m_store, request, &error);
        if (!report) {
            qWarning() << error;
            return QString();
        }
        const QString path = m_folder.filePath(name);
        int pagesTold = 0;
        if (!ReportWriter::Write(*report, path, &error, [&](int page, int pages) {
                pagesTold = page == pages ? pages : 0;
            })) {
            qWarning() << error;
            return QString();
        }
        const QString text = PdfText(path);
        *offThePage = WordsOffThePage(
            PopplerOutput(QStringLiteral("pdftotext"), {"-bbox", "-enc", "UTF-8", path, "-"}));
        if (pagesTold != text.count(QLatin1Char('\f')))
            offThePage->append(QStringLiteral("progress told %1 pages").arg(pagesTold));
        return text;
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(m_folder.isValid());
        LoadProgramFonts();
        QVERIFY(m_english.load(QStringLiteral(":/lang/language_en.qm")));
        QCoreApplication::installTranslator(&m_english);
        Fill();
    }

    void writesTheReport_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scope");
        QTest::addColumn<int>("batches"); // of the deck, for an area: 0 all
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("absent");
        const QStringList cover{
            "Harbour Coatings Ltd",
            "Report number 1",
            "Revision 0",
            "Job Hull 2231",
            "Client North Yard",
            "Structure Bulk carrier",
            "Location Dock 4",
            "Coating standard PSPC-WBT 2026",
            "Main deck: 120.5 m², coat 2, product Epoxy 300",
            "Inspector Mei Lin, certification NACE 12345",
            "Gauge model Coatmeter 7",
            "Gauge serial G-1001",
            "Probe serial P-77",
            "Calibration certificate CAL-2026-19, due 2027-03-01",
            "Source Hull 2231 / Main deck / 2026-12-09 09:00:00",
            "Port ttyUSB3",
            "2026-12-09 08:50: nominal 250 µm, mean 250.7 µm, tolerance 5.0 %: pass",
            "2026-12-09 11:00: nominal 250 µm, mean 260.0 µm, tolerance 2.0 %: fail",
            "air 20.0 °C, relative humidity 80 %, surface 18.0 °C, dew point 16.4 °C, "
            "margin 1.6 °C (below 3.0 °C: coating not advised)",
            "ISO 19840, nominal 100 µm: the mean at or above the nominal, no "
            "reading below 80 % of it (80.0 µm)",
            "Name: Mei Lin",
            "Client's representative"};
        // The first batch: 18 readings judged, the overflow (7) and the exclusion (3) apart;
        // the reading of 75 fails the rule.
        const QStringList firstBatch{"2026-12-09 09:00:00 18 1 1",
                                     "1 of 18 readings (5.6 %) below 80 % of the nominal 100 µm",
                                     "No. 3: probe on a weld", "No. 5: near the hatch"};
        QTest::newRow("batch") << QString() << int(Scope::Batch) << 1
                               << cover + firstBatch +
                                      QStringList{"Verdict Fail",
                                                  "below 80 % of the nominal 1 (5.6 %)", "Photos",
                                                  "Blistering at frame 12"}
                               << QStringList{"Tank 3:", "its batches together",
                                              "2026-12-09 09:30:00", "Deck overview"};
        QTest::newRow("area, two of its batches")
            << QString() << int(Scope::Area) << 2
            << QStringList{"Area Main deck 21 1 1", "2026-12-09 09:30:00 3 0 0", "Report number 1",
                           "Deck overview", "Blistering at frame 12"} +
                   firstBatch
            << QStringList{"2026-12-09 10:00:00", "Tank 3"};
        QTest::newRow("job") << QString() << int(Scope::Job) << 0
                             << cover +
                                    QStringList{
                                        "Tank 3: coat 2, product Epoxy 300, batches: 1",
                                        "Area Main deck 23 1 1",
                                        "Area Tank 3 16 0 0",
                                        "Job Hull 2231 39 1 1",
                                        "Spot 1 230 150 160 180.0 80.0 to 240 in limits",
                                        "Area 1 spots 1 to 5 150.0 100 to 200 in limits",
                                        "Under SSPC-PA 2 the means of spots and areas are judged",
                                        "1 reading and 0 spots pending",
                                        "Verdict Fail"}
                             << QStringList{};
        QTest::newRow("job, in Chinese") << QStringLiteral("zh_CN") << int(Scope::Job) << 0
                                         << QStringList{"Harbour Coatings Ltd",
                                                        "涂层厚度检测报告",
                                                        "报告编号 1",
                                                        "客户 North Yard",
                                                        "测点 1",
                                                        "符合限值",
                                                        "检测员",
                                                        "客户代表"}
                                         << QStringList{"Report number"};
    }
    void writesTheReport()
    {
        QFETCH(QString, language);
        QFETCH(int, scope);
        QFETCH(int, batches);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, absent);
        QTranslator chinese;
        if (!language.isEmpty()) {
            QVERIFY(chinese.load(QStringLiteral(":/lang/language_%1.qm").arg(language)));
            QCoreApplication::installTranslator(&chinese);
        }
        RecordReport::Request request;
        request.scope = static_cast<Scope>(scope);
        request.uuid = scope == int(Scope::Batch)  ? m_deckBatches.first()
                       : scope == int(Scope::Area) ? m_deckUuid
                                                   : m_jobUuid;
        request.batchUuids = m_deckBatches.mid(0, batches);
        QStringList offThePage;
        const QString text =
            Written(request, QTest::currentDataTag() + QStringLiteral(".pdf"), &offThePage);
        QCoreApplication::removeTranslator(&chinese);
        QVERIFY(!text.isEmpty());
        QVERIFY2(offThePage.isEmpty(), qPrintable(offThePage.join(QLatin1Char('\n'))));
        const QString simplified = text.simplified();
        for (const QString &expected : texts)
            QVERIFY2(simplified.contains(expected), qPrintable(expected + "\nin\n" + text));
        for (const QString &unexpected : absent)
            QVERIFY2(!simplified.contains(unexpected), qPrintable(unexpected));
        // The first batch's readings run down five columns of four rows: 1, 5, 9, 13 and 17
        // on one line, each with its value (and its mark).
        if (!language.isEmpty())
            return;
        const QRegularExpression row(
            QStringLiteral("^\\s*1\\s+103\\s+5\\s+115\\s+9\\s+127\\s+13\\s+139\\s+17\\s+151\\s*$"),
            QRegularExpression::MultilineOption);
        QVERIFY2(row.match(text).hasMatch(), qPrintable(text));
        QVERIFY(
            text.contains(QRegularExpression(QStringLiteral("^\\s*3\\s+109\\s+X\\s+7\\s+—\\s*O"),
                                             QRegularExpression::MultilineOption)));
    }
};

QTEST_MAIN(TstRecordReport)
#include "TstRecordReport.moc"

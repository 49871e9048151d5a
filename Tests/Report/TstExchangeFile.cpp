#include "ExchangeArchive.h"
#include "ExchangeFormat.h"
#include "RecordExchange.h"
#include "RecordStore.h"
#include "SampleJob.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {
using Entries = QVector<ExchangeArchive::Entry>;
// How a test spoils a good exchange file: its files, then its bytes.
struct Spoiler
{
    std::function<void(Entries &)> entries;
    std::function<void(QByteArray &)> bytes;
};

QByteArray &EntryBytes(Entries &entries, const QString &prefix)
{
    for (ExchangeArchive::Entry &entry : entries) {
        if (entry.name.startsWith(prefix))
            return entry.bytes;
    }
    static QByteArray none;
    return none;
}

// Sets a field of the first batch in records.json.
void SetBatchField(Entries &entries, const QString &key, const QJsonValue &value)
{
    QByteArray &json = EntryBytes(entries, QStringLiteral("records.json"));
    QJsonObject root = QJsonDocument::fromJson(json).object();
    QJsonArray batches = root.value("batches").toArray();
    QJsonObject batch = batches.at(0).toObject();
    if (value.isUndefined())
        batch.remove(key);
    else
        batch.insert(key, value);
    batches.replace(0, batch);
    root.insert("batches", batches);
    json = QJsonDocument(root).toJson();
}

// Changes the first batch's readings file and lists its new digest, so that only what the
// file holds is wrong.
void RewriteReadings(Entries &entries, const std::function<void(QByteArray &)> &change)
{
    QByteArray &csv = EntryBytes(entries, QStringLiteral("readings/"));
    change(csv);
    QJsonObject root = QJsonDocument::fromJson(EntryBytes(entries, "records.json")).object();
    QJsonObject readings =
        root.value("batches").toArray().at(0).toObject().value("readings").toObject();
    readings.insert(
        "sha256",
        QString::fromLatin1(QCryptographicHash::hash(csv, QCryptographicHash::Sha256).toHex()));
    SetBatchField(entries, "readings", readings);
}

// Everything the store holds of the job, line by line in the exchange file's words: equal
// lines, equal records.
QStringList Everything(const RecordStore &store, const QString &job)
{
    const std::optional<ExchangeContent> content = RecordExchange::Collect(store, job);
    if (!content)
        return QStringList();
    QStringList lines;
    const QDateTime fixed = QDateTime::fromMSecsSinceEpoch(0, Qt::UTC);
    for (const ExchangeArchive::Entry &entry : ExchangeFormat::Entries(*content, fixed))
        lines += QString::fromUtf8(entry.name.toUtf8() + '\n' + entry.bytes).split('\n');
    return lines;
}
} // namespace
Q_DECLARE_METATYPE(Spoiler)

// A job taken out of one records file and into another, and exchange files that are refused.
class TstExchangeFile : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    RecordStore m_sent;
    SampleJob m_job;

    QString PathOf(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<RecordStore> OpenStore(const QString &name, const QString &inspector) const
    {
        auto store = std::make_unique<RecordStore>();
        store->Open(PathOf(name));
        store->SetInspector(inspector, QString());
        return store;
    }

    // The job written as an exchange file at path.
    bool Export(const QString &path)
    {
        QString problem;
        const bool written =
            ExchangeFormat::Write(path, *RecordExchange::Collect(m_sent, m_job.job), &problem);
        if (!written)
            qWarning() << problem;
        return written;
    }

    // The file read and merged; the problem when refused.
    QString Import(RecordStore &store, const QString &path, RecordExchange::Tally *tally = nullptr)
    {
        QString problem;
        const std::optional<ExchangeContent> content = ExchangeFormat::Read(path, &problem);
        if (!content)
            return problem;
        return RecordExchange::Merge(store, *content, tally) ? QString() : store.Problem();
    }

private slots:
    void initTestCase()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_sent.Open(PathOf("sent.sqlite")));
        m_sent.SetInspector(QStringLiteral("A. Field"), QStringLiteral("NACE 77"));
        m_job = SampleJob::Make(m_sent);
        QCOMPARE(m_job.batches.size(), 2);
    }

    // records.json holds to the JSON Schema the format's documentation gives.
    void recordsFollowTheSchema()
    {
        const QString schema = QFINDTESTDATA("../../docs/exchange-format.schema.json");
        QVERIFY(!schema.isEmpty());
        const QString records = PathOf("records.json");
        QFile file(records);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ExchangeFormat::Entries(*RecordExchange::Collect(m_sent, m_job.job),
                                           QDateTime::currentDateTime())
                       .first()
                       .bytes);
        file.close();
        QProcess python;
        python.start(
            QStringLiteral("/usr/bin/python3"),
            {"-c",
             "import json, sys, jsonschema\n"
             "jsonschema.validate(json.load(open(sys.argv[2])), json.load(open(sys.argv[1])),"
             " format_checker=jsonschema.FormatChecker())",
             schema, records});
        QVERIFY(python.waitForFinished(60000));
        QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    }

    // Into an empty store, the job arrives whole, its batches judged as they were; taken in
    // again, it adds nothing; after edits on the sending side, the receiving side takes each
    // edit with the history recording it, and holds then what the sender holds.
    void roundTripMergesByUuid()
    {
        const QString file = PathOf("hull7.zip");
        QVERIFY(Export(file));
        const auto received = OpenStore("received.sqlite", QStringLiteral("B. Office"));
        RecordExchange::Tally tally;
        QCOMPARE(Import(*received, file, &tally), QString());
        QCOMPARE(Everything(*received, m_job.job), Everything(m_sent, m_job.job));
        // Job, two areas, gauge, verification, two batches, one evaluation.
        QCOMPARE(tally.itemsAdded, 8);
        QCOMPARE(tally.readingsAdded, qint64(11));
        QCOMPARE(tally.fieldsChanged, 0);
        for (const QString &batch : m_job.batches) {
            const RecordBatch sent = *m_sent.Batch(batch);
            const RecordBatch got = *received->Batch(batch);
            QCOMPARE(got.count, sent.count);
            QCOMPARE(got.overflows, sent.overflows);
            QCOMPARE(got.mean, sent.mean);
            QCOMPARE(got.verdict, sent.verdict);
            QCOMPARE(received->VerificationsAround(batch).first->uuid,
                     m_sent.VerificationsAround(batch).first->uuid);
        }
        // The run's session file, copied over too, is known as the batch's.
        bool known = false;
        QCOMPARE(received->BatchOfOrigin("run-1", &known), m_job.batches.at(1));

        const qint64 changes = received->ChangesSince(0).size();
        QCOMPARE(Import(*received, file, &tally), QString());
        QCOMPARE(tally.itemsAdded, 0);
        QCOMPARE(tally.readingsAdded, qint64(0));
        QCOMPARE(received->ChangesSince(0).size(), changes);

        const QString batch = m_job.batches.at(0);
        QVERIFY(m_sent.SetBatchNotes(batch, QStringLiteral("checked twice")));
        QVERIFY(m_sent.IncludeReading(batch, 5));
        QVERIFY(m_sent.AppendReadings(batch, SampleJob::Readings({"170.5"}, 0, 6)));
        QVERIFY(Export(file));
        QCOMPARE(Import(*received, file, &tally), QString());
        QCOMPARE(tally.fieldsChanged, 2);
        QCOMPARE(tally.readingsAdded, qint64(1));
        QCOMPARE(received->Batch(batch)->count, m_sent.Batch(batch)->count);
        QCOMPARE(received->Batch(batch)->mean, m_sent.Batch(batch)->mean);
        const QVector<HistoryEntry> history = received->History(batch);
        auto recorded = [&](const QString &what, const QString &old, const QString &now) {
            return std::any_of(history.begin(), history.end(), [&](const HistoryEntry &entry) {
                return entry.what == what && entry.oldValue == old && entry.newValue == now &&
                       entry.who == QStringLiteral("B. Office");
            });
        };
        QVERIFY(recorded("notes", QString(), "checked twice"));
        QVERIFY(recorded("included 5", "1", QString()));
    }

    // Each bad file is refused whole with a sentence naming what is wrong, and the store that
    // holds the job already is left exactly as it was.
    void badFileIsRefused_data()
    {
        QTest::addColumn<Spoiler>("spoiler");
        QTest::addColumn<QString>("named");
        QTest::newRow("cut short") << Spoiler{nullptr, [](QByteArray &b) { b.chop(b.size() / 2); }}
                                   << "not a complete zip archive";
        QTest::newRow("not a zip") << Spoiler{nullptr, [](QByteArray &b) { b = "index,time\r\n"; }}
                                   << "is not a zip archive";
        QTest::newRow("other version")
            << Spoiler{[](Entries &e) {
                           QByteArray &json = EntryBytes(e, "records.json");
                           json.replace("\"version\": 1", "\"version\": 2");
                       },
                       nullptr}
            << "of version 2; this program reads version 1";
        QTest::newRow("field missing")
            << Spoiler{[](Entries &e) { SetBatchField(e, "started", QJsonValue::Undefined); },
                       nullptr}
            << "batches[0].started is missing";
        QTest::newRow("readings digest")
            << Spoiler{[](Entries &e) { EntryBytes(e, "readings/").replace("151.2", "151.3"); },
                       nullptr}
            << "does not match its batch: its SHA-256";
        QTest::newRow("readings short") << Spoiler{[](Entries &e) {
                                                       RewriteReadings(e, [](QByteArray &csv) {
                                                           csv.chop(1);
                                                           csv.truncate(csv.lastIndexOf('\n') + 1);
                                                       });
                                                   },
                                                   nullptr}
                                        << "readings where the batch lists";
        QTest::newRow("reading changed") << Spoiler{[](Entries &e) {
                                                        RewriteReadings(e, [](QByteArray &csv) {
                                                            csv.replace(",151.2,", ",151.7,");
                                                        });
                                                    },
                                                    nullptr}
                                         << "reading 1 of the batch";
        QTest::newRow("climbs out")
            << Spoiler{[](Entries &e) {
                           e.append(ExchangeArchive::Entry{"readings/../../escaped.csv", "x"});
                       },
                       nullptr}
            << "names a file outside its folder (\"readings/../../escaped.csv\")";
        // The first file's headers claim 3 GB unpacked: refused before inflating.
        QTest::newRow("huge") << Spoiler{nullptr,
                                         [](QByteArray &b) {
                                             const char *claimed = "\x00\x00\x00\xC0";
                                             b.replace(b.indexOf("PK\x03\x04") + 22, 4, claimed, 4);
                                             b.replace(b.indexOf("PK\x01\x02") + 24, 4, claimed, 4);
                                         }}
                              << "is too large: its file \"records.json\" would take 3221225472";
    }

    void badFileIsRefused()
    {
        QFETCH(Spoiler, spoiler);
        QFETCH(QString, named);
        const QString receivedPath =
            QStringLiteral("holder-%1.sqlite").arg(QTest::currentDataTag());
        const auto received = OpenStore(receivedPath.simplified().replace(' ', '-'), "C. Desk");
        const QString good = PathOf("good.zip");
        QVERIFY(Export(good));
        QCOMPARE(Import(*received, good), QString());
        const QStringList before = Everything(*received, m_job.job);
        const qint64 changes = received->ChangesSince(0).size();

        QString problem;
        Entries entries = ExchangeFormat::Entries(*RecordExchange::Collect(m_sent, m_job.job),
                                                  QDateTime::currentDateTime());
        if (spoiler.entries)
            spoiler.entries(entries);
        const QString bad = PathOf("bad.zip");
        QVERIFY2(ExchangeArchive::Write(bad, entries, &problem), qPrintable(problem));
        if (spoiler.bytes) {
            QFile file(bad);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            spoiler.bytes(bytes);
            QVERIFY(file.resize(0));
            QVERIFY(file.seek(0));
            file.write(bytes);
        }
        const QString refused = Import(*received, bad);
        QVERIFY2(refused.contains(named), qPrintable(refused));
        QCOMPARE(received->ChangesSince(0).size(), changes);
        QCOMPARE(Everything(*received, m_job.job), before);
        QVERIFY(received->IsWritable());
        QVERIFY(!QFileInfo::exists(PathOf("escaped.csv")));
    }
};

QTEST_GUILESS_MAIN(TstExchangeFile)
#include "TstExchangeFile.moc"

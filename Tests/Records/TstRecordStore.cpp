#include "BatchOrigin.h"
#include "CriteriaJson.h"
#include "DownloadIntake.h"
#include "JournalIntake.h"
#include "MemoryDownload.h"
#include "RecordSchema.h"
#include "RecordStore.h"
#include "SessionCsv.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
InspectionCriteria Iso(double nominal)
{
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = nominal;
    return criteria;
}

QVector<LiveRecord> Readings(const QVector<double> &values, qint64 firstIndex = 1)
{
    const QDateTime start =
        QDateTime::fromString(QStringLiteral("2026-12-09T10:00:00.000+01:00"), Qt::ISODateWithMs);
    QVector<LiveRecord> records;
    for (int i = 0; i < values.size(); ++i) {
        LiveRecord record;
        record.index = firstIndex + i;
        record.arrival = start.addMSecs(250 * (firstIndex + i));
        record.micrometres = float(values.at(i));
        record.valueText = QString::number(values.at(i), 'f', 1);
        records.append(record);
    }
    return records;
}

QByteArray FileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1);
}

void WriteJournal(const QString &path, const QVector<LiveRecord> &records, const QByteArray &tail)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(SessionCsv::Header());
    for (const LiveRecord &record : records)
        file.write(SessionCsv::Line(record));
    file.write(tail);
}
} // namespace

// The store of records through its public operations, on real SQLite files.
class TstRecordStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_path = m_dir->filePath(QString::fromLatin1(RecordStore::FileName));
        m_store = std::make_unique<RecordStore>();
        QVERIFY(m_store->Open(m_path));
        QVERIFY(m_store->IsWritable());
        m_store->SetInspector(QStringLiteral("A. Inspector"), QStringLiteral("NACE 1234"));
    }

    void cleanup()
    {
        m_store.reset();
        m_dir.reset();
    }

    // A batch is judged by the copy of the criteria it began with; changing the area changes
    // no verdict, and judging again adds an evaluation beside the first.
    void batchKeepsItsCriteria()
    {
        const QString job = m_store->AddJob({{},
                                             QStringLiteral("Hull 7"),
                                             QStringLiteral("Yard"),
                                             QStringLiteral("vessel"),
                                             {},
                                             {},
                                             {}});
        QVERIFY2(!job.isEmpty(), qPrintable(m_store->Problem()));
        RecordArea area;
        area.jobUuid = job;
        area.name = QStringLiteral("Deck");
        area.criteria = Iso(100);
        area.uuid = m_store->AddArea(area);
        QVERIFY2(!area.uuid.isEmpty(), qPrintable(m_store->Problem()));
        RecordBatch start;
        start.areaUuid = area.uuid;
        start.started = QDateTime::currentDateTime();
        const QString batch = m_store->BeginBatch(start);
        QVERIFY(m_store->AppendReadings(batch, Readings({110, 120, 105})));
        QVERIFY(m_store->AppendReadings(batch, Readings({115}, 4)));

        area.criteria = Iso(200);
        QVERIFY(m_store->UpdateArea(area));
        const RecordBatch stored = *m_store->Batch(batch);
        QCOMPARE(stored.criteria, Iso(100));
        QCOMPARE(stored.verdict, InspectionVerdict::Outcome::Pass);
        QCOMPARE(stored.count, qint64(4));
        QCOMPARE(stored.mean, 112.5);
        QCOMPARE(m_store->Inspect(batch).Verdict().outcome, InspectionVerdict::Outcome::Pass);

        const std::optional<RecordEvaluation> again = m_store->JudgeAgain(batch, Iso(200));
        QVERIFY(again);
        QCOMPARE(again->verdict, InspectionVerdict::Outcome::Fail);
        QCOMPARE(m_store->Batch(batch)->verdict, InspectionVerdict::Outcome::Pass);
        const QVector<RecordEvaluation> evaluations = m_store->Evaluations(batch);
        QCOMPARE(evaluations.size(), 1);
        QCOMPARE(evaluations.at(0).criteria, Iso(200));
        QCOMPARE(evaluations.at(0).inspector, QStringLiteral("A. Inspector"));

        // The area's edit is in its history with the old and the new criteria.
        const QVector<HistoryEntry> history = m_store->History(area.uuid);
        QCOMPARE(history.size(), 2);
        QCOMPARE(history.at(1).what, QStringLiteral("criteria"));
        QCOMPARE(CriteriaJson::FromText(history.at(1).oldValue.toUtf8()), Iso(100));
        QCOMPARE(CriteriaJson::FromText(history.at(1).newValue.toUtf8()), Iso(200));
        QCOMPARE(history.at(1).who, QStringLiteral("A. Inspector"));
        // What changed is told for a later exchange, readings as their batch.
        QStringList changed;
        for (const RecordStore::Change &change : m_store->ChangesSince(0))
            changed << change.kind;
        QVERIFY(changed.contains(QStringLiteral("readings")));
        QVERIFY(changed.contains(QStringLiteral("evaluation")));
    }

    // An excluded reading is kept and listed with its reason, but counts in no figure or verdict;
    // marks are edits with a history; a deleted batch is kept until emptied away.
    void exclusionsDeletionAndHistory()
    {
        RecordBatch start;
        start.started = QDateTime::currentDateTime();
        start.criteria = Iso(100);
        const QString batch = m_store->BeginBatch(start, QStringLiteral("run:x"));
        QVERIFY(m_store->AppendReadings(batch, Readings({120, 40, 110})));
        QCOMPARE(m_store->Batch(batch)->verdict, InspectionVerdict::Outcome::Fail);

        QVERIFY(m_store->ExcludeReading(batch, 2, QStringLiteral("probe on a weld")));
        QVERIFY(m_store->SetReadingNote(batch, 3, QStringLiteral("edge")));
        QVERIFY(!m_store->ExcludeReading(batch, 9, QStringLiteral("none such")));
        QVERIFY(m_store->IsWritable());
        const RecordBatch judged = *m_store->Batch(batch);
        QCOMPARE(judged.verdict, InspectionVerdict::Outcome::Pass);
        QCOMPARE(judged.count, qint64(2));
        QCOMPARE(judged.mean, 115.0);
        QCOMPARE(m_store->Readings(batch).size(), 3);
        const QVector<ReadingAnnotation> marks = m_store->Marks(batch);
        QCOMPARE(marks.size(), 2);
        QVERIFY(marks.at(0).excluded);
        QCOMPARE(marks.at(0).reason, QStringLiteral("probe on a weld"));
        QCOMPARE(marks.at(1).note, QStringLiteral("edge"));

        QVERIFY(m_store->IncludeReading(batch, 2));
        QCOMPARE(m_store->Batch(batch)->verdict, InspectionVerdict::Outcome::Fail);
        QStringList edits;
        for (const HistoryEntry &entry : m_store->History(batch))
            edits << entry.what + QLatin1Char('=') + entry.newValue;
        QCOMPARE(edits,
                 QStringList({QStringLiteral("excluded 2=probe on a weld"),
                              QStringLiteral("note 3=edge"), QStringLiteral("included 2=")}));

        QVERIFY(m_store->DeleteBatch(batch));
        QVERIFY(m_store->Batches(BatchFilter()).isEmpty());
        BatchFilter deleted;
        deleted.deleted = true;
        QCOMPARE(m_store->Batches(deleted).size(), 1);
        QVERIFY(m_store->RestoreBatch(batch));
        QCOMPARE(m_store->Batches(BatchFilter()).size(), 1);
        QVERIFY(m_store->DeleteBatch(batch));
        QVERIFY(m_store->EmptyDeleted());
        QVERIFY(!m_store->Batch(batch));
        bool known = false;
        QVERIFY(m_store->BatchOfOrigin(QStringLiteral("run:x"), &known).isEmpty());
        QVERIFY(known);
    }

    void filters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("found");
        QTest::newRow("job") << "job"
                             << "Bridge" << 2;
        QTest::newRow("area") << "area"
                              << "Pier" << 1;
        QTest::newRow("verdict") << "verdict"
                                 << "fail" << 1;
        QTest::newRow("text in notes") << "text"
                                       << "RAIN" << 1;
        QTest::newRow("two words") << "text"
                                   << "bridge deck" << 1;
        QTest::newRow("since") << "since"
                               << "2026-06-01T00:00:00Z" << 2;
        QTest::newRow("until") << "until"
                               << "2026-06-01T00:00:00Z" << 1;
        QTest::newRow("inspector") << "inspector"
                                   << "B. Other" << 1;
        QTest::newRow("gauge") << "gauge"
                               << "G-2" << 1;
        QTest::newRow("words of two batches") << "text"
                                              << "bridge rain" << 0;
        QTest::newRow("nothing") << "text"
                                 << "absent" << 0;
    }

    void filters()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(int, found);
        const QString deck =
            m_store->EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Deck"), Iso(100));
        const QString pier =
            m_store->EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Pier"), Iso(100));
        QCOMPARE(m_store->EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Deck"), Iso(1)),
                 deck);
        QCOMPARE(m_store->Jobs().size(), 1);
        const QVector<std::pair<QString, double>> batches = {{deck, 120}, {pier, 50}, {{}, 130}};
        const QString gauge =
            m_store->AddGauge({{}, QStringLiteral("M9"), QStringLiteral("G-2"), {}, {}, QDate()});
        for (int i = 0; i < batches.size(); ++i) {
            RecordBatch start;
            start.areaUuid = batches.at(i).first;
            start.inspector = i == 1 ? QStringLiteral("B. Other") : QString();
            start.gaugeUuid = i == 2 ? gauge : QString();
            start.started = QDateTime(QDate(2026, 3 + 4 * i, 1), QTime(8, 0), Qt::UTC);
            start.notes = i == 2 ? QStringLiteral("rain at noon") : QString();
            start.criteria = Iso(100);
            QVERIFY(m_store->AppendReadings(m_store->BeginBatch(start),
                                            Readings({batches.at(i).second})));
        }
        BatchFilter filter;
        if (field == QLatin1String("job"))
            filter.job = value;
        else if (field == QLatin1String("area"))
            filter.area = value;
        else if (field == QLatin1String("verdict"))
            filter.verdict = InspectionVerdict::Outcome::Fail;
        else if (field == QLatin1String("text"))
            filter.text = value;
        else if (field == QLatin1String("until"))
            filter.until = QDateTime::fromString(value, Qt::ISODate);
        else if (field == QLatin1String("inspector"))
            filter.inspector = value;
        else if (field == QLatin1String("gauge"))
            filter.gaugeUuid = gauge;
        else
            filter.since = QDateTime::fromString(value, Qt::ISODate);
        QCOMPARE(m_store->Batches(filter).size(), found);
    }

    // Every earlier version of the file is brought up to the current one, its records kept.
    void migratesEveryEarlierVersion_data()
    {
        QTest::addColumn<int>("version");
        for (int version = 0; version < RecordSchema::CurrentVersion(); ++version)
            QTest::addRow("from %d", version) << version;
    }

    void migratesEveryEarlierVersion()
    {
        QFETCH(int, version);
        const QString path = m_dir->filePath(QStringLiteral("old.sqlite"));
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QCOMPARE(RecordSchema::Migrate(db, version), QString());
            QCOMPARE(RecordSchema::VersionOf(db), version);
            if (version >= 1) {
                QSqlQuery query(db);
                QVERIFY(query.exec(QStringLiteral(
                    "INSERT INTO jobs (uuid, name, created) VALUES ('j', 'Tank 3', 'now')")));
                QVERIFY(query.exec(QStringLiteral(
                    "INSERT INTO batches (uuid, source, started, criteria) VALUES "
                    "('b', 'live', '2026-01-01T00:00:00.000Z', '{\"rule\":\"none\"}')")));
                // A further evaluation the team sync left aside before.
                if (version >= 2)
                    QVERIFY(query.exec(QStringLiteral(
                        "INSERT INTO evaluations (uuid, batch_id, criteria, time, verdict) "
                        "SELECT 'e', id, '{}', '2026-01-01T00:00:00.000Z', 'none' FROM batches")));
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        RecordStore store;
        QVERIFY(store.Open(path));
        QVERIFY2(store.IsWritable(), qPrintable(store.Problem()));
        if (version >= 1) {
            QCOMPARE(store.JobNamed(QStringLiteral("Tank 3"))->uuid, QStringLiteral("j"));
            QVERIFY(store.AppendReadings(QStringLiteral("b"), Readings({80, 90})));
            QVERIFY(store.SetConditions(QStringLiteral("b"), {20, 50, 15}));
            QCOMPARE(store.Batch(QStringLiteral("b"))->count, qint64(2));
        }
        if (version >= 2) {
            const QVector<RecordStore::Change> changes = store.ChangesSince(0);
            QVERIFY(std::any_of(changes.cbegin(), changes.cend(), [](const auto &change) {
                return change.kind == QLatin1String("evaluation") && change.uuid == "e";
            }));
        }
        store.SetInspector(QStringLiteral("B"), QString());
        QVERIFY(!store.AddJob({{}, QStringLiteral("Tank 4"), {}, {}, {}, {}, {}}).isEmpty());
        QCOMPARE(store.Jobs().size(), version >= 1 ? 2 : 1);
    }

    // A file a later version wrote is shown read-only and stays exactly as it is; a file that
    // is no store, or one that cannot be made, is told with its name.
    void unusableFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("access");
        QTest::newRow("later version") << "later" << int(RecordStore::Access::ReadOnly);
        QTest::newRow("damaged") << "damaged" << int(RecordStore::Access::Closed);
        QTest::newRow("folder cannot be made") << "blocked" << int(RecordStore::Access::Closed);
    }

    void unusableFiles()
    {
        QFETCH(QString, kind);
        QFETCH(int, access);
        QString path = m_dir->filePath(QStringLiteral("other.sqlite"));
        if (kind == QLatin1String("later")) {
            RecordStore current;
            QVERIFY(current.Open(path));
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("later"));
            db.setDatabaseName(path);
            QVERIFY(db.open());
            QSqlQuery(db).exec(
                QStringLiteral("PRAGMA user_version = %1").arg(RecordSchema::CurrentVersion() + 1));
            db.close();
        } else if (kind == QLatin1String("damaged")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(8192, '\x5a'));
        } else {
            QFile blocker(m_dir->filePath(QStringLiteral("blocker")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            path = blocker.fileName() + QStringLiteral("/records.sqlite");
        }
        QSqlDatabase::removeDatabase(QStringLiteral("later"));
        const QByteArray before = FileDigest(path);
        RecordStore store;
        QCOMPARE(store.Open(path), access != int(RecordStore::Access::Closed));
        QCOMPARE(int(store.GetAccess()), access);
        QVERIFY(store.Problem().contains(path));
        QVERIFY(store.AddJob({{}, QStringLiteral("Tank"), {}, {}, {}, {}, {}}).isEmpty());
        QCOMPARE(FileDigest(path), before);
    }

    // Session files are taken in exactly once: a torn last line is left out, a second reading of
    // the same file or of a copy from another machine adds nothing, a run recorded in part gets
    // what it missed, and a file of a deleted batch does not come back.
    void takesInJournalsOnce()
    {
        const QVector<LiveRecord> run = Readings({101, 102, 103, 104, 105});
        const QString first = m_dir->filePath(QStringLiteral("Session_20261209_100000.csv"));
        WriteJournal(first, run, "6,2026-12-09T10:00:01.5");
        const QString copy = m_dir->filePath(QStringLiteral("copied/Session_20261209_100000.csv"));
        QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
        QVERIFY(QFile::copy(first, copy));
        const QVector<LiveRecord> partial = Readings({201, 202, 203, 204});
        const QString cut = m_dir->filePath(QStringLiteral("Session_20261209_110000.csv"));
        WriteJournal(cut, partial, QByteArray());
        RecordBatch live;
        live.started = partial.first().arrival;
        const QString liveBatch = m_store->BeginBatch(live, BatchOrigin::OfRun(partial.first()));
        QVERIFY(m_store->AppendReadings(liveBatch, partial.mid(0, 2)));

        JournalIntake::Result result =
            JournalIntake::TakeIn(*m_store, {first, copy, cut, first}, Iso(100));
        QCOMPARE(result.problems, QStringList());
        QCOMPARE(result.batchesMade, 1);
        QCOMPARE(result.readingsAdded, qint64(5 + 2));
        QCOMPARE(m_store->Batches(BatchFilter()).size(), 2);
        const QString taken = m_store->BatchOfOrigin(BatchOrigin::OfRun(run.first()));
        const QVector<LiveRecord> stored = m_store->Readings(taken);
        QCOMPARE(stored.size(), 5);
        QCOMPARE(SessionCsv::Line(stored.last()), SessionCsv::Line(run.last()));
        QCOMPARE(m_store->Batch(taken)->criteria, Iso(100));
        QCOMPARE(m_store->Batch(taken)->ended, run.last().arrival);
        QCOMPARE(m_store->Readings(liveBatch).size(), 4);

        QVERIFY(m_store->DeleteBatch(taken));
        QVERIFY(m_store->EmptyDeleted());
        const QString again = m_dir->filePath(QStringLiteral("again.csv"));
        QVERIFY(QFile::copy(first, again));
        result = JournalIntake::TakeIn(
            *m_store, {again, m_dir->filePath(QStringLiteral("missing.csv"))}, Iso(1));
        QCOMPARE(result.batchesMade, 0);
        QCOMPARE(result.readingsAdded, qint64(0));
        QCOMPARE(result.problems.size(), 1);
        QCOMPARE(m_store->Batches(BatchFilter()).size(), 1);
    }

    // A download is kept as one batch per group that holds readings, once, whatever the number
    // of times it is handed in.
    void downloadsBecomeBatches()
    {
        QMap<int, QList<LogRecord>> frames;
        frames[0] = {{0, 1.0f}};
        frames[1] = {{0, 100.0f}, {0, 120.0f}};
        frames[3] = {{1, 254.0f}};
        const MemoryDownload download(frames, QDateTime::currentDateTime(),
                                      QStringLiteral("ttyUSB0"));
        const QStringList batches = DownloadIntake::TakeIn(*m_store, download, {}, {}, Iso(100));
        QCOMPARE(batches.size(), 2);
        QCOMPARE(DownloadIntake::TakeIn(*m_store, download, {}, {}, Iso(1)), batches);
        QCOMPARE(m_store->Batches(BatchFilter()).size(), 2);
        const RecordBatch first = *m_store->Batch(batches.at(0));
        QCOMPARE(first.source, RecordBatch::Source::Download);
        QCOMPARE(first.count, qint64(2));
        QCOMPARE(first.verdict, InspectionVerdict::Outcome::Pass);
        QCOMPARE(m_store->Batch(batches.at(1))->unitCode, 1);
    }

    // Conditions give the dew point by the Magnus formula and flag a small margin; a batch
    // shows the verifications of its gauge nearest before and after it.
    void conditionsAndVerifications()
    {
        const RecordConditions humid{20, 80, 18};
        QVERIFY(qAbs(humid.DewPointCelsius() - 16.44) < 0.01);
        QVERIFY(humid.IsMarginLow());
        const RecordConditions dry{20, 50, 20};
        QVERIFY(qAbs(dry.DewPointCelsius() - 9.26) < 0.01);
        QVERIFY(!dry.IsMarginLow());

        const QString gauge = m_store->AddGauge({{},
                                                 QStringLiteral("M7"),
                                                 QStringLiteral("G-1"),
                                                 QStringLiteral("P-1"),
                                                 QStringLiteral("C-9"),
                                                 QDate(2026, 1, 31)});
        const QString other =
            m_store->AddGauge({{}, QStringLiteral("M7"), QStringLiteral("G-2"), {}, {}, QDate()});
        QVERIFY(m_store->Gauge(gauge)->IsOverdue(QDate(2026, 2, 1)));
        QVERIFY(!m_store->Gauge(other)->IsOverdue(QDate(2026, 2, 1)));
        const QDateTime noon(QDate(2026, 12, 9), QTime(12, 0), Qt::UTC);
        auto verify = [&](const QString &on, int minutes, double mean) {
            RecordVerification verification;
            verification.gaugeUuid = on;
            verification.time = noon.addSecs(60 * minutes);
            verification.nominal = 250;
            verification.tolerancePercent = 2;
            verification.readings = {mean - 1, mean + 1};
            return m_store->AddVerification(verification);
        };
        verify(gauge, -120, 250);
        const QString before = verify(gauge, -30, 256);
        verify(other, -10, 250);
        const QString after = verify(gauge, 90, 250);
        verify(gauge, 200, 250);
        RecordBatch start;
        start.started = noon;
        start.gaugeUuid = gauge;
        const QString batch = m_store->BeginBatch(start);
        QVERIFY(m_store->EndBatch(batch, noon.addSecs(3600)));
        QVERIFY(m_store->SetConditions(batch, humid));
        QCOMPARE(m_store->Conditions(batch)->surfaceCelsius, 18.0);
        const auto around = m_store->VerificationsAround(batch);
        QCOMPARE(around.first->uuid, before);
        QVERIFY(!around.first->Passed());
        QCOMPARE(around.second->uuid, after);
        QVERIFY(around.second->Passed());
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<RecordStore> m_store;
};

QTEST_GUILESS_MAIN(TstRecordStore)
#include "TstRecordStore.moc"

#include "GaugeSim.h"
#include "KesLog.h"
#include "LiveReading.h"
#include "ProcessUser.h"
#include "ScratchMounts.h"
#include "SessionFile.h"
#include "SessionJournal.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
const QByteArray OtherContent("someone else's file\n");

// A run's readings and its journal, appended to as the session appends.
struct Run
{
    QVector<LiveRecord> records;
    SessionJournal journal;

    void Append(int count)
    {
        QVector<LiveRecord> batch;
        for (int i = 0; i < count; ++i) {
            const qint64 index = records.size() + batch.size() + 1;
            const LiveReading reading = *LiveReading::Decode(GaugeSim::LiveFrame(0, 40.0f + index));
            batch.append(LiveRecord::FromReading(reading, index, QDateTime::currentDateTime()));
        }
        records += batch;
        journal.Append(batch);
    }
};

QVector<float> Values(const QVector<LiveRecord> &records)
{
    QVector<float> values;
    for (const LiveRecord &record : records)
        values.append(record.micrometres);
    return values;
}
} // namespace

// The journal on real files and real file systems: its file taken away behind its back, a
// disk that fills up, a read-only disk and a folder it may not write.
class TstSessionJournal : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { KesLog::Instance(); }

    void lostFileIsMadeAgain_data()
    {
        QTest::addColumn<QString>("loss");
        QTest::newRow("folder deleted") << "folder";
        QTest::newRow("file deleted") << "file";
        QTest::newRow("file replaced") << "replaced";
    }
    void lostFileIsMadeAgain()
    {
        QFETCH(QString, loss);
        QTemporaryDir dir;
        Run run;
        QSignalSpy remade(&run.journal, &SessionJournal::FileRemade);
        QSignalSpy failed(&run.journal, &SessionJournal::WriteFailed);
        QVERIFY(run.journal.Begin(dir.path(), QDateTime::currentDateTime(), &run.records));
        const QString first = run.journal.FilePath();
        run.Append(50);
        if (loss == QLatin1String("folder")) {
            QVERIFY(QDir(SessionJournal::SessionsFolder(dir.path())).removeRecursively());
        } else {
            QVERIFY(QFile::remove(first));
            QFile other(first);
            if (loss == QLatin1String("replaced"))
                QVERIFY(other.open(QIODevice::WriteOnly) && other.write(OtherContent) > 0);
        }
        run.Append(50);
        // Noticed at the next sync, while the run goes on.
        QTRY_COMPARE_WITH_TIMEOUT(remade.count(), 1, 3000);
        QCOMPARE(remade.first().first().toString(), run.journal.FilePath());
        QCOMPARE(Values(SessionFile::Read(run.journal.FilePath()).records), Values(run.records));
        run.Append(1);
        run.journal.End();
        const SessionFile file = SessionFile::Read(run.journal.FilePath());
        QCOMPARE(file.skippedLines, 0);
        QCOMPARE(Values(file.records), Values(run.records));
        QCOMPARE(remade.count(), 1);
        QCOMPARE(failed.count(), 0);
        if (loss == QLatin1String("replaced")) {
            QVERIFY(run.journal.FilePath() != first);
            QFile other(first);
            QVERIFY(other.open(QIODevice::ReadOnly));
            QCOMPARE(other.readAll(), OtherContent);
        } else {
            QCOMPARE(run.journal.FilePath(), first);
        }
    }

    void failureNamesItsCause_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("reason");
        QTest::newRow("full disk") << "full"
                                   << "no space is left on the disk";
        QTest::newRow("read-only disk") << "read-only"
                                        << "the disk is read-only";
        QTest::newRow("no permission") << "permission"
                                       << "permission is denied";
    }
    void failureNamesItsCause()
    {
        QFETCH(QString, cause);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString save = dir.filePath(QStringLiteral("save"));
        const QString source = dir.filePath(QStringLiteral("source"));
        QVERIFY(QDir().mkpath(save) && QDir().mkpath(source));
        std::optional<ScratchMount> mount;
        if (cause == QLatin1String("full")) {
            mount.emplace(save, 64);
            if (!mount->IsMounted())
                QSKIP("a tmpfs cannot be mounted here");
            QVERIFY(mount->FillLeaving(8 * 1024));
        } else if (cause == QLatin1String("read-only")) {
            mount.emplace(save, 0, source);
            if (!mount->IsMounted())
                QSKIP("a read-only view cannot be mounted here");
        } else {
            QVERIFY(QFile::setPermissions(save, QFile::ReadOwner | QFile::ExeOwner));
        }

        Run run;
        QSignalSpy failed(&run.journal, &SessionJournal::WriteFailed);
#ifdef Q_OS_UNIX
        // Root may write anywhere: the run is begun as an ordinary user.
        const bool asUser = cause == QLatin1String("permission") && RunsAsRoot();
        QVERIFY(!asUser || seteuid(65534) == 0);
#endif
        const bool begun = run.journal.Begin(save, QDateTime::currentDateTime(), &run.records);
#ifdef Q_OS_UNIX
        QVERIFY(!asUser || seteuid(0) == 0);
#endif
        for (int batch = 0; begun && failed.isEmpty() && batch < 100; ++batch)
            run.Append(20);
        run.journal.End();
        QCOMPARE(failed.count(), 1);
        const QString told = failed.first().at(1).toString();
        QVERIFY2(told.contains(reason), qPrintable(told));
        if (cause == QLatin1String("full")) {
            // What did go in is whole lines, every one a reading of the run.
            const SessionFile file = SessionFile::Read(run.journal.FilePath());
            QCOMPARE(file.skippedLines, 0);
            QVERIFY(!file.records.isEmpty() && file.records.size() < run.records.size());
            QCOMPARE(Values(file.records), Values(run.records.mid(0, file.records.size())));
        }
    }
};

QTEST_GUILESS_MAIN(TstSessionJournal)
#include "TstSessionJournal.moc"

#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveRecorder.h"
#include "RecordStore.h"
#include "StartupSteps.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
// What a batch must hold after a run: the session's readings, each once, in order.
void CompareReadings(const QVector<LiveRecord> &stored, const QVector<LiveRecord> &session)
{
    QCOMPARE(stored.size(), session.size());
    for (int i = 0; i < stored.size(); ++i) {
        QCOMPARE(stored.at(i).index, session.at(i).index);
        QCOMPARE(stored.at(i).valueText, session.at(i).valueText);
        QCOMPARE(stored.at(i).status, session.at(i).status);
        QCOMPARE(stored.at(i).arrival, session.at(i).arrival);
    }
}
} // namespace

// Live runs of a journalled session, gathered into the store on the recorder's own thread,
// against the simulated gauge.
class TstLiveRecorder : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        StartupSteps::RegisterSerialMetaTypes();
    }

    // A stop, a lost port picked up again and a window closing mid-run each leave every reading
    // of the run in its batch exactly once, with the figures summed up right even when a
    // reading was excluded on the window's own connection while the run went on.
    void gatheredRunsLoseNothing()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        KesConfig::Instance()->SetConfigFile(dir.filePath(QStringLiteral("config.ini")));
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), dir.path());
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        gauge->SetValues({101.0f, 102.5f, 99.0f, 140.0f});
        gauge->SetOverflowEvery(5);
        gauge->SetPeriodMs(20);
        KesSerialPort channel;
        QVERIFY(channel.Open(gauge->PortName()));
        GaugeSession session(&channel);
        session.PortOpened();
        RecordStore store;
        QVERIFY(store.Open(dir.filePath(QStringLiteral("records.sqlite"))));
        auto recorder =
            std::make_unique<LiveRecorder>(&store, &session, RecordWriter::Where::Aside);
        QSignalSpy ended(recorder.get(), &LiveRecorder::BatchEnded);
        QSignalSpy failed(recorder.get(), &LiveRecorder::StoreFailed);

        session.StartLive();
        QTRY_VERIFY_WITH_TIMEOUT(!recorder->BatchUuid().isEmpty(), 10000);
        const QString stopped = recorder->BatchUuid();
        QTRY_VERIFY_WITH_TIMEOUT(store.LastIndex(stopped) >= 2, 10000);
        QVERIFY(store.ExcludeReading(stopped, 2, QStringLiteral("on a weld")));
        QTRY_VERIFY_WITH_TIMEOUT(session.Records().size() >= 40, 10000);
        session.StopLive();
        QVERIFY(ended.wait(10000));
        QCOMPARE(ended.takeFirst().at(0).toString(), stopped);
        const QVector<LiveRecord> first = session.Records();
        CompareReadings(store.Readings(stopped), first);
        const qint64 overflows = std::count_if(first.cbegin(), first.cend(), [](const auto &r) {
            return r.status == LiveRecord::Status::Overflow;
        });
        QVERIFY(overflows > 0 && first.at(1).HasValue());
        const std::optional<RecordBatch> batch = store.Batch(stopped);
        QCOMPARE(batch->overflows, overflows);
        QCOMPARE(batch->count, first.size() - overflows - 1);
        QVERIFY(batch->ended.isValid());

        session.StartLive();
        QTRY_VERIFY_WITH_TIMEOUT(session.Records().size() >= 10, 10000);
        session.DeviceLost();
        QVERIFY(!session.AwaitedPort().isEmpty());
        const QString lost = recorder->BatchUuid();
        QVERIFY(lost != stopped);
        QTRY_COMPARE_WITH_TIMEOUT(store.LastIndex(lost), qint64(session.Records().size()), 10000);
        session.Resume();
        QTRY_VERIFY_WITH_TIMEOUT(session.Records().size() >= 30, 10000);
        // As the window closes: the run ends and the recorder goes before anything more runs.
        session.Shutdown();
        recorder.reset();
        CompareReadings(store.Readings(lost), session.Records());
        QVERIFY(store.Batch(lost)->ended.isValid());
        QCOMPARE(store.Batches(BatchFilter()).size(), 2);
        QCOMPARE(failed.size(), 0);
    }
};

QTEST_MAIN(TstLiveRecorder)
#include "TstLiveRecorder.moc"

#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "LiveReading.h"
#include "QueuedSignalRecorder.h"
#include "SessionCsv.h"
#include "SessionFile.h"
#include "StartupSteps.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <random>

namespace {
const QByteArray StopStop("\xF0\xF0");
const QByteArray StartStart("\xF1\xF1");

int LineCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().count('\n');
}
} // namespace

// A live run on the real channel against the simulated gauge, without a window.
class TstGaugeSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        StartupSteps::RegisterSerialMetaTypes();
    }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        KesConfig::Instance()->SetConfigFile(m_dir->filePath(QStringLiteral("config.ini")));
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), m_dir->path());
        m_gauge = std::make_unique<GaugeSimThread>();
        QVERIFY(m_gauge->IsOpen());
        m_gauge->Sim()->SetPeriodMs(24 * 3600 * 1000);
        m_channel = std::make_unique<KesSerialPort>();
        m_session = std::make_unique<GaugeSession>(m_channel.get());
        QVERIFY(m_channel->Open(m_gauge->Sim()->PortName()));
        m_session->PortOpened();
    }

    void cleanup()
    {
        m_session.reset();
        m_channel.reset();
        m_gauge.reset();
        m_dir.reset();
    }

    // Every reading is in the file, with what the gauge sent, before the next one arrives.
    void journalHoldsEveryReadingAsItArrives()
    {
        QVector<int> linesSeen;
        connect(m_session.get(), &GaugeSession::ReadingReceived, this,
                [&] { linesSeen.append(LineCount(m_session->JournalPath())); });
        QueuedSignalRecorder sent(m_gauge->Sim(), &GaugeSim::LiveFrameSent);
        m_gauge->Sim()->SetValues({50.0f, 123.4f, 2500.0f, -100.0f, 99.95f});
        m_gauge->Sim()->SetOverflowEvery(0);
        m_gauge->Sim()->SetPeriodMs(15);
        m_session->StartLive();
        QTRY_VERIFY_WITH_TIMEOUT(linesSeen.size() >= 30, 10000);
        m_session->StopLive();
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StopStop));
        // The gauge may send a frame or two more before the stop reaches it; those are not read.
        QTRY_VERIFY(sent.Count() >= m_session->Records().size());

        // The header and every reading so far (those of one block are written together).
        for (int i = 0; i < linesSeen.size(); ++i)
            QVERIFY2(linesSeen.at(i) >= i + 2, qPrintable(QString::number(i)));
        const SessionFile file = SessionFile::Read(m_session->JournalPath());
        QCOMPARE(file.skippedLines, 0);
        QCOMPARE(file.records.size(), m_session->Records().size());
        for (int i = 0; i < file.records.size(); ++i) {
            const LiveReading reading = *LiveReading::Decode(sent.At(i).at(0).toByteArray());
            const LiveRecord &record = file.records.at(i);
            QCOMPARE(record.index, qint64(i + 1));
            QCOMPARE(record.micrometres, reading.Micrometres());
            QCOMPARE(record.valueText, reading.IsOverflow() ? QString() : reading.ValueText());
            QCOMPARE(record.status,
                     reading.IsOverflow() ? LiveRecord::Status::Overflow : LiveRecord::Status::Ok);
        }
    }

    void twoRunsGiveTwoFiles()
    {
        m_session->StartLive();
        const QString first = m_session->JournalPath();
        m_session->StopLive();
        m_session->StartLive();
        const QString second = m_session->JournalPath();
        m_session->StopLive();
        QVERIFY(first != second);
        QCOMPARE(SessionFile::List(m_dir->path()).size(), 2);
        QCOMPARE(LineCount(first), 1);
        QCOMPARE(LineCount(second), 1);
    }

    // The sessions folder cannot be made (a file stands in its place): told once, and the
    // readings still arrive and are kept.
    void unwritableFolderIsToldOnce()
    {
        QFile blocker(m_dir->filePath(QStringLiteral("Sessions")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSignalSpy failures(m_session.get(), &GaugeSession::JournalFailed);
        QSignalSpy readings(m_session.get(), &GaugeSession::ReadingReceived);
        m_session->StartLive();
        for (int i = 0; i < 3; ++i)
            m_gauge->Sim()->WriteBytes(GaugeSim::LiveFrame(0, 100.0f + i));
        QTRY_COMPARE(readings.count(), 3);
        QCOMPARE(failures.count(), 1);
        QVERIFY(failures.at(0).at(0).toString().contains(QStringLiteral("Sessions")));
        QVERIFY(!failures.at(0).at(1).toString().isEmpty());
        QCOMPARE(m_session->Records().size(), 3);
        QVERIFY(m_session->RunUnsaved());
    }

    // Frames the gauge sent while no run was on are not readings of the next run.
    void bytesWhileStoppedAreNotKept()
    {
        QByteArray stale;
        for (int i = 0; i < 1200; ++i)
            stale += GaugeSim::LiveFrame(0, 77.0f);
        m_gauge->Sim()->WriteBytes(stale);
        // The port takes in what it may keep, the rest waits in the terminal.
        QTRY_VERIFY(m_channel->SerialPort()->bytesAvailable() >= GaugeSession::IdleReadBufferBytes);
        m_session->StartLive();
        m_gauge->Sim()->WriteBytes(GaugeSim::LiveFrame(0, 120.0f) + GaugeSim::LiveFrame(0, 121.0f));
        QTRY_COMPARE(m_session->Records().size(), 2);
        QCOMPARE(m_session->Records().at(0).micrometres, 120.0f);
        QCOMPARE(m_session->Records().at(1).micrometres, 121.0f);
    }

    // At the line rate, cut anywhere, with garbage between some frames: every frame sent is
    // read once, in order, and nothing else.
    void framesCutAnywhereAtTheLineRate()
    {
        std::mt19937 random(12);
        QByteArray line;
        QVector<float> sent;
        for (int i = 0; i < 300; ++i) {
            if (i > 0 && random() % 5 == 0) {
                for (int k = 1 + random() % 7; k > 0; --k)
                    line += static_cast<char>(0x02 + random() % 0xF0);
            }
            const float value = 10.0f + static_cast<float>(random() % 20000) / 10.0f;
            sent.append(value);
            line += GaugeSim::LiveFrame(static_cast<quint8>(random() % 3), value);
        }
        m_gauge->Sim()->SetLineRate(GaugeSim::LineRate9600_8O1);
        m_session->StartLive();
        for (int at = 0; at < line.size();) {
            const int size = 1 + static_cast<int>(random() % 40);
            m_gauge->Sim()->WriteBytes(line.mid(at, size));
            at += size;
        }
        // A last frame marks the end: nothing may come between the others and it.
        sent.append(42.0f);
        m_gauge->Sim()->WriteBytes(GaugeSim::LiveFrame(0, 42.0f));
        QTRY_VERIFY_WITH_TIMEOUT(!m_session->Records().isEmpty() &&
                                     m_session->Records().last().micrometres == 42.0f,
                                 20000);
        QCOMPARE(m_session->Records().size(), sent.size());
        for (int i = 0; i < sent.size(); ++i)
            QCOMPARE(m_session->Records().at(i).micrometres, sent.at(i));
    }

    void burstIsTakenWhole_data()
    {
        QTest::addColumn<bool>("stopAtFirstReading");
        QTest::newRow("whole burst") << false;
        QTest::newRow("stopped at the first reading") << true;
    }

    // A gauge emptying its memory: ten thousand frames in one write are all recorded, journaled
    // and announced, in order. A run stopped in the middle keeps every frame that had arrived.
    void burstIsTakenWhole()
    {
        QFETCH(bool, stopAtFirstReading);
        const int burst = 10000;
        QByteArray bytes;
        for (int i = 0; i < burst; ++i)
            bytes += GaugeSim::LiveFrame(0, GaugeSim::DefaultValue(i));
        QVector<float> announced;
        connect(m_session.get(), &GaugeSession::ReadingReceived, this,
                [&](const LiveReading &reading, const LiveRecord &record) {
                    QCOMPARE(record.index, qint64(announced.size() + 1));
                    announced.append(reading.Micrometres());
                    if (stopAtFirstReading)
                        m_session->StopLive();
                });
        m_session->StartLive();
        m_gauge->Sim()->WriteBytes(bytes);
        if (stopAtFirstReading)
            QTRY_VERIFY(!announced.isEmpty());
        else
            QTRY_COMPARE_WITH_TIMEOUT(announced.size(), burst, 60000);
        const int recorded = m_session->Records().size();
        QTRY_COMPARE(announced.size(), recorded);
        // Stopped at once: more than the first reading had arrived, and the gauge read no more.
        QVERIFY(recorded > 1);
        QCOMPARE(LineCount(m_session->JournalPath()), recorded + 1);
        const SessionFile file = SessionFile::Read(m_session->JournalPath());
        QCOMPARE(file.records.size(), recorded);
        for (int i = 0; i < recorded; ++i) {
            QCOMPARE(announced.at(i), GaugeSim::DefaultValue(i));
            QCOMPARE(file.records.at(i).micrometres, GaugeSim::DefaultValue(i));
        }
    }

    void shutdownStopsTheGaugeAndClosesTheFile()
    {
        m_session->StartLive();
        m_gauge->Sim()->WriteBytes(GaugeSim::LiveFrame(1, 254.0f));
        QTRY_COMPARE(m_session->Records().size(), 1);
        const QString path = m_session->JournalPath();
        m_session.reset();
        QTRY_VERIFY(m_gauge->Sim()->Received().endsWith(StartStart + StopStop));
        const SessionFile file = SessionFile::Read(path);
        QCOMPARE(file.records.size(), 1);
        QCOMPARE(file.records.first().valueText, QStringLiteral("10.00"));
        QCOMPARE(file.records.first().UnitText(), QStringLiteral("mils"));
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<GaugeSimThread> m_gauge;
    std::unique_ptr<KesSerialPort> m_channel;
    std::unique_ptr<GaugeSession> m_session;
};

QTEST_GUILESS_MAIN(TstGaugeSession)
#include "TstGaugeSession.moc"

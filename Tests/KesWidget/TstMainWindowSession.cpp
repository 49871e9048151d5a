#include "MainWindowWorkflow.h"

#include "GaugeUnit.h"
#include "InspectionSettings.h"
#include "LiveReading.h"
#include "NoticeBar.h"
#include "SessionFile.h"

#include <csignal>

namespace {
const QByteArray StopStop("\xF0\xF0");
const QByteArray StartStart("\xF1\xF1");
const ShownMessage Disconnected{DialogWindow::DevDisconnect, "Device disconnected!"};
const ShownMessage Reconnected{DialogWindow::Warning, "The device is connected again."};

QByteArray Frame(float micrometres)
{
    return GaugeSim::LiveFrame(0, micrometres);
}
} // namespace

// The live run behind the window: its file, the device lost and found again, the window closed.
class TstMainWindowSession : public WorkflowTestBase
{
    Q_OBJECT

private slots:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        Init();
        GaugeSession::SetReconnectEnabled(true);
        QVERIFY(m_linkDir.isValid());
        m_link = m_linkDir.filePath(QStringLiteral("gauge"));
        QVERIFY(m_gauge->Sim()->MakeLink(m_link));
    }
    void cleanup()
    {
        Cleanup();
        QDir(SessionsFolder()).removeRecursively();
    }

    void reconnectGoesOnInTheSameFile();
    void reconnectTurnedOffOnlyListsThePort();
    void closeBeforeTheReturnEndsTheRun();
    void reconnectedRunIsOneSeries();
    void closingTheWindowStopsTheGauge();
    void endSignalStopsTheGauge_data();
    void endSignalStopsTheGauge();
    void unwritableSessionsFolderIsToldOnce();
    void burstIsShownAndJournaledWhole();

private:
    QString SessionsFolder() const { return SessionJournal::SessionsFolder(m_configDir.path()); }
    QVector<float> Journaled() const
    {
        const QStringList files = SessionFile::List(m_configDir.path());
        QVector<float> values;
        if (files.size() != 1)
            return values;
        for (const LiveRecord &record : SessionFile::Read(files.first()).records)
            values.append(record.micrometres);
        return values;
    }
    // Opens the gauge through its link, as a port named on the command line, and streams.
    void StreamThroughLink()
    {
        m_gauge->Sim()->SetPeriodMs(24 * 3600 * 1000);
        m_window->On_UpdateSerial(QList<QString>{m_link}, QList<QString>());
        Click("OpenSerialButton");
        Click("RealStartButton");
        QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart);
        Deliver(Frame(120.0f));
    }
    // Pulls the cable: the window sees the line die and discovery lose the port.
    void Unplug()
    {
        m_gauge->Sim()->Unplug();
        QTRY_COMPARE(m_messages->Shown(), QList<ShownMessage>{Disconnected});
        m_window->On_UpdateSerial(QList<QString>(), QList<QString>{m_link});
        VerifyClosedLook();
    }
    // Plugs it back: a new terminal behind the same name, listed again.
    void PlugBack()
    {
        m_gauge->Sim()->ClearReceived();
        QVERIFY(m_gauge->Sim()->Open());
        m_window->On_UpdateSerial(QList<QString>{m_link}, QList<QString>());
    }

    QTemporaryDir m_linkDir;
    QString m_link;
};

void TstMainWindowSession::reconnectGoesOnInTheSameFile()
{
    StreamThroughLink();
    Unplug();
    PlugBack();
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart);
    QTRY_VERIFY(m_messages->Shown().contains(Reconnected));
    QCOMPARE(Text("RealStartButton"), QStringLiteral("Stop"));
    QCOMPARE(Text("OpenSerialButton"), QStringLiteral("Close"));
    Deliver(Frame(130.0f));
    QCOMPARE(Text("RealDataLabel"), QStringLiteral("130 um"));
    QCOMPARE(Journaled(), (QVector<float>{120.0f, 130.0f}));
}

void TstMainWindowSession::reconnectTurnedOffOnlyListsThePort()
{
    GaugeSession::SetReconnectEnabled(false);
    StreamThroughLink();
    Unplug();
    PlugBack();
    QTRY_COMPARE(Child<QComboBox>("SerialPortBox")->findText(m_link), 0);
    VerifyClosedLook();
    QCOMPARE(m_gauge->Sim()->Received(), QByteArray());
    QCOMPARE(Journaled(), QVector<float>{120.0f});
}

// Opening the port by hand in between takes it out of the run's hands.
void TstMainWindowSession::closeBeforeTheReturnEndsTheRun()
{
    StreamThroughLink();
    Unplug();
    Click("OpenSerialButton"); // nothing there to open yet
    PlugBack();
    QTRY_COMPARE(Child<QComboBox>("SerialPortBox")->findText(m_link), 0);
    QVERIFY(!m_window->findChild<KesSerialPort *>()->IsOpen());
    QCOMPARE(m_gauge->Sim()->Received(), QByteArray());
}

// Judged as one series on the strip, in the file and in the report alike.
void TstMainWindowSession::reconnectedRunIsOneSeries()
{
    const InspectionCriteria before = InspectionSettings::Load();
    InspectionSettings::Save(
        {InspectionCriteria::Rule::Iso19840, GaugeUnit::Micrometres, 100, 80, 150});
    // A window that reads the rule from the settings.
    m_window = std::make_unique<MainWindow>();
    InspectionSettings::Save(before);
    m_window->show();
    m_chunks = std::make_unique<QueuedSignalRecorder>(m_window->findChild<KesSerialPort *>(),
                                                      &KesSerialPort::ReadSerialPort);
    const auto deliver = [this](float micrometres) {
        QByteArray frames;
        for (int i = 0; i < 20; ++i)
            frames += Frame(micrometres);
        Deliver(frames);
    };
    StreamThroughLink();
    deliver(50.0f);
    Unplug();
    PlugBack();
    QTRY_VERIFY(m_messages->Shown().contains(Reconnected));
    deliver(110.0f);
    QCOMPARE(Text("CountValue"), QStringLiteral("41"));
    QCOMPARE(Text("VerdictLabel"), QStringLiteral("Fail"));
    QCOMPARE(Journaled().size(), 41);
}

void TstMainWindowSession::closingTheWindowStopsTheGauge()
{
    StreamThroughLink();
    m_window.reset();
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop);
    QCOMPARE(Journaled(), QVector<float>{120.0f});
}

// Ended as the window is closed: the event loop returns, and the window stops the gauge.
void TstMainWindowSession::endSignalStopsTheGauge_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
#ifdef SIGHUP
    QTest::newRow("SIGHUP") << int(SIGHUP);
#endif
}
void TstMainWindowSession::endSignalStopsTheGauge()
{
#ifndef Q_OS_UNIX
    QSKIP("signals to a process are a Unix matter");
#else
    QFETCH(int, signalNumber);
    StreamThroughLink();
    QObject owner;
    StartupSteps::EndOnSignals(&owner);
    QTimer::singleShot(0, [signalNumber] { std::raise(signalNumber); });
    QCOMPARE(QCoreApplication::exec(), 0);
    m_window.reset();
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop);
    QCOMPARE(Journaled(), QVector<float>{120.0f});
#endif
}

// Told on a bar on the page that covers nothing: the first click on Stop stops.
void TstMainWindowSession::unwritableSessionsFolderIsToldOnce()
{
    QFile blocker(SessionsFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    StreamThroughLink();
    Deliver(Frame(121.0f));
    QCOMPARE(Text("RealDataLabel"), QStringLiteral("121 um"));
    QCOMPARE(m_messages->OnPage(DialogWindow::Warning), QList<ShownMessage>());
    QVERIFY(!MessageRecorder::Visible());
    auto *notice = m_window->findChild<NoticeBar *>(QStringLiteral("NoticeBar"));
    QVERIFY(notice && notice->isVisible());
    QVERIFY2(notice->Text().contains(QDir::toNativeSeparators(SessionsFolder())),
             qPrintable(notice->Text()));
    QVERIFY2(notice->Text().contains(QStringLiteral("a file of that name is in the way")),
             qPrintable(notice->Text()));
    Click("RealStartButton");
    QCOMPARE(Text("RealStartButton"), QStringLiteral("Start"));
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop);
    QVERIFY(blocker.remove());
}

// A gauge emptying its memory in one block: every reading shown and journaled, in order.
void TstMainWindowSession::burstIsShownAndJournaledWhole()
{
    StreamThroughLink();
    const int burst = 10000;
    QVector<float> sent{120.0f}, shown{120.0f};
    QByteArray bytes;
    for (int i = 0; i < burst; ++i) {
        const QByteArray frame = Frame(GaugeSim::DefaultValue(i));
        sent.append(GaugeSim::DefaultValue(i));
        shown.append(LiveReading::Decode(frame)->ChartValue());
        bytes += frame;
    }
    m_gauge->Sim()->WriteBytes(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(LineChartValues().size(), burst + 1, 60000);
    QCOMPARE(LineChartValues(), shown);
    // The 10 001st reading has the last page of the list to itself.
    QVERIFY(!Text("RealDataLabel").isEmpty());
    QCOMPARE(Text("RealDataListWidget/Data1"), Text("RealDataLabel"));
    Click("RealStartButton");
    QCOMPARE(Journaled(), sent);
}

QTEST_MAIN(TstMainWindowSession)
#include "TstMainWindowSession.moc"

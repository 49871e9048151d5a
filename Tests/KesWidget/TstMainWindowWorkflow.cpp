#include "MainWindowWorkflow.h"

#include "MonitorSerial.h"
#include "SerialDevFilter.h"

#include <qcustomplot.h>

namespace {
const QByteArray StopStop("\xF0\xF0");
const QByteArray StartStart("\xF1\xF1");

QByteArray Frame(quint8 unit, float micrometres)
{
    return GaugeSim::LiveFrame(unit, micrometres);
}
} // namespace

// Opening, live streaming and losing the gauge, as a user does it.
class TstMainWindowWorkflow : public WorkflowTestBase
{
    Q_OBJECT

private slots:
    void initTestCase() { InitTestCase(); }
    void init() { Init(); }
    void cleanup() { Cleanup(); }

    void openSendsTwoStopsThenStartTwoStarts();
    void failedOpenReturnsToClosedLook();
    void liveFrameIsDecoded_data();
    void liveFrameIsDecoded();
    void unitChangeStartsNewSeries();
    void stopSendsTwoStopsAndEmptiesList();
    void chunksAreReassembled_data();
    void chunksAreReassembled();
    void chunkWhileIdleIsDropped();
    void refusedActionsShowAWarning_data();
    void refusedActionsShowAWarning();
    void closeWhileStreamingThenReopen();
    void unpluggedGaugeClosesEverything();
    void removalOfOpenPortClosesEverything_data();
    void removalOfOpenPortClosesEverything();
    void reportRemovesEveryNamedPort();
    void userNamedPortFollowsDiscovery();

private:
    // The entries of the reading list's page (the tests keep to fewer than ten readings).
    QStringList ListEntries() const
    {
        QStringList entries;
        for (int row = 1; row <= 10; ++row) {
            const QString text = Text(qPrintable(QStringLiteral("Data%1").arg(row)));
            if (!text.isEmpty())
                entries.append(text);
        }
        return entries;
    }
    bool ChartsShown() const
    {
        const QString line = Child<QStackedWidget>("RealTimeLineChartFuncWidget/Stacked")
                                 ->currentWidget()
                                 ->objectName();
        const QString bars = Child<QStackedWidget>("RealTimeHistogramFuncWidget/Stacked")
                                 ->currentWidget()
                                 ->objectName();
        if (line != bars)
            qFatal("the charts show different pages: %s, %s", qPrintable(line), qPrintable(bars));
        return line == QLatin1String("ShowState");
    }
};

void TstMainWindowWorkflow::openSendsTwoStopsThenStartTwoStarts()
{
    OpenGauge();
    QCOMPARE(Text("OpenSerialButton"), QStringLiteral("Close"));
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Open"));
    QVERIFY(!Child<QComboBox>("SerialPortBox")->isEnabled());

    Click("RealStartButton");
    // Nothing was sent between the two pairs.
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart);
    QCOMPARE(Text("RealStartButton"), QStringLiteral("Stop"));
    QCOMPARE(State("RealStartButton"), QStringLiteral("Open"));
    QVERIFY(!Child<QComboBox>("SerialPortBox")->isEnabled());
    QCOMPARE(Text("RealDataLabel"), QStringLiteral("------"));
    QCOMPARE(Child<QStackedWidget>("RealTimeStackedWidget")->currentIndex(), 0);
    QVERIFY(!ChartsShown());
    QCOMPARE(Text("RealTimeHistogramFuncWidget/HideState/NotRealTimeDataLabel"),
             QStringLiteral("There is no data!"));
    QCOMPARE(Text("RealTimeLineChartFuncWidget/HideState/NotRealTimeDataLabel"),
             QStringLiteral("There is no data!"));
    QVERIFY(m_messages->Shown().isEmpty());
}

void TstMainWindowWorkflow::failedOpenReturnsToClosedLook()
{
    // With nothing to choose, the user is told so.
    Click("OpenSerialButton");
    VerifyClosedLook();
    QCOMPARE(m_messages->Shown(),
             (QList<ShownMessage>{{DialogWindow::Warning, PortOpenFailure::NoPort().UserText()}}));

    // A failure without a hint of its own shows the channel's report, for as long as it takes
    // to read it.
    m_messages->Clear();
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 10000);
    m_window->On_UpdateSerial(QList<QString>{QStringLiteral("/nonexistent/ttyGauge")},
                              QList<QString>());
    Click("OpenSerialButton");
    VerifyClosedLook();
    const QString report = QStringLiteral("SerialPort Open /nonexistent/ttyGauge, error code 1");
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{{DialogWindow::Warning, report}}));
    QTest::qWait(1200);
    QVERIFY(MessageRecorder::Visible());
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(),
                             DialogWindow::ReadingMsecs(report) + 2000);

    // Another port can be chosen and opened.
    m_window->On_UpdateSerial(QList<QString>{m_gauge->Sim()->PortName()}, QList<QString>());
    Child<QComboBox>("SerialPortBox")->setCurrentIndex(1);
    Click("OpenSerialButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop);
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Open"));
}

void TstMainWindowWorkflow::liveFrameIsDecoded_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::addColumn<QString>("reading");
    // A null unit label: left as it was.
    QTest::addColumn<QString>("unitLabel");
    QTest::addColumn<QVector<float>>("chart");

    const QString overflow = QStringLiteral("Data overflow");
    QTest::newRow("50 um in mils") << Frame(1, 50.0f) << "1.969 mils"
                                   << "Unit(mils)" << QVector<float>{1.969f};
    QTest::newRow("99.95 um") << Frame(0, 99.95f) << "100 um"
                              << "Unit(um)" << QVector<float>{100.0f};
    QTest::newRow("12.34 um") << Frame(0, 12.34f) << "12.3 um"
                              << "Unit(um)" << QVector<float>{12.3f};
    QTest::newRow("-5 um") << Frame(0, -5.0f) << "-5.0 um"
                           << "Unit(um)" << QVector<float>{-5.0f};
    QTest::newRow("2100 um in mm") << Frame(2, 2100.0f) << "2.100 mm"
                                   << "Unit(mm)" << QVector<float>{2.1f};
    QTest::newRow("2100.5 um overflows")
        << Frame(2, 2100.5f) << overflow << QString() << QVector<float>{};
    QTest::newRow("-100 um in range") << Frame(0, -100.0f) << "-100 um"
                                      << "Unit(um)" << QVector<float>{-100.0f};
    QTest::newRow("-100.01 um overflows")
        << Frame(0, -100.01f) << overflow << QString() << QVector<float>{};
    QTest::newRow("unknown unit, raw value in range")
        << Frame(7, 50.0f) << QString() << "Unit()" << QVector<float>{50.0f};
    QTest::newRow("unknown unit, raw value out of range")
        << Frame(7, 3000.0f) << QString() << QString() << QVector<float>{};
}

void TstMainWindowWorkflow::liveFrameIsDecoded()
{
    QFETCH(QByteArray, frame);
    QFETCH(QString, reading);
    QFETCH(QString, unitLabel);
    QFETCH(QVector<float>, chart);

    StartStreaming();
    const QString unitLabelBefore = Text("UnitLabel");
    Deliver(frame);
    QCOMPARE(Text("RealDataLabel"), reading);
    QCOMPARE(Text("UnitLabel"), unitLabel.isNull() ? unitLabelBefore : unitLabel);
    // One entry per frame, even an empty one; the list shows no entry as an empty row.
    QCOMPARE(ListEntries(), reading.isEmpty() ? QStringList() : QStringList{reading});
    QCOMPARE(ChartsShown(), !chart.isEmpty());
    if (!chart.isEmpty())
        QCOMPARE(LineChartValues(), chart);
}

void TstMainWindowWorkflow::unitChangeStartsNewSeries()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    Deliver(Frame(0, 2500.0f));
    Deliver(Frame(0, 130.0f));
    QCOMPARE(ListEntries(), (QStringList{"120 um", "Data overflow", "130 um"}));
    QCOMPARE(LineChartValues(), (QVector<float>{120.0f, 130.0f}));

    Deliver(Frame(1, 50.0f));
    QCOMPARE(ListEntries(), QStringList{"1.969 mils"});
    QCOMPARE(LineChartValues(), QVector<float>{1.969f});
    QCOMPARE(Text("UnitLabel"), QStringLiteral("Unit(mils)"));

    // A frame of another type is no reading, and no change of unit either.
    QByteArray other = Frame(0, 10.0f);
    other[0] = '\x02';
    Deliver(other);
    Deliver(Frame(1, 25.4f));
    QCOMPARE(ListEntries(), (QStringList{"1.969 mils", "1.000 mils"}));
}

void TstMainWindowWorkflow::stopSendsTwoStopsAndEmptiesList()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    QCOMPARE(ListEntries(), QStringList{"120 um"});

    Click("RealStartButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop);
    QCOMPARE(ListEntries(), QStringList());
    QCOMPARE(Text("RealStartButton"), QStringLiteral("Start"));
    QCOMPARE(State("RealStartButton"), QStringLiteral("Close"));
    QCOMPARE(Child<QStackedWidget>("RealTimeStackedWidget")->currentWidget()->objectName(),
             QStringLiteral("NotOpenSerialWidget"));
    QVERIFY(Child<QComboBox>("SerialPortBox")->isEnabled());
    // Still open: the port stays open when only streaming stops.
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Open"));

    // Started again, the series starts afresh.
    Click("RealStartButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop + StartStart);
    Deliver(Frame(0, 130.0f));
    QCOMPARE(ListEntries(), QStringList{"130 um"});
}

void TstMainWindowWorkflow::chunksAreReassembled_data()
{
    QTest::addColumn<QByteArray>("chunk");
    QTest::addColumn<QStringList>("entries");

    const QByteArray first = Frame(0, 120.0f);
    const QByteArray second = Frame(0, 81.5f);
    QByteArray secondOfOtherType = second;
    secondOfOtherType[0] = '\x02';
    // A cut-short frame costs only itself; a byte that may start a frame waits for the rest.
    QTest::newRow("5 bytes") << first.left(5) << QStringList();
    QTest::newRow("7 bytes") << first + QByteArray(1, '\x01') << QStringList{"120 um"};
    QTest::newRow("two frames in one chunk") << first + second << QStringList{"120 um", "81.5 um"};
    QTest::newRow("three frames in one chunk")
        << first + second + first << QStringList{"120 um", "81.5 um", "120 um"};
    QTest::newRow("second slice of another type")
        << first + secondOfOtherType << QStringList{"120 um"};
}

void TstMainWindowWorkflow::chunksAreReassembled()
{
    QFETCH(QByteArray, chunk);
    QFETCH(QStringList, entries);

    StartStreaming();
    Deliver(chunk);
    QCOMPARE(ListEntries(), entries);
    QCOMPARE(Text("RealDataLabel"), entries.isEmpty() ? QStringLiteral("------") : entries.last());
    // A whole frame after them is read as usual.
    Deliver(Frame(0, 99.0f));
    QCOMPARE(ListEntries(), entries + QStringList{"99.0 um"});
}

void TstMainWindowWorkflow::chunkWhileIdleIsDropped()
{
    OpenGauge();
    const QString shown = Text("RealDataLabel");
    // Outside live streaming the reader is unhooked; a chunk that still reaches the window
    // (delivered late, after a stop) is no reading.
    emit m_window->findChild<KesSerialPort *>()->ReadSerialPort(Frame(0, 120.0f));
    QCOMPARE(Text("RealDataLabel"), shown);
    QCOMPARE(ListEntries(), QStringList());
}

void TstMainWindowWorkflow::refusedActionsShowAWarning_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");

    QTest::newRow("start, port closed") << false << "RealStartButton"
                                        << "Device not connected!";
    QTest::newRow("download, port closed") << false << "DownLoadDataButton"
                                           << "Device not connected!";
    QTest::newRow("download while streaming") << true << "DownLoadDataButton"
                                              << "Please stop the Real Time Data function!";
}

void TstMainWindowWorkflow::refusedActionsShowAWarning()
{
    QFETCH(bool, streaming);
    QFETCH(QString, button);
    QFETCH(QString, message);

    if (streaming)
        StartStreaming();
    const QString startText = Text("RealStartButton");
    Click(qPrintable(button));
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{{DialogWindow::Warning, message}}));
    QVERIFY(MessageRecorder::Visible());
    QCOMPARE(Text("RealStartButton"), startText);
    // It goes away by itself after about a second.
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 3000);
    QCOMPARE(m_messages->Shown().size(), 1);
    if (streaming) {
        // Nothing was sent meanwhile: the stop follows the start directly.
        Click("RealStartButton");
        QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop);
    } else {
        QVERIFY(m_gauge->Sim()->Received().isEmpty());
        VerifyClosedLook();
    }
}

void TstMainWindowWorkflow::closeWhileStreamingThenReopen()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    Click("OpenSerialButton");
    VerifyClosedLook();
    QCOMPARE(ListEntries(), QStringList());
    QVERIFY(m_messages->Shown().isEmpty());

    // No stop on closing: the next open stops the gauge before anything else is sent.
    Click("OpenSerialButton");
    Click("RealStartButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop + StartStart + StopStop + StartStart);
    Deliver(Frame(0, 130.0f));
    QCOMPARE(ListEntries(), QStringList{"130 um"});
}

void TstMainWindowWorkflow::unpluggedGaugeClosesEverything()
{
    StartStreaming();
    Deliver(Frame(0, 120.0f));
    m_gauge->Sim()->Unplug();

    const QList<ShownMessage> disconnected{{DialogWindow::DevDisconnect, "Device disconnected!"}};
    QTRY_COMPARE(m_messages->Shown(), disconnected);
    VerifyClosedLook();
    QCOMPARE(ListEntries(), QStringList());
    QCOMPARE(Child<QStackedWidget>("RealTimeStackedWidget")->currentWidget()->objectName(),
             QStringLiteral("NotOpenSerialWidget"));
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 3000);
    QCOMPARE(m_messages->Shown(), disconnected);
}

void TstMainWindowWorkflow::removalOfOpenPortClosesEverything_data()
{
    QTest::addColumn<bool>("streaming");
    QTest::newRow("open") << false;
    QTest::newRow("streaming") << true;
}

void TstMainWindowWorkflow::removalOfOpenPortClosesEverything()
{
    QFETCH(bool, streaming);
    const QString port = m_gauge->Sim()->PortName();
    if (streaming) {
        StartStreaming();
        Deliver(Frame(0, 120.0f));
    } else {
        OpenGauge();
    }

    m_window->On_UpdateSerial(QList<QString>(), QList<QString>{port});
    QCOMPARE(m_messages->Shown(),
             (QList<ShownMessage>{{DialogWindow::DevDisconnect, "Device disconnected!"}}));
    VerifyClosedLook();
    QCOMPARE(ListEntries(), QStringList());
    QCOMPARE(Child<QComboBox>("SerialPortBox")->count(), 0);

    // Listed again, it opens and streams as before.
    const QByteArray sent = m_gauge->Sim()->Received();
    m_window->On_UpdateSerial(QList<QString>{port}, QList<QString>());
    Click("OpenSerialButton");
    Click("RealStartButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), sent + StopStop + StartStart);
    Deliver(Frame(0, 88.8f));
    QCOMPARE(ListEntries(), QStringList{"88.8 um"});
}

void TstMainWindowWorkflow::reportRemovesEveryNamedPort()
{
    const QString port = m_gauge->Sim()->PortName();
    auto *box = Child<QComboBox>("SerialPortBox");
    m_window->On_UpdateSerial(QList<QString>{"/dev/ttyA", port, "/dev/ttyB", "/dev/ttyA"},
                              QList<QString>());
    box->setCurrentIndex(1);
    Click("OpenSerialButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop);

    // A name is appended even when listed already; the open port stays current.
    m_window->On_UpdateSerial(QList<QString>{"/dev/ttyC", port},
                              QList<QString>{"/dev/ttyA", "/dev/ttyB"});
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items.append(box->itemText(i));
    QCOMPARE(items, (QStringList{port, "/dev/ttyC", port}));
    QCOMPARE(box->currentIndex(), 0);
    QVERIFY(m_messages->Shown().isEmpty());
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Open"));
}

// Last: port discovery, once started, runs until the process ends.
void TstMainWindowWorkflow::userNamedPortFollowsDiscovery()
{
    const QString link = m_configDir.filePath(QStringLiteral("gauge"));
    SerialDevFilter::SetUserPorts({link});
    MonitorSerial::Start(20, true);
    auto *box = Child<QComboBox>("SerialPortBox");

    QVERIFY(m_gauge->Sim()->MakeLink(link));
    QTRY_COMPARE_WITH_TIMEOUT(box->findText(link), 0, 5000);
    Click("OpenSerialButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), StopStop);

    m_gauge->Sim()->Unplug();
    QTRY_COMPARE_WITH_TIMEOUT(box->findText(link), -1, 5000);
    VerifyClosedLook();
    QCOMPARE(m_messages->OnPage(DialogWindow::DevDisconnect).size(), 1);

    // Plugged in again (a new terminal behind the same link), it is listed again.
    QVERIFY(m_gauge->Sim()->Open());
    QTRY_COMPARE_WITH_TIMEOUT(box->findText(link), 0, 5000);
    SerialDevFilter::SetUserPorts({});
}

QTEST_MAIN(TstMainWindowWorkflow)
#include "TstMainWindowWorkflow.moc"

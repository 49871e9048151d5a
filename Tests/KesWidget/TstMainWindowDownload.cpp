#include "GaugeLogFrames.h"
#include "MainWindowWorkflow.h"

#include "InspectionSettings.h"
#include "MemoryCsvExport.h"

#include <QDir>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>

namespace {

// The export of MixedFrames(): frame 0 is never written.
const QString MixedExport = QStringLiteral("GROUP: General 1\n"
                                           "Number         Data           Unit           \n"
                                           "\n"
                                           "GROUP: General 2\n"
                                           "Number         Data           Unit           \n"
                                           "1              1.969          mils           \n"
                                           "2              10.00          mils           \n"
                                           "3              196.9          mils           \n"
                                           "\n"
                                           "GROUP: General 3\n"
                                           "Number         Data           Unit           \n"
                                           "1              -0.100         mm             \n"
                                           "\n"
                                           "GROUP: General 4\n"
                                           "Number         Data           Unit           \n"
                                           "\n");

QString ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

const ShownMessage Progress{DialogWindow::UpdateParam, "DownLoad Device Datas......"};
const ShownMessage TimedOut{DialogWindow::TimeOut, "Device communication timeout!"};
const ShownMessage Disconnected{DialogWindow::DevDisconnect, "Device disconnected!"};
const ShownMessage SaveFailed{DialogWindow::Warning,
                              "The file could not be saved! Please choose another place."};
} // namespace

// Downloading the gauge's memory into a file, as a user does it.
class TstMainWindowDownload : public WorkflowTestBase
{
    Q_OBJECT

private slots:
    void initTestCase() { InitTestCase(); }
    void init()
    {
        Init();
        // Fresh for every test: the save dialog would ask before replacing an earlier file.
        m_saveDir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_saveDir->isValid());
        m_saveFolder = m_saveDir->filePath(QStringLiteral("exports/gauge"));
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), m_saveFolder);
    }
    void cleanup() { Cleanup(); }

    void downloadWritesTheExport_data();
    void downloadWritesTheExport();
    void missingFrameEndsWithTimeout();
    void downloadAfterFailedOneExportsOnlyItsOwn();
    void unwritableTargetAsksAgain_data();
    void unwritableTargetAsksAgain();
    void gaugeLostDuringDownload();
    void downloadAfterPortRemovedWhileStreaming();
    void downloadAlsoSavesAsCsv();
    void downloadListedWithFigures_data();
    void downloadListedWithFigures();
    void reportAfterDownload_data();
    void reportAfterDownload();

private:
    QString SavePath(const QString &name) const { return m_saveDir->filePath(name); }
    // Clicks Download and answers the save dialogs; the click returns when the download has
    // ended or given up.
    QList<FileDialogDriver::Seen> Download(const QStringList &answers)
    {
        FileDialogDriver driver(answers);
        Click("DownLoadDataButton");
        return driver.SeenDialogs();
    }
    // The time-out message has come and gone by itself.
    void VerifyTimeoutShownAndGone()
    {
        QTRY_VERIFY_WITH_TIMEOUT(m_messages->Shown().contains(TimedOut), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 3000);
    }

    std::unique_ptr<QTemporaryDir> m_saveDir;
    QString m_saveFolder;
};

void TstMainWindowDownload::downloadWritesTheExport_data()
{
    QTest::addColumn<int>("lineRate");
    QTest::addColumn<int>("chunkSize");
    QTest::newRow("fast") << 0 << 0;
    QTest::newRow("line rate, small writes") << int(GaugeSim::LineRate9600_8O1) << 5;
}

void TstMainWindowDownload::downloadWritesTheExport()
{
    QFETCH(int, lineRate);
    QFETCH(int, chunkSize);
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    m_gauge->Sim()->SetLineRate(lineRate);
    m_gauge->Sim()->SetChunkSize(chunkSize);
    OpenGauge();
    // A stray live frame in the port is discarded before the download starts.
    m_gauge->Sim()->WriteBytes(GaugeSim::LiveFrame(0, 120.0f));
    QTRY_COMPARE(m_window->findChild<KesSerialPort *>()->SerialPort()->bytesAvailable(), 6);

    const QString target = SavePath(QStringLiteral("mixed.txt"));
    const QList<FileDialogDriver::Seen> dialogs = Download({target});

    QCOMPARE(m_gauge->Sim()->Received(), QByteArray("\xF0\xF0\xF6"));
    QCOMPARE(dialogs.size(), 1);
    QCOMPARE(dialogs[0].caption, QStringLiteral("Save file"));
    QCOMPARE(dialogs[0].filters, QStringList{"txt(*.txt)"});
    QCOMPARE(dialogs[0].folder, m_saveFolder);
    QVERIFY2(QRegularExpression(QStringLiteral("^Varnolithic_\\d{12}\\.txt$"))
                 .match(dialogs[0].fileName)
                 .hasMatch(),
             qPrintable(dialogs[0].fileName));
    QCOMPARE(ReadFile(target), MixedExport);
    // Saved, and said so with an information sign.
    const ShownMessage saved{DialogWindow::Warning,
                             QStringLiteral("Saved as %1.").arg(QDir::toNativeSeparators(target))};
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{Progress, saved}));
    QVERIFY(MessageRecorder::Visible());
    QCOMPARE(MessageRecorder::Visible()
                 ->findChild<QLabel *>(QStringLiteral("DeviceNotImage"))
                 ->property("State")
                 .toString(),
             QStringLiteral("Information"));
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 10000);
    // Back to Open: streaming can start.
    Click("RealStartButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), QByteArray("\xF0\xF0\xF6\xF1\xF1"));
}

void TstMainWindowDownload::missingFrameEndsWithTimeout()
{
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    m_gauge->Sim()->SetLogFrameLimit(4);
    OpenGauge();

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(Download({SavePath(QStringLiteral("never.txt"))}).size(), 0);
    VerifyTimeoutShownAndGone();
    QVERIFY2(clock.elapsed() < 10000, "a missing frame must be noticed within seconds");
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{Progress, TimedOut}));
    QVERIFY(!QFileInfo::exists(SavePath(QStringLiteral("never.txt"))));
    QCOMPARE(State("OpenSerialButton"), QStringLiteral("Open"));
}

void TstMainWindowDownload::downloadAfterFailedOneExportsOnlyItsOwn()
{
    m_gauge->Sim()->SetLogFrames({LogFrame(0, {1.0f}), LogFrame(0, {111.0f, 112.0f}),
                                  LogFrame(0, {113.0f}), LogFrame(0, {114.0f}),
                                  LogFrame(0, {115.0f})});
    m_gauge->Sim()->SetLogFrameLimit(4);
    OpenGauge();
    QCOMPARE(Download({}).size(), 0);
    VerifyTimeoutShownAndGone();

    m_gauge->Sim()->SetLogFrames(MixedFrames());
    m_gauge->Sim()->SetLogFrameLimit(5);
    const QString target = SavePath(QStringLiteral("second.txt"));
    QCOMPARE(Download({target}).size(), 1);
    QCOMPARE(ReadFile(target), MixedExport);
}

void TstMainWindowDownload::unwritableTargetAsksAgain_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("failures");

    // The folder of the first answer is a regular file: nobody can write there.
    const QString blocked = QStringLiteral("blocker/readings.txt");
    QTest::newRow("second answer writable") << QStringList{blocked, "good.txt"} << "good.txt" << 1;
    QTest::newRow("fails twice, then writable")
        << QStringList{blocked, blocked, "good.txt"} << "good.txt" << 2;
    QTest::newRow("cancelled after the failure") << QStringList{blocked, ""} << QString() << 1;
    QTest::newRow("cancelled at once") << QStringList{""} << QString() << 0;
}

void TstMainWindowDownload::unwritableTargetAsksAgain()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, written);
    QFETCH(int, failures);

    QFile blocker(SavePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.write("not a folder");
    blocker.close();
    for (QString &answer : answers) {
        if (!answer.isEmpty())
            answer = SavePath(answer);
    }
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    OpenGauge();

    QCOMPARE(Download(answers).size(), answers.size());
    QList<ShownMessage> warnings;
    for (int i = 0; i < failures; ++i)
        warnings.append(SaveFailed);
    if (!written.isEmpty())
        warnings.append(
            {DialogWindow::Warning,
             QStringLiteral("Saved as %1.").arg(QDir::toNativeSeparators(SavePath(written)))});
    QCOMPARE(m_messages->OnPage(DialogWindow::Warning), warnings);
    if (!written.isEmpty())
        QCOMPARE(ReadFile(SavePath(written)), MixedExport);
    QCOMPARE(ReadFile(blocker.fileName()), QStringLiteral("not a folder"));
    const QStringList expectedFiles =
        written.isEmpty() ? QStringList{"blocker"} : QStringList{"blocker", written};
    QCOMPARE(QDir(m_saveDir->path()).entryList(QDir::Files), expectedFiles);
}

void TstMainWindowDownload::gaugeLostDuringDownload()
{
    // About two seconds of readings on the line: time enough to pull the plug.
    m_gauge->Sim()->SetLogFrames({LogFrame(0, QVector<float>(400, 120.0f)),
                                  LogFrame(0, QVector<float>(100, 121.0f)), LogFrame(0, {}),
                                  LogFrame(0, {}), LogFrame(0, {})});
    m_gauge->Sim()->SetLineRate(GaugeSim::LineRate9600_8O1);
    m_gauge->Sim()->SetChunkSize(16);
    OpenGauge();
    QTimer::singleShot(300, this, [this] { m_gauge->Sim()->Unplug(); });

    QElapsedTimer clock;
    clock.start();
    QCOMPARE(Download({SavePath(QStringLiteral("never.txt"))}).size(), 0);
    QVERIFY2(clock.elapsed() < 2500, "the download must end when the gauge goes");
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{Progress, Disconnected}));
    VerifyClosedLook();
    // The disconnect message closes itself and no time-out follows.
    QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 3000);
    QCOMPARE(m_messages->Shown(), (QList<ShownMessage>{Progress, Disconnected}));
}

void TstMainWindowDownload::downloadAfterPortRemovedWhileStreaming()
{
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    StartStreaming();
    const QString port = m_gauge->Sim()->PortName();
    m_window->On_UpdateSerial(QList<QString>(), QList<QString>{port});
    VerifyClosedLook();

    // Listed and opened again: the live reader must not take the download's bytes.
    m_window->On_UpdateSerial(QList<QString>{port}, QList<QString>());
    Click("OpenSerialButton");
    QTRY_COMPARE(m_gauge->Sim()->Received(), QByteArray("\xF0\xF0\xF1\xF1\xF0\xF0"));
    const QString target = SavePath(QStringLiteral("after.txt"));
    QCOMPARE(Download({target}).size(), 1);
    QCOMPARE(ReadFile(target), MixedExport);
}

// After the text export, the same memory as CSV: all five frames, full precision.
void TstMainWindowDownload::downloadAlsoSavesAsCsv()
{
    QVERIFY(!Child<QPushButton>("DownloadCsvButton")->isEnabled());
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    OpenGauge();
    Download({SavePath(QStringLiteral("mixed.txt"))});
    QVERIFY(Child<QPushButton>("DownloadCsvButton")->isEnabled());

    const QString target = SavePath(QStringLiteral("mixed.csv"));
    FileDialogDriver driver({target});
    Click("DownloadCsvButton");
    QCOMPARE(driver.SeenDialogs().size(), 1);
    QCOMPARE(driver.SeenDialogs()[0].filters, QStringList{"csv(*.csv)"});
    QVERIFY(driver.SeenDialogs()[0].fileName.endsWith(QStringLiteral(".csv")));
    QMap<int, QList<LogRecord>> sent;
    const QVector<GaugeSim::LogFrame> frames = MixedFrames();
    for (int group = 0; group < frames.size(); ++group) {
        for (float micrometres : frames[group].readings)
            sent[group].append({static_cast<qint8>(frames[group].unit), micrometres});
    }
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), MemoryCsvExport::Csv(sent));
}

// Hand-worked figures of a download: frame 0 left out, group 2 in mils with an overflow, all
// groups together in micrometres as their units differ; judged by ISO 19840 at 100 um.
void TstMainWindowDownload::downloadListedWithFigures_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name");
    // Readings judged, overflows apart, unit and the figures.
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<int>("shownReadings");
    QTest::newRow("all groups")
        << 0 << QStringLiteral("^Memory download \\d\\d:\\d\\d:\\d\\d \\(saved as memory\\.txt\\)$")
        << QStringList{"6", "1", "µm", "195.3", "50.0", "508", "167.4", "458", "85.7 %", "Fail"}
        << 7;
    QTest::newRow("group 1") << 1 << QStringLiteral("^    Group 1$")
                             << QStringList{"3",   "0",     "µm",   "120.0",  "100",
                                            "140", "20.00", "40.0", "16.7 %", "Pass"}
                             << 3;
    QTest::newRow("group 2") << 2 << QStringLiteral("^    Group 2$")
                             << QStringList{"2",     "1",      "mils",  "15.000", "10.00",
                                            "20.00", "7.0711", "10.00", "47.1 %", "Pass"}
                             << 3;
    QTest::newRow("group 3") << 3 << QStringLiteral("^    Group 3$")
                             << QStringList{"1",    "0",    "µm",  "50.00", "50.0",
                                            "50.0", "0.00", "0.0", "0.0 %", "Fail"}
                             << 1;
}

void TstMainWindowDownload::downloadListedWithFigures()
{
    QFETCH(int, row);
    QFETCH(QString, name);
    QFETCH(QStringList, cells);
    QFETCH(int, shownReadings);
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = 100;
    InspectionSettings::Save(criteria);
    m_gauge->Sim()->SetLogFrames({LogFrame(0, {1.0f}), LogFrame(0, {100.0f, 120.0f, 140.0f}),
                                  LogFrame(1, {254.0f, 508.0f, 5000.0f}), LogFrame(0, {50.0f}),
                                  LogFrame(0, {})});
    OpenGauge();
    QCOMPARE(Download({SavePath(QStringLiteral("memory.txt"))}).size(), 1);

    Click("SessionsButton");
    auto *table = m_window->findChild<QTableWidget *>(QStringLiteral("SessionTable"));
    QCOMPARE(table->rowCount(), 4);
    QVERIFY2(QRegularExpression(name).match(table->item(row, 0)->text()).hasMatch(),
             qPrintable(table->item(row, 0)->text()));
    QStringList shown;
    for (int column = 1; column < table->columnCount(); ++column)
        shown.append(table->item(row, column)->text());
    QCOMPARE(shown, cells);
    table->selectRow(row);
    QCOMPARE(m_window->findChild<QTableView *>(QStringLiteral("ReadingTable"))->model()->rowCount(),
             shownReadings);
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("FigureVerdict"))->text(),
             QStringLiteral("Verdict: %1 (ISO 19840)").arg(cells.last()));
}

// A report of the download, from beside "Save CSV" and from the sessions page.
void TstMainWindowDownload::reportAfterDownload_data()
{
    QTest::addColumn<bool>("fromSessionsPage");
    QTest::newRow("beside Save CSV") << false;
    QTest::newRow("sessions page") << true;
}

void TstMainWindowDownload::reportAfterDownload()
{
    QFETCH(bool, fromSessionsPage);
    QVERIFY(!Child<QPushButton>("DownloadReportButton")->isEnabled());
    m_gauge->Sim()->SetLogFrames(MixedFrames());
    OpenGauge();
    Download({SavePath(QStringLiteral("mixed.txt"))});
    QVERIFY(Child<QPushButton>("DownloadReportButton")->isEnabled());
    if (fromSessionsPage) {
        Click("SessionsButton");
        m_window->findChild<QTableWidget *>(QStringLiteral("SessionTable"))->selectRow(1);
    }

    const QString target = SavePath(QStringLiteral("report.pdf"));
    FileDialogDriver driver({target});
    Click(fromSessionsPage ? "SessionReportButton" : "DownloadReportButton");
    QCOMPARE(driver.SeenDialogs().size(), 1);
    QCOMPARE(driver.SeenDialogs()[0].caption, QStringLiteral("Save the report"));
    QCOMPARE(driver.SeenDialogs()[0].folder, m_saveFolder);
    QVERIFY2(QRegularExpression(QStringLiteral("^Report_\\d{8}_\\d{6}\\.pdf$"))
                 .match(driver.SeenDialogs()[0].fileName)
                 .hasMatch(),
             qPrintable(driver.SeenDialogs()[0].fileName));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    const ShownMessage saved{DialogWindow::Warning,
                             QStringLiteral("The report was saved as %1.").arg(target)};
    QVERIFY(m_messages->Shown().contains(saved));
}

QTEST_MAIN(TstMainWindowDownload)
#include "TstMainWindowDownload.moc"

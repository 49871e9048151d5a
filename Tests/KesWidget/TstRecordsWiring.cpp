#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "RecordStore.h"
#include "RecordsWiring.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const char ModeVariable[] = "RECORDS_WINDOW_MODE";
const char FolderVariable[] = "RECORDS_WINDOW_FOLDER";
const char PortVariable[] = "RECORDS_WINDOW_PORT";

// The window in a process of its own, as the program runs it, on the files of one folder:
// "stream" opens the port and streams, printing every reading once it is shown; "start" only
// starts, prints what the start-up intake took in and ends.
int RunWindow(const QString &mode)
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    const QString folder = qEnvironmentVariable(FolderVariable);
    KesConfig::Instance()->SetConfigFile(folder + QStringLiteral("/config.ini"));
    KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), folder);
    MainWindow window;
    window.show();
    QFile out;
    out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (mode == QLatin1String("start")) {
        QObject::connect(window.findChild<RecordsWiring *>(), &RecordsWiring::IntakeFinished, qApp,
                         [&out](int batches, qint64 readings) {
                             out.write(QByteArray::number(batches) + ' ' +
                                       QByteArray::number(readings) + '\n');
                             qApp->quit();
                         });
        return qApp->exec();
    }
    QObject::connect(window.findChild<GaugeSession *>(), &GaugeSession::ReadingReceived, qApp,
                     [&out](const LiveReading &, const LiveRecord &record) {
                         out.write(QByteArray::number(record.index) + '\n');
                     });
    window.On_UpdateSerial({qEnvironmentVariable(PortVariable)}, {});
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("OpenSerialButton")),
                      Qt::LeftButton);
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("RealStartButton")),
                      Qt::LeftButton);
    return qApp->exec();
}
} // namespace

// The window's records across a kill: every reading shown before the kill is in the store
// after the next start, exactly once.
class TstRecordsWiring : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    void Start(QProcess &process, const QString &mode, const QString &port = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ModeVariable), mode);
        environment.insert(QString::fromLatin1(FolderVariable), m_dir.path());
        environment.insert(QString::fromLatin1(PortVariable), port);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(process.waitForStarted(10000));
    }

private slots:
    void killedWindowLosesNoShownReading_data()
    {
        QTest::addColumn<int>("shownBeforeKill");
        QTest::newRow("early") << 3;
        QTest::newRow("later") << 40;
    }

    void killedWindowLosesNoShownReading()
    {
        QFETCH(int, shownBeforeKill);
        QVERIFY(m_dir.isValid());
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        gauge->SetValues({101.0f, 102.5f, 99.0f, 140.0f});
        gauge->SetOverflowEvery(7);
        gauge->SetPeriodMs(15);

        QProcess streaming;
        Start(streaming, QStringLiteral("stream"), gauge->PortName());
        QByteArray shown;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shown += streaming.readAllStandardOutput()).count('\n') >= shownBeforeKill, 20000);
        streaming.kill();
        QVERIFY(streaming.waitForFinished(5000));
        shown += streaming.readAllStandardOutput();
        const qint64 lastShown =
            shown.left(shown.lastIndexOf('\n')).split('\n').last().toLongLong();
        QVERIFY(lastShown >= shownBeforeKill);

        QProcess restart;
        Start(restart, QStringLiteral("start"));
        QVERIFY(restart.waitForFinished(20000));
        QCOMPARE(restart.exitCode(), 0);

        RecordStore store;
        QVERIFY(store.Open(m_dir.filePath(QStringLiteral("records.sqlite"))));
        const QVector<RecordBatch> batches = store.Batches(BatchFilter());
        QCOMPARE(batches.size(), 1);
        const QVector<LiveRecord> stored = store.Readings(batches.at(0).uuid);
        QVERIFY(stored.size() >= lastShown);
        for (int i = 0; i < stored.size(); ++i)
            QCOMPARE(stored.at(i).index, qint64(i + 1));
        const qint64 overflows =
            std::count_if(stored.cbegin(), stored.cend(), [](const LiveRecord &r) {
                return r.status == LiveRecord::Status::Overflow;
            });
        QVERIFY(overflows > 0 || stored.size() < 7);
        QCOMPARE(batches.at(0).overflows, overflows);
        QVERIFY(batches.at(0).ended.isValid());

        // Another start takes in nothing more.
        QProcess again;
        Start(again, QStringLiteral("start"));
        QVERIFY(again.waitForFinished(20000));
        QCOMPARE(again.readAllStandardOutput().trimmed(), QByteArray("0 0"));
        QCOMPARE(store.Readings(batches.at(0).uuid).size(), stored.size());
        QVERIFY(store.DeleteBatch(batches.at(0).uuid));
        QVERIFY(store.EmptyDeleted());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString mode = qEnvironmentVariable(ModeVariable);
    if (!mode.isEmpty())
        return RunWindow(mode);
    TstRecordsWiring test;
    return QTest::qExec(&test, argc, argv);
}

#include "TstRecordsWiring.moc"

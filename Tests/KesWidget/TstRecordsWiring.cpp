#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "MainWindow.h"
#include "RecordStore.h"
#include "RecordsWiring.h"
#include "ScratchMounts.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const char ModeVariable[] = "RECORDS_WINDOW_MODE";
const char FolderVariable[] = "RECORDS_WINDOW_FOLDER";
const char PortVariable[] = "RECORDS_WINDOW_PORT";
const char SaveVariable[] = "RECORDS_WINDOW_SAVE";

// The window in a process of its own, as the program runs it, on the files of one folder:
// "stream" opens the port and streams, printing every reading once it is shown; "start" only
// starts, prints what the start-up intake took in and ends. The session files go to the save
// folder when one is given. A warning about the records file is printed as "told".
int RunWindow(const QString &mode)
{
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    KesLog::Instance();
    StartupSteps::RegisterSerialMetaTypes();
    const QString folder = qEnvironmentVariable(FolderVariable);
    KesConfig::Instance()->SetConfigFile(folder + QStringLiteral("/config.ini"));
    const QString save = qEnvironmentVariable(SaveVariable);
    KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"),
                                      save.isEmpty() ? folder : save);
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
    QTimer warnings;
    QList<QPointer<QLabel>> told;
    QObject::connect(&warnings, &QTimer::timeout, [&] {
        // The window's messages are windows of their own.
        for (QWidget *message : QApplication::topLevelWidgets()) {
            for (QLabel *label :
                 message->findChildren<QLabel *>(QStringLiteral("DeviceNotLabel"))) {
                if (label->isVisible() &&
                    label->text().contains(QStringLiteral("records.sqlite")) &&
                    !told.contains(label)) {
                    told.append(label);
                    out.write("told\n");
                }
            }
        }
    });
    warnings.start(5);
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

    QString m_folder;
    QString m_save;

    void Start(QProcess &process, const QString &mode, const QString &port = QString())
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(ModeVariable), mode);
        environment.insert(QString::fromLatin1(FolderVariable), m_folder);
        environment.insert(QString::fromLatin1(PortVariable), port);
        environment.insert(QString::fromLatin1(SaveVariable), m_save);
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(process.waitForStarted(10000));
    }

private slots:
    // With the records file on a disk that fills up during the run, that is told once, the run
    // goes on into its session file, and the next start takes in what the store missed.
    void killedWindowLosesNoShownReading_data()
    {
        QTest::addColumn<int>("shownBeforeKill");
        QTest::addColumn<bool>("diskFills");
        QTest::newRow("early") << 3 << false;
        QTest::newRow("later") << 40 << false;
        QTest::newRow("records disk fills") << 300 << true;
    }

    void killedWindowLosesNoShownReading()
    {
        QFETCH(int, shownBeforeKill);
        QFETCH(bool, diskFills);
        QVERIFY(m_dir.isValid());
        m_folder = m_dir.path();
        m_save.clear();
        QTemporaryDir full;
        QTemporaryDir save;
        std::optional<ScratchMount> mount;
        if (diskFills) {
            mount.emplace(full.path(), 512);
            if (!mount->IsMounted())
                QSKIP("a tmpfs cannot be mounted here");
            m_folder = full.path();
            m_save = save.path();
            QProcess first;
            Start(first, QStringLiteral("start"));
            QVERIFY(first.waitForFinished(20000));
            QVERIFY(QFile::exists(full.filePath(QStringLiteral("records.sqlite"))));
            QVERIFY(mount->FillLeaving(96 * 1024));
        }
        GaugeSimThread gauge;
        QVERIFY(gauge.IsOpen());
        gauge->SetValues({101.0f, 102.5f, 99.0f, 140.0f});
        gauge->SetOverflowEvery(7);
        gauge->SetPeriodMs(15);

        QProcess streaming;
        Start(streaming, QStringLiteral("stream"), gauge->PortName());
        QByteArray shown;
        const auto enoughShown = [&] {
            return shown.count('\n') >= shownBeforeKill && shown.contains("told") == diskFills;
        };
        QElapsedTimer waited;
        waited.start();
        while (!enoughShown() && waited.elapsed() < 30000 &&
               streaming.state() == QProcess::Running) {
            streaming.waitForReadyRead(100);
            shown += streaming.readAllStandardOutput();
        }
        QVERIFY2(enoughShown(), shown.right(300).constData());
        streaming.kill();
        QVERIFY(streaming.waitForFinished(5000));
        shown += streaming.readAllStandardOutput();
        QList<QByteArray> lines = shown.left(shown.lastIndexOf('\n')).split('\n');
        QCOMPARE(lines.removeAll("told"), diskFills ? 1 : 0);
        const qint64 lastShown = lines.last().toLongLong();
        QVERIFY(lastShown >= shownBeforeKill);
        if (mount)
            QVERIFY(QFile::remove(full.filePath(QStringLiteral("filler"))));

        QProcess restart;
        Start(restart, QStringLiteral("start"));
        QVERIFY(restart.waitForFinished(20000));
        QCOMPARE(restart.exitCode(), 0);

        RecordStore store;
        QVERIFY(store.Open(QDir(m_folder).filePath(QStringLiteral("records.sqlite"))));
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

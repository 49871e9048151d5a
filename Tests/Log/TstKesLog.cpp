#include "KesLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMutex>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>
#include <thread>

namespace {
struct Message
{
    QtMsgType type;
    bool hasFile;
    QString text;
};

QMutex s_messagesMutex;
QList<Message> s_messages;

void Capture(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    QMutexLocker lock(&s_messagesMutex);
    s_messages.append({type, context.file != nullptr, text});
}

QStringList Texts()
{
    QMutexLocker lock(&s_messagesMutex);
    QStringList texts;
    for (const Message &message : qAsConst(s_messages))
        texts.append(message.text);
    return texts;
}

QStringList FileLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split('\n');
}

QString Line(KesLog::LogLevel level, bool withThreadId, const std::vector<std::string> &fields)
{
    return QString::fromStdString(KesLog::FormatRecord(level, withThreadId, fields));
}

const QRegularExpression
    Timestamp(QStringLiteral("^(\\d+-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d) \\| (.*)$"));
} // namespace

Q_DECLARE_METATYPE(KesLog::LogLevel)

class TstKesLog : public QObject
{
    Q_OBJECT
private slots:
    // Runs first: the logger must not have been started yet.
    void enqueueBeforeStartThrows()
    {
        const QString unqueued = m_dir.filePath("unqueued");
        QVERIFY_EXCEPTION_THROWN(KesLog::WriteDebugOutput("before start"), std::runtime_error);
        try {
            KesLog::AppendToFile(unqueued.toStdString(), "before start");
            QFAIL("no exception");
        } catch (const std::runtime_error &error) {
            QCOMPARE(QString(error.what()), QString("enqueue on stopped KesLog"));
        }
        qInstallMessageHandler(Capture);
        KesLog::Instance();
        KesLog::WriteDebugOutput("after start");
        QTRY_VERIFY(Texts().contains("after start"));
        QVERIFY(!Texts().contains("before start"));
        QVERIFY(!QFile::exists(unqueued + ".log"));
    }

    void format_data()
    {
        using Level = KesLog::LogLevel;
        const QString tid = QString::number(KesLog::CurrentThreadId());
        QTest::addColumn<Level>("level");
        QTest::addColumn<bool>("withThreadId");
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("expected");
        QTest::newRow("write log") << Level::Debug << true << QStringList{"COM3 Write: f6"}
                                   << "DEBUG | tid: " + tid + " | COM3 Write: f6";
        QTest::newRow("three fields without thread id")
            << Level::Info << false
            << QStringList{"KesSerialPort::OpenSerial", "133", "SerialPort PortName is Null!"}
            << "INFO | KesSerialPort::OpenSerial | 133 | SerialPort PortName is Null!";
        QTest::newRow("trailing space kept")
            << Level::Error << true << QStringList{"KesWinMonitorSerial CreateThread Error "}
            << "ERROR | tid: " + tid + " | KesWinMonitorSerial CreateThread Error ";
        QTest::newRow("empty field")
            << Level::Info << true << QStringList{""} << "INFO | tid: " + tid + " | ";
        QTest::newRow("two empty fields")
            << Level::Debug << false << QStringList{"", ""} << "DEBUG |  | ";
        QTest::newRow("no field") << Level::Error << false << QStringList() << "ERROR";
    }
    void format()
    {
        QFETCH(KesLog::LogLevel, level);
        QFETCH(bool, withThreadId);
        QFETCH(QStringList, fields);
        QFETCH(QString, expected);
        std::vector<std::string> texts;
        for (const QString &field : fields)
            texts.push_back(field.toStdString());

        // time() may read a coarser clock than QDateTime, a few milliseconds behind.
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        const QString line = Line(level, withThreadId, texts);
        const QDateTime after = QDateTime::currentDateTime();

        const QRegularExpressionMatch match = Timestamp.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        const QDateTime stamp = QDateTime::fromString(match.captured(1), "yyyy-MM-dd hh:mm:ss");
        QVERIFY2(stamp.isValid(), qPrintable(line));
        QVERIFY2(stamp >= before.addMSecs(-before.time().msec()) && stamp <= after,
                 qPrintable(line));
        QCOMPARE(match.captured(2), expected);
    }

    void threadIdIsTheCallers()
    {
        long long workerId = 0;
        std::string workerLine;
        std::thread worker([&] {
            workerId = KesLog::CurrentThreadId();
            workerLine = KesLog::DebugWithTid("x");
        });
        worker.join();
        QVERIFY(workerId != KesLog::CurrentThreadId());
        QVERIFY(QString::fromStdString(workerLine)
                    .endsWith(QStringLiteral(" | DEBUG | tid: %1 | x").arg(workerId)));
    }

    void debugOutputCarriesTheLineUnchanged_data()
    {
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << "2026-12-07 09:05:17 | DEBUG | tid: 5128 | COM3 Write: f6";
        QTest::newRow("ends with separator") << "2026-12-07 09:05:17 | INFO | tid: 1 | ";
        QTest::newRow("trailing space") << "ERROR | KesWinMonitorSerial CreateThread Error ";
        QTest::newRow("quotes") << "say \"hi\"";
        QTest::newRow("not ASCII") << QString::fromUtf8("语言 init error! 25 µm");
    }
    void debugOutputCarriesTheLineUnchanged()
    {
        QFETCH(QString, line);
        const QString marker = "marker " + line;
        KesLog::WriteDebugOutput(line.toStdString());
        KesLog::WriteDebugOutput(marker.toStdString());
        QTRY_VERIFY(Texts().contains(marker));
        QVERIFY2(Texts().contains(line), qPrintable(Texts().join('\n')));
        QMutexLocker lock(&s_messagesMutex);
        for (const Message &message : qAsConst(s_messages)) {
            QCOMPARE(message.type, QtDebugMsg);
            QVERIFY(!message.hasFile);
        }
    }

    void recordsKeepTheirOrderInEachSink()
    {
        const QString base = m_dir.filePath("order");
        const QStringList lines = {"first record", "second record", "third record"};
        for (const QString &line : lines) {
            KesLog::WriteDebugOutput(line.toStdString());
            KesLog::AppendToFile(base.toStdString(), line.toStdString());
        }
        QTRY_VERIFY(Texts().contains(lines.last()));
        const QStringList texts = Texts();
        QVERIFY(texts.indexOf(lines[0]) < texts.indexOf(lines[1]));
        QVERIFY(texts.indexOf(lines[1]) < texts.indexOf(lines[2]));
        QTRY_COMPARE(FileLines(base + ".log"), lines + QStringList{""});
    }

    void fileSinkAppendsTheFormattedLine()
    {
        const QString base = m_dir.filePath("append");
        QFile file(base + ".log");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("existing line\n");
        file.close();
        const std::string line = KesLog::InfoWithTid("win api add: USB\\VID_1A86&PID_7523\\1");
        KesLog::AppendToFile(base.toStdString(), line);
        QTRY_COMPARE(FileLines(base + ".log"),
                     (QStringList{"existing line", QString::fromStdString(line), ""}));
    }

    void missingDirectoryLosesOnlyFileLines()
    {
        const QString missing = m_dir.filePath("missing/log");
        const QString base = m_dir.filePath("later");
        KesLog::AppendToFile(missing.toStdString(), "lost line");
        KesLog::WriteDebugOutput("debug output unharmed");
        KesLog::AppendToFile(base.toStdString(), "written line");
        QTRY_VERIFY(Texts().contains("debug output unharmed"));
        QTRY_COMPARE(FileLines(base + ".log"), (QStringList{"written line", ""}));
        QVERIFY(!QDir(m_dir.filePath("missing")).exists());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TstKesLog)
#include "TstKesLog.moc"

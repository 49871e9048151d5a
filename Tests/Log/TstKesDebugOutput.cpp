#include "KesDebugOutput.h"
#include "StartupSteps.h"

#include <QByteArrayList>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {
// Puts a pipe in place of the error output for as long as it exists; nobody reads it until
// the test does.
class ErrorOutputPipe
{
public:
    ErrorOutputPipe() : m_saved(::dup(STDERR_FILENO))
    {
        int ends[2];
        if (::pipe(ends) != 0)
            return;
        m_reader = ends[0];
        ::fcntl(m_reader, F_SETFL, O_NONBLOCK);
        ::dup2(ends[1], STDERR_FILENO);
        ::close(ends[1]);
    }
    ~ErrorOutputPipe()
    {
        KesDebugOutput::Drain(5000);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        CloseReader();
    }
    ErrorOutputPipe(const ErrorOutputPipe &) = delete;
    ErrorOutputPipe &operator=(const ErrorOutputPipe &) = delete;

    bool IsOpen() const { return m_reader >= 0; }
    // Reads what the pipe holds now.
    QByteArray ReadAvailable()
    {
        QByteArray text;
        char buffer[65536];
        ssize_t length;
        while ((length = ::read(m_reader, buffer, sizeof buffer)) > 0)
            text.append(buffer, static_cast<int>(length));
        return text;
    }
    void CloseReader()
    {
        if (m_reader >= 0)
            ::close(m_reader);
        m_reader = -1;
    }

private:
    int m_saved;
    int m_reader = -1;
};
} // namespace

class TstKesDebugOutput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { StartupSteps::DecoupleErrorOutput(); }

    void unreadOutputDropsAndCountsInsteadOfBlocking()
    {
        const int total = 3 * static_cast<int>(KesDebugOutput::Capacity);
        QByteArray output;
        {
            ErrorOutputPipe pipe;
            QVERIFY(pipe.IsOpen());
            // Far more than the pipe and the queue hold together: returns only if nothing blocks.
            qDebug() << "data: " << 12.5f;
            for (int index = 0; index < total; ++index)
                qDebug().noquote() << "line" << index;
            QTRY_VERIFY_WITH_TIMEOUT((output += pipe.ReadAvailable(), KesDebugOutput::Drain(0)),
                                     10000);
            output += pipe.ReadAvailable();
            qDebug().noquote() << "after the gap";
            QVERIFY(KesDebugOutput::Drain(10000));
            output += pipe.ReadAvailable();
        }

        QVERIFY(output.endsWith('\n'));
        QByteArrayList lines = output.split('\n');
        lines.removeLast();
        QCOMPARE(lines.first(), QByteArray("data:  12.5"));
        QCOMPARE(lines.last(), QByteArray("after the gap"));
        // When the writer gets to run while lines are still coming, there may be several gaps.
        // Each gap holds the count of exactly the lines missing there, and every line is either
        // kept, in order, or counted.
        int next = 0;
        int gaps = 0;
        for (int at = 1; at + 1 < lines.size(); ++at) {
            const QByteArray kept = "line " + QByteArray::number(next);
            if (lines.at(at) == kept) {
                ++next;
                continue;
            }
            int resumed = total;
            if (at + 2 < lines.size() && lines.at(at + 1).startsWith("line "))
                resumed = lines.at(at + 1).mid(5).toInt();
            QVERIFY2(resumed > next, lines.at(at + 1).constData());
            QCOMPARE(lines.at(at),
                     QByteArray::fromStdString(KesDebugOutput::DroppedLine(resumed - next)));
            next = resumed;
            ++gaps;
        }
        QCOMPARE(next, total);
        QVERIFY(gaps > 0);
    }

    // Without SIGPIPE ignored the first write would end the test.
    void closedOutputNeitherBlocksNorEndsTheProcess()
    {
        ErrorOutputPipe pipe;
        QVERIFY(pipe.IsOpen());
        pipe.CloseReader();
        for (int index = 0; index < 1000; ++index)
            qDebug() << "nobody reads this" << index;
        QVERIFY(KesDebugOutput::Drain(10000));
    }
};

QTEST_GUILESS_MAIN(TstKesDebugOutput)
#include "TstKesDebugOutput.moc"

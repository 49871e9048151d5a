#pragma once

#include <QtGlobal>

#include <cstddef>
#include <string>

class QMessageLogContext;
class QString;

// The Qt debug output of the program, written to the error output by a thread of its own
// through a bounded queue, so that an error output nobody reads never holds up the thread that
// writes a diagnostic. Lines the queue cannot take are dropped and counted; when the output
// takes lines again, one line tells how many were dropped. The lines read as Qt's default
// handler writes them.
class KesDebugOutput
{
public:
    static constexpr std::size_t Capacity = 10000;

    // Installs the message handler and starts the writer; later calls do nothing. At process
    // exit the lines still queued are written, unless the output stays blocked.
    static void Install();

    // Queues one line (without its end of line) or counts it dropped when the queue is full;
    // the line after a gap is preceded by the count of the lines dropped.
    static void Enqueue(std::string line);
    // The line written after lines were dropped.
    static std::string DroppedLine(std::size_t dropped);
    // Waits up to timeoutMs until every queued line was written or dropped; true when it was.
    static bool Drain(int timeoutMs);

private:
    static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &message);
    static void WriterLoop();
};

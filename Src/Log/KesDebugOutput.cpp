#include "KesDebugOutput.h"

#include <QString>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <mutex>
#include <thread>

namespace {
// Leaked on purpose, like the logger's state: the writer is never joined.
struct OutputState
{
    std::mutex mutex;
    std::condition_variable wakeUp;
    std::condition_variable drained;
    std::deque<std::string> lines;
    std::size_t dropped = 0;
    bool writing = false;
    std::once_flag installed;
};

OutputState &State()
{
    static OutputState *state = new OutputState;
    return *state;
}

// One line with its end of line, in one write; false when the output refused it.
bool WriteLine(const std::string &line)
{
    const std::string text = line + '\n';
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stderr) == text.size() && std::fflush(stderr) == 0;
    std::clearerr(stderr);
    return written;
}

void DrainAtExit()
{
    KesDebugOutput::Drain(1000);
}
} // namespace

void KesDebugOutput::Install()
{
    std::call_once(State().installed, [] {
        std::thread(&KesDebugOutput::WriterLoop).detach();
        std::atexit(DrainAtExit);
        qInstallMessageHandler(&KesDebugOutput::Handle);
    });
}

void KesDebugOutput::Enqueue(std::string line)
{
    OutputState &state = State();
    {
        std::lock_guard<std::mutex> lock(state.mutex);
        if (state.lines.size() >= Capacity) {
            ++state.dropped;
            return;
        }
        // The count stands where the lines went missing.
        if (state.dropped > 0)
            state.lines.push_back(DroppedLine(state.dropped));
        state.dropped = 0;
        state.lines.push_back(std::move(line));
    }
    state.wakeUp.notify_one();
}

std::string KesDebugOutput::DroppedLine(std::size_t dropped)
{
    return "KesDebugOutput: " + std::to_string(dropped) +
           " lines dropped while the error output was blocked";
}

bool KesDebugOutput::Drain(int timeoutMs)
{
    OutputState &state = State();
    std::unique_lock<std::mutex> lock(state.mutex);
    return state.drained.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                  [&] { return state.lines.empty() && !state.writing; });
}

void KesDebugOutput::Handle(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    const std::string line = qFormatLogMessage(type, context, message).toLocal8Bit().toStdString();
    // Qt ends the process right after a fatal message: it cannot wait for the writer.
    if (type == QtFatalMsg)
        WriteLine(line);
    else
        Enqueue(line);
}

void KesDebugOutput::WriterLoop()
{
    OutputState &state = State();
    std::unique_lock<std::mutex> lock(state.mutex);
    for (;;) {
        state.wakeUp.wait(lock, [&] { return !state.lines.empty(); });
        std::string line = std::move(state.lines.front());
        state.lines.pop_front();
        state.writing = true;
        lock.unlock();
        // The output may block for as long as nobody reads it; producers go on meanwhile.
        const bool written = WriteLine(line);
        lock.lock();
        if (!written)
            ++state.dropped;
        state.writing = false;
        if (state.lines.empty())
            state.drained.notify_all();
    }
}

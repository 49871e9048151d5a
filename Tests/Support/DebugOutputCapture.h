#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects every message of the Qt debug output (from any thread) while it exists and hands it
// on to the previous handler. One capture at a time.
class DebugOutputCapture
{
public:
    DebugOutputCapture()
    {
        QMutexLocker lock(&s_mutex);
        s_active = this;
        s_previous = qInstallMessageHandler(&DebugOutputCapture::Handle);
    }
    ~DebugOutputCapture()
    {
        QMutexLocker lock(&s_mutex);
        qInstallMessageHandler(s_previous);
        s_active = nullptr;
    }
    DebugOutputCapture(const DebugOutputCapture &) = delete;
    DebugOutputCapture &operator=(const DebugOutputCapture &) = delete;

    QStringList Lines() const
    {
        QMutexLocker lock(&s_mutex);
        return m_lines;
    }
    // The captured lines that contain text.
    QStringList Matching(const QString &text) const { return Lines().filter(text); }
    void Clear()
    {
        QMutexLocker lock(&s_mutex);
        m_lines.clear();
    }

private:
    // A thread may still be inside the handler while the capture ends: both sides take the lock.
    static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        QMutexLocker lock(&s_mutex);
        if (s_active)
            s_active->m_lines.append(message);
        if (s_previous)
            s_previous(type, context, message);
    }

    static inline QMutex s_mutex;
    static inline DebugOutputCapture *s_active = nullptr;
    static inline QtMessageHandler s_previous = nullptr;
    QStringList m_lines;
};

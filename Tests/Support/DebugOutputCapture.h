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
        s_active = this;
        m_previous = qInstallMessageHandler(&DebugOutputCapture::Handle);
    }
    ~DebugOutputCapture()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }

    QStringList Lines() const
    {
        QMutexLocker lock(&m_mutex);
        return m_lines;
    }
    // The captured lines that contain text.
    QStringList Matching(const QString &text) const { return Lines().filter(text); }
    void Clear()
    {
        QMutexLocker lock(&m_mutex);
        m_lines.clear();
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        DebugOutputCapture *capture = s_active;
        {
            QMutexLocker lock(&capture->m_mutex);
            capture->m_lines.append(message);
        }
        if (capture->m_previous)
            capture->m_previous(type, context, message);
    }

    static inline DebugOutputCapture *s_active = nullptr;
    QtMessageHandler m_previous = nullptr;
    mutable QMutex m_mutex;
    QStringList m_lines;
};

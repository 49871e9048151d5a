#pragma once

#include <QObject>
#include <QString>

class GaugeSession;
class NoticeBar;

// What the user must know about the run's file, told on the notice bar: that its readings
// could not be written, or that the file had gone and was written again.
class JournalNotices : public QObject
{
    Q_OBJECT
public:
    JournalNotices(const GaugeSession *session, NoticeBar *notice, QObject *parent = nullptr);

private:
    void On_JournalFailed(const QString &path, const QString &reason);
    void On_JournalRemade(const QString &path);

    NoticeBar *m_notice;
};

#include "JournalNotices.h"

#include "GaugeSession.h"
#include "NoticeBar.h"

#include <QDir>

JournalNotices::JournalNotices(const GaugeSession *session, NoticeBar *notice, QObject *parent)
    : QObject(parent), m_notice(notice)
{
    connect(session, &GaugeSession::JournalFailed, this, &JournalNotices::On_JournalFailed);
    connect(session, &GaugeSession::JournalRemade, this, &JournalNotices::On_JournalRemade);
}

void JournalNotices::On_JournalFailed(const QString &path, const QString &reason)
{
    m_notice->Show(tr("The readings could not be written to %1 (%2). They are kept: save "
                      "them from the Sessions page.")
                       .arg(QDir::toNativeSeparators(path), reason));
}

void JournalNotices::On_JournalRemade(const QString &path)
{
    m_notice->Show(tr("The session file had been deleted with its folder or replaced. It was "
                      "written again with every reading of this run: %1")
                       .arg(QDir::toNativeSeparators(path)));
}

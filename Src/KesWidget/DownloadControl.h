#pragma once

#include "MemoryDownload.h"
#include "MemoryReader.h"

#include <QObject>
#include <QString>

class KesSerialPort;
class MessageCover;
class QWidget;

// The window's side of a download of the gauge's memory: the command and its progress on the
// message cover, the last download kept, and its exports (text, CSV, report) asked for.
//
// A download is busy from Run until Finish: a completed one while its export runs, one that
// timed out until the window has told the user so.
class DownloadControl : public QObject
{
    Q_OBJECT
public:
    DownloadControl(KesSerialPort *channel, MessageCover *messages, QWidget *window);

    bool IsBusy() const { return m_busy; }
    // The last completed download, kept until the next one completes.
    MemoryDownload *Download() { return &m_download; }

    // Drops what waits on the line and asks the gauge for its memory.
    void Begin();
    // Reads the answer, showing each frame's arrival on the progress shown. A completed
    // download closes the progress and is kept; one given up leaves the progress to whoever
    // tells why.
    MemoryReader::Result Run();
    void Finish();

    // The exports of the last download, each saved where the user says.
    void SaveText(const QString &caption, const QString &text);
    void SaveCsv();
    void AskReport();

signals:
    void BusyChanged(bool busy);

private:
    void SetBusy(bool busy);

    KesSerialPort *m_channel;
    MessageCover *m_messages;
    QWidget *m_window;
    MemoryDownload m_download;
    bool m_busy = false;
};

#pragma once

#include "RecordStore.h"

#include <QObject>
#include <QString>

class GaugeSession;
class LiveRecorder;
class MainWindow;
class MemoryDownload;
class MessageCover;
class QPushButton;
class QThread;
class QWidget;
class RecordsChooser;
class RecordsPage;

// The records behind the window: the store beside the settings (or in the data folder when
// installed), every live run of the session recorded in it, the session files it does not
// hold taken in once at start-up on a thread of its own, and a store that cannot be used told
// once; downloads are kept as batches too. It adds the Records page beside the Sessions page,
// and the choice of area and gauge to the real-time controls.
class RecordsWiring : public QObject
{
    Q_OBJECT
public:
    RecordsWiring(GaugeSession *session, MessageCover *messages, MainWindow *window);
    ~RecordsWiring() override;

    RecordStore *Store() { return &m_store; }
    LiveRecorder *Recorder() const { return m_recorder; }
    static QString StorePath();

signals:
    void IntakeFinished(int batchesMade, qint64 readingsAdded);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void EmbedPage(QWidget *window);
    void EmbedChooser(QWidget *window);
    void TakeInJournals();
    // Each group of a completed download becomes a batch where the next live run would go.
    void On_DownloadCompleted(const MemoryDownload &download);
    void Tell(const QString &problem);

    RecordStore m_store;
    LiveRecorder *m_recorder;
    MessageCover *m_messages;
    QThread *m_intake = nullptr;
    RecordsPage *m_page = nullptr;
    RecordsChooser *m_chooser = nullptr;
    QPushButton *m_pageButton = nullptr;
    bool m_told = false;
};

#pragma once

#include "RecordReport.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

class QThread;

// Writes a report from the records on a thread of its own, with a store connection of its
// own on the same file, so that the window never waits for it: Progress tells the pages
// painted (0 of 0 while the records are gathered), Finished the file written or why not.
// Once written, the report's number is noted as issued for its job. One report at a time.
class RecordReportTask : public QObject
{
    Q_OBJECT

public:
    explicit RecordReportTask(QObject *parent = nullptr);
    ~RecordReportTask() override;

    bool IsRunning() const;
    // False when a report is being written already.
    bool Start(const QString &storePath, const RecordReport::Request &request,
               const QString &outputPath);

    // The work itself, on the calling thread: the translated reason, or empty when written.
    static QString Write(const QString &storePath, const RecordReport::Request &request,
                         const QString &outputPath,
                         const std::function<void(int, int)> &progress = {});

signals:
    void Progress(int page, int pages);
    // message: the path written, or why it was not.
    void Finished(bool written, const QString &message);

private:
    QThread *m_thread = nullptr;
};

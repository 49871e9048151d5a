#include "RecordReportTask.h"

#include "RecordStore.h"
#include "ReportWriter.h"

#include <QThread>

RecordReportTask::RecordReportTask(QObject *parent) : QObject(parent) {}

RecordReportTask::~RecordReportTask()
{
    if (m_thread)
        m_thread->wait();
}

bool RecordReportTask::IsRunning() const
{
    return m_thread && m_thread->isRunning();
}

bool RecordReportTask::Start(const QString &storePath, const RecordReport::Request &request,
                             const QString &outputPath)
{
    if (IsRunning())
        return false;
    delete m_thread;
    m_thread = QThread::create([this, storePath, request, outputPath] {
        const QString problem = Write(storePath, request, outputPath,
                                      [this](int page, int pages) { emit Progress(page, pages); });
        emit Finished(problem.isEmpty(), problem.isEmpty() ? outputPath : problem);
    });
    m_thread->start();
    return true;
}

QString RecordReportTask::Write(const QString &storePath, const RecordReport::Request &request,
                                const QString &outputPath,
                                const std::function<void(int, int)> &progress)
{
    RecordStore store;
    if (!store.Open(storePath))
        return store.Problem();
    if (progress)
        progress(0, 0);
    QString problem;
    const std::optional<RecordReport> report = RecordReport::Gather(store, request, &problem);
    if (!report)
        return problem;
    if (!ReportWriter::Write(*report, outputPath, &problem, progress))
        return problem;
    if (!store.NoteReportNumber(report->job.uuid, report->number))
        return store.Problem();
    return QString();
}

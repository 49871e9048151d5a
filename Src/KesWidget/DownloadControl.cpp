#include "DownloadControl.h"

#include "ExportFileWriter.h"
#include "InspectionReport.h"
#include "InspectionSettings.h"
#include "KesSerialPort.h"
#include "M7kProtocol.h"
#include "MemoryCsvExport.h"
#include "MessageCover.h"
#include "ReportAsker.h"
#include "SaveFileAsker.h"

#include <QCoreApplication>
#include <QPointer>

DownloadControl::DownloadControl(KesSerialPort *channel, MessageCover *messages, QWidget *window)
    : QObject(window), m_channel(channel), m_messages(messages), m_window(window)
{}

void DownloadControl::Begin()
{
    m_channel->Clear();
    m_channel->Write(M7kProtocol().GetLogCmd());
}

MemoryReader::Result DownloadControl::Run()
{
    SetBusy(true);
    const QPointer<DialogWindow> progress = m_messages->Current();
    MemoryReader reader(m_channel);
    connect(&reader, &MemoryReader::FrameReceived, this, [this](int frame, int frameCount) {
        if (DialogWindow *dialog = m_messages->Current())
            dialog->SetLoadValue(frame + 1, frameCount);
    });
    const MemoryReader::Result result = reader.Run();
    switch (result.outcome) {
    case MemoryReader::Outcome::Completed:
        m_messages->Close();
        QCoreApplication::processEvents();
        m_download =
            MemoryDownload(result.groups, QDateTime::currentDateTime(), m_channel->PortName());
        break;
    case MemoryReader::Outcome::TimedOut:
        break;
    case MemoryReader::Outcome::PortClosed:
    case MemoryReader::Outcome::Aborted:
        // Whoever closed the port has told the user already; only our own progress goes.
        if (progress && m_messages->Current() == progress)
            m_messages->Close();
        break;
    }
    return result;
}

void DownloadControl::Finish()
{
    SetBusy(false);
}

void DownloadControl::SetBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    emit BusyChanged(busy);
}

void DownloadControl::SaveText(const QString &caption, const QString &text)
{
    const QString saved = SaveFileAsker::Ask(
        m_window, m_messages, caption, QStringLiteral("txt(*.txt)"), QStringLiteral(".txt"),
        [&text](const QString &path, QString *errorText) {
            return ExportFileWriter::Write(path, text, errorText);
        });
    if (!saved.isEmpty())
        m_download.AddSavedFile(saved);
}

// All five frames at full precision, beside the text export.
void DownloadControl::SaveCsv()
{
    const QByteArray csv = MemoryCsvExport::Csv(m_download.Frames());
    const QString saved = SaveFileAsker::Ask(
        m_window, m_messages, tr("Save the download as CSV"), QStringLiteral("csv(*.csv)"),
        QStringLiteral(".csv"), [&csv](const QString &path, QString *errorText) {
            return ExportFileWriter::WriteBytes(path, csv, ExportFileWriter::KeepLineEnds,
                                                errorText);
        });
    if (!saved.isEmpty())
        m_download.AddSavedFile(saved);
}

void DownloadControl::AskReport()
{
    ReportAsker::Ask(m_window, m_messages,
                     InspectionReport::FromMemory(m_download, InspectionSettings::Load()));
}

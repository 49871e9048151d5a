#include "MessageCover.h"

#include <QEventLoop>
#include <QTimer>

MessageCover::MessageCover(QWidget *window) : QObject(window), m_window(window) {}

MessageCover::~MessageCover()
{
    // The dialog has no parent: it must not outlive the window it covers.
    delete m_dialog;
}

void MessageCover::Show(DialogWindow::STATE page, const QString &text, int closesAfterMs)
{
    DialogWindow *dialog = Replace(page);
    if (page == DialogWindow::Warning)
        dialog->SetWarningMessage(text);
    else if (page == DialogWindow::TimeOut)
        dialog->SetTimeOutMessage(text);
    dialog->show();
    if (closesAfterMs > 0)
        QTimer::singleShot(closesAfterMs, this, &MessageCover::Close);
}

void MessageCover::ShowDone(const QString &text)
{
    Show(DialogWindow::Warning, text, DialogWindow::ReadingMsecs(text));
    m_dialog->SetInformation(true);
}

void MessageCover::ShowProgress(const QString &text, int steps)
{
    DialogWindow *dialog = Replace(DialogWindow::UpdateParam);
    dialog->SetUpdateImage(QStringLiteral("Update"));
    dialog->SetUpdateMessage(text);
    dialog->SetLoadValue(1, steps);
    dialog->show();
}

void MessageCover::Close()
{
    if (!m_dialog)
        return;
    m_dialog->hide();
    m_dialog->deleteLater();
    m_dialog = nullptr;
}

void MessageCover::WaitUntilClosed()
{
    if (!m_dialog)
        return;
    QEventLoop loop;
    connect(m_dialog, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

// A new modal dialog on the given page in place of the current one; the caller shows it.
DialogWindow *MessageCover::Replace(DialogWindow::STATE page)
{
    Close();
    m_dialog = new DialogWindow;
    m_dialog->SetCoverWidget(m_window);
    m_dialog->setModal(true);
    m_dialog->SetState(page);
    return m_dialog;
}

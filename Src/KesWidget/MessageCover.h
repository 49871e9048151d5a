#pragma once

#include "DialogWindow.h"

#include <QObject>
#include <QPointer>

// The window's one modal message at a time: a message dialog covering the window, replaced by
// the next one, closed by whoever asked for it or by itself after a while.
class MessageCover : public QObject
{
    Q_OBJECT
public:
    static constexpr int ShortMs = 1000;

    explicit MessageCover(QWidget *window);
    ~MessageCover() override;

    // Shows a message on the given page; closesAfterMs > 0 closes whichever message is
    // current by then, which may be a later one.
    void Show(DialogWindow::STATE page, const QString &text, int closesAfterMs);
    // A confirmation of what was done, with an information sign, closing itself once read.
    void ShowDone(const QString &text);
    // The progress page with its message, at the first of `steps` steps.
    void ShowProgress(const QString &text, int steps);
    void Close();
    // Processes events until the current message has gone.
    void WaitUntilClosed();
    DialogWindow *Current() const { return m_dialog; }

private:
    DialogWindow *Replace(DialogWindow::STATE page);

    QWidget *m_window;
    DialogWindow *m_dialog = nullptr;
};

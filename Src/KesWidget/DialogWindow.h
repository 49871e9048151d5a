#pragma once

#include <QDialog>

class KesShadowEffect;

namespace Ui {
class DialogWindow;
}

// The application's one message dialog: a translucent, frameless dialog that covers the main
// window and shows a white box with one of its pages in the middle. It only reports button
// clicks; whoever shows it also closes it.
class DialogWindow : public QDialog
{
    Q_OBJECT

public:
    // One enumerator per page of DialogStackWidget, in page order.
    enum STATE
    {
        UpdateParam,
        DevDisconnect,
        TimeOut,
        Warning,
        SaveFile,
        SaveFileSchedule,
        OpenFileSchedule
    };
    Q_ENUM(STATE)

    explicit DialogWindow(QWidget *parent = nullptr);
    ~DialogWindow() override;

    // How long a message that closes itself stays, so that its text can be read once.
    static int ReadingMsecs(const QString &text);

    // The widget whose geometry the dialog takes when shown.
    void SetCoverWidget(QWidget *w);
    void SetState(STATE s);
    void SetUpdateMessage(const QString &text);
    void SetTimeOutMessage(const QString &text);
    void SetWarningMessage(const QString &text);
    // The warning page as a confirmation: an information sign in place of the warning one.
    void SetInformation(bool information);
    // The question page with buttons that name what they do, the third one hidden: "Delete",
    // "Cancel" under a title of its own in place of the form's.
    void SetQuestion(const QString &title, const QString &accept, const QString &reject);
    // The question of the yes/no page.
    void SetSaveFileMessage(const QString &text);
    // "Sync" or "Update": picks the picture of the progress page.
    void SetUpdateImage(const QString &state);

public slots:
    void SetLoadValue(int currentVal, int maxVal);

signals:
    void Closeed();
    void SaveFileYes();
    void SaveFileNo();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void on_SaveFileCloseButton_clicked();
    void on_SaveFileCancelButton_clicked();
    void on_SaveFileYesButton_clicked();
    void on_SaveFileNoButton_clicked();

private:
    Ui::DialogWindow *m_ui;
    KesShadowEffect *m_shadow;
    QWidget *m_coverWidget = nullptr;
    // Translucent over the whole window where the screen composes; else just the box.
    bool m_coversWindow = true;
    // Set by SetWarningMessage; the form's re-translation must not put its placeholder back.
    QString m_warningMessage;
    QString m_saveFileMessage;
    QStringList m_question; // title, accept, reject: set by SetQuestion
};

#include "DialogWindow.h"
#include "ui_DialogWindow.h"

#include "KesShadowEffect.h"
#include "KesStyle.h"
#include "WindowCompositing.h"

#include <QKeyEvent>

#include <algorithm>

namespace {

constexpr qreal kShadowBlur = 15;
constexpr int kShortestReadingMsecs = 1000;
constexpr int kLongestReadingMsecs = 8000;
constexpr int kReadingMsecsPerCharacter = 50;

} // namespace

DialogWindow::DialogWindow(QWidget *parent)
    : QDialog(parent), m_ui(new Ui::DialogWindow), m_shadow(new KesShadowEffect(this))
{
    m_ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    m_coversWindow = WindowCompositing::Available();
    setAttribute(Qt::WA_TranslucentBackground, m_coversWindow);

    m_shadow->setOffset(0, 0);
    m_shadow->setBlurRadius(kShadowBlur);
    m_ui->DialogWindowRoot->setGraphicsEffect(m_shadow);
    m_ui->verticalLayout_5->setAlignment(m_ui->DialogWindowRoot, Qt::AlignCenter);

    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("DialogWindow")));
}

DialogWindow::~DialogWindow()
{
    delete m_ui;
}

int DialogWindow::ReadingMsecs(const QString &text)
{
    return std::clamp(int(text.size()) * kReadingMsecsPerCharacter, kShortestReadingMsecs,
                      kLongestReadingMsecs);
}

void DialogWindow::SetCoverWidget(QWidget *w)
{
    m_coverWidget = w;
}

void DialogWindow::SetState(STATE s)
{
    m_ui->DialogStackWidget->setCurrentIndex(s);
}

void DialogWindow::SetUpdateMessage(const QString &text)
{
    m_ui->UpdateMessageLabel->setText(text);
}

void DialogWindow::SetTimeOutMessage(const QString &text)
{
    m_ui->TimeOutLabel->setText(text);
}

void DialogWindow::SetWarningMessage(const QString &text)
{
    m_warningMessage = text;
    m_ui->DeviceNotLabel->setText(text);
}

void DialogWindow::SetInformation(bool information)
{
    KesStyle::SetState(m_ui->DeviceNotImage,
                       information ? QStringLiteral("Information") : QString());
}

void DialogWindow::SetQuestion(const QString &title, const QString &accept, const QString &reject)
{
    m_question = QStringList{title, accept, reject};
    m_ui->SaveFileTitle->setText(title);
    m_ui->SaveFileYesButton->setText(accept);
    m_ui->SaveFileNoButton->setText(reject);
    m_ui->SaveFileCancelButton->hide();
}

void DialogWindow::SetSaveFileMessage(const QString &text)
{
    m_saveFileMessage = text;
    m_ui->SaveFileMessage->setText(text);
}

void DialogWindow::SetUpdateImage(const QString &state)
{
    KesStyle::SetState(m_ui->UpdateParamImage, state);
}

// A maximum of zero or less has no meaningful share: the bar is shown empty and the labels read
// 0% rather than dividing by it.
void DialogWindow::SetLoadValue(int currentVal, int maxVal)
{
    QProgressBar *bar = m_ui->UpdateParamProgressBar;
    qint64 percent = 0;
    if (maxVal > 0) {
        bar->setRange(0, maxVal);
        bar->setValue(currentVal);
        percent = qint64(currentVal) * 100 / maxVal;
    } else {
        bar->setRange(0, 1);
        bar->setValue(0);
    }
    bar->repaint();

    const QString text = QString("%1%").arg(percent, 0, 10);
    m_ui->UpdateLoadLabel->setText(text);
    m_ui->SaveFileScheduleLoadLabel->setText(text);
}

void DialogWindow::showEvent(QShowEvent *event)
{
    if (m_coverWidget && m_coversWindow) {
        setGeometry(m_coverWidget->geometry());
    } else if (m_coverWidget) {
        // An opaque cover would hide the window: only the box, in the middle of the window.
        QRect box(QPoint(), minimumSizeHint());
        box.moveCenter(m_coverWidget->geometry().center());
        setGeometry(box);
    }
    QDialog::showEvent(event);
}

void DialogWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_ui->retranslateUi(this);
        if (!m_warningMessage.isNull())
            m_ui->DeviceNotLabel->setText(m_warningMessage);
        if (!m_saveFileMessage.isNull())
            m_ui->SaveFileMessage->setText(m_saveFileMessage);
        if (!m_question.isEmpty())
            SetQuestion(m_question.at(0), m_question.at(1), m_question.at(2));
    }
    QDialog::changeEvent(event);
}

// Escape would reject and hide the dialog behind its owner's back (a download in progress, for
// one); only the owner closes it.
void DialogWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    QDialog::keyPressEvent(event);
}

void DialogWindow::on_SaveFileCloseButton_clicked()
{
    emit Closeed();
}

void DialogWindow::on_SaveFileCancelButton_clicked()
{
    emit Closeed();
}

void DialogWindow::on_SaveFileYesButton_clicked()
{
    emit SaveFileYes();
}

void DialogWindow::on_SaveFileNoButton_clicked()
{
    emit SaveFileNo();
}

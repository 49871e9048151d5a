#pragma once

// The real main window driven as a user drives it, with the simulated gauge on a
// pseudo-terminal and the real serial port behind it: shared by the workflow tests.

#include "ChildByPath.h"
#include "DialogWindow.h"
#include "GaugeSession.h"
#include "GaugeSimThread.h"
#include "KesConfig.h"
#include "KesLog.h"
#include "KesSerialPort.h"
#include "MainWindow.h"
#include "QueuedSignalRecorder.h"
#include "StartupSteps.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <qcustomplot.h>

#include <memory>

// One message dialog as it was shown: its page and the text it showed.
struct ShownMessage
{
    int page = -1;
    QString text;

    bool operator==(const ShownMessage &other) const
    {
        return page == other.page && text == other.text;
    }
};

inline char *toString(const ShownMessage &message)
{
    return QTest::toString(QStringLiteral("{page %1, \"%2\"}").arg(message.page).arg(message.text));
}

// Records every message dialog at the moment it is shown.
class MessageRecorder : public QObject
{
public:
    MessageRecorder() { qApp->installEventFilter(this); }

    QList<ShownMessage> Shown() const { return m_shown; }
    QList<ShownMessage> OnPage(DialogWindow::STATE page) const
    {
        QList<ShownMessage> found;
        for (const ShownMessage &message : m_shown) {
            if (message.page == page)
                found.append(message);
        }
        return found;
    }
    void Clear() { m_shown.clear(); }

    // The message dialog on screen now, if any.
    static DialogWindow *Visible()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<DialogWindow *>(widget); dialog && dialog->isVisible())
                return dialog;
        }
        return nullptr;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<DialogWindow *>(watched);
        if (dialog && event->type() == QEvent::Show)
            m_shown.append(Describe(dialog));
        return false;
    }

private:
    static ShownMessage Describe(DialogWindow *dialog)
    {
        static const QHash<int, QString> labels{
            {DialogWindow::UpdateParam, QStringLiteral("UpdateMessageLabel")},
            {DialogWindow::DevDisconnect, QStringLiteral("DevDisconnectLabel")},
            {DialogWindow::TimeOut, QStringLiteral("TimeOutLabel")},
            {DialogWindow::Warning, QStringLiteral("DeviceNotLabel")}};
        ShownMessage message;
        message.page = dialog->findChild<QStackedWidget *>(QStringLiteral("DialogStackWidget"))
                           ->currentIndex();
        if (auto *label = dialog->findChild<QLabel *>(labels.value(message.page)))
            message.text = label->text();
        return message;
    }

    QList<ShownMessage> m_shown;
};

// Answers the save dialogs that the window opens, one scripted answer each: a path to accept,
// or an empty string to cancel. Records what each dialog proposed.
class FileDialogDriver : public QObject
{
public:
    struct Seen
    {
        QString caption;
        QStringList filters;
        QString folder;
        QString fileName;
    };

    explicit FileDialogDriver(const QStringList &answers) : m_answers(answers)
    {
        connect(&m_poll, &QTimer::timeout, this, [this] { Answer(); });
        m_poll.start(20);
    }

    QList<Seen> SeenDialogs() const { return m_seen; }

private:
    void Answer()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || dialog == m_answered || !dialog->isVisible())
            return;
        m_answered = dialog;
        const QStringList proposed = dialog->selectedFiles();
        m_seen.append({dialog->windowTitle(), dialog->nameFilters(),
                       dialog->directory().absolutePath(),
                       proposed.isEmpty() ? QString() : QFileInfo(proposed.first()).fileName()});
        const QString answer = m_answers.value(m_seen.size() - 1);
        if (answer.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed as a user types it; an absolute path overrides the proposed folder.
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(answer);
        // QFileDialog hides its override of accept(); the dialog's own still runs.
        static_cast<QDialog *>(dialog)->accept();
        // A dialog that refused the answer would wait for ever: count it as cancelled.
        if (dialog->isVisible()) {
            qWarning("the save dialog refused %s", qPrintable(answer));
            dialog->reject();
        }
    }

    QStringList m_answers;
    QList<Seen> m_seen;
    QPointer<QFileDialog> m_answered;
    QTimer m_poll;
};

// A fresh window and a fresh simulated gauge for every test function.
class WorkflowTestBase : public QObject
{
protected:
    void InitTestCase()
    {
        KesLog::Instance();
        StartupSteps::RegisterSerialMetaTypes();
        QVERIFY(m_configDir.isValid());
        KesConfig::Instance()->SetConfigFile(m_configDir.filePath(QStringLiteral("config.ini")));
        // Live runs keep their session files below the save folder. The user drives the port
        // by hand here: a lost port is not taken up again by itself unless a test says so.
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), m_configDir.path());
        GaugeSession::SetReconnectEnabled(false);
    }

    void Init()
    {
        m_gauge = std::make_unique<GaugeSimThread>();
        QVERIFY(m_gauge->IsOpen());
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_chunks = std::make_unique<QueuedSignalRecorder>(m_window->findChild<KesSerialPort *>(),
                                                          &KesSerialPort::ReadSerialPort);
        m_messages = std::make_unique<MessageRecorder>();
    }

    void Cleanup()
    {
        m_messages.reset();
        m_chunks.reset();
        m_window.reset();
        m_gauge.reset();
        // Dialogs the window had deleted later.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T> T *Child(const QString &path) const
    {
        return ChildByPath<T>(m_window.get(), path);
    }
    QString State(const char *button) const
    {
        return Child<QPushButton>(button)->property("State").toString();
    }
    QString Text(const char *widget) const
    {
        return Child<QObject>(widget)->property("text").toString();
    }
    void Click(const char *button)
    {
        QTest::mouseClick(Child<QPushButton>(button), Qt::LeftButton);
    }

    // Lists the gauge's port as port discovery would and opens it.
    void OpenGauge()
    {
        m_window->On_UpdateSerial(QList<QString>{m_gauge->Sim()->PortName()}, QList<QString>());
        Click("OpenSerialButton");
        QTRY_COMPARE(m_gauge->Sim()->Received(), QByteArray("\xF0\xF0"));
    }
    // Opens the gauge and starts live streaming; the gauge sends only what the test writes.
    void StartStreaming()
    {
        m_gauge->Sim()->SetPeriodMs(24 * 3600 * 1000);
        OpenGauge();
        Click("RealStartButton");
        QTRY_COMPARE(m_gauge->Sim()->Received(), QByteArray("\xF0\xF0\xF1\xF1"));
    }
    // The values of the live line chart's series, oldest first.
    QVector<float> LineChartValues() const
    {
        auto *chart = Child<QCustomPlot>("RealTimeLineChartFuncWidget/LineChart");
        QVector<float> values;
        if (chart->graphCount() == 0)
            return values;
        for (const QCPGraphData &point : *chart->graph(0)->data())
            values.append(static_cast<float>(point.value));
        return values;
    }
    // Writes bytes as the gauge and waits until the window has handled them as one chunk.
    void Deliver(const QByteArray &bytes)
    {
        const int before = m_chunks->Count();
        m_gauge->Sim()->WriteBytes(bytes);
        QTRY_COMPARE(m_chunks->Count(), before + 1);
        QCOMPARE(m_chunks->At(before).at(0).toByteArray(), bytes);
    }

    // The closed look of every button and the port box.
    void VerifyClosedLook() const
    {
        QCOMPARE(Text("OpenSerialButton"), QStringLiteral("Open"));
        QCOMPARE(State("OpenSerialButton"), QStringLiteral("Close"));
        QCOMPARE(Text("RealStartButton"), QStringLiteral("Start"));
        QCOMPARE(State("RealStartButton"), QStringLiteral("Close"));
        QVERIFY(Child<QComboBox>("SerialPortBox")->isEnabled());
        QVERIFY(!m_window->findChild<KesSerialPort *>()->IsOpen());
    }

    QTemporaryDir m_configDir;
    std::unique_ptr<GaugeSimThread> m_gauge;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<QueuedSignalRecorder> m_chunks;
    std::unique_ptr<MessageRecorder> m_messages;
};

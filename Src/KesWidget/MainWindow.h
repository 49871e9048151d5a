#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "DialogWindow.h"
#include "LogRecord.h"
#include "MemoryDownload.h"
#include "PortOpenFailure.h"
#include "RimlessWindowBase.h"

#include <QButtonGroup>
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QRect>
#include <QSerialPortInfo>
#include <QString>
#include <QVector>
#include <memory>

class AboutWidget;
class BarChartWidget;
class DownloadControl;
class GaugeSession;
class KesSerialPort;
class LineChartWidget;
class LiveDisplay;
class LiveReading;
struct LiveRecord;
class MessageCover;
class NoticeBar;
class QMouseEvent;
class QPushButton;
class QTimer;
class SettingWidget;

namespace Ui {
class MainWindow;
}

class MainWindow : public RimlessWindowBase
{
    Q_OBJECT

public:
    enum WorkMode
    {
        Idle = 0,
        RealTime = 1,
        DownLoad = 2
    };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

signals:
    void DownloadCompleted(const MemoryDownload &download);

public slots:
    void On_buttonClicked(int id);
    void on_RealTimeButtonGroup(int id);

    void On_UpdateSerial(QList<QSerialPortInfo> adds, QList<QSerialPortInfo> dels);
    void On_UpdateSerial(QList<QString> adds, QList<QString> dels);
    void on_OpenSerialButton_clicked();
    void on_RealStartButton_clicked();
    void on_DownLoadDataButton_clicked();
    void On_DecodeDataRealTime(QByteArray array);
    void On_DecodeDevLog();
    void on_DownloadCsvButton_clicked();
    void on_DownloadReportButton_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void SetupButtonGroups();
    void EmbedPages();
    void EmbedSessionsPage();
    void ShowInitialPages();
    void WatchChrome();
    void LoadStyleSheet();
    void ConnectSignals();
    void ToggleMaximized();
    void RestoreUnderPointer(const QPoint &windowPos, const QPoint &globalPos);
    QRect TitleBarRect() const;

    void UpdateOpenState(bool open);
    void UpdateRealTimeState(bool running);

    void ConnectController();
    void On_SerialClosed();
    void On_SerialDisconnected();
    void On_SerialOpenFailed(const PortOpenFailure &failure);
    void On_SerialOpened();
    void On_LiveReport();
    void ShowReading(const LiveReading &reading, const LiveRecord &record);
    void ShowLiveStarted();
    void FollowGauge();
    void OpenPort(const QString &name);
    void Reconnect();
    void On_CommunicationTimeout();
    void ResetDevice();
    void ReleasePort();
    void SaveLogFile();

    std::unique_ptr<Ui::MainWindow> m_ui;
    bool m_maximized = false;
    bool m_overTitleBar = false;
    QRect m_normalGeometry;
    QButtonGroup m_navigationGroup;
    QButtonGroup m_realTimeViewGroup;
    SettingWidget *m_settingWidget = nullptr;
    AboutWidget *m_aboutWidget = nullptr;
    LineChartWidget *m_lineChartWidget = nullptr;
    BarChartWidget *m_barChartWidget = nullptr;

    WorkMode m_mode = Idle;
    bool m_realTimeRunning = false;
    QString m_openPortName;
    KesSerialPort *m_serial = nullptr;
    GaugeSession *m_session = nullptr;
    MessageCover *m_messages = nullptr;
    DownloadControl *m_memory = nullptr;
    NoticeBar *m_notice = nullptr; // what the user must know about the run's file
    QTimer *m_timeoutTimer = nullptr;
    QMap<int, QList<LogRecord>> m_groups;
    LiveDisplay *m_live = nullptr;
};

#endif // MAINWINDOW_H

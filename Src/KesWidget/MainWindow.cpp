#include "MainWindow.h"
#include "ui_MainWindow.h"

#include "AboutWidget.h"
#include "BarChartWidget.h"
#include "DataListWidget.h"
#include "DownloadControl.h"
#include "GaugeSession.h"
#include "InspectionReport.h"
#include "JournalNotices.h"
#include "KesConfig.h"
#include "KesSerialPort.h"
#include "KesStyle.h"
#include "LineChartWidget.h"
#include "LiveDisplay.h"
#include "LiveReading.h"
#include "LiveRecord.h"
#include "MemoryTextExport.h"
#include "MessageCover.h"
#include "MonitorSerial.h"
#include "NoticeBar.h"
#include "RecordsWiring.h"
#include "ReportAsker.h"
#include "ScreenFit.h"
#include "SerialDevFilter.h"
#include "SessionsWidget.h"
#include "SettingWidget.h"
#include "StatisticsWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

const QString ProductTitle = QStringLiteral("Varnolithic Tolvane");

// The shadow margin of the form: maximised, it is pushed just outside the screen.
const int ShadowMargin = 2;

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : RimlessWindowBase(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    m_ui->setupUi(this);

    setWindowTitle(ProductTitle);
    m_ui->AppTitleLabel->setText(ProductTitle);
    setWindowIcon(QIcon(QStringLiteral(":/Images/Varnolithic.ico")));
    auto *portListView = new QListView(m_ui->SerialPortBox);
    portListView->setObjectName(QStringLiteral("StyleComboBoxView"));
    m_ui->SerialPortBox->setView(portListView);

    SetupButtonGroups();
    EmbedPages();
    m_ui->verticalLayout_10->setStretch(0, 1);
    m_ui->verticalLayout_10->setStretch(1, 9);
    ShowInitialPages();

    m_serial = new KesSerialPort(this);
    m_session = new GaugeSession(m_serial, this);
    // Beside the real-time pages rather than on one: the last run's figures stay after Stop.
    auto *statistics = new StatisticsWidget(m_ui->DevFunc);
    m_ui->verticalLayout_10->addWidget(statistics);
    m_live = new LiveDisplay({m_ui->RealDataLabel, m_ui->UnitLabel, m_ui->RealDataListWidget,
                              m_lineChartWidget, m_barChartWidget, statistics},
                             m_session, this);
    m_messages = new MessageCover(this);
    m_memory = new DownloadControl(m_serial, m_messages, this);
    new RecordsWiring(m_session, m_messages, this);
    // Above the readings, covering nothing: the Stop button stays within reach.
    m_notice = new NoticeBar;
    m_ui->verticalLayout_10->insertWidget(1, m_notice);
    new JournalNotices(m_session, m_notice, this);
    connect(statistics, &StatisticsWidget::ReportRequested, this, &MainWindow::On_LiveReport);
    EmbedSessionsPage();
    m_timeoutTimer = new QTimer(this);

    WatchChrome();
    SetShadowWeight(5);
    SetShadowColor(QColor(0, 0, 0, 100));
    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("MainWindow")));
    KesStyle::SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
    KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
    KesStyle::SetState(m_ui->RealStartButton, QStringLiteral("Close"));
    ConnectSignals();
    ScreenFit::Apply(this, m_ui->FuncStackedWidget, m_ui->verticalLayout_19);

    m_ui->DownloadCsvButton->setEnabled(false);
    m_ui->DownloadReportButton->setEnabled(false);
    m_ui->DeviceButton->setChecked(true);
    m_ui->RealTimeDataButton->setChecked(true);
}

MainWindow::~MainWindow()
{
    // Before the channel goes: a run in progress stops the gauge and closes its file synced.
    m_session->Shutdown();
}

void MainWindow::SetupButtonGroups()
{
    const auto fill = [](QButtonGroup &group, const QList<QPushButton *> &buttons) {
        for (int id = 0; id < buttons.size(); ++id) {
            group.addButton(buttons[id], id);
            buttons[id]->setCheckable(true);
        }
    };
    fill(m_navigationGroup,
         {m_ui->DeviceButton, m_ui->SettingButton, m_ui->AboutButton, m_ui->SessionsButton});
    fill(m_realTimeViewGroup,
         {m_ui->RealTimeDataButton, m_ui->RealTimeLineChartButton, m_ui->RealTimeHistoGramButton});
}

void MainWindow::EmbedPages()
{
    m_settingWidget = new SettingWidget(m_ui->SettingFunc);
    m_ui->verticalLayout_13->addWidget(m_settingWidget);
    m_aboutWidget = new AboutWidget(m_ui->AboutFunc);
    m_ui->horizontalLayout_15->addWidget(m_aboutWidget);
    m_lineChartWidget = new LineChartWidget(m_ui->RealTimeLineChartFuncWidget);
    m_ui->RealTimeLineChartFuncWidgetLayout->addWidget(m_lineChartWidget);
    m_barChartWidget = new BarChartWidget(m_ui->RealTimeHistogramFuncWidget);
    m_ui->RealTimeHistogramFuncWidgetLayout->addWidget(m_barChartWidget);
}

void MainWindow::EmbedSessionsPage()
{
    auto *sessions = new SessionsWidget(m_session, m_ui->SessionsFunc);
    m_ui->SessionsFuncLayout->addWidget(sessions);
    sessions->SetDownload(m_memory->Download());
    connect(sessions, &SessionsWidget::ReportRequested, this,
            [this](const InspectionReport &report) { ReportAsker::Ask(this, m_messages, report); });
    connect(sessions, &SessionsWidget::MessageRequested, this, [this](const QString &text) {
        m_messages->Show(DialogWindow::Warning, text, MessageCover::ShortMs);
    });
    connect(sessions, &SessionsWidget::DoneReported, m_messages, &MessageCover::ShowDone);
}

void MainWindow::ShowInitialPages()
{
    m_ui->RealTimeFuncStackedWidget->setCurrentIndex(0);
    m_ui->UnitLabel->hide();
    m_ui->RealTimeStackedWidget->setCurrentIndex(1);
    m_ui->RealTimeFuncStackedWidget->setCurrentIndex(0);
    m_ui->OpenSerialButton->setText(tr("Open"));
    m_ui->RealStartButton->setText(tr("Start"));
}

void MainWindow::WatchChrome()
{
    const QList<QWidget *> chrome{
        m_ui->MainRootWindow, m_ui->TopTitleWidget,   m_ui->RootWidget,      m_ui->BottomWidget,
        m_ui->LeftWidget,     m_ui->RightWidget,      m_ui->DeviceButton,    m_ui->SettingButton,
        m_ui->AboutButton,    m_ui->SessionsButton,   m_ui->AppLogo,         m_ui->AppTitleLabel,
        m_ui->CloseButton,    m_ui->MinimalityButton, m_ui->MaximalityButton};
    for (QWidget *widget : chrome) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
}

void MainWindow::ConnectSignals()
{
    connect(&m_navigationGroup, SIGNAL(buttonClicked(int)), this, SLOT(On_buttonClicked(int)));
    connect(&m_realTimeViewGroup, SIGNAL(buttonClicked(int)), this,
            SLOT(on_RealTimeButtonGroup(int)));
    connect(MonitorSerial::Instance(),
            SIGNAL(UpdateSerial(QList<QSerialPortInfo>, QList<QSerialPortInfo>)), this,
            SLOT(On_UpdateSerial(QList<QSerialPortInfo>, QList<QSerialPortInfo>)),
            Qt::QueuedConnection);
    ConnectController();
    connect(m_ui->MinimalityButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->MaximalityButton, &QPushButton::clicked, this, &MainWindow::ToggleMaximized);
    connect(m_ui->CloseButton, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
}

void MainWindow::On_buttonClicked(int id)
{
    m_ui->FuncStackedWidget->setCurrentIndex(id);
}

void MainWindow::on_RealTimeButtonGroup(int id)
{
    if (id == 0) {
        m_ui->UnitLabel->hide();
    } else {
        if (!m_live->HasReadings()) {
            m_ui->UnitLabel->clear();
        }
        m_ui->UnitLabel->show();
    }
    m_ui->RealTimeFuncStackedWidget->setCurrentIndex(id);
}

QRect MainWindow::TitleBarRect() const
{
    return QRect(m_ui->TopTitleWidget->mapTo(this, QPoint(0, 0)), m_ui->TopTitleWidget->size());
}

void MainWindow::ToggleMaximized()
{
    if (m_maximized) {
        setGeometry(m_normalGeometry);
        KesStyle::SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
    } else {
        m_normalGeometry = geometry();
        const QRect available = screen()->availableGeometry();
        setGeometry(available.adjusted(-ShadowMargin, -ShadowMargin, ShadowMargin, ShadowMargin));
        KesStyle::SetState(m_ui->MaximalityButton, QStringLiteral("Max"));
    }
    m_maximized = !m_maximized;
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && TitleBarRect().contains(event->pos())) {
        ToggleMaximized();
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    const bool move = event->type() == QEvent::MouseMove;
    if (!move && event->type() != QEvent::MouseButtonRelease) {
        return RimlessWindowBase::eventFilter(watched, event);
    }
    // The handlers below work in window coordinates, the event carries the child's.
    auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint windowPos = static_cast<QWidget *>(watched)->mapTo(this, mouse->pos());
    QMouseEvent mapped(mouse->type(), windowPos, mouse->windowPos(), mouse->screenPos(),
                       mouse->button(), mouse->buttons(), mouse->modifiers(), mouse->source());
    if (move) {
        m_overTitleBar = watched == m_ui->TopTitleWidget;
        const QRect title = TitleBarRect();
        SetDragArea(title.x(), title.y(), title.width(), title.height());
        mouseMoveEvent(&mapped);
    } else {
        mouseReleaseEvent(&mapped);
    }
    return false;
}

void MainWindow::mouseMoveEvent(QMouseEvent *event)
{
    RimlessWindowBase::mouseMoveEvent(event);
    if (m_pressed && m_maximized && m_overTitleBar && TitleBarRect().contains(event->pos())) {
        RestoreUnderPointer(event->pos(), event->globalPos());
    }
}

// Dragging the maximised window by its title bar restores it so that the pointer keeps its
// relative horizontal place on the title bar.
void MainWindow::RestoreUnderPointer(const QPoint &windowPos, const QPoint &globalPos)
{
    m_maximized = false;
    const double ratio = static_cast<double>(windowPos.x()) / width();
    const int left = globalPos.x() - static_cast<int>(ratio * m_normalGeometry.width());
    // The top edge goes to the top of the usable screen area, below a panel placed there.
    const int top = screen()->availableGeometry().top();
    SetTrackedGeometry(left, top, m_normalGeometry.width(), m_normalGeometry.height());
    resize(m_normalGeometry.size());
    KesStyle::SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange) {
        RimlessWindowBase::changeEvent(event);
        return;
    }
    const bool overflowShown = LiveDisplay::IsOverflowText(m_ui->RealDataLabel->text());
    m_ui->retranslateUi(this);
    if (overflowShown) {
        m_ui->RealDataLabel->setText(LiveDisplay::OverflowText());
    }
    UpdateOpenState(m_serial->IsOpen());
    UpdateRealTimeState(m_realTimeRunning);
}

void MainWindow::UpdateOpenState(bool open)
{
    if (open) {
        m_ui->OpenSerialButton->setText(tr("Close"));
        KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Open"));
        m_ui->SerialPortBox->setEnabled(false);
    } else {
        m_ui->OpenSerialButton->setText(tr("Open"));
        KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
        m_openPortName.clear();
        m_ui->SerialPortBox->setEnabled(true);
    }
}

void MainWindow::UpdateRealTimeState(bool running)
{
    if (running) {
        m_ui->RealStartButton->setText(tr("Stop"));
        KesStyle::SetState(m_ui->RealStartButton, QStringLiteral("Open"));
        m_ui->SerialPortBox->setEnabled(false);
        return;
    }
    m_ui->RealStartButton->setText(tr("Start"));
    KesStyle::SetState(m_ui->RealStartButton, QStringLiteral("Close"));
    m_ui->SerialPortBox->setEnabled(true);
    m_ui->RealTimeStackedWidget->setCurrentIndex(1);
    m_ui->RealTimeDataButton->setChecked(true);
    m_ui->RealTimeFuncStackedWidget->setCurrentIndex(0);
    // A run waiting for its device to come back goes on as one series.
    if (m_session->AwaitedPort().isEmpty())
        m_live->Clear();
}

void MainWindow::ConnectController()
{
    connect(m_serial, &KesSerialPort::Closeed, this, &MainWindow::On_SerialClosed);
    connect(m_serial, &KesSerialPort::DisconnectPort, this, &MainWindow::On_SerialDisconnected);
    connect(m_serial, &KesSerialPort::OpenFailed, this, &MainWindow::On_SerialOpenFailed);
    connect(m_serial, &KesSerialPort::OpenSuccess, this, &MainWindow::On_SerialOpened);
    connect(m_timeoutTimer, &QTimer::timeout, this, &MainWindow::On_CommunicationTimeout);
    connect(m_session, &GaugeSession::LiveChanged, this, &MainWindow::FollowGauge);
    connect(m_memory, &DownloadControl::BusyChanged, this, &MainWindow::FollowGauge);
    connect(m_session, &GaugeSession::ReadingReceived, this, &MainWindow::ShowReading);
    connect(m_settingWidget, &SettingWidget::CriteriaChanged, m_live, &LiveDisplay::SetCriteria);
    // Ports named on the command line that the system does not list arrive by name only. A
    // queued connection by signature needs the argument type registered when it is made.
    qRegisterMetaType<QList<QString>>("QList<QString>");
    connect(MonitorSerial::Instance(), SIGNAL(UpdateUserPorts(QList<QString>, QList<QString>)),
            this, SLOT(On_UpdateSerial(QList<QString>, QList<QString>)), Qt::QueuedConnection);
}

void MainWindow::On_UpdateSerial(QList<QSerialPortInfo> adds, QList<QSerialPortInfo> dels)
{
    const auto gaugePortNames = [](const QList<QSerialPortInfo> &ports, const QString &label) {
        QList<QString> names;
        for (const QSerialPortInfo &port : ports) {
            qDebug().noquote() << label + port.serialNumber();
            if (SerialDevFilter::IsGaugeAdapter(port))
                names.append(port.portName());
        }
        return names;
    };
    On_UpdateSerial(gaugePortNames(adds, QStringLiteral("addtemp: ")),
                    gaugePortNames(dels, QStringLiteral("deltemp: ")));
}

void MainWindow::On_UpdateSerial(QList<QString> adds, QList<QString> dels)
{
    QComboBox *box = m_ui->SerialPortBox;
    for (int i = box->count() - 1; i >= 0; --i) {
        if (dels.contains(box->itemText(i)))
            box->removeItem(i);
    }
    box->addItems(adds);
    if (adds.contains(m_session->AwaitedPort()) && !m_serial->IsOpen())
        Reconnect();
    if (m_openPortName.isEmpty())
        return;
    const int openIndex = box->findText(m_openPortName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (openIndex >= 0)
        box->setCurrentIndex(openIndex);
    if (dels.contains(m_openPortName)) {
        m_messages->Show(DialogWindow::DevDisconnect, QString(), MessageCover::ShortMs);
        m_session->DeviceLost();
        ResetDevice();
        ReleasePort();
    }
}

void MainWindow::on_OpenSerialButton_clicked()
{
    m_session->CancelReconnect();
    if (m_serial->IsOpen()) {
        m_serial->CloseSerial();
        KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
        m_ui->SerialPortBox->setEnabled(true);
        return;
    }
    OpenPort(m_ui->SerialPortBox->currentText());
}

void MainWindow::OpenPort(const QString &name)
{
    // Disabled before the attempt: a failure reports itself during the call and enables it again.
    m_ui->SerialPortBox->setEnabled(false);
    m_serial->Open(name);
}

// The port of a run that lost its device is listed again: the run goes on there.
void MainWindow::Reconnect()
{
    QComboBox *box = m_ui->SerialPortBox;
    box->setCurrentIndex(
        box->findText(m_session->AwaitedPort(), Qt::MatchExactly | Qt::MatchCaseSensitive));
    OpenPort(m_session->AwaitedPort());
}

void MainWindow::on_RealStartButton_clicked()
{
    if (!m_serial->IsOpen()) {
        m_messages->Show(DialogWindow::Warning, tr("Device not connected!"), MessageCover::ShortMs);
        return;
    }
    if (m_realTimeRunning) {
        m_session->StopLive();
        m_ui->RealTimeStackedWidget->setCurrentIndex(1);
        UpdateRealTimeState(false);
        m_ui->UnitLabel->hide();
        m_timeoutTimer->stop();
        return;
    }
    // The series of a run whose reconnect was given up is not this run's, nor is what was
    // told about its file.
    m_live->Clear();
    m_notice->hide();
    m_session->StartLive();
    ShowLiveStarted();
}

void MainWindow::ShowLiveStarted()
{
    m_ui->RealTimeStackedWidget->setCurrentIndex(0);
    m_live->ShowStarted();
    m_ui->UnitLabel->hide();
    UpdateRealTimeState(true);
}

// What the connection is used for, as the session and the download say: the one place the
// mode and the streaming flag are set.
void MainWindow::FollowGauge()
{
    m_realTimeRunning = m_session->IsLive();
    m_mode = m_realTimeRunning ? RealTime : m_memory->IsBusy() ? DownLoad : Idle;
}

void MainWindow::on_DownLoadDataButton_clicked()
{
    if (!m_serial->IsOpen()) {
        m_messages->Show(DialogWindow::Warning, tr("Device not connected!"), MessageCover::ShortMs);
        return;
    }
    if (m_realTimeRunning) {
        m_messages->Show(DialogWindow::Warning, tr("Please stop the Real Time Data function!"),
                         MessageCover::ShortMs);
        return;
    }
    m_memory->Begin();
    m_messages->ShowProgress(tr("DownLoad Device Datas......"), MemoryReader::FrameCount);
    On_DecodeDevLog();
}

void MainWindow::On_DecodeDataRealTime(QByteArray array)
{
    // Not one of the session's readings: numbered after them.
    if (const std::optional<LiveReading> reading = LiveReading::Decode(array))
        ShowReading(*reading, LiveRecord::FromReading(*reading, m_session->Records().size() + 1,
                                                      QDateTime::currentDateTime()));
}

void MainWindow::ShowReading(const LiveReading &reading, const LiveRecord &record)
{
    m_timeoutTimer->stop();
    m_live->Show(reading, record);
}

void MainWindow::On_DecodeDevLog()
{
    m_groups.clear();
    const MemoryReader::Result result = m_memory->Run();
    if (result.outcome == MemoryReader::Outcome::TimedOut) {
        // The time-out handler closes the progress and tells the user.
        m_timeoutTimer->start(500);
        return;
    }
    if (result.outcome == MemoryReader::Outcome::Completed) {
        m_groups = result.groups;
        emit DownloadCompleted(*m_memory->Download());
        m_ui->DownloadCsvButton->setEnabled(true);
        m_ui->DownloadReportButton->setEnabled(true);
        SaveLogFile();
        m_groups.clear();
    }
    m_memory->Finish();
}

void MainWindow::SaveLogFile()
{
    m_memory->SaveText(tr("Save file"),
                       MemoryTextExport::Text(m_groups, tr("Number"), tr("Data"), tr("Unit")));
}

void MainWindow::on_DownloadCsvButton_clicked()
{
    m_memory->SaveCsv();
}

void MainWindow::On_LiveReport()
{
    if (const std::optional<InspectionReport> report = m_live->Report(m_serial->PortName()))
        ReportAsker::Ask(this, m_messages, *report);
    else
        m_messages->Show(DialogWindow::Warning, tr("There are no live readings to report yet."),
                         MessageCover::ShortMs);
}

void MainWindow::on_DownloadReportButton_clicked()
{
    m_memory->AskReport();
}

void MainWindow::On_SerialOpened()
{
    m_session->PortOpened();
    m_ui->OpenSerialButton->setText(tr("Close"));
    KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Open"));
    m_ui->SerialPortBox->setEnabled(false);
    m_openPortName = m_serial->PortName();
    if (m_session->AwaitedPort() != m_openPortName)
        return;
    m_session->Resume();
    ShowLiveStarted();
    m_messages->Show(DialogWindow::Warning, tr("The device is connected again."),
                     MessageCover::ShortMs);
}

void MainWindow::On_SerialOpenFailed(const PortOpenFailure &failure)
{
    UpdateOpenState(false);
    const QString text = failure.UserText();
    m_messages->Show(DialogWindow::Warning, text, DialogWindow::ReadingMsecs(text));
}

void MainWindow::On_SerialClosed()
{
    m_session->Shutdown();
    ResetDevice();
    ReleasePort();
}

void MainWindow::On_SerialDisconnected()
{
    m_messages->Show(DialogWindow::DevDisconnect, QString(), MessageCover::ShortMs);
    m_session->DeviceLost();
    ResetDevice();
    ReleasePort();
}

void MainWindow::On_CommunicationTimeout()
{
    m_timeoutTimer->stop();
    m_messages->Close();
    if (m_mode == RealTime) {
        m_ui->RealStartButton->setText(tr("Start"));
        KesStyle::SetState(m_ui->RealStartButton, QStringLiteral("Close"));
        m_ui->RealTimeStackedWidget->setCurrentIndex(1);
        m_session->Interrupt();
        m_live->ClearTexts();
    } else if (m_mode == DownLoad) {
        m_memory->Finish();
    } else {
        return;
    }
    // Closed by the next expiry, which finds the controller idle.
    m_messages->Show(DialogWindow::TimeOut, tr("Device communication timeout!"), 0);
    m_timeoutTimer->start(1000);
}

// Comes after the session let go of the run; a download given up is over.
void MainWindow::ResetDevice()
{
    m_memory->Finish();
    m_ui->OpenSerialButton->setText(tr("Open"));
    KesStyle::SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
    m_openPortName.clear();
    UpdateRealTimeState(false);
}

// Unhooks the reader and closes the port without a Closeed() of its own.
void MainWindow::ReleasePort()
{
    m_serial->DisconnectReadyRead();
    m_serial->Close();
}

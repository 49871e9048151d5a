#include "MainWindow.h"
#include "ui_MainWindow.h"

// BarChartWidget.h needs the complete chart class for its QPointer member.
#include "KesCustomChart.h"

#include "AboutWidget.h"
#include "BarChartWidget.h"
#include "DataListWidget.h"
#include "KesSerialPort.h"
#include "LineChartWidget.h"
#include "MonitorSerial.h"
#include "SettingWidget.h"

#include <QApplication>
#include <QFile>
#include <QListView>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace {

const QString ProductTitle = QStringLiteral("Varnolithic Tolvane");
const char *const OverflowText = QT_TRANSLATE_NOOP("MainWindow", "Data overflow");
const QString OverflowTextChinese = QStringLiteral("数据溢出");

// The shadow margin of the form: maximised, it is pushed just outside the screen.
const int ShadowMargin = 2;

QString ReadStyleSheet(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QByteArray bytes = file.readAll();
    return QString::fromUtf8(
        bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0')));
}

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
    m_timeoutTimer = new QTimer(this);

    WatchChrome();
    SetShadowWeight(5);
    SetShadowColor(QColor(0, 0, 0, 100));
    setStyleSheet(ReadStyleSheet(QStringLiteral(":/qss/White/MainWindow.css")));
    SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
    SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
    SetState(m_ui->RealStartButton, QStringLiteral("Close"));
    ConnectSignals();

    m_ui->DeviceButton->setChecked(true);
    m_ui->RealTimeDataButton->setChecked(true);
}

MainWindow::~MainWindow() = default;

void MainWindow::SetupButtonGroups()
{
    const QList<QPushButton *> navigation{m_ui->DeviceButton, m_ui->SettingButton,
                                          m_ui->AboutButton};
    const QList<QPushButton *> views{m_ui->RealTimeDataButton, m_ui->RealTimeLineChartButton,
                                     m_ui->RealTimeHistoGramButton};
    for (int id = 0; id < navigation.size(); ++id) {
        m_navigationGroup.addButton(navigation[id], id);
        navigation[id]->setCheckable(true);
    }
    for (int id = 0; id < views.size(); ++id) {
        m_realTimeViewGroup.addButton(views[id], id);
        views[id]->setCheckable(true);
    }
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
    const QList<QWidget *> chrome{m_ui->MainRootWindow,   m_ui->TopTitleWidget,  m_ui->RootWidget,
                                  m_ui->BottomWidget,     m_ui->LeftWidget,      m_ui->RightWidget,
                                  m_ui->DeviceButton,     m_ui->SettingButton,   m_ui->AboutButton,
                                  m_ui->AppLogo,          m_ui->AppTitleLabel,   m_ui->CloseButton,
                                  m_ui->MinimalityButton, m_ui->MaximalityButton};
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
    connect(m_ui->MinimalityButton, &QPushButton::clicked, this, &QWidget::showMinimized);
    connect(m_ui->MaximalityButton, &QPushButton::clicked, this, &MainWindow::ToggleMaximized);
    connect(m_ui->CloseButton, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
}

void MainWindow::SetState(QPushButton *button, const QString &state)
{
    button->setProperty("State", state);
    // The style sheet selects on the property; re-applying the style evaluates it again.
    button->setStyle(QApplication::style());
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
        if (m_texts.isEmpty()) {
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
        SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
    } else {
        m_normalGeometry = geometry();
        const QRect available = screen()->availableGeometry();
        setGeometry(available.adjusted(-ShadowMargin, -ShadowMargin, ShadowMargin, ShadowMargin));
        SetState(m_ui->MaximalityButton, QStringLiteral("Max"));
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
    SetTrackedGeometry(left, 0, m_normalGeometry.width(), m_normalGeometry.height());
    resize(m_normalGeometry.size());
    SetState(m_ui->MaximalityButton, QStringLiteral("Min"));
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() != QEvent::LanguageChange) {
        RimlessWindowBase::changeEvent(event);
        return;
    }
    const QString shown = m_ui->RealDataLabel->text();
    const bool overflowShown = shown == QLatin1String(OverflowText) || shown == OverflowTextChinese;
    m_ui->retranslateUi(this);
    if (overflowShown) {
        m_ui->RealDataLabel->setText(tr(OverflowText));
    }
    UpdateOpenState(m_serial->IsOpen());
    UpdateRealTimeState(m_realTimeRunning);
}

void MainWindow::UpdateOpenState(bool open)
{
    if (open) {
        m_ui->OpenSerialButton->setText(tr("Close"));
        SetState(m_ui->OpenSerialButton, QStringLiteral("Open"));
        m_ui->SerialPortBox->setEnabled(false);
    } else {
        m_ui->OpenSerialButton->setText(tr("Open"));
        SetState(m_ui->OpenSerialButton, QStringLiteral("Close"));
        m_openPortName.clear();
        m_ui->SerialPortBox->setEnabled(true);
    }
}

void MainWindow::UpdateRealTimeState(bool running)
{
    if (running) {
        m_ui->RealStartButton->setText(tr("Stop"));
        SetState(m_ui->RealStartButton, QStringLiteral("Open"));
        m_ui->SerialPortBox->setEnabled(false);
        return;
    }
    m_ui->RealStartButton->setText(tr("Start"));
    SetState(m_ui->RealStartButton, QStringLiteral("Close"));
    m_ui->SerialPortBox->setEnabled(true);
    m_ui->RealTimeStackedWidget->setCurrentIndex(1);
    m_ui->RealTimeDataButton->setChecked(true);
    m_ui->RealTimeFuncStackedWidget->setCurrentIndex(0);
    m_values.clear();
    m_texts.clear();
    m_ui->RealDataListWidget->SetDataList(m_texts);
}

void MainWindow::On_UpdateSerial(QList<QSerialPortInfo> adds, QList<QSerialPortInfo> dels)
{
    Q_UNUSED(adds)
    Q_UNUSED(dels)
}

void MainWindow::On_UpdateSerial(QList<QString> adds, QList<QString> dels)
{
    Q_UNUSED(adds)
    Q_UNUSED(dels)
}

void MainWindow::on_OpenSerialButton_clicked() {}

void MainWindow::on_RealStartButton_clicked() {}

void MainWindow::on_DownLoadDataButton_clicked() {}

void MainWindow::On_DecodeDataRealTime(QByteArray array)
{
    Q_UNUSED(array)
}

void MainWindow::On_DecodeDevLog() {}

#include "RecordsWiring.h"

#include "AppPaths.h"
#include "AttachmentsPanel.h"
#include "CompanySettingsWidget.h"
#include "DialogWindow.h"
#include "DownloadIntake.h"
#include "InspectionSettings.h"
#include "InspectorSettings.h"
#include "JournalIntake.h"
#include "KesConfig.h"
#include "LiveRecorder.h"
#include "MainWindow.h"
#include "MessageCover.h"
#include "RecordsChooser.h"
#include "RecordsPage.h"
#include "RecordsTransferBar.h"
#include "SessionFile.h"
#include "TeamSyncWiring.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QThread>
#include <QTimer>

RecordsWiring::RecordsWiring(GaugeSession *session, MessageCover *messages, MainWindow *window)
    : QObject(window),
      m_recorder(new LiveRecorder(&m_store, session, RecordWriter::Where::Aside, this)),
      m_messages(messages)
{
    const InspectorSettings inspector = InspectorSettings::Load();
    m_store.SetInspector(inspector.name, inspector.certificate);
    connect(m_recorder, &LiveRecorder::StoreFailed, this, &RecordsWiring::Tell);
    const bool opened = m_store.Open(StorePath());
    // Told once the window is up; a read-only store of a later version is told as well.
    if (!m_store.Problem().isEmpty())
        QTimer::singleShot(0, this, [this] { Tell(m_store.Problem()); });
    EmbedPage(window);
    EmbedChooser(window);
    // The company on reports: the last group of the settings page.
    auto *groups = window->findChild<QBoxLayout *>(QStringLiteral("verticalLayout_16"));
    groups->insertWidget(groups->count() - 1, new CompanySettingsWidget(&m_store, window));
    connect(m_recorder, &LiveRecorder::BatchEnded, m_page, &RecordsPage::Refresh);
    connect(this, &RecordsWiring::IntakeFinished, m_page, &RecordsPage::Refresh);
    connect(window, &MainWindow::DownloadCompleted, this, &RecordsWiring::On_DownloadCompleted);
    auto *team = new TeamSyncWiring(StorePath(), m_recorder, window);
    connect(team, &TeamSyncWiring::RecordsChanged, m_page, &RecordsPage::Refresh);
    if (opened && m_store.IsWritable())
        TakeInJournals();
}

void RecordsWiring::EmbedPage(QWidget *window)
{
    auto *sessions = window->findChild<QPushButton *>(QStringLiteral("SessionsButton"));
    auto *pages = window->findChild<QStackedWidget *>(QStringLiteral("FuncStackedWidget"));
    m_page = new RecordsPage(&m_store, pages);
    AttachmentsPanel::AddTo(m_page, &m_store);
    RecordsTransferBar::AddTo(m_page, &m_store);
    connect(m_page, &RecordsPage::MessageRequested, this, [this](const QString &text) {
        m_messages->Show(DialogWindow::Warning, text, DialogWindow::ReadingMsecs(text));
    });
    m_pageButton = new QPushButton(sessions->parentWidget());
    m_pageButton->setObjectName(QStringLiteral("RecordsButton"));
    m_pageButton->setSizePolicy(sessions->sizePolicy());
    m_pageButton->setMinimumSize(sessions->minimumSize());
    m_pageButton->setMaximumSize(sessions->maximumSize());
    m_pageButton->setCheckable(true);
    m_pageButton->setText(tr("Records"));
    m_pageButton->installEventFilter(this);
    auto *navigation = qobject_cast<QBoxLayout *>(sessions->parentWidget()->layout());
    navigation->insertWidget(navigation->indexOf(sessions) + 1, m_pageButton);
    // The navigation shows the page of the button's number.
    sessions->group()->addButton(m_pageButton, pages->addWidget(m_page));
}

void RecordsWiring::EmbedChooser(QWidget *window)
{
    auto *start = window->findChild<QPushButton *>(QStringLiteral("RealStartButton"));
    auto *controls = window->findChild<QBoxLayout *>(QStringLiteral("verticalLayout_11"));
    m_chooser = new RecordsChooser(&m_store, m_recorder, start->parentWidget());
    controls->insertWidget(1, m_chooser);
    connect(this, &RecordsWiring::IntakeFinished, m_chooser, &RecordsChooser::Refresh);
    connect(m_page, &RecordsPage::Changed, m_chooser, &RecordsChooser::Refresh);
}

bool RecordsWiring::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pageButton && event->type() == QEvent::LanguageChange)
        m_pageButton->setText(tr("Records"));
    return QObject::eventFilter(watched, event);
}

RecordsWiring::~RecordsWiring()
{
    if (m_intake) {
        m_intake->requestInterruption();
        m_intake->wait();
    }
}

QString RecordsWiring::StorePath()
{
    return AppPaths::Current().RecordsFile(KesConfig::Instance()->ConfigFile());
}

void RecordsWiring::TakeInJournals()
{
    const QString path = m_store.Path();
    const QStringList files = SessionFile::List(KesConfig::Instance()->SaveFolder());
    const InspectionCriteria criteria = InspectionSettings::Load();
    const InspectorSettings inspector = InspectorSettings::Load();
    m_intake = QThread::create([this, path, files, criteria, inspector] {
        // A connection of its own: connections belong to the thread that opened them.
        RecordStore store;
        store.SetInspector(inspector.name, inspector.certificate);
        if (!store.Open(path))
            return;
        const JournalIntake::Result result = JournalIntake::TakeIn(store, files, criteria, [](int) {
            return !QThread::currentThread()->isInterruptionRequested();
        });
        const QString problem = store.IsWritable() ? QString() : store.Problem();
        QMetaObject::invokeMethod(this, [this, result, problem] {
            if (!problem.isEmpty())
                Tell(problem);
            emit IntakeFinished(result.batchesMade, result.readingsAdded);
        });
    });
    m_intake->setParent(this);
    m_intake->start(QThread::LowPriority);
}

void RecordsWiring::On_DownloadCompleted(const MemoryDownload &download)
{
    if (!m_store.IsWritable())
        return Tell(m_store.Problem());
    if (DownloadIntake::TakeIn(m_store, download, m_recorder->AreaUuid(), m_recorder->GaugeUuid(),
                               InspectionSettings::Load())
            .isEmpty() &&
        !download.Groups().isEmpty())
        Tell(m_store.Problem());
    m_page->Refresh();
}

void RecordsWiring::Tell(const QString &problem)
{
    if (m_told)
        return;
    m_told = true;
    m_messages->Show(DialogWindow::Warning, problem, DialogWindow::ReadingMsecs(problem));
}

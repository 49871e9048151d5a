#include "RecordsTransferBar.h"

#include "ExchangeArchive.h"
#include "ExchangeFormat.h"
#include "InspectionSettings.h"
#include "InspectorSettings.h"
#include "JournalIntake.h"
#include "RecordExchange.h"
#include "RecordStore.h"
#include "RecordsPage.h"
#include "RecordsTreeModel.h"
#include "XlsxExport.h"

#include <QBoxLayout>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTreeView>

RecordsTransferBar::RecordsTransferBar(RecordStore *store, QTreeView *tree, QWidget *parent)
    : QWidget(parent), m_store(store), m_tree(tree), m_xlsx(new QPushButton(this)),
      m_exchange(new QPushButton(this)), m_import(new QPushButton(this))
{
    setObjectName(QStringLiteral("RecordsTransferBar"));
    m_xlsx->setObjectName(QStringLiteral("RecordsExportXlsx"));
    m_exchange->setObjectName(QStringLiteral("RecordsExportExchange"));
    m_import->setObjectName(QStringLiteral("RecordsImport"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QPushButton *button : {m_xlsx, m_exchange, m_import})
        layout->addWidget(button);
    RetranslateUi();
    connect(m_xlsx, &QPushButton::clicked, this, [this] { On_Export(Format::Xlsx); });
    connect(m_exchange, &QPushButton::clicked, this, [this] { On_Export(Format::Exchange); });
    connect(m_import, &QPushButton::clicked, this, &RecordsTransferBar::On_Import);
    connect(this, &RecordsTransferBar::Finished, this,
            [this](bool, const QString &text) { emit MessageRequested(text); });
}

RecordsTransferBar::~RecordsTransferBar()
{
    if (m_work)
        m_work->wait();
    delete m_work;
}

RecordsTransferBar *RecordsTransferBar::AddTo(RecordsPage *page, RecordStore *store)
{
    auto *bar = new RecordsTransferBar(
        store, page->findChild<QTreeView *>(QStringLiteral("RecordsTree")), page);
    qobject_cast<QBoxLayout *>(page->layout())->addWidget(bar);
    connect(bar, &RecordsTransferBar::MessageRequested, page, &RecordsPage::MessageRequested);
    connect(bar, &RecordsTransferBar::Imported, page, &RecordsPage::Refresh);
    return bar;
}

void RecordsTransferBar::RetranslateUi()
{
    m_xlsx->setText(tr("Export XLSX..."));
    m_xlsx->setToolTip(tr("The chosen job, area or batch as a workbook: cover, figures per "
                          "batch and every reading."));
    m_exchange->setText(tr("Export exchange file..."));
    m_exchange->setToolTip(tr("The chosen job as one file another machine's records take in."));
    m_import->setText(tr("Import..."));
    m_import->setToolTip(tr("Take in an exchange file or session files."));
}

void RecordsTransferBar::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        RetranslateUi();
    QWidget::changeEvent(event);
}

RecordsTransferBar::Choice RecordsTransferBar::Chosen() const
{
    Choice choice;
    for (QModelIndex index = m_tree->currentIndex(); index.isValid(); index = index.parent()) {
        const QString uuid = index.data(RecordsTreeModel::UuidRole).toString();
        switch (RecordsTreeModel::Kind(index.data(RecordsTreeModel::KindRole).toInt())) {
        case RecordsTreeModel::Kind::Job:
            choice.job = uuid;
            break;
        case RecordsTreeModel::Kind::Area:
            choice.area = uuid;
            break;
        case RecordsTreeModel::Kind::Batch:
            choice.batch = uuid;
            break;
        case RecordsTreeModel::Kind::Unfiled:
            break;
        }
    }
    return choice;
}

void RecordsTransferBar::On_Export(Format format)
{
    const Choice choice = Chosen();
    if (choice.job.isEmpty()) {
        emit MessageRequested(tr("Choose a job, an area or a batch of an area to export; a batch "
                                 "in Unfiled is moved into an area first."));
        return;
    }
    const QString name = m_store->Job(choice.job).value_or(RecordJob()).name;
    const bool xlsx = format == Format::Xlsx;
    const QString path = QFileDialog::getSaveFileName(
        this, xlsx ? tr("Export XLSX") : tr("Export exchange file"),
        QDir::home().filePath(name + (xlsx ? QStringLiteral(".xlsx") : QStringLiteral(".zip"))),
        xlsx ? tr("Workbooks (*.xlsx)") : tr("Exchange files (*.zip)"));
    if (!path.isEmpty())
        Export(format, path);
}

void RecordsTransferBar::Export(Format format, const QString &path)
{
    const Choice choice = Chosen();
    const bool xlsx = format == Format::Xlsx;
    // An exchange file carries the whole job, so that the other machine's job is whole too.
    const QString area = xlsx ? choice.area : QString();
    const QString batch = xlsx ? choice.batch : QString();
    Run(
        tr("Writing %1...").arg(QDir::toNativeSeparators(path)),
        [choice, area, batch, xlsx, path](RecordStore &store) {
            const std::optional<ExchangeContent> content =
                RecordExchange::Collect(store, choice.job, area, batch);
            QString problem;
            if (!content)
                return Outcome{false, store.Problem()};
            if (!(xlsx ? XlsxExport::Write(path, *content, &problem)
                       : ExchangeFormat::Write(path, *content, &problem)))
                return Outcome{false, problem};
            return Outcome{true, tr("%n batch(es) written to %1.", nullptr, content->batches.size())
                                     .arg(QDir::toNativeSeparators(path))};
        },
        false);
}

void RecordsTransferBar::On_Import()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Import"), QDir::homePath(),
        tr("Exchange files (*.zip);;Session files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        Import(path);
}

void RecordsTransferBar::Import(const QString &path)
{
    Run(
        tr("Taking in %1...").arg(QDir::toNativeSeparators(path)),
        [path](RecordStore &store) {
            if (!ExchangeArchive::IsArchive(path)) {
                const JournalIntake::Result result =
                    JournalIntake::TakeIn(store, {path}, InspectionSettings::Load());
                if (!result.problems.isEmpty())
                    return Outcome{false, result.problems.join(QLatin1Char('\n'))};
                return Outcome{true,
                               tr("%n reading(s) taken in.", nullptr, int(result.readingsAdded))};
            }
            QString problem;
            const std::optional<ExchangeContent> content = ExchangeFormat::Read(path, &problem);
            if (!content)
                return Outcome{false, problem};
            RecordExchange::Tally tally;
            if (!RecordExchange::Merge(store, *content, &tally))
                return Outcome{false, tr("%1 was not taken in: %2")
                                          .arg(QDir::toNativeSeparators(path), store.Problem())};
            return Outcome{true, tr("The job %1 is taken in: %2 items and %3 readings added, %4 "
                                    "changes recorded in the history.")
                                     .arg(content->job.name)
                                     .arg(tally.itemsAdded)
                                     .arg(tally.readingsAdded)
                                     .arg(tally.fieldsChanged)};
        },
        true);
}

void RecordsTransferBar::Run(const QString &label,
                             const std::function<Outcome(RecordStore &)> &work, bool changesRecords)
{
    if (m_work)
        return;
    const QString storePath = m_store->Path();
    const InspectorSettings inspector = InspectorSettings::Load();
    for (QPushButton *button : {m_xlsx, m_exchange, m_import})
        button->setEnabled(false);
    m_progress = new QProgressDialog(label, QString(), 0, 0, this);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(300);
    m_work = QThread::create([this, storePath, inspector, work, changesRecords] {
        // A connection of its own: connections belong to the thread that opened them.
        RecordStore store;
        store.SetInspector(inspector.name, inspector.certificate);
        const Outcome outcome =
            store.Open(storePath) ? work(store) : Outcome{false, store.Problem()};
        QMetaObject::invokeMethod(this, [this, outcome, changesRecords] {
            m_work->wait();
            delete m_work;
            m_work = nullptr;
            delete m_progress;
            m_progress = nullptr;
            for (QPushButton *button : {m_xlsx, m_exchange, m_import})
                button->setEnabled(true);
            if (changesRecords)
                emit Imported();
            emit Finished(outcome.succeeded, outcome.text);
        });
    });
    m_work->start();
}

#include "AttachmentsPanel.h"
#include "KesConfig.h"
#include "RecordStore.h"
#include "RecordsPage.h"
#include "RecordsTransferBar.h"
#include "RecordsTreeModel.h"

#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

// The page's export, import and attachments without a display, on real records files: the
// work runs off the window's thread and its end is told; a file refused is named.
class TstRecordsTransferBar : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    RecordStore m_store;
    QString m_batch;

private slots:
    void initTestCase()
    {
        KesConfig::Instance()->SetConfigFile(m_dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(m_store.Open(m_dir.filePath(QStringLiteral("records.sqlite"))));
        const QString area = m_store.EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Pier"),
                                                InspectionCriteria());
        RecordBatch start;
        start.areaUuid = area;
        start.started = QDateTime::currentDateTime();
        m_batch = m_store.BeginBatch(start);
        LiveRecord record;
        record.index = 1;
        record.arrival = start.started;
        record.micrometres = 120;
        record.valueText = QStringLiteral("120");
        QVERIFY(m_store.AppendReadings(m_batch, {record}));
    }

    // The chosen job goes out as an exchange file and into another machine's page, whose tree
    // then shows it; the photos dropped on a batch are kept, anything else is refused by name.
    void exportImportAndAttach()
    {
        RecordsPage page(&m_store);
        page.show();
        RecordsTransferBar *bar = RecordsTransferBar::AddTo(&page, &m_store);
        AttachmentsPanel *panel = AttachmentsPanel::AddTo(&page, &m_store);
        QSignalSpy messages(&page, &RecordsPage::MessageRequested);
        auto *tree = page.findChild<QTreeView *>(QStringLiteral("RecordsTree"));
        QAbstractItemModel *model = tree->model();
        const QModelIndex pier = model->index(0, 0, model->index(0, 0));
        model->fetchMore(pier);
        tree->setCurrentIndex(model->index(0, 0, pier));
        QCOMPARE(panel->Owner(), m_batch);

        QSignalSpy finished(bar, &RecordsTransferBar::Finished);
        const QString file = m_dir.filePath(QStringLiteral("bridge.zip"));
        bar->Export(RecordsTransferBar::Format::Exchange, file);
        QVERIFY(bar->IsBusy());
        QVERIFY(!page.findChild<QPushButton *>(QStringLiteral("RecordsImport"))->isEnabled());
        QVERIFY(finished.wait(20000));
        QVERIFY2(finished.at(0).at(0).toBool(), qPrintable(finished.at(0).at(1).toString()));
        QVERIFY(finished.at(0).at(1).toString().contains(QStringLiteral("bridge.zip")));
        QCOMPARE(messages.size(), 1);

        QTemporaryDir other;
        RecordStore otherStore;
        QVERIFY(otherStore.Open(other.filePath(QStringLiteral("records.sqlite"))));
        RecordsPage otherPage(&otherStore);
        otherPage.show();
        RecordsTransferBar *otherBar = RecordsTransferBar::AddTo(&otherPage, &otherStore);
        QSignalSpy imported(otherBar, &RecordsTransferBar::Finished);
        otherBar->Import(file);
        QVERIFY(imported.wait(20000));
        QVERIFY2(imported.at(0).at(0).toBool(), qPrintable(imported.at(0).at(1).toString()));
        QCOMPARE(otherPage.findChild<QTreeView *>(QStringLiteral("RecordsTree"))
                     ->model()
                     ->index(0, 0)
                     .data()
                     .toString(),
                 QStringLiteral("Bridge"));
        QCOMPARE(otherStore.Batch(m_batch)->count, qint64(1));

        QImage photo(40, 30, QImage::Format_RGB32);
        photo.fill(Qt::red);
        const QString photoPath = m_dir.filePath(QStringLiteral("pier.png"));
        QVERIFY(photo.save(photoPath));
        panel->AddFiles({photoPath, file}, false);
        const auto *list = panel->findChild<QListWidget *>(QStringLiteral("AttachmentsList"));
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), QStringLiteral("pier"));
        QVERIFY(!list->item(0)->icon().isNull());
        QCOMPARE(messages.size(), 2);
        QVERIFY(messages.last().at(0).toString().contains(QStringLiteral("bridge.zip is not "
                                                                         "attached")));
    }
};

QTEST_MAIN(TstRecordsTransferBar)
#include "TstRecordsTransferBar.moc"

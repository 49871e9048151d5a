#include "BatchReadingsModel.h"
#include "GaugeSession.h"
#include "KesConfig.h"
#include "KesSerialPort.h"
#include "LiveRecorder.h"
#include "RecordStore.h"
#include "RecordsChooser.h"
#include "RecordsPage.h"
#include "RecordsTreeModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTreeView>
#include <QtTest>

namespace {
QVector<LiveRecord> Readings(const QVector<double> &values)
{
    QVector<LiveRecord> records;
    for (int i = 0; i < values.size(); ++i) {
        LiveRecord record;
        record.index = i + 1;
        record.arrival = QDateTime::currentDateTime();
        record.micrometres = float(values.at(i));
        record.valueText = QString::number(values.at(i));
        records.append(record);
    }
    return records;
}
} // namespace

// The records page without a display, on a real records file.
class TstRecordsPage : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordStore m_store;
    QString m_excluded;

    QString Batch(const QString &area, const QVector<double> &values, int day)
    {
        RecordBatch start;
        start.areaUuid = area;
        start.started = QDateTime(QDate(2026, 1, 1).addDays(day), QTime(9, 0));
        const QString uuid = m_store.BeginBatch(start);
        m_store.AppendReadings(uuid, Readings(values));
        return uuid;
    }

private slots:
    void initTestCase()
    {
        KesConfig::Instance()->SetConfigFile(m_dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(m_store.Open(m_dir.filePath(QStringLiteral("records.sqlite"))));
        InspectionCriteria iso;
        iso.rule = InspectionCriteria::Rule::Iso19840;
        iso.nominal = 100;
        const QString deck =
            m_store.EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Deck"), iso);
        const QString pier =
            m_store.EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Pier"), iso);
        for (int day = 0; day < RecordsTreeModel::PageBatches + 44; ++day)
            Batch(deck, {110, 120}, day);
        m_excluded = Batch(pier, {120, 40, 110, 130}, 1);
        QVERIFY(m_store.ExcludeReading(m_excluded, 2, QStringLiteral("on a weld")));
        Batch(QString(), {100}, 2);
    }

    // The tree lists jobs, their areas and, a page at a time, their batches; the search and the
    // verdict narrow it; a batch shows its readings with the excluded one struck through and
    // its verdict by its own criteria; an area its combined figures.
    void treeSearchAndBatch()
    {
        RecordsPage page(&m_store);
        page.show();
        auto *tree = page.findChild<QTreeView *>(QStringLiteral("RecordsTree"));
        QAbstractItemModel *model = tree->model();
        QCOMPARE(model->rowCount(), 2);
        const QModelIndex bridge = model->index(0, 0);
        QCOMPARE(bridge.data().toString(), QStringLiteral("Bridge"));
        QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Unfiled"));
        const QModelIndex deck = model->index(0, 0, bridge);
        QCOMPARE(model->index(0, RecordsTreeModel::CountColumn, bridge).data().toInt(),
                 RecordsTreeModel::PageBatches + 44);
        model->fetchMore(deck);
        QCOMPARE(model->rowCount(deck), RecordsTreeModel::PageBatches);
        QVERIFY(model->canFetchMore(deck));
        model->fetchMore(deck);
        QCOMPARE(model->rowCount(deck), RecordsTreeModel::PageBatches + 44);
        QVERIFY(!model->canFetchMore(deck));

        page.findChild<QLineEdit *>(QStringLiteral("RecordsSearch"))
            ->setText(QStringLiteral("PIER"));
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->rowCount(model->index(0, 0)), 1);
        auto *verdict = page.findChild<QComboBox *>(QStringLiteral("RecordsVerdict"));
        verdict->setCurrentIndex(1); // pass
        QCOMPARE(model->rowCount(), 1);
        const QModelIndex pier = model->index(0, 0, model->index(0, 0));
        model->fetchMore(pier);
        QCOMPARE(model->rowCount(pier), 1);
        const QModelIndex batch = model->index(0, 0, pier);
        QCOMPARE(batch.data(RecordsTreeModel::UuidRole).toString(), m_excluded);
        verdict->setCurrentIndex(2); // fail
        QCOMPARE(model->rowCount(), 0);
        verdict->setCurrentIndex(1);

        const QModelIndex area = model->index(0, 0, model->index(0, 0));
        tree->setCurrentIndex(area);
        auto *details = page.findChild<QTextBrowser *>(QStringLiteral("RecordsDetails"));
        QVERIFY(details->toPlainText().contains(QStringLiteral("Pier")));
        QVERIFY(details->toPlainText().contains(QStringLiteral("120.0 um")));
        model->fetchMore(area);
        tree->setCurrentIndex(model->index(0, 0, area));
        QVERIFY(details->toPlainText().contains(QStringLiteral("Pass")));
        QVERIFY(details->toPlainText().contains(QStringLiteral("on a weld")));
        QAbstractItemModel *readings =
            page.findChild<QTableView *>(QStringLiteral("RecordsReadings"))->model();
        QCOMPARE(readings->rowCount(), 0);
        readings->fetchMore(QModelIndex());
        QCOMPARE(readings->rowCount(), 4);
        QVERIFY(readings->index(1, 0).data(Qt::FontRole).value<QFont>().strikeOut());
        QVERIFY(!readings->index(0, 0).data(Qt::FontRole).value<QFont>().strikeOut());
        QVERIFY(readings->index(1, BatchReadingsModel::NoteColumn)
                    .data()
                    .toString()
                    .contains(QStringLiteral("on a weld")));
    }

    // Beside Start: the last area and gauge chosen are chosen again and handed to the recorder;
    // a gauge past its due date is said so.
    void chooserRemembersAndWarns()
    {
        const QString gauge =
            m_store.AddGauge({QString(), QStringLiteral("M7"), QStringLiteral("G-1"), QString(),
                              QStringLiteral("C-1"), QDate(2020, 1, 31)});
        const QString pier =
            m_store
                .AreaNamed(m_store.JobNamed(QStringLiteral("Bridge"))->uuid, QStringLiteral("Pier"))
                ->uuid;
        KesConfig::Instance()->WriteValue(QStringLiteral("Area"), pier, QStringLiteral("Records"));
        KesConfig::Instance()->WriteValue(QStringLiteral("Gauge"), gauge,
                                          QStringLiteral("Records"));
        KesSerialPort channel;
        GaugeSession session(&channel);
        LiveRecorder recorder(&m_store, &session);
        RecordsChooser chooser(&m_store, &recorder);
        chooser.show();
        QCOMPARE(recorder.AreaUuid(), pier);
        QCOMPARE(recorder.GaugeUuid(), gauge);
        auto *due = chooser.findChild<QLabel *>(QStringLiteral("RecordsGaugeDue"));
        QVERIFY(due->isVisible());
        QVERIFY(due->text().contains(QLocale().toString(QDate(2020, 1, 31))));
        auto *areas = chooser.findChild<QComboBox *>(QStringLiteral("RecordsAreaBox"));
        QCOMPARE(areas->currentText(), QStringLiteral("Bridge / Pier"));
        areas->setCurrentIndex(0);
        emit areas->activated(0);
        QVERIFY(recorder.AreaUuid().isEmpty());
        QCOMPARE(KesConfig::Instance()
                     ->ReadValue(QStringLiteral("Area"), QStringLiteral("Records"))
                     .toString(),
                 QString());
    }
};

QTEST_MAIN(TstRecordsPage)
#include "TstRecordsPage.moc"

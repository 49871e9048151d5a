#include "BatchReadingsModel.h"
#include "ChartLimits.h"
#include "DeletedBatchesDialog.h"
#include "GaugeSession.h"
#include "KesConfig.h"
#include "KesCustomChart.h"
#include "KesSerialPort.h"
#include "LiveRecorder.h"
#include "RecordStore.h"
#include "RecordsChooser.h"
#include "RecordsPage.h"
#include "RecordsTreeModel.h"
#include "VerificationDialog.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
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
    QString m_girderLater;
    InspectionCriteria m_iso;

    QString Batch(const QString &area, const QVector<double> &values, int day,
                  const QString &gauge = QString())
    {
        RecordBatch start;
        start.areaUuid = area;
        start.gaugeUuid = gauge;
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
        const QString girder =
            m_store.EnsureArea(QStringLiteral("Bridge"), QStringLiteral("Girder"), iso);
        m_store.SetInspector(QStringLiteral("B. Other"), QString());
        Batch(girder, {50, 60}, 10,
              m_store.AddGauge({QString(), QStringLiteral("M9"), QStringLiteral("G-2"), QString(),
                                QString(), QDate()}));
        m_store.SetInspector(QString(), QString());
        m_girderLater = Batch(girder, {120, 130}, 11);
        m_iso = iso;
    }

    static qint64 Listed(const QAbstractItemModel *model)
    {
        qint64 batches = 0;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex top = model->index(row, 0);
            if (top.data(RecordsTreeModel::KindRole).toInt() != int(RecordsTreeModel::Kind::Job)) {
                batches += model->index(row, RecordsTreeModel::CountColumn).data().toLongLong();
                continue;
            }
            for (int area = 0; area < model->rowCount(top); ++area)
                batches +=
                    model->index(area, RecordsTreeModel::CountColumn, top).data().toLongLong();
        }
        return batches;
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
        QTRY_VERIFY(details->toPlainText().contains(QStringLiteral("Pier")));
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

    // The date range (whole days), the inspector and the gauge narrow the tree as the text does.
    void filters_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<qint64>("batches");
        QTest::newRow("from the third day")
            << "since" << qint64(RecordsTreeModel::PageBatches + 44 + 1);
        QTest::newRow("to the second day") << "until" << qint64(3);
        QTest::newRow("inspector") << "inspector" << qint64(1);
        QTest::newRow("gauge") << "gauge" << qint64(1);
    }

    void filters()
    {
        QFETCH(QString, filter);
        QFETCH(qint64, batches);
        RecordsPage page(&m_store);
        page.show();
        QAbstractItemModel *model =
            page.findChild<QTreeView *>(QStringLiteral("RecordsTree"))->model();
        QCOMPARE(Listed(model), qint64(RecordsTreeModel::PageBatches + 44 + 4));
        if (filter == QLatin1String("since"))
            page.findChild<QDateEdit *>(QStringLiteral("RecordsSince"))->setDate(QDate(2026, 1, 3));
        else if (filter == QLatin1String("until"))
            page.findChild<QDateEdit *>(QStringLiteral("RecordsUntil"))->setDate(QDate(2026, 1, 2));
        else {
            auto *box = page.findChild<QComboBox *>(filter == QLatin1String("inspector")
                                                        ? QStringLiteral("RecordsInspector")
                                                        : QStringLiteral("RecordsGauge"));
            box->setCurrentIndex(box->findText(filter == QLatin1String("inspector")
                                                   ? QStringLiteral("B. Other")
                                                   : QStringLiteral("M9 G-2")));
            QVERIFY(box->currentIndex() > 0);
        }
        QCOMPARE(Listed(model), batches);
    }

    // An area's figures are those of its ticked batches, or of all when none is ticked; a
    // batch's chart holds the whole batch, excluded readings too, and the lines of its own
    // criteria whatever the Settings page says.
    void ticksAndChart()
    {
        RecordsPage page(&m_store);
        page.show();
        auto *tree = page.findChild<QTreeView *>(QStringLiteral("RecordsTree"));
        QAbstractItemModel *model = tree->model();
        const QModelIndex bridge = model->index(0, 0);
        const QModelIndex girder = model->index(1, 0, bridge);
        QCOMPARE(girder.data().toString(), QStringLiteral("Girder"));
        model->fetchMore(girder);
        QCOMPARE(model->rowCount(girder), 2);
        auto *details = page.findChild<QTextBrowser *>(QStringLiteral("RecordsDetails"));
        tree->setCurrentIndex(girder);
        QTRY_VERIFY(details->toPlainText().contains(QStringLiteral("90.0 um")));
        QVERIFY(details->toPlainText().contains(QStringLiteral("Fail")));
        const QModelIndex later = model->index(1, 0, girder);
        QCOMPARE(later.data(RecordsTreeModel::UuidRole).toString(), m_girderLater);
        QVERIFY(model->setData(later, Qt::Checked, Qt::CheckStateRole));
        QTRY_VERIFY(details->toPlainText().contains(QStringLiteral("125.0 um")));
        QVERIFY(details->toPlainText().contains(QStringLiteral("Pass")));
        QVERIFY(model->setData(later, Qt::Unchecked, Qt::CheckStateRole));
        QTRY_VERIFY(details->toPlainText().contains(QStringLiteral("90.0 um")));

        const QModelIndex pier = model->index(2, 0, bridge);
        model->fetchMore(pier);
        tree->setCurrentIndex(model->index(0, 0, pier));
        auto *chart = page.findChild<QWidget *>(QStringLiteral("RecordsChart"))
                          ->findChild<KesCustomChart *>(QStringLiteral("LineChart"));
        QTRY_COMPARE(chart->graphCount() > 0 ? chart->graph(0)->dataCount() : 0, 4);
        QList<double> drawn;
        for (int i = 0; i < chart->itemCount(); ++i) {
            auto *line = qobject_cast<QCPItemStraightLine *>(chart->item(i));
            if (line && line->visible())
                drawn << line->point1->coords().y();
        }
        QList<double> expected;
        for (const KesLimitLines::Limit &limit : ChartLimits::Of(m_iso))
            expected << limit.value;
        QVERIFY(!expected.isEmpty());
        std::sort(drawn.begin(), drawn.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(drawn, expected);
    }

    // A job's fields edited on the page (F2) are stored, kept in its history and shown on it.
    void jobEditedWithHistory()
    {
        RecordsPage page(&m_store);
        page.show();
        page.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&page));
        auto *tree = page.findChild<QTreeView *>(QStringLiteral("RecordsTree"));
        tree->setCurrentIndex(tree->model()->index(0, 0));
        QTimer::singleShot(0, [] {
            QWidget *form = QApplication::activeModalWidget();
            QVERIFY(form);
            const QList<QLineEdit *> fields = form->findChildren<QLineEdit *>();
            QCOMPARE(fields.size(), 6); // name, client, structure, location, standard, notes
            fields.at(1)->setText(QStringLiteral("Harbour board"));
            fields.at(4)->setText(QStringLiteral("ISO 12944-5"));
            QTest::keyClick(form, Qt::Key_Return);
        });
        QTest::keyClick(tree, Qt::Key_F2);
        const RecordJob job = *m_store.JobNamed(QStringLiteral("Bridge"));
        QCOMPARE(job.client, QStringLiteral("Harbour board"));
        QCOMPARE(job.coatingStandard, QStringLiteral("ISO 12944-5"));
        QStringList edits;
        for (const HistoryEntry &entry : m_store.History(job.uuid))
            edits << entry.what;
        QCOMPARE(edits, (QStringList{"created", "client", "coating_standard"}));
        tree->setCurrentIndex(tree->model()->index(0, 0));
        const QString shown =
            page.findChild<QTextBrowser *>(QStringLiteral("RecordsDetails"))->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Harbour board")));
        QVERIFY(shown.contains(QStringLiteral("coating standard from \"\" to \"ISO 12944-5\"")));
    }

    // A verification passes when the mean of its readings lies within the tolerance of the
    // nominal; readings that are not all numbers offer nothing to store.
    void verificationJudgedAsTyped_data()
    {
        QTest::addColumn<QString>("readings");
        QTest::addColumn<double>("tolerance");
        QTest::addColumn<QString>("result");
        QTest::newRow("within") << "101 99.5, 102.5" << 5.0 << "passed";
        QTest::newRow("on the bound") << "105;105" << 5.0 << "passed";
        QTest::newRow("outside") << "104 108" << 5.0 << "failed";
        QTest::newRow("tight tolerance") << "101 99.5, 102.5" << 0.5 << "failed";
        QTest::newRow("not a number") << "101 abc" << 5.0 << "";
        QTest::newRow("nothing typed") << "" << 5.0 << "";
    }

    void verificationJudgedAsTyped()
    {
        QFETCH(QString, readings);
        QFETCH(double, tolerance);
        QFETCH(QString, result);
        const RecordGauge gauge{
            QStringLiteral("g"), QStringLiteral("M7"), QStringLiteral("G-9"), {}, {}, QDate()};
        VerificationDialog dialog({gauge}, QString());
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("VerificationNominal"))->setValue(100);
        dialog.findChild<QDoubleSpinBox *>(QStringLiteral("VerificationTolerance"))
            ->setValue(tolerance);
        dialog.findChild<QLineEdit *>(QStringLiteral("VerificationReadings"))->setText(readings);
        const QString said =
            dialog.findChild<QLabel *>(QStringLiteral("VerificationResult"))->text();
        auto *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QCOMPARE(ok->isEnabled(), !result.isEmpty());
        if (result.isEmpty())
            return;
        QVERIFY2(said.contains(result), qPrintable(said));
        const RecordVerification verification = dialog.Verification();
        QCOMPARE(verification.gaugeUuid, QStringLiteral("g"));
        QCOMPARE(verification.Passed(), result == QLatin1String("passed"));
    }

    // Deleted batches are listed apart, one restored, the rest emptied away after asking.
    void deletedBatchesRestoredOrEmptied()
    {
        const QString kept = Batch(QString(), {90}, 20);
        const QString gone = Batch(QString(), {95}, 21);
        QVERIFY(m_store.DeleteBatch(kept));
        QVERIFY(m_store.DeleteBatch(gone));
        DeletedBatchesDialog dialog(&m_store);
        dialog.show();
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("DeletedBatchesList"));
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1); // newest first: the older one
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("RestoreBatchButton")),
                          Qt::LeftButton);
        QCOMPARE(list->count(), 1);
        QVERIFY(!m_store.Batch(kept)->deleted);
        QTimer::singleShot(0, [] {
            auto *ask = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(ask);
            ask->button(QMessageBox::Yes)->click();
        });
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("EmptyDeletedButton")),
                          Qt::LeftButton);
        QCOMPARE(list->count(), 0);
        QVERIFY(!m_store.Batch(gone));
        QVERIFY(m_store.DeleteBatch(kept) && m_store.EmptyDeleted());
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

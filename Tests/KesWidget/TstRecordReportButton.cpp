#include "CompanySettingsWidget.h"
#include "KesConfig.h"
#include "RecordReportButton.h"
#include "RecordStore.h"
#include "RecordsTreeModel.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeView>
#include <QtTest>

Q_DECLARE_METATYPE(RecordReport::Scope)

// The Report button and the company group on a real records file, without a display.
class TstRecordReportButton : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    RecordStore m_store;
    QStringList m_batches;
    QString m_job;
    QString m_area;

private slots:
    void initTestCase()
    {
        KesConfig::Instance()->SetConfigFile(m_dir.filePath(QStringLiteral("config.ini")));
        QVERIFY(m_store.Open(m_dir.filePath(QStringLiteral("records.sqlite"))));
        InspectionCriteria criteria;
        criteria.rule = InspectionCriteria::Rule::Iso19840;
        criteria.nominal = 100;
        m_area = m_store.EnsureArea(QStringLiteral("Hull 7"), QStringLiteral("Deck"), criteria);
        m_job = m_store.JobNamed(QStringLiteral("Hull 7"))->uuid;
        QVector<LiveRecord> readings(3000);
        for (int i = 0; i < readings.size(); ++i) {
            readings[i].index = i + 1;
            readings[i].arrival = QDateTime(QDate(2026, 12, 9), QTime(9, 0)).addSecs(i);
            readings[i].micrometres = 100 + i % 50;
            readings[i].valueText = QString::number(100 + i % 50);
        }
        for (int day = 0; day < 3; ++day) {
            RecordBatch batch;
            batch.areaUuid = m_area;
            batch.started = QDateTime(QDate(2026, 12, 9 + day), QTime(9, 0));
            m_batches << m_store.BeginBatch(batch);
            QVERIFY(m_store.AppendReadings(m_batches.last(), readings));
        }
    }

    // What is selected in the tree makes the report: a job, an area (its ticked batches, or
    // all), one batch, or some batches of one area as that area's report of those batches.
    void reportsTheSelection_data()
    {
        QTest::addColumn<QVector<int>>("rows"); // -1: the job, -2: the area, n: its batch n
        QTest::addColumn<QVector<int>>("ticked");
        QTest::addColumn<RecordReport::Scope>("scope");
        QTest::addColumn<int>("batches");
        const QVector<int> none;
        QTest::newRow("job") << QVector<int>{-1} << none << RecordReport::Scope::Job << 0;
        QTest::newRow("area") << QVector<int>{-2} << none << RecordReport::Scope::Area << 0;
        QTest::newRow("area, ticked")
            << QVector<int>{-2} << QVector<int>{0, 2} << RecordReport::Scope::Area << 2;
        QTest::newRow("batch") << QVector<int>{1} << none << RecordReport::Scope::Batch << 0;
        QTest::newRow("two batches")
            << QVector<int>{0, 2} << none << RecordReport::Scope::Area << 2;
    }
    void reportsTheSelection()
    {
        QFETCH(QVector<int>, rows);
        QFETCH(QVector<int>, ticked);
        QFETCH(RecordReport::Scope, scope);
        QFETCH(int, batches);
        RecordsTreeModel model(&m_store);
        model.Reload();
        QTreeView tree;
        tree.setModel(&model);
        RecordReportButton button(&m_store, &tree, nullptr);
        const QModelIndex job = model.index(0, 0);
        const QModelIndex area = model.index(0, 0, job);
        if (model.canFetchMore(area))
            model.fetchMore(area);
        QCOMPARE(model.rowCount(area), 3);
        for (int row : ticked)
            QVERIFY(model.setData(model.index(row, 0, area), Qt::Checked, Qt::CheckStateRole));
        for (int row : rows) {
            const QModelIndex index = row == -1   ? job
                                      : row == -2 ? area
                                                  : model.index(row, 0, area);
            tree.selectionModel()->setCurrentIndex(index, QItemSelectionModel::Select |
                                                              QItemSelectionModel::Rows);
        }
        const std::optional<RecordReport::Request> request = button.Selected();
        QVERIFY(request);
        QCOMPARE(request->scope, scope);
        QCOMPARE(request->batchUuids.size(), batches);
        QCOMPARE(button.JobOf(*request), m_job);

        // Written off the window's thread: the window goes on while the button waits.
        const ReportNumber before = m_store.NextReportNumber(m_job);
        const QString path = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".pdf"));
        QSignalSpy written(&button, &RecordReportButton::Written);
        QVERIFY(button.Write(*request, path));
        auto *start = button.findChild<QPushButton *>(QStringLiteral("RecordReportButton"));
        QVERIFY(!start->isEnabled());
        QVERIFY(!button.Write(*request, path)); // one at a time
        int turns = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, [&turns] { ++turns; });
        ticker.start(5);
        QVERIFY(written.wait(60000));
        QVERIFY2(turns > 0, "the event loop did not turn while the report was written");
        QCOMPARE(written.first().first().toString(), path);
        QVERIFY(QFileInfo(path).size() > 0);
        QVERIFY(start->isEnabled());
        QVERIFY(button.findChild<QProgressBar *>()->isHidden());
        QCOMPARE(m_store.NextReportNumber(m_job).number, before.number + 1);
    }

    // The company's name and logo are kept in the records file; a file that is no image is
    // refused, and said so.
    void keepsTheCompany()
    {
        CompanySettingsWidget group(&m_store);
        auto *name = group.findChild<QLineEdit *>(QStringLiteral("CompanyNameEdit"));
        name->setText(QStringLiteral("Harbour Coatings"));
        emit name->editingFinished();
        const QString text = m_dir.filePath(QStringLiteral("logo.png"));
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a picture");
        file.close();
        QVERIFY(!group.SetLogoFile(text));
        QVERIFY(group.findChild<QLabel *>(QStringLiteral("CompanyResultLabel"))
                    ->text()
                    .contains(QStringLiteral("is not an image")));
        QImage logo(40, 20, QImage::Format_RGB32);
        logo.fill(Qt::darkBlue);
        QVERIFY(logo.save(text, "PNG"));
        QVERIFY(group.SetLogoFile(text));
        const RecordCompany company = m_store.Company();
        QCOMPARE(company.name, QStringLiteral("Harbour Coatings"));
        QCOMPARE(QImage::fromData(company.logo).size(), logo.size());
        QVERIFY(!group.findChild<QLabel *>(QStringLiteral("CompanyLogo"))
                     ->pixmap(Qt::ReturnByValue)
                     .isNull());
    }
};

QTEST_MAIN(TstRecordReportButton)
#include "TstRecordReportButton.moc"

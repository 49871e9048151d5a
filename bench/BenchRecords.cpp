// The records file at scale: a store of many batches (made once by the benchmark and kept),
// the Records page listing, filtering and sorting it, opening its largest batch (its details
// and readings, then its chart, read on the page's reading thread), and the cost of one live
// reading's write.
//
//   BenchRecords [--store PATH] [--batches N] [--readings R] [--large L]
//
// Defaults: 100 000 batches of 100 readings in 200 jobs of 5 areas, and one batch of
// 1 000 000 readings; every tenth batch by a second inspector, the batches shared between two
// gauges. The store is made in PATH (default /tmp/bench-records.sqlite) when it does not hold
// them yet.
#include "BenchSupport.h"
#include "KesCustomChart.h"
#include "RecordStore.h"
#include "RecordsPage.h"
#include "RecordsTreeModel.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTreeView>

#include <cstdio>
#include <functional>

namespace {
QVector<LiveRecord> Readings(qint64 first, int count, const QDateTime &start)
{
    QVector<LiveRecord> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        LiveRecord record;
        record.index = first + i;
        record.arrival = start.addMSecs(300 * (first + i));
        record.micrometres = 80.0f + float((first + i) * 37 % 80);
        record.valueText = QString::number(double(record.micrometres), 'f', 1);
        records.append(record);
    }
    return records;
}

int Option(const QStringList &arguments, const QString &name, int fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1).toInt() : fallback;
}

void Make(RecordStore &store, int batches, int readings, int large)
{
    QElapsedTimer made;
    made.start();
    InspectionCriteria criteria;
    criteria.rule = InspectionCriteria::Rule::Iso19840;
    criteria.nominal = 100;
    const int areas = 1000;
    QStringList areaUuids;
    for (int area = 0; area < areas; ++area)
        areaUuids << store.EnsureArea(QStringLiteral("Job %1").arg(area / 5),
                                      QStringLiteral("Area %1").arg(area % 5), criteria);
    const QString gauges[] = {
        store.AddGauge({QString(), QStringLiteral("M7"), QStringLiteral("G-1"), {}, {}, {}}),
        store.AddGauge({QString(), QStringLiteral("M7"), QStringLiteral("G-2"), {}, {}, {}})};
    const QDateTime start(QDate(2025, 1, 1), QTime(8, 0));
    for (int i = 0; i < batches; ++i) {
        RecordBatch batch;
        batch.areaUuid = areaUuids.at(i % areas);
        batch.started = start.addSecs(600 * i);
        batch.inspector = i % 10 == 0 ? QStringLiteral("B. Other") : QStringLiteral("A. Inspector");
        batch.gaugeUuid = gauges[i % 2];
        batch.notes = i % 97 == 0 ? QStringLiteral("rain") : QString();
        store.AppendReadings(store.BeginBatch(batch), Readings(1, readings, batch.started));
        if (i % 10000 == 0)
            std::printf("  made %d batches, %.0f s\n", i, made.elapsed() / 1000.0);
    }
    RecordBatch batch;
    batch.areaUuid = areaUuids.first();
    batch.started = start.addSecs(-3600);
    batch.notes = QStringLiteral("large");
    const QString uuid = store.BeginBatch(batch);
    for (int first = 1; first <= large; first += 10000)
        store.AppendReadings(uuid, Readings(first, qMin(10000, large - first + 1), batch.started));
    std::printf("made the store in %.0f s\n", made.elapsed() / 1000.0);
}

double Ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Wall and GUI-thread processor time since the last restart.
struct Clock
{
    QElapsedTimer wall;
    double cpu = 0;
    void restart()
    {
        wall.restart();
        cpu = BenchSupport::ThreadCpuMs();
    }
    qint64 elapsed() const { return wall.elapsed(); }
};

QByteArray Took(const Clock &clock)
{
    return QByteArray::number(Ms(clock.wall), 'f', 1) + " ms (processor " +
           QByteArray::number(BenchSupport::ThreadCpuMs() - clock.cpu, 'f', 1) + " ms)";
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const int at = arguments.indexOf(QStringLiteral("--store"));
    const QString path =
        at >= 0 ? arguments.value(at + 1) : QStringLiteral("/tmp/bench-records.sqlite");
    const int batches = Option(arguments, QStringLiteral("--batches"), 100000);
    const int readings = Option(arguments, QStringLiteral("--readings"), 100);
    const int large = Option(arguments, QStringLiteral("--large"), 1000000);

    RecordStore store;
    if (!store.Open(path)) {
        std::printf("%s\n", qPrintable(store.Problem()));
        return 1;
    }
    BatchFilter large_filter;
    large_filter.text = QStringLiteral("large");
    if (store.Batches(large_filter).isEmpty())
        Make(store, batches, readings, large);
    const QString largeUuid = store.Batches(large_filter).first().uuid;

    // One live reading at a time into a batch of its own, as the recorder writes a slice.
    RecordBatch live;
    live.started = QDateTime::currentDateTime();
    const QString liveUuid = store.BeginBatch(live);
    std::vector<double> writes;
    for (int i = 1; i <= 400; ++i) {
        const QVector<LiveRecord> one = Readings(i, 1, live.started);
        QElapsedTimer timer;
        timer.start();
        store.AppendReadings(liveUuid, one);
        writes.push_back(Ms(timer));
    }
    store.DeleteBatch(liveUuid);
    store.EmptyDeleted();
    std::printf("live reading write: median %.3f ms\n", BenchSupport::Median(writes));

    const qint64 before = BenchSupport::ResidentKb();
    Clock timer;
    {
        // The process's first window pays for the fonts and the style; in the program that is
        // the main window, before the page is ever shown.
        QTreeView first;
        first.show();
        QApplication::processEvents();
    }
    timer.restart();
    RecordsPage page(&store);
    page.resize(1200, 800);
    std::printf("page made (at start-up; nothing read): %s\n", Took(timer).constData());
    timer.restart();
    page.show();
    auto *tree = page.findChild<QTreeView *>(QStringLiteral("RecordsTree"));
    QApplication::processEvents();
    std::printf("page first shown and listed: %s\n", Took(timer).constData());
    timer.restart();
    page.Refresh();
    QApplication::processEvents();
    std::printf("listed again: %s\n", Took(timer).constData());

    for (const QString &words : {QStringLiteral("job 17"), QStringLiteral("rain"), QString()}) {
        timer.restart();
        page.findChild<QLineEdit *>(QStringLiteral("RecordsSearch"))->setText(words);
        QApplication::processEvents();
        std::printf("filter \"%s\": %s, %d jobs\n", qPrintable(words), Took(timer).constData(),
                    tree->model()->rowCount());
    }
    const auto filtered = [&](const char *what, const std::function<void()> &set) {
        timer.restart();
        set();
        QApplication::processEvents();
        std::printf("filter by %s: %s, %d jobs\n", what, Took(timer).constData(),
                    tree->model()->rowCount());
    };
    auto *since = page.findChild<QDateEdit *>(QStringLiteral("RecordsSince"));
    auto *inspector = page.findChild<QComboBox *>(QStringLiteral("RecordsInspector"));
    auto *gauge = page.findChild<QComboBox *>(QStringLiteral("RecordsGauge"));
    filtered("date, from the middle on", [&] { since->setDate(QDate(2025, 12, 1)); });
    filtered("date cleared", [&] { since->setDate(since->minimumDate()); });
    filtered("inspector", [&] { inspector->setCurrentIndex(inspector->findText("B. Other")); });
    filtered("inspector and gauge", [&] { gauge->setCurrentIndex(1); });
    filtered("every inspector and gauge", [&] {
        inspector->setCurrentIndex(0);
        gauge->setCurrentIndex(0);
    });
    filtered("count, sorted",
             [&] { tree->sortByColumn(RecordsTreeModel::CountColumn, Qt::DescendingOrder); });
    tree->sortByColumn(RecordsTreeModel::NameColumn, Qt::AscendingOrder);
    QApplication::processEvents();

    QAbstractItemModel *model = tree->model();
    const QModelIndex area = model->index(0, 0, model->index(0, 0));
    model->fetchMore(area);
    const qint64 listed = BenchSupport::ResidentKb();
    for (int row = 0; row < model->rowCount(area); ++row) {
        const QModelIndex batch = model->index(row, 0, area);
        if (batch.data(RecordsTreeModel::UuidRole).toString() != largeUuid)
            continue;
        timer.restart();
        tree->setCurrentIndex(batch);
        QApplication::processEvents();
        std::printf("open the %lld-reading batch: %s, +%lld KB while shown (+%lld KB for "
                    "the page)\n",
                    batch.siblingAtColumn(RecordsTreeModel::CountColumn).data().toLongLong(),
                    Took(timer).constData(), BenchSupport::ResidentKb() - listed, listed - before);
        // The chart follows from the reading thread.
        auto *chart = page.findChild<QWidget *>(QStringLiteral("RecordsChart"))
                          ->findChild<KesCustomChart *>(QStringLiteral("LineChart"));
        const int values = batch.siblingAtColumn(RecordsTreeModel::CountColumn).data().toInt();
        while (timer.elapsed() < 60000 &&
               (chart->graphCount() == 0 || chart->graph(0)->dataCount() < values))
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        chart->repaint();
        std::printf("its chart drawn: %s after the click, +%lld KB while shown\n",
                    Took(timer).constData(), BenchSupport::ResidentKb() - listed);
    }
    return 0;
}

#include "MainWindowWorkflow.h"

#include "GaugeSession.h"
#include "InspectionSettings.h"
#include "LiveReading.h"
#include "MemoryDownload.h"
#include "SessionCsv.h"
#include "SessionsWidget.h"

#include <QTableView>
#include <QTableWidget>
#include <qcustomplot.h>

namespace {

QByteArray Lines(const QDateTime &start, const QVector<float> &micrometres)
{
    QByteArray lines = SessionCsv::Header();
    for (int i = 0; i < micrometres.size(); ++i) {
        const LiveReading reading = *LiveReading::Decode(GaugeSim::LiveFrame(0, micrometres[i]));
        lines += SessionCsv::Line(LiveRecord::FromReading(reading, i + 1, start.addSecs(i)));
    }
    return lines;
}

void SaveCriteria(InspectionCriteria::Rule rule, double nominal, int unit = 0, double minimum = 0,
                  double maximum = 0)
{
    InspectionCriteria criteria;
    criteria.rule = rule;
    criteria.unitCode = unit;
    criteria.nominal = nominal;
    criteria.minimum = minimum;
    criteria.maximum = maximum;
    InspectionSettings::Save(criteria);
}

bool Write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Clicks a button of the modal message dialog once it is up.
// Clicks the button of the next question; the texts of the question's buttons seen, shown ones
// only, go to seen.
void AnswerDialog(const QString &button, QStringList *seen = nullptr)
{
    auto *poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, button, seen] {
        auto *dialog = qobject_cast<DialogWindow *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll->stop();
        poll->deleteLater();
        if (seen) {
            for (const char *name : {"SaveFileTitle", "SaveFileYesButton", "SaveFileNoButton",
                                     "SaveFileCancelButton"}) {
                auto *widget = dialog->findChild<QWidget *>(QLatin1String(name));
                if (widget->isVisible())
                    *seen << widget->property("text").toString();
            }
        }
        QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
    });
    poll->start(20);
}

} // namespace

class TstSessionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        KesLog::Instance();
        QVERIFY(m_dir.isValid());
        KesConfig::Instance()->SetConfigFile(m_dir.filePath(QStringLiteral("config.ini")));
        KesConfig::Instance()->WriteValue(QStringLiteral("SaveFilePath"), m_dir.path());
    }

    void init()
    {
        const QString folder = SessionJournal::SessionsFolder(m_dir.path());
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QDir().mkpath(folder));
        m_older = QDir(folder).filePath(QStringLiteral("Session_20261208_100000.csv"));
        m_newer = QDir(folder).filePath(QStringLiteral("Session_20261209_090000.csv"));
        m_olderContent = Lines(QDateTime(QDate(2026, 12, 8), QTime(10, 0)), {100, 120, 2500, 140});
        QVERIFY(Write(m_older, m_olderContent));
        // Torn by a crash in the middle of its last line.
        QVERIFY(Write(m_newer, Lines(QDateTime(QDate(2026, 12, 9), QTime(9, 0)), {50, 60}) +
                                   "3,2026-12-09T09:00:0"));
        InspectionSettings::Save(InspectionCriteria());
        m_channel = std::make_unique<KesSerialPort>();
        m_session = std::make_unique<GaugeSession>(m_channel.get());
        m_page = std::make_unique<SessionsWidget>(m_session.get());
        m_page->resize(900, 600);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }

    void cleanup()
    {
        m_page.reset();
        m_session.reset();
        m_channel.reset();
    }

    void listsNewestFirstWithFigures()
    {
        QCOMPARE(Table()->rowCount(), 2);
        QCOMPARE(Cells(0), (QStringList{"2026-12-09 09:00:00", "2", "0", "µm", "55.00", "50.0",
                                        "60.0", "7.07", "10.0", "12.9 %", "No rule"}));
        QCOMPARE(Cells(1), (QStringList{"2026-12-08 10:00:00", "3", "1", "µm", "120.0", "100",
                                        "140", "20.00", "40.0", "16.7 %", "No rule"}));
    }

    // Judged again under the criteria saved since the page was last shown.
    void verdictsFollowTheCriteria_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<int>("unit");
        QTest::addColumn<double>("nominal");
        QTest::addColumn<QStringList>("verdicts"); // newer {50, 60}, older {100, 120, 140}
        const int iso = int(InspectionCriteria::Rule::Iso19840);
        QTest::newRow("ISO 19840 at 100 um") << iso << 0 << 100.0 << QStringList{"Fail", "Pass"};
        // 1.9 mils are 48.26 um: 50 lies above the nominal.
        QTest::newRow("ISO 19840 set in mils") << iso << 1 << 1.9 << QStringList{"Pass", "Pass"};
        QTest::newRow("IMO PSPC at 100 um")
            << int(InspectionCriteria::Rule::ImoPspc) << 0 << 100.0 << QStringList{"Fail", "Pass"};
    }
    void verdictsFollowTheCriteria()
    {
        QFETCH(int, rule);
        QFETCH(int, unit);
        QFETCH(double, nominal);
        QFETCH(QStringList, verdicts);
        SaveCriteria(InspectionCriteria::Rule(rule), nominal, unit);
        QCOMPARE(Table()->item(0, VerdictColumn)->text(), QStringLiteral("No rule"));
        m_page->hide();
        m_page->show();
        QCOMPARE(Table()->item(0, VerdictColumn)->text(), verdicts[0]);
        QCOMPARE(Table()->item(1, VerdictColumn)->text(), verdicts[1]);
    }

    void chosenSessionShowsFiguresAndVerdict()
    {
        SaveCriteria(InspectionCriteria::Rule::Iso19840, 100);
        m_page->Refresh();
        QVERIFY(Figure("FigureVerdict").isEmpty());
        Table()->selectRow(1);
        QCOMPARE(Figure("FigureCount"), QStringLiteral("3"));
        QCOMPARE(Figure("FigureOverflows"), QStringLiteral("1"));
        QCOMPARE(Figure("FigureMean"), QStringLiteral("120.0 µm"));
        QCOMPARE(Figure("FigureStandardDeviation"), QStringLiteral("20.00 µm"));
        QCOMPARE(Figure("FigureRange"), QStringLiteral("40.0 µm"));
        QCOMPARE(Figure("FigureVariation"), QStringLiteral("16.7 %"));
        QCOMPARE(Figure("FigureVerdict"), QStringLiteral("Verdict: Pass (ISO 19840)"));
        QVERIFY(Figure("FigureReasons").isEmpty());

        Table()->selectRow(0);
        QCOMPARE(Figure("FigureVerdict"), QStringLiteral("Verdict: Fail (ISO 19840)"));
        QVERIFY2(Figure("FigureReasons").startsWith(QStringLiteral("mean ")),
                 qPrintable(Figure("FigureReasons")));
        Table()->clearSelection();
        QVERIFY(Figure("FigureMean").isEmpty());
    }

    void choosingShowsReadingsChartAndNote()
    {
        Table()->selectRow(1);
        QCOMPARE(Readings()->model()->rowCount(), 4);
        QCOMPARE(Readings()->model()->index(2, 3).data().toString(), QStringLiteral("Overflow"));
        QCOMPARE(Readings()->model()->index(1, 2).data().toString(), QStringLiteral("120 µm"));
        QCOMPARE(ChartValues(), (QVector<double>{100, 120, 140}));
        QVERIFY(Note().isEmpty());

        Table()->selectRow(0);
        QCOMPARE(Readings()->model()->rowCount(), 2);
        QVERIFY(Note().startsWith(QStringLiteral("1 line")));
        QCOMPARE(ChartValues(), (QVector<double>{50, 60}));
    }

    // Readings 100, 120, an overflow, 140 um against a maximum of 130: each mark names the
    // criterion of the rule in force, and the page says what the rule does not judge.
    void marksNameTheirCriterion_data()
    {
        QTest::addColumn<int>("rule");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("noted");
        QTest::newRow("ISO 19840 judges the maximum")
            << int(InspectionCriteria::Rule::Iso19840) << "above the maximum 130 µm" << false;
        QTest::newRow("IMO PSPC has none")
            << int(InspectionCriteria::Rule::ImoPspc) << "OK" << false;
        QTest::newRow("SSPC-PA 2 marks for information")
            << int(InspectionCriteria::Rule::SspcPa2) << "above the maximum 130 µm" << true;
    }
    void marksNameTheirCriterion()
    {
        QFETCH(int, rule);
        QFETCH(QString, status);
        QFETCH(bool, noted);
        SaveCriteria(InspectionCriteria::Rule(rule), 100, 0, 90, 130);
        m_page->Refresh();
        Table()->selectRow(1);
        const QModelIndex last = Readings()->model()->index(3, 3);
        QCOMPARE(last.data().toString(), status);
        QCOMPARE(last.data(Qt::ForegroundRole).isValid(), status != QLatin1String("OK"));
        QCOMPARE(Readings()->model()->index(0, 3).data().toString(), QStringLiteral("OK"));
        QCOMPARE(Figure("FigureReasons").contains(QStringLiteral("for information")), noted);
    }

    // A memory download listed first, said saved as a file once it is; its readings have no time.
    void downloadListedWithoutTimes()
    {
        MemoryDownload download({{1, {{0, 100.0f}, {0, 120.0f}}}},
                                QDateTime(QDate(2026, 12, 9), QTime(11, 0)));
        m_page->SetDownload(&download);
        m_page->Refresh();
        QCOMPARE(Table()->item(0, 0)->text(), QStringLiteral("Memory download 11:00:00"));
        download.AddSavedFile(m_dir.filePath(QStringLiteral("memory.csv")));
        m_page->Refresh();
        QCOMPARE(Table()->item(0, 0)->text(),
                 QStringLiteral("Memory download 11:00:00 (saved as memory.csv)"));
        Table()->selectRow(0);
        const QAbstractItemModel *readings = Readings()->model();
        QCOMPARE(readings->columnCount(), 3);
        QCOMPARE(readings->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Value"));
        QCOMPARE(readings->index(1, 1).data().toString(), QStringLiteral("120 µm"));
        m_page->SetDownload(nullptr);
    }

    void saveWritesTheSession()
    {
        const QString target = m_dir.filePath(QStringLiteral("handed-in.csv"));
        Table()->selectRow(1);
        FileDialogDriver driver({target});
        QTest::mouseClick(Button("SaveSessionButton"), Qt::LeftButton);
        QFile saved(target);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), m_olderContent);
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("deleted");
        QTest::newRow("delete") << "SaveFileYesButton" << true;
        QTest::newRow("cancel") << "SaveFileNoButton" << false;
        QTest::newRow("closed") << "SaveFileCloseButton" << false;
    }
    void deleteAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, deleted);
        Table()->selectRow(1);
        QStringList seen;
        AnswerDialog(answer, &seen);
        QTest::mouseClick(Button("DeleteSessionButton"), Qt::LeftButton);
        QCOMPARE(seen, (QStringList{"Delete session", "Delete", "Cancel"}));
        QCOMPARE(QFileInfo::exists(m_older), !deleted);
        QCOMPARE(Table()->rowCount(), deleted ? 1 : 2);
    }

    void actionsWithoutAChoiceAsk()
    {
        QSignalSpy messages(m_page.get(), &SessionsWidget::MessageRequested);
        QTest::mouseClick(Button("SaveSessionButton"), Qt::LeftButton);
        QTest::mouseClick(Button("DeleteSessionButton"), Qt::LeftButton);
        QTest::mouseClick(Button("SessionReportButton"), Qt::LeftButton);
        QCOMPARE(messages.count(), 3);
        QVERIFY(QFileInfo::exists(m_older) && QFileInfo::exists(m_newer));
    }

    // The chosen run's readings go to the report, judged under the criteria of the page.
    void reportOfTheChosenSession()
    {
        SaveCriteria(InspectionCriteria::Rule::ImoPspc, 100);
        m_page->Refresh();
        QVector<InspectionReport> reports;
        connect(m_page.get(), &SessionsWidget::ReportRequested, this,
                [&reports](const InspectionReport &report) { reports.append(report); });
        Table()->selectRow(1);
        QTest::mouseClick(Button("SessionReportButton"), Qt::LeftButton);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports[0].title, QStringLiteral("Session 2026-12-08 10:00:00"));
        QCOMPARE(reports[0].source, QDir::toNativeSeparators(m_older));
        QCOMPARE(reports[0].readings.size(), 4);
        QCOMPARE(reports[0].readings[2].status, LiveRecord::Status::Overflow);
        QCOMPARE(reports[0].criteria.rule, InspectionCriteria::Rule::ImoPspc);
    }

private:
    QTableWidget *Table() const { return m_page->findChild<QTableWidget *>("SessionTable"); }
    QTableView *Readings() const { return m_page->findChild<QTableView *>("ReadingTable"); }
    QPushButton *Button(const char *name) const { return m_page->findChild<QPushButton *>(name); }
    static constexpr int VerdictColumn = 10;
    QString Figure(const char *name) const { return m_page->findChild<QLabel *>(name)->text(); }
    QString Note() const { return m_page->findChild<QLabel *>("SessionNoteLabel")->text(); }
    QStringList Cells(int row) const
    {
        QStringList cells;
        for (int column = 0; column < Table()->columnCount(); ++column)
            cells.append(Table()->item(row, column)->text());
        return cells;
    }
    QVector<double> ChartValues() const
    {
        auto *chart = m_page->findChild<QCustomPlot *>("LineChart");
        QVector<double> values;
        if (chart && chart->graphCount() > 0) {
            for (const QCPGraphData &point : *chart->graph(0)->data())
                values.append(point.value);
        }
        return values;
    }

    QTemporaryDir m_dir;
    QString m_older, m_newer;
    QByteArray m_olderContent;
    std::unique_ptr<KesSerialPort> m_channel;
    std::unique_ptr<GaugeSession> m_session;
    std::unique_ptr<SessionsWidget> m_page;
};

QTEST_MAIN(TstSessionsWidget)
#include "TstSessionsWidget.moc"

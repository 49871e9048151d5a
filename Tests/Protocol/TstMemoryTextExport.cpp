#include "MemoryTextExport.h"

#include <QtTest>

namespace {
const QString EmptyGroupsText = QStringLiteral("GROUP: General 1\n"
                                               "Number         Data           Unit           \n"
                                               "\n"
                                               "GROUP: General 2\n"
                                               "Number         Data           Unit           \n"
                                               "\n"
                                               "GROUP: General 3\n"
                                               "Number         Data           Unit           \n"
                                               "\n"
                                               "GROUP: General 4\n"
                                               "Number         Data           Unit           \n"
                                               "\n");

QString ExportText(const QMap<int, QList<LogRecord>> &groups)
{
    return MemoryTextExport::Text(groups, QStringLiteral("Number"), QStringLiteral("Data"),
                                  QStringLiteral("Unit"));
}
} // namespace

class TstMemoryTextExport : public QObject
{
    Q_OBJECT
private slots:
    void proposesFileName()
    {
        const QDateTime when(QDate(2023, 12, 5), QTime(14, 30, 7));
        QCOMPARE(MemoryTextExport::ProposedFileName(when),
                 QStringLiteral("Varnolithic_231205143007.txt"));
        QCOMPARE(MemoryTextExport::ProposedPath(QStringLiteral("/data/SaveFile"), when),
                 QStringLiteral("/data/SaveFile/Varnolithic_231205143007.txt"));
        QCOMPARE(MemoryTextExport::ProposedPath(QString(), when),
                 QStringLiteral("/Varnolithic_231205143007.txt"));
    }

    void formatsReadingLine_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("unit");
        QTest::addColumn<float>("micrometres");
        QTest::addColumn<QString>("line");

        QTest::newRow("mils, 3 decimals")
            << 1 << 1 << 50.0f << "1              1.969          mils           ";
        QTest::newRow("mils, 2 decimals")
            << 2 << 1 << 254.0f << "2              10.00          mils           ";
        QTest::newRow("mils beyond the live range, no overflow")
            << 1 << 1 << 5000.0f << "1              196.9          mils           ";
        QTest::newRow("um, no decimals")
            << 1 << 0 << 120.0f << "1              120            um             ";
        QTest::newRow("um, 1 decimal, no read-back")
            << 3 << 0 << 12.34f << "3              12.3           um             ";
        QTest::newRow("um, negative")
            << 4 << 0 << -5.0f << "4              -5.0           um             ";
        QTest::newRow("um, 99.95 rounds to no decimals")
            << 5 << 0 << 99.95f << "5              100            um             ";
        QTest::newRow("mm") << 6 << 2 << 2100.0f << "6              2.100          mm             ";
        QTest::newRow("mm, no decimals from 1000 mm")
            << 7 << 2 << 1500000.0f << "7              1500           mm             ";
        QTest::newRow("unit byte 7: no value column")
            << 1 << 7 << 50.0f << "1                             ";
        QTest::newRow("unit byte 0xFF: no value column")
            << 12 << -1 << 50.0f << "12                            ";
    }
    void formatsReadingLine()
    {
        QFETCH(int, position);
        QFETCH(int, unit);
        QFETCH(float, micrometres);
        QFETCH(QString, line);
        QCOMPARE(MemoryTextExport::ReadingLine(position, {static_cast<qint8>(unit), micrometres}),
                 line);
    }

    void longColumnTextStaysWhole()
    {
        QCOMPARE(MemoryTextExport::Column(QStringLiteral("Measured thickness")),
                 QStringLiteral("Measured thickness"));
        QCOMPARE(MemoryTextExport::Column(QStringLiteral("exactly fifteen")),
                 QStringLiteral("exactly fifteen"));
    }

    void writesGroupsOneToFourOnly()
    {
        // A download whose frames announced 2, 0, 3, 1 and 0 readings.
        const QMap<int, QList<LogRecord>> groups = {{0, {{0, 10.0f}, {0, 11.0f}}},
                                                    {2, {{1, 50.0f}, {1, 254.0f}, {1, 5000.0f}}},
                                                    {3, {{0, 120.0f}}}};
        QCOMPARE(ExportText(groups),
                 QStringLiteral("GROUP: General 1\n"
                                "Number         Data           Unit           \n"
                                "\n"
                                "GROUP: General 2\n"
                                "Number         Data           Unit           \n"
                                "1              1.969          mils           \n"
                                "2              10.00          mils           \n"
                                "3              196.9          mils           \n"
                                "\n"
                                "GROUP: General 3\n"
                                "Number         Data           Unit           \n"
                                "1              120            um             \n"
                                "\n"
                                "GROUP: General 4\n"
                                "Number         Data           Unit           \n"
                                "\n"));
    }

    void emptyDownloadStillHasFourGroups()
    {
        QCOMPARE(ExportText({}), EmptyGroupsText);
        QCOMPARE(ExportText({{0, {{0, 1.0f}}}, {5, {{0, 2.0f}}}}), EmptyGroupsText);
    }

    void titlesAreTheCallers()
    {
        const QString text =
            MemoryTextExport::Text({}, QStringLiteral("编号"), QStringLiteral("Data"),
                                   QStringLiteral("A title longer than 15"));
        QCOMPARE(text.section(QLatin1Char('\n'), 1, 1),
                 QStringLiteral("编号             Data           A title longer than 15"));
    }

    void numbersEveryReadingOfALargeGroup()
    {
        const QList<LogRecord> readings = QVector<LogRecord>(1000, {0, 150.0f}).toList();
        const QStringList lines = ExportText({{1, readings}}).split(QLatin1Char('\n'));
        QCOMPARE(lines.at(0), QStringLiteral("GROUP: General 1"));
        for (int position = 1; position <= 1000; ++position)
            QCOMPARE(lines.at(position + 1), MemoryTextExport::Column(QString::number(position)) +
                                                 MemoryTextExport::Column(QStringLiteral("150")) +
                                                 MemoryTextExport::Column(QStringLiteral("um")));
        QCOMPARE(lines.at(1002), QString());
        QCOMPARE(lines.at(1003), QStringLiteral("GROUP: General 2"));
    }
};

QTEST_GUILESS_MAIN(TstMemoryTextExport)
#include "TstMemoryTextExport.moc"

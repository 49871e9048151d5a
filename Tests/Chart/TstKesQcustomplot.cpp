#include "KesBars.h"
#include "KesQcustomplot.h"

#include <QMetaProperty>
#include <QtTest>

namespace {

QStringList ExpectedNames()
{
    QStringList names = {"Background",
                         "LegendBackground",
                         "LegendSelectBackground",
                         "LegendFont",
                         "LegendSelectFont",
                         "LegendBorder",
                         "LegendSelectBorder",
                         "LegendBorderColor",
                         "LegendSelectBorderColor",
                         "LegendBorderWide",
                         "LegendSelectBorderWide",
                         "LegendTextColor",
                         "LegendSelectTextColor",
                         "LegendSelectIconBorderWidth",
                         "LegendSelectIconBordeColor"};
    const QStringList axes = {"Axis%1_x", "Axis2%1_x", "Axis%1_y", "Axis2%1_y"};
    auto forEachAxis = [&](const QStringList &parts) {
        for (const QString &part : parts)
            for (const QString &axis : axes)
                names << axis.arg(part);
    };
    for (const QString part : {"BasePen", "TickPen", "SubTickPen", "GridPen", "SubGridPen"})
        for (const QString &axis : axes)
            names << axis.arg(part) << axis.arg(part + "Width") << axis.arg(part + "Color");
    forEachAxis({"LabelColor", "LabelFont", "TickLabelColor", "TickLabelFont"});
    names << "GraphSelectionDecoratorWidth"
          << "GraphSelectionDecoratorColor";
    for (const QString part : {"SelectedBasePen", "SelectedTickPen", "SelectedSubTickPen"})
        for (const QString &axis : axes)
            names << axis.arg(part + "Width") << axis.arg(part + "Color");
    forEachAxis({"SelectedLabelColor", "SelectedLabelFont", "SelectedTickLabelColor",
                 "SelectedTickLabelFont"});
    return names;
}

// Every pen of the four axes and their grids, to see which one a property changed.
QList<QPen> AllAxisPens(const QCustomPlot &plot)
{
    QList<QPen> pens;
    for (QCPAxis *axis : {plot.xAxis, plot.xAxis2, plot.yAxis, plot.yAxis2}) {
        pens << axis->basePen() << axis->tickPen() << axis->subTickPen() << axis->grid()->pen()
             << axis->grid()->subGridPen() << axis->selectedBasePen() << axis->selectedTickPen()
             << axis->selectedSubTickPen();
    }
    return pens;
}

} // namespace

class TstKesQcustomplot : public QObject
{
    Q_OBJECT
private slots:
    void propertiesInDeclarationOrder()
    {
        const QMetaObject &meta = KesQcustomplot::staticMetaObject;
        QStringList names;
        for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
            const QMetaProperty property = meta.property(i);
            QVERIFY2(property.isWritable(), property.name());
            names << property.name();
        }
        QCOMPARE(names.size(), 133);
        QCOMPARE(names, ExpectedNames());
    }

    void setterSlotsCarryTheNames()
    {
        const QMetaObject &meta = KesQcustomplot::staticMetaObject;
        for (const QString &name : ExpectedNames()) {
            const QMetaProperty property = meta.property(meta.indexOfProperty(qPrintable(name)));
            const QByteArray signature =
                "Set" + name.toLatin1() + "(" + QByteArray(property.typeName()) + ")";
            const int index = meta.indexOfSlot(signature);
            QVERIFY2(index >= 0, signature);
            QCOMPARE(meta.method(index).access(), QMetaMethod::Public);
        }
    }

    void penPropertiesTouchOnlyTheirPart_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        // Axes in the order bottom, top, left, right; pens in the order of AllAxisPens.
        QTest::addColumn<int>("axisIndex");
        QTest::addColumn<int>("penIndex");
        QTest::newRow("grid colour y")
            << "AxisGridPenColor_y" << QVariant(QColor(Qt::red)) << 2 << 3;
        QTest::newRow("sub grid width x2") << "Axis2SubGridPenWidth_x" << QVariant(7) << 1 << 4;
        QTest::newRow("base pen y2") << "Axis2BasePen_y" << QVariant(QPen(Qt::blue, 4)) << 3 << 0;
        QTest::newRow("tick pen x") << "AxisTickPen_x" << QVariant(QPen(Qt::green, 2)) << 0 << 1;
        QTest::newRow("sub tick colour x2")
            << "Axis2SubTickPenColor_x" << QVariant(QColor(Qt::cyan)) << 1 << 2;
        QTest::newRow("selected base width y")
            << "AxisSelectedBasePenWidth_y" << QVariant(9) << 2 << 5;
        QTest::newRow("selected tick colour y2")
            << "Axis2SelectedTickPenColor_y" << QVariant(QColor(Qt::magenta)) << 3 << 6;
        QTest::newRow("selected sub tick width x")
            << "AxisSelectedSubTickPenWidth_x" << QVariant(6) << 0 << 7;
    }
    void penPropertiesTouchOnlyTheirPart()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(int, axisIndex);
        QFETCH(int, penIndex);
        KesQcustomplot plot;
        const QList<QPen> before = AllAxisPens(plot);
        QVERIFY(plot.setProperty(qPrintable(name), value));
        QCOMPARE(plot.property(qPrintable(name)), value);

        const QList<QPen> after = AllAxisPens(plot);
        const int changed = axisIndex * 8 + penIndex;
        for (int i = 0; i < before.size(); ++i) {
            if (i != changed)
                QVERIFY2(after[i] == before[i], qPrintable(QString::number(i)));
        }
        QPen expected = before[changed];
        if (value.userType() == QMetaType::QPen)
            expected = value.value<QPen>();
        else if (value.userType() == QMetaType::QColor)
            expected.setColor(value.value<QColor>());
        else
            expected.setWidth(value.toInt());
        QCOMPARE(after[changed], expected);
    }

    void textPropertiesTouchOnlyTheirAxis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("axisType");
        QTest::newRow("label font x2")
            << "Axis2LabelFont_x" << QVariant(QFont("Serif", 17)) << int(QCPAxis::atTop);
        QTest::newRow("tick label colour y")
            << "AxisTickLabelColor_y" << QVariant(QColor(Qt::red)) << int(QCPAxis::atLeft);
        QTest::newRow("selected tick label font y2")
            << "Axis2SelectedTickLabelFont_y" << QVariant(QFont("Serif", 19))
            << int(QCPAxis::atRight);
        QTest::newRow("selected label colour x")
            << "AxisSelectedLabelColor_x" << QVariant(QColor(Qt::blue)) << int(QCPAxis::atBottom);
    }
    void textPropertiesTouchOnlyTheirAxis()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(int, axisType);
        KesQcustomplot plot;
        const QString part = name.mid(name.startsWith("Axis2") ? 5 : 4).chopped(2);
        auto read = [&](QCPAxis *axis) {
            const QMap<QString, QVariant> parts = {
                {"LabelFont", axis->labelFont()},
                {"TickLabelColor", axis->tickLabelColor()},
                {"SelectedTickLabelFont", axis->selectedTickLabelFont()},
                {"SelectedLabelColor", axis->selectedLabelColor()}};
            return parts.value(part);
        };
        QMap<QCPAxis *, QVariant> before;
        for (QCPAxis *axis : plot.axisRect()->axes())
            before[axis] = read(axis);
        QVERIFY(plot.setProperty(qPrintable(name), value));
        QCOMPARE(plot.property(qPrintable(name)), value);
        for (QCPAxis *axis : plot.axisRect()->axes())
            QCOMPARE(read(axis), axis->axisType() == axisType ? value : before[axis]);
    }

    void legendAndBackgroundProperties()
    {
        KesQcustomplot plot;
        plot.setProperty("Background", QBrush(Qt::yellow));
        plot.setProperty("LegendSelectBackground", QBrush(Qt::red));
        plot.setProperty("LegendBorderWide", 5);
        plot.setProperty("LegendSelectBorderColor", QColor(Qt::blue));
        plot.setProperty("LegendSelectIconBordeColor", QColor(Qt::green));
        plot.setProperty("LegendSelectIconBorderWidth", 4);
        plot.setProperty("LegendFont", QFont("Serif", 21));

        QCOMPARE(plot.property("Background").value<QBrush>(), QBrush(Qt::yellow));
        QCOMPARE(plot.legend->selectedBrush(), QBrush(Qt::red));
        QCOMPARE(plot.legend->brush(), QBrush(Qt::white));
        QCOMPARE(plot.legend->borderPen().width(), 5);
        QCOMPARE(plot.legend->selectedBorderPen().width(), 2);
        QCOMPARE(plot.legend->selectedBorderPen().color(), QColor(Qt::blue));
        QCOMPARE(plot.legend->borderPen().color(), QColor(Qt::black));
        QCOMPARE(plot.legend->selectedIconBorderPen().color(), QColor(Qt::green));
        QCOMPARE(plot.legend->selectedIconBorderPen().width(), 4);
        QCOMPARE(plot.legend->font(), QFont("Serif", 21));
        QVERIFY(plot.legend->selectedFont() != QFont("Serif", 21));
    }

    void decoratorPenIsItsOwnMember()
    {
        KesQcustomplot plot;
        plot.SetGraphSelectionDecoratorWidth(3);
        plot.SetGraphSelectionDecoratorColor(Qt::red);
        QCOMPARE(plot.GraphSelectionDecoratorWidth(), 3);
        QCOMPARE(plot.GraphSelectionDecoratorColor(), QColor(Qt::red));
        QCOMPARE(plot.property("GraphSelectionDecoratorWidth").toInt(), 3);
    }

    void styleSheetSetsPropertiesByName()
    {
        KesQcustomplot plot;
        plot.setStyleSheet("KesQcustomplot { qproperty-AxisGridPenColor_y: #ff0000; "
                           "qproperty-LegendBorderWide: 4; }");
        plot.ensurePolished();
        QCOMPARE(plot.yAxis->grid()->pen().color(), QColor("#ff0000"));
        QVERIFY(plot.xAxis->grid()->pen().color() != QColor("#ff0000"));
        QCOMPARE(plot.legend->borderPen().width(), 4);
    }

    void addBarsAppliesItsArguments()
    {
        KesQcustomplot plot;
        const QPen pen(Qt::red, 3);
        KesBars *first = plot.AddBars(10, pen, QBrush(Qt::blue), "first", QCPBars::wtAbsolute);
        KesBars *second = plot.AddBars(2, pen, QBrush(), "second", QCPBars::wtPlotCoords);
        QCOMPARE(plot.GetBars(), QVector<KesBars *>({first, second}));
        QCOMPARE(first->width(), 10.0);
        QCOMPARE(first->pen(), pen);
        QCOMPARE(first->brush(), QBrush(Qt::blue));
        QCOMPARE(first->widthType(), QCPBars::wtAbsolute);
        QCOMPARE(first->name(), QString("first"));
        QCOMPARE(first->keyAxis(), plot.xAxis);
        QCOMPARE(first->valueAxis(), plot.yAxis);
        QCOMPARE(second->widthType(), QCPBars::wtPlotCoords);

        plot.removePlottable(first);
        QCOMPARE(plot.GetBars(), QVector<KesBars *>({second}));
    }

    void paintsAStyledBackground()
    {
        KesQcustomplot plot;
        QVERIFY(plot.testAttribute(Qt::WA_StyledBackground));
    }
};

QTEST_MAIN(TstKesQcustomplot)
#include "TstKesQcustomplot.moc"

#include "FloatText.h"

#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

class TstFloatText : public QObject
{
    Q_OBJECT
private slots:
    void shortestForms_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 123.4f << "123.4";
        QTest::newRow("above the range") << 2100.5f << "2100.5";
        QTest::newRow("whole") << 124.0f << "124";
        QTest::newRow("negative") << -5.0f << "-5";
        QTest::newRow("large") << 1e30f << "1e+30";
        QTest::newRow("nan") << std::numeric_limits<float>::quiet_NaN() << "nan";
        QTest::newRow("infinity") << -std::numeric_limits<float>::infinity() << "-inf";
    }
    void shortestForms()
    {
        QFETCH(float, value);
        QFETCH(QString, text);
        QCOMPARE(FloatText::Shortest(value), text);
    }

    // Every finite float of the gauge's bit patterns reads back exactly, whatever it is.
    void randomBitPatternsReadBack()
    {
        std::mt19937 random(7);
        for (int i = 0; i < 100000; ++i) {
            const quint32 bits = random();
            float value;
            std::memcpy(&value, &bits, sizeof value);
            if (!std::isfinite(value))
                continue;
            bool ok = false;
            const float back = FloatText::Shortest(value).toFloat(&ok);
            QVERIFY(ok);
            QVERIFY2(back == value, qPrintable(FloatText::Shortest(value)));
        }
    }
};

QTEST_APPLESS_MAIN(TstFloatText)
#include "TstFloatText.moc"

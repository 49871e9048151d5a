#pragma once

#include <QtGlobal>

// Running figures of a series of readings, in constant time per reading: count, mean and
// sample standard deviation by Welford's method (stable for long series of close values),
// minimum and maximum. Overflows are counted apart and never enter the figures.
class ReadingStatistics
{
public:
    void Add(double value);
    void AddOverflow() { ++m_overflows; }

    qint64 Count() const { return m_count; }
    qint64 Overflows() const { return m_overflows; }
    double Mean() const { return m_mean; }
    // Sample standard deviation (n - 1); 0 for fewer than two readings.
    double StandardDeviation() const;
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    double Range() const { return m_maximum - m_minimum; }
    // Standard deviation over mean, in percent; 0 for a mean of 0.
    double CoefficientOfVariation() const;

private:
    qint64 m_count = 0;
    qint64 m_overflows = 0;
    double m_mean = 0;
    double m_squaredDeviations = 0;
    double m_minimum = 0;
    double m_maximum = 0;
};

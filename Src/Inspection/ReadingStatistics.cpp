#include "ReadingStatistics.h"

#include <algorithm>
#include <cmath>

void ReadingStatistics::Add(double value)
{
    ++m_count;
    const double delta = value - m_mean;
    m_mean += delta / static_cast<double>(m_count);
    m_squaredDeviations += delta * (value - m_mean);
    m_minimum = m_count == 1 ? value : std::min(m_minimum, value);
    m_maximum = m_count == 1 ? value : std::max(m_maximum, value);
}

double ReadingStatistics::StandardDeviation() const
{
    if (m_count < 2)
        return 0;
    return std::sqrt(m_squaredDeviations / static_cast<double>(m_count - 1));
}

double ReadingStatistics::CoefficientOfVariation() const
{
    if (m_mean == 0)
        return 0;
    return StandardDeviation() / m_mean * 100.0;
}

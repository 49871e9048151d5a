#pragma once

#include <QVector>

// The smallest and largest value of any stretch of a series that only grows at its end, each
// found in a few hundred steps however long the series: blocks of 16 values, blocks of 16
// blocks and so on keep their extremes. It costs about 9 bytes per value beside a copy of the
// values.
class KesValueExtremes
{
public:
    struct Extremes
    {
        double min;
        double max;
    };

    int Count() const { return m_values.size(); }
    double At(int index) const { return m_values.at(index); }
    void Clear();
    void Append(double value);
    // Extremes of the values first to last (inclusive); first <= last < Count().
    Extremes Of(int first, int last) const;

    // Brings the copy up to date with a plot's data container: appends what was added at its
    // end, or starts again when the container is another one, is shorter, or its first or last
    // copied value differs (replaced data). Values changed in place in between are not seen.
    template <typename Container> void Follow(const Container *data)
    {
        const int count = data->size();
        if (data != m_source || count < Count() ||
            (Count() > 0 &&
             (data->at(0)->value != At(0) || data->at(Count() - 1)->value != At(Count() - 1)))) {
            Clear();
            m_source = data;
        }
        for (int index = Count(); index < count; ++index)
            Append(data->at(index)->value);
    }

private:
    static constexpr int kBlock = 16;

    QVector<double> m_values;
    // m_levels[k] holds the extremes of the blocks of 16^(k + 1) values.
    QVector<QVector<Extremes>> m_levels;
    const void *m_source = nullptr;
};

Q_DECLARE_TYPEINFO(KesValueExtremes::Extremes, Q_PRIMITIVE_TYPE);

#include "KesValueExtremes.h"

#include <algorithm>

void KesValueExtremes::Clear()
{
    m_values.clear();
    m_levels.clear();
    m_source = nullptr;
}

void KesValueExtremes::Append(double value)
{
    m_values.append(value);
    const int index = m_values.size() - 1;
    int span = 1;
    for (int level = 0;; ++level) {
        span *= kBlock;
        if (level == m_levels.size()) {
            // A level is worth keeping from its second block on; its first block is complete.
            if (index < span)
                return;
            m_levels.append({Of(0, span - 1)});
        }
        QVector<Extremes> &blocks = m_levels[level];
        const int block = index / span;
        if (block == blocks.size()) {
            blocks.append({value, value});
        } else {
            blocks[block].min = std::min(blocks[block].min, value);
            blocks[block].max = std::max(blocks[block].max, value);
        }
    }
}

KesValueExtremes::Extremes KesValueExtremes::Of(int first, int last) const
{
    Extremes result{m_values.at(first), m_values.at(first)};
    auto take = [&](int level, int index) {
        const Extremes e = level == 0 ? Extremes{m_values.at(index), m_values.at(index)}
                                      : m_levels.at(level - 1).at(index);
        result.min = std::min(result.min, e.min);
        result.max = std::max(result.max, e.max);
    };
    // Half-open [begin, end) in units of the current level: the loose ends are taken one by
    // one, the whole blocks between them one level up.
    int begin = first;
    int end = last + 1;
    for (int level = 0;; ++level) {
        if (level == m_levels.size() || end - begin < 2 * kBlock) {
            for (int index = begin; index < end; ++index)
                take(level, index);
            return result;
        }
        for (; begin % kBlock != 0; ++begin)
            take(level, begin);
        for (; end % kBlock != 0; --end)
            take(level, end - 1);
        begin /= kBlock;
        end /= kBlock;
    }
}

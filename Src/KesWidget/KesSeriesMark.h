#pragma once

#include <QVector>

// What a page last showed of a series that its owner hands over whole after every change: the
// number of entries and the first and last of them. That is enough to tell whether a new list
// only adds entries at the end, in constant time, without keeping the owner's list: a shared
// copy kept here would make the owner's next append copy the whole series.
template <typename T> class KesSeriesMark
{
public:
    int Count() const { return m_count; }

    // True when list starts with the entries shown: not shorter, same first and last entry.
    bool IsExtendedBy(const QVector<T> &list) const
    {
        return m_count == 0 || (list.size() >= m_count && list.first() == m_first &&
                                list.at(m_count - 1) == m_last);
    }

    void Mark(const QVector<T> &list)
    {
        m_count = list.size();
        m_first = m_count > 0 ? list.first() : T();
        m_last = m_count > 0 ? list.last() : T();
    }

    void Reset() { Mark(QVector<T>()); }

private:
    int m_count = 0;
    T m_first = T();
    T m_last = T();
};

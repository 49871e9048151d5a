#pragma once

#include <algorithm>

namespace KesSearch {

// The first index of [begin, end) at which passed holds, passed being false up to some index
// and true from there on (end when it never holds). Gallops from begin, so it is cheap when
// that index is near begin, and bisects.
template <typename Passed> int FirstPassed(int begin, int end, Passed passed)
{
    int step = 1;
    while (begin + step < end && !passed(begin + step)) {
        begin += step;
        step *= 2;
    }
    end = std::min(end, begin + step);
    while (begin < end) {
        const int middle = begin + (end - begin) / 2;
        if (passed(middle))
            end = middle;
        else
            begin = middle + 1;
    }
    return begin;
}

} // namespace KesSearch

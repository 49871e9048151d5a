#pragma once

// How every figure is held against a limit when readings are judged. Readings, means and
// limits are decimal numbers carried in binary doubles, so a mean of 2.6, 3.0, 3.3, 3.0 and
// 3.1 comes out as 2.9999999999999996 and 80 % of 3 as 2.4000000000000004. A figure within a
// billionth (relative) of the limit counts as on it, and boundaries pass: far below the
// resolution of any gauge, far above the rounding of a double.
class LimitComparison
{
public:
    static bool IsBelow(double figure, double limit);
    static bool IsAbove(double figure, double limit);
    // limit * percent / 100, the share of a limit some rules judge against.
    static double Share(double limit, double percent) { return limit * percent / 100; }
};

#include "LimitComparison.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double RelativeTolerance = 1e-9;

double Tolerance(double figure, double limit)
{
    return RelativeTolerance * std::max(std::fabs(figure), std::fabs(limit));
}
} // namespace

bool LimitComparison::IsBelow(double figure, double limit)
{
    return figure < limit - Tolerance(figure, limit);
}

bool LimitComparison::IsAbove(double figure, double limit)
{
    return figure > limit + Tolerance(figure, limit);
}

#pragma once

#include <QString>

// Text forms of the gauge's single-precision numbers.
class FloatText
{
public:
    // The shortest text that reads back to exactly the same float: "123.4", "2100.5", "2500",
    // "1e+30"; "nan", "inf" and "-inf" for the special values.
    static QString Shortest(float value);
};

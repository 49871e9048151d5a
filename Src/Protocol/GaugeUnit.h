#pragma once

#include <QString>

// The gauge's unit codes and how a micrometre value is shown in each of them.
// The gauge always measures in micrometres; the unit code only says how to display it.
class GaugeUnit
{
public:
    enum Code
    {
        Micrometres = 0,
        Mils = 1,
        Millimetres = 2
    };

    static bool IsKnown(int code);
    // "um", "mils", "mm"; empty for any other code.
    static QString Text(int code);
    // The code of a unit text ("um", "mils", "mm"); -1 for any other text.
    static int CodeOf(const QString &text);
    // The micrometre value converted to the display unit; unchanged for an unknown code.
    static float DisplayValue(int code, float micrometres);
    // Micrometres in one of the unit: 1, 25.4, 1000; 1 for an unknown code.
    static double MicrometresPer(int code);
    // Decimals for a display value, chosen by its magnitude alone.
    static int Decimals(int code, float displayValue);
    // The display value in fixed-point notation with its decimals, formatted once.
    static QString FormatFixed(int code, float micrometres);
};

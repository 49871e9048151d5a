#include "FloatText.h"

#include <charconv>

QString FloatText::Shortest(float value)
{
    // Plain to_chars gives the shortest round-trip form and never depends on the locale.
    char text[32];
    const std::to_chars_result result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, static_cast<int>(result.ptr - text));
}

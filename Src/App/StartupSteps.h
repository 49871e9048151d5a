#pragma once

#include <QString>

// Start-up steps of the program that need no window, kept apart so that main() stays short.
class StartupSteps
{
public:
    // Registers every readable "*.ttc" file of the folder in name order; each file that yields
    // a family makes that family the application font, so the last such file wins. Returns
    // the family set last, empty when none was.
    static QString LoadFontFolder(const QString &fontDir);

    // The port lists of port discovery cross threads in queued signals.
    static void RegisterSerialMetaTypes();
};

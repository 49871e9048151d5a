#pragma once

#include "StartupSteps.h"

#include <QDir>
#include <QString>

// The fonts of the built program's font folder, registered as the program does at start, so
// that a test's reports are set in the fonts the program uses.
inline void LoadProgramFonts()
{
    StartupSteps::LoadFonts(
        {QDir(qEnvironmentVariable("VARNOLITHIC_BIN_DIR")).filePath(QStringLiteral("font"))});
}

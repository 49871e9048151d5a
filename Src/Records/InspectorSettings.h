#pragma once

#include <QString>

// Who measures: the inspector's name and certification number, group [Inspector] of the
// settings file, empty until set.
struct InspectorSettings
{
    QString name;
    QString certificate;

    static InspectorSettings Load();
    static void Save(const InspectorSettings &inspector);
};

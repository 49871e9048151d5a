#pragma once

#include "InspectionCriteria.h"

// The inspection criteria as the settings keep it: group [Inspection] of the settings file, with
// the defaults (no rule, micrometres, no limits, spots of 3 at 80 % and 120 %) where nothing
// is stored. Saved only when the user changes it, so an untouched file is never rewritten.
class InspectionSettings
{
public:
    static InspectionCriteria Load();
    static void Save(const InspectionCriteria &criteria);
};

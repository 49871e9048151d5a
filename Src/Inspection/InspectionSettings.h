#pragma once

#include "InspectionCriteria.h"

#include <QString>
#include <QVector>

// The inspection criteria as the settings keep it: group [Inspection] of the settings file, with
// the defaults (no rule, micrometres, no limits, spots of 3 at 80 % and 120 %) where nothing
// is stored. Saved only when the user changes it, so an untouched file is never rewritten.
//
// A stored value that is no value of its key (text, not finite, negative, out of range) is
// refused on its own: its default takes its place, and the others are kept. Values that are
// valid each but cannot judge together leave the rule at none, and the rule is refused.
class InspectionSettings
{
public:
    // A stored value refused: its key in the group and its text as stored.
    struct Refusal
    {
        QString key;
        QString stored;
    };

    // The largest thickness taken, in any unit, and the most readings a spot may take.
    static constexpr double MaximumThickness = 1e6;
    static constexpr int MaximumSpotSize = 1000;

    static InspectionCriteria Load(QVector<Refusal> *refused = nullptr);
    static void Save(const InspectionCriteria &criteria);
    // What the user is told about the refused values of the stored settings; empty when none.
    static QString RefusalNotice();
};

#pragma once

#include "TeamError.h"

#include <QString>
#include <QStringList>

struct TeamServerAddress;

// Whether the program can work with the team server at an address: it answers, takes the
// login, has the database, holds a team store of this program's version, and the user has a
// role in the team. Blocking for as long as the connection takes (at most its time-out):
// run it off the GUI thread. It makes a connection of its own.
class TeamCheck
{
public:
    struct Outcome
    {
        TeamError error; // no error: ready to work
        int schemaVersion = 0;
        QString user;
        QStringList roles; // "inspector", "reviewer"; both for a superuser
    };

    static Outcome Diagnose(const TeamServerAddress &address);
};

#pragma once

#include "TeamError.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class TeamConnection;
class TeamSyncLedger;
struct TeamServerAddress;

// One sync of a records file with the team server, blocking (run it off the GUI thread): up
// first, then down.
//
// Up: the outbox's changes since the last sync, a few hundred at a time. Items go up with
// INSERT ... ON CONFLICT DO NOTHING, readings in transactions of at most a few thousand, and
// every edit as a history row whose uuid is made from this machine and the edit, so that an
// edit sent again is known and applied once. An edit of a field that another machine edited
// later (by the time each was made) is lost: both stay in the server's history, the newer value
// shows, and the item's history here tells the loss. Only after the server has committed does
// the file mark the changes sent, so a sync cut anywhere sends again what the server may not
// have, and the server takes it once.
//
// Down: each table by the server's change counter, from where the last sync got to, up to a
// change below which every writer has committed; each page of rows is written and marked
// pulled in one transaction here, so a sync cut anywhere goes on from the last page.
class TeamSync
{
    Q_DECLARE_TR_FUNCTIONS(TeamSync)
public:
    struct Outcome
    {
        TeamError error; // what stopped the sync; no error: it completed
        qint64 sent = 0; // changes of the outbox sent
        qint64 readingsSent = 0;
        qint64 pulled = 0;   // rows pulled down
        qint64 waiting = 0;  // changes still to go up
        QStringList lost;    // edits lost to newer ones, as told on their items
        QStringList refused; // changes the server refused, with its reason
    };
    // After every transaction committed on the server; the tests cut the sync there.
    using Observer = std::function<void(int transactions)>;

    static Outcome Run(const TeamServerAddress &address, const QString &storePath,
                       const Observer &observer = Observer());
    static Outcome Run(const TeamConnection &connection, TeamSyncLedger &ledger,
                       const Observer &observer = Observer());
};

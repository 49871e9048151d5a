#pragma once

#include "TeamServerAddress.h"

#include <QCommandLineOption>
#include <QList>
#include <QString>

class CliConsole;
class QCommandLineParser;
class TeamConnection;
class TeamError;

// The team server a "team" command works with: --server URI, or else the settings' team group;
// and --store, the local store, as the other commands take it.
class TeamServerInput
{
public:
    static QList<QCommandLineOption> Options();
    static QString Synopsis();
    // How the server is named and where the password comes from, for a command's help.
    static QString Description();

    // Reads the options; returns what is wrong, or an empty text.
    QString Read(const QCommandLineParser &parser);

    const TeamServerAddress &Address() const { return m_address; }
    // "team server URI: what is wrong" on the error output; returns ServerError.
    int Failure(CliConsole &console, const TeamError &error) const;
    // Opens the connection; Success, or the failure told.
    int Connect(TeamConnection &connection, CliConsole &console) const;

private:
    TeamServerAddress m_address;
};

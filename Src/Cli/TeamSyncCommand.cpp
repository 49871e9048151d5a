#include "TeamSyncCommand.h"

#include "CliConsole.h"
#include "TeamServerInput.h"
#include "TeamSync.h"

QString TeamSyncCommand::Summary() const
{
    return QStringLiteral("Send the local records to the team server and fetch the team's.");
}

QString TeamSyncCommand::Synopsis() const
{
    return TeamServerInput::Synopsis();
}

QList<QCommandLineOption> TeamSyncCommand::Options() const
{
    return TeamServerInput::Options();
}

QString TeamSyncCommand::Description() const
{
    return QStringLiteral(
               "Sends every batch, reading, verification and edit the local store made since\n"
               "the last sync, then fetches what the rest of the team sent since. A sync cut\n"
               "short (the server gone, the connection lost) loses nothing and sends nothing\n"
               "twice: the next one goes on where it stopped. An edit of a field that was\n"
               "edited later on another machine is lost to the newer one; both stay in the\n"
               "history, and the item's history here tells it. Changes the server refuses\n"
               "(another inspector's batch, a reviewer's limits) are listed and told on their\n"
               "items. Exit status 4 when the records file cannot be used.\n\n") +
           TeamServerInput::Description();
}

int TeamSyncCommand::Execute(const QCommandLineParser &parser, CliConsole &console)
{
    TeamServerInput server;
    const QString problem = server.Read(parser);
    if (!problem.isEmpty())
        return UsageFailure(console, problem);
    const TeamSync::Outcome outcome = TeamSync::Run(server.Address(), StorePath(parser));
    if (outcome.error.GetKind() == TeamError::RecordsFile) {
        console.Error(outcome.error.Message());
        return StoreError;
    }
    QString text;
    for (const QString &told : outcome.lost + outcome.refused)
        text += told + QLatin1Char('\n');
    if (outcome.error.IsError()) {
        console.Error(text + QStringLiteral("%1 changes sent, %2 still waiting")
                                 .arg(outcome.sent)
                                 .arg(outcome.waiting));
        return server.Failure(console, outcome.error);
    }
    text += QStringLiteral("%1: synced\nsent     %2 changes, %3 readings\nfetched  %4 rows\n"
                           "waiting  %5\n")
                .arg(server.Address().DisplayUri())
                .arg(outcome.sent)
                .arg(outcome.readingsSent)
                .arg(outcome.pulled)
                .arg(outcome.waiting);
    return WriteResult(console, QString(), text.toUtf8(), true);
}

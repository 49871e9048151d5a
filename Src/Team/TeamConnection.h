#pragma once

#include "TeamError.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

#include <functional>

class QSqlQuery;
struct TeamServerAddress;

// One connection to the team server through Qt's QPSQL driver, under a name of its own, for
// the thread that made it. Statements run through Run(), which turns a failure into a
// TeamError.
class TeamConnection
{
public:
    TeamConnection();
    ~TeamConnection();
    TeamConnection(const TeamConnection &) = delete;
    TeamConnection &operator=(const TeamConnection &) = delete;

    TeamError Open(const TeamServerAddress &address);
    QSqlDatabase Database() const;

    // Without values the text may hold several statements; with values it is one statement
    // whose "?" placeholders take them in order. *rowsAffected, when given, gets the rows
    // the statement changed.
    TeamError Run(QSqlQuery &query, const QString &sql, const QVariantList &values = {},
                  int *rowsAffected = nullptr) const;
    TeamError Run(const QString &sql, const QVariantList &values = {},
                  int *rowsAffected = nullptr) const;
    // The work in one transaction: committed when it returns no error, rolled back otherwise.
    TeamError InTransaction(const std::function<TeamError()> &work) const;
    // The work with no limit on how long a statement takes or its answer is waited for: an
    // administrator's long work, such as migrating a large store.
    TeamError Unlimited(const std::function<TeamError()> &work) const;

private:
    // The work with the connection, cut when the server leaves it unanswered too long.
    TeamError Watched(const std::function<bool()> &work,
                      const std::function<TeamError()> &failure) const;

    QString m_name;
    // How long a statement's answer is waited for: the server's own limit, then as long again
    // for the answer to come; 0: for ever. Lifted for the length of Unlimited().
    mutable int m_answerMsecs = 0;
};

#pragma once

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

// A slow network between a client and a PostgreSQL server on a Unix socket: the relay listens
// in a folder of its own (the client's host) and passes every block on to the server's socket,
// and every answer back, each a while late. It runs on the thread that made it, so a client it
// serves completes only while that thread's event loop turns.
class SlowSocketRelay : public QObject
{
public:
    SlowSocketRelay(const QString &serverFolder, int delayMsecs)
        : m_target(QDir(serverFolder).filePath(QStringLiteral(".s.PGSQL.5432"))),
          m_delayMsecs(delayMsecs)
    {
        connect(&m_listener, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *client = m_listener.nextPendingConnection()) {
                auto *server = new QLocalSocket(client);
                PassOn(client, server);
                PassOn(server, client);
                // A stalled relay passes on no end of a connection either.
                connect(client, &QLocalSocket::disconnected, server, [this, server] {
                    if (!m_stalled)
                        server->disconnectFromServer();
                });
                connect(server, &QLocalSocket::disconnected, client, [this, client] {
                    if (!m_stalled)
                        client->disconnectFromServer();
                });
                connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
                server->connectToServer(m_target);
            }
        });
    }

    // Listens in the folder, where libpq looks for the default port's socket.
    bool Listen(const QString &folder)
    {
        return m_listener.listen(QDir(folder).filePath(QStringLiteral(".s.PGSQL.5432")));
    }
    // From the first block holding the marker on, nothing more is passed on, either way: a
    // server that stops answering.
    void StallAt(const QByteArray &marker) { m_stallMarker = marker; }
    // The blocks passed on so far, both ways.
    int Blocks() const { return m_blocks; }

private:
    void PassOn(QLocalSocket *from, QLocalSocket *to)
    {
        // Timers of one delay fire in the order they were started: the blocks keep theirs.
        connect(from, &QLocalSocket::readyRead, to, [this, from, to] {
            const QByteArray block = from->readAll();
            m_stalled = m_stalled || (!m_stallMarker.isEmpty() && block.contains(m_stallMarker));
            if (m_stalled)
                return;
            ++m_blocks;
            QTimer::singleShot(m_delayMsecs, Qt::PreciseTimer, to,
                               [to, block] { to->write(block); });
        });
    }

    QLocalServer m_listener;
    QString m_target;
    int m_delayMsecs;
    int m_blocks = 0;
    QByteArray m_stallMarker;
    bool m_stalled = false;
};

#pragma once

#include "GuardAnnouncement.h"
#include "SingleApplication.h"

#include <QMap>
#include <QObject>

struct GuardBlock;
class QFileSystemWatcher;
class QLocalServer;
class QLocalSocket;
class QSharedMemory;
class QTimer;

// The guard behind SingleApplication: the shared-memory block, the primary's local server and
// the client socket used to announce a later instance.
class SingleApplicationPrivate : public QObject
{
    Q_OBJECT
public:
    enum PeerStage
    {
        AwaitHeader = 0,
        AwaitBody = 1,
        Established = 2
    };
    struct PeerState
    {
        qint64 bodyLength = 0;
        quint32 instanceId = 0;
        PeerStage stage = AwaitHeader;
    };

    explicit SingleApplicationPrivate(SingleApplication *application);
    ~SingleApplicationPrivate() override;

    // Sent after the announcement, when there is one.
    void SetMessageToPrimary(const QByteArray &message) { m_messageToPrimary = message; }
    // Runs the start-up of the guard; false when this instance must end (status 0).
    bool Start(bool allowSecondary, SingleApplication::GuardOptions options, int timeout);

    static QString GuardNameFor(SingleApplication::GuardOptions options, const QString &appName,
                                const QString &organizationName, const QString &organizationDomain,
                                const QString &version, const QString &executablePath,
                                const QString &userName);
    static QString CurrentUserName();
    static void PauseRandomly();
    // False only when the process is known to be gone.
    static bool ProcessExists(qint64 pid);

    void ComputeGuardName();
    void ResetGuardBlock();
    void TakePrimaryRole();
    void TakeSecondaryRole();
    bool ContactPrimary(int timeout, GuardAnnouncement::ConnectKind kind);
    [[noreturn]] void AbortGuard();

    bool IsPrimary() const { return m_server != nullptr; }
    quint32 InstanceNumber() const { return m_instanceNumber; }
    QString GuardName() const { return m_guardName; }

public slots:
    void slotConnectionEstablished();
    void slotDataAvailable(QLocalSocket *socket, quint32 instanceId);
    void slotClientConnectionClosed(QLocalSocket *socket, quint32 instanceId);

private:
    GuardBlock *Block() const;
    void AttachBlock();
    void WaitForConsistentBlock();
    bool TakeOverDeadPrimary();
    void UnlockOrReport(const char *message);
    void ReadAnnouncement(QLocalSocket *socket);
    bool ReadHeader(QLocalSocket *socket, PeerState &peer);
    bool ReadBody(QLocalSocket *socket, PeerState &peer, GuardAnnouncement::Fields *fields);
    void ReleaseGuard();
    void Listen();
    void KeepListening();
    // Watches the socket file while listening; tries again soon while not.
    void WatchSocket();

    SingleApplication *q;
    QSharedMemory *m_memory = nullptr;
    QLocalSocket *m_socket = nullptr;
    QLocalServer *m_server = nullptr;
    QFileSystemWatcher *m_socketWatch = nullptr;
    QTimer *m_relisten = nullptr;
    quint32 m_instanceNumber = 0;
    QString m_guardName;
    SingleApplication::GuardOptions m_options;
    QMap<QLocalSocket *, PeerState> m_connections;
    QByteArray m_messageToPrimary;
    bool m_listenFailed = false;
};

#include "SingleApplicationPrivate.h"

#include "GuardBlock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDebug>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>
#endif

namespace {
constexpr qint64 kInconsistentLimitMs = 5000;
// A starting instance writes its whole announcement at once; a peer still short of one after
// this long is not an instance of ours and must not hold a connection.
constexpr int kAnnouncementLimitMs = 5000;
// How soon the primary tries again to listen on its socket after it could not.
constexpr int kRelistenMs = 250;

int Remaining(int timeout, const QElapsedTimer &timer)
{
    // At least 1 ms: Qt's wait functions treat a negative time-out as "wait forever".
    return std::max(1, timeout - static_cast<int>(timer.elapsed()));
}
} // namespace

SingleApplicationPrivate::SingleApplicationPrivate(SingleApplication *application) : q(application)
{}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    ReleaseGuard();
}

bool SingleApplicationPrivate::Start(bool allowSecondary, SingleApplication::GuardOptions options,
                                     int timeout)
{
    m_options = options;
    ComputeGuardName();
    // Instances started together would otherwise reach the block at the same moment.
    PauseRandomly();
    AttachBlock();
    WaitForConsistentBlock();

    if (Block()->primary == 0) {
        TakePrimaryRole();
        UnlockOrReport("SingleApplication: Unable to unlock memory after primary start.");
        return true;
    }
    if (allowSecondary) {
        TakeSecondaryRole();
        if (m_options.testFlag(SingleApplication::NotifyOnSecondary))
            ContactPrimary(timeout, GuardAnnouncement::Secondary);
        UnlockOrReport("SingleApplication: Unable to unlock memory after secondary start.");
        return true;
    }
    UnlockOrReport("SingleApplication: Unable to unlock memory at end of execution.");
    if (ContactPrimary(timeout, GuardAnnouncement::Duplicate))
        return false;
    return TakeOverDeadPrimary();
}

QString
SingleApplicationPrivate::GuardNameFor(SingleApplication::GuardOptions options,
                                       const QString &appName, const QString &organizationName,
                                       const QString &organizationDomain, const QString &version,
                                       const QString &executablePath, const QString &userName)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication", 17);
    hash.addData(appName.toUtf8());
    hash.addData(organizationName.toUtf8());
    hash.addData(organizationDomain.toUtf8());
    if (!options.testFlag(SingleApplication::IgnoreVersion))
        hash.addData(version.toUtf8());
    if (!options.testFlag(SingleApplication::IgnorePath))
        hash.addData(executablePath.toLower().toUtf8());
    if (options.testFlag(SingleApplication::PerUser))
        hash.addData(userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64())
        .replace(QLatin1Char('/'), QLatin1Char('_'));
}

void SingleApplicationPrivate::ComputeGuardName()
{
    m_guardName = GuardNameFor(
        m_options, QCoreApplication::applicationName(), QCoreApplication::organizationName(),
        QCoreApplication::organizationDomain(), QCoreApplication::applicationVersion(),
        QCoreApplication::applicationFilePath(), CurrentUserName());
}

QString SingleApplicationPrivate::CurrentUserName()
{
#ifdef Q_OS_WIN
    wchar_t buffer[257];
    DWORD size = 257;
    if (GetUserNameW(buffer, &size))
        return QString::fromWCharArray(buffer);
    return qEnvironmentVariable("USERNAME");
#else
    if (const passwd *entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
#endif
}

void SingleApplicationPrivate::PauseRandomly()
{
    const quint64 random = QRandomGenerator::global()->generate();
    QThread::msleep(8 + static_cast<unsigned long>((random * 10) >> 32));
}

bool SingleApplicationPrivate::ProcessExists(qint64 pid)
{
    if (pid <= 0)
        return false;
#ifdef Q_OS_WIN
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!process)
        return GetLastError() != ERROR_INVALID_PARAMETER;
    DWORD exitCode = 0;
    const bool running = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
#endif
}

GuardBlock *SingleApplicationPrivate::Block() const
{
    return static_cast<GuardBlock *>(m_memory->data());
}

void SingleApplicationPrivate::AttachBlock()
{
    m_memory = new QSharedMemory(m_guardName);
    if (m_memory->create(sizeof(GuardBlock))) {
        if (!m_memory->lock()) {
            qCritical("SingleApplication: Unable to lock memory block after create.");
            AbortGuard();
        }
        ResetGuardBlock();
    } else if (m_memory->error() == QSharedMemory::AlreadyExists) {
        if (!m_memory->attach()) {
            qCritical("SingleApplication: Unable to attach to shared memory block.");
            AbortGuard();
        }
        if (!m_memory->lock()) {
            qCritical("SingleApplication: Unable to lock memory block after attach.");
            AbortGuard();
        }
    } else {
        qCritical("SingleApplication: Unable to create block.");
        AbortGuard();
    }
}

void SingleApplicationPrivate::WaitForConsistentBlock()
{
    QElapsedTimer timer;
    timer.start();
    while (!Block()->IsConsistent()) {
        if (timer.elapsed() > kInconsistentLimitMs) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state "
                     "from more than 5s. Assuming primary instance failure.");
            ResetGuardBlock();
        }
        UnlockOrReport("SingleApplication: Unable to unlock memory for random wait.");
        PauseRandomly();
        if (!m_memory->lock()) {
            qCritical("SingleApplication: Unable to lock memory after random wait.");
            AbortGuard();
        }
    }
}

bool SingleApplicationPrivate::TakeOverDeadPrimary()
{
    // A crashed primary leaves its block behind on Unix, still marked as running; nobody would
    // ever answer, so a start that cannot reach a vanished primary takes its place.
    if (!m_memory->lock())
        return false;
    const GuardBlock *block = Block();
    const bool vacant =
        block->IsConsistent() && (block->primary == 0 || !ProcessExists(block->primaryPid));
    if (vacant) {
        qWarning("SingleApplication: The primary instance is gone; taking over its role.");
        ResetGuardBlock();
        TakePrimaryRole();
    }
    UnlockOrReport("SingleApplication: Unable to unlock memory after primary start.");
    return vacant;
}

void SingleApplicationPrivate::UnlockOrReport(const char *message)
{
    if (!m_memory->unlock())
        qDebug().noquote() << message << m_memory->errorString();
}

void SingleApplicationPrivate::ResetGuardBlock()
{
    Block()->Reset();
}

void SingleApplicationPrivate::TakePrimaryRole()
{
    Block()->SetPrimary(QCoreApplication::applicationPid(), CurrentUserName());
    m_instanceNumber = 0;

    m_server = new QLocalServer;
    m_server->setSocketOptions(m_options.testFlag(SingleApplication::PerUser)
                                   ? QLocalServer::UserAccessOption
                                   : QLocalServer::WorldAccessOption);
    Listen();
    connect(m_server, &QLocalServer::newConnection, this,
            &SingleApplicationPrivate::slotConnectionEstablished);
    // A connection the server cannot take (no descriptor left) closes it and removes its
    // socket file, and a cleaner of the temporary folder may remove the file: the file's
    // removal tells, and the server is made again as soon as it can be (retried only while it
    // cannot, so an idle primary does not wake).
    m_socketWatch = new QFileSystemWatcher(this);
    connect(m_socketWatch, &QFileSystemWatcher::fileChanged, this,
            &SingleApplicationPrivate::KeepListening);
    m_relisten = new QTimer(this);
    m_relisten->setSingleShot(true);
    m_relisten->setInterval(kRelistenMs);
    connect(m_relisten, &QTimer::timeout, this, &SingleApplicationPrivate::KeepListening);
    WatchSocket();
}

void SingleApplicationPrivate::WatchSocket()
{
#ifndef Q_OS_WIN
    if (m_server->isListening())
        m_socketWatch->addPath(m_server->fullServerName());
    else
        m_relisten->start();
#endif
}

void SingleApplicationPrivate::Listen()
{
    QLocalServer::removeServer(m_guardName);
    const bool listening = m_server->listen(m_guardName);
    if (!listening && !m_listenFailed)
        qWarning().noquote() << "SingleApplication: Unable to listen:" << m_server->errorString();
    else if (listening && m_listenFailed)
        qWarning().noquote() << "SingleApplication: Listening again.";
    m_listenFailed = !listening;
}

void SingleApplicationPrivate::KeepListening()
{
#ifndef Q_OS_WIN
    const bool socketThere = QFileInfo::exists(m_server->fullServerName());
#else
    const bool socketThere = true;
#endif
    if (m_server->isListening() && socketThere)
        return;
    m_server->close();
    Listen();
    WatchSocket();
}

void SingleApplicationPrivate::TakeSecondaryRole()
{
    GuardBlock *block = Block();
    block->secondary += 1;
    block->Seal();
    m_instanceNumber = block->secondary;
}

bool SingleApplicationPrivate::ContactPrimary(int timeout, GuardAnnouncement::ConnectKind kind)
{
    QElapsedTimer timer;
    timer.start();
    if (!m_socket)
        m_socket = new QLocalSocket;
    if (m_socket->state() == QLocalSocket::ConnectedState)
        return true;

    forever
    {
        PauseRandomly();
        if (m_socket->state() != QLocalSocket::ConnectingState)
            m_socket->connectToServer(m_guardName, QIODevice::ReadWrite);
        if (m_socket->state() == QLocalSocket::ConnectingState)
            m_socket->waitForConnected(Remaining(timeout, timer));
        if (m_socket->state() == QLocalSocket::ConnectedState)
            break;
        if (timer.elapsed() >= timeout)
            return false;
    }

    const QByteArray body = GuardAnnouncement::BuildBody(m_guardName, kind, m_instanceNumber);
    m_socket->write(GuardAnnouncement::BuildHeader(body.size()));
    m_socket->write(body);
    if (!m_messageToPrimary.isEmpty())
        m_socket->write(m_messageToPrimary);
    const bool written = m_socket->waitForBytesWritten(Remaining(timeout, timer));
    m_socket->flush();
    return written;
}

void SingleApplicationPrivate::AbortGuard()
{
    qCritical().noquote().nospace()
        << "SingleApplication: " << m_memory->error() << " " << m_memory->errorString();
    delete this;
    ::exit(1);
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    QLocalSocket *socket = m_server->nextPendingConnection();
    if (!socket)
        return;
    m_connections.insert(socket, PeerState());
    connect(socket, &QLocalSocket::aboutToClose, this, [this, socket] {
        // Bytes of a peer that never announced itself correctly are not a message.
        const PeerState peer = m_connections.value(socket);
        if (peer.stage == Established)
            slotClientConnectionClosed(socket, peer.instanceId);
    });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        m_connections.remove(socket);
        socket->deleteLater();
    });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadAnnouncement(socket); });
    QTimer::singleShot(kAnnouncementLimitMs, socket, [this, socket] {
        if (m_connections.value(socket).stage != Established)
            socket->close();
    });
}

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket *socket, quint32 instanceId)
{
    emit q->receivedMessage(instanceId, socket->readAll());
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *socket, quint32 instanceId)
{
    if (socket->bytesAvailable() > 0)
        emit q->receivedMessage(instanceId, socket->readAll());
}

void SingleApplicationPrivate::ReadAnnouncement(QLocalSocket *socket)
{
    const auto peer = m_connections.find(socket);
    if (peer == m_connections.end())
        return;
    if (peer->stage == AwaitHeader && !ReadHeader(socket, *peer))
        return;
    if (peer->stage == AwaitBody) {
        GuardAnnouncement::Fields fields;
        if (!ReadBody(socket, *peer, &fields))
            return;
        const bool notify = fields.kind == GuardAnnouncement::Duplicate ||
                            (fields.kind == GuardAnnouncement::Secondary &&
                             m_options.testFlag(SingleApplication::NotifyOnSecondary));
        const QPointer<QLocalSocket> alive(socket);
        if (notify)
            emit q->instanceStarted();
        if (!alive || !m_connections.contains(socket))
            return;
    }
    if (socket->bytesAvailable() > 0)
        slotDataAvailable(socket, m_connections.value(socket).instanceId);
}

bool SingleApplicationPrivate::ReadHeader(QLocalSocket *socket, PeerState &peer)
{
    if (socket->bytesAvailable() < GuardAnnouncement::HeaderSize)
        return false;
    qint64 length = 0;
    if (!GuardAnnouncement::ReadHeader(socket->read(GuardAnnouncement::HeaderSize), &length)) {
        socket->close();
        return false;
    }
    peer.bodyLength = length;
    peer.stage = AwaitBody;
    return true;
}

bool SingleApplicationPrivate::ReadBody(QLocalSocket *socket, PeerState &peer,
                                        GuardAnnouncement::Fields *fields)
{
    if (socket->bytesAvailable() < peer.bodyLength)
        return false;
    const QByteArray body = socket->read(peer.bodyLength);
    if (!GuardAnnouncement::AcceptBody(body, m_guardName, fields)) {
        socket->close();
        return false;
    }
    peer.instanceId = fields->instanceId;
    peer.stage = Established;
    return true;
}

void SingleApplicationPrivate::ReleaseGuard()
{
    if (m_socket) {
        m_socket->close();
        delete m_socket;
        m_socket = nullptr;
    }
    if (m_memory) {
        m_memory->lock();
        if (m_server) {
            for (QLocalSocket *socket : m_connections.keys())
                socket->disconnect(this);
            m_server->close();
            delete m_server;
            m_server = nullptr;
            Block()->ClearPrimary();
        }
        m_memory->unlock();
        delete m_memory;
        m_memory = nullptr;
    }
    m_connections.clear();
}

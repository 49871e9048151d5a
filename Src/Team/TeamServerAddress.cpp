#include "TeamServerAddress.h"

#include "KesConfig.h"

#include <QRegularExpression>
#include <QUrl>
#include <QUrlQuery>

namespace {
const QString kGroup = QStringLiteral("Team");

bool IsSslMode(const QString &mode)
{
    static const QStringList modes{QStringLiteral("disable"),   QStringLiteral("allow"),
                                   QStringLiteral("prefer"),    QStringLiteral("require"),
                                   QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
    return modes.contains(mode);
}

// A port as libpq takes it: 1 to 65535.
int PortOf(const QString &text)
{
    bool isNumber = false;
    const int port = text.toInt(&isNumber);
    return isNumber && port > 0 && port < 65536 ? port : -1;
}

// Takes one parameter of the URI's query; false with *problem set when it is not one of
// those this program passes on.
bool TakeParameter(TeamServerAddress &address, const QString &key, const QString &value,
                   QString *problem)
{
    if (key == QLatin1String("host"))
        address.host = value;
    else if (key == QLatin1String("port"))
        address.port = PortOf(value);
    else if (key == QLatin1String("dbname"))
        address.database = value;
    else if (key == QLatin1String("user"))
        address.user = value;
    else if (key == QLatin1String("password"))
        address.password = value;
    else if (key == QLatin1String("sslmode"))
        address.sslMode = value;
    else if (key == QLatin1String("sslrootcert"))
        address.sslRootCertificate = value;
    else if (key == QLatin1String("connect_timeout"))
        address.connectTimeout = value.toInt();
    else {
        *problem = QStringLiteral("the parameter '%1' is not one this program takes").arg(key);
        return false;
    }
    return true;
}

QString Checked(const TeamServerAddress &address)
{
    if (address.port < 0)
        return QStringLiteral("the port is not a number from 1 to 65535");
    if (!IsSslMode(address.sslMode))
        return QStringLiteral("'%1' is no TLS mode (disable, allow, prefer, require, verify-ca, "
                              "verify-full)")
            .arg(address.sslMode);
    if (address.connectTimeout <= 0)
        return QStringLiteral("connect_timeout is not a number of seconds");
    // The connect options are one "key=value;..." line: values holding a separator or a space
    // cannot be passed on.
    static const QRegularExpression unsafe(QStringLiteral("[;\\s]"));
    if (address.sslRootCertificate.contains(unsafe))
        return QStringLiteral("sslrootcert may not hold spaces or ';'");
    return QString();
}
} // namespace

TeamServerAddress TeamServerAddress::FromUri(const QString &uri, QString *problem)
{
    const QUrl url(uri, QUrl::StrictMode);
    const auto refuse = [&](const QString &why) {
        // Told without a password it may hold.
        static const QRegularExpression password(QStringLiteral("(://[^/@:]*):[^/@]*@"));
        QString shown = uri;
        shown.replace(password, QStringLiteral("\\1:***@"));
        *problem = QStringLiteral("'%1' is no server URI: %2").arg(shown, why);
        return TeamServerAddress();
    };
    // libpq takes a list of servers ("a,b:5433"), which Qt's driver cannot pass on.
    if (uri.section(QStringLiteral("://"), 1)
            .section(QLatin1Char('/'), 0, 0)
            .contains(QLatin1Char(',')))
        return refuse(QStringLiteral("one server only"));
    if (!url.isValid())
        return refuse(url.errorString());
    if (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres"))
        return refuse(QStringLiteral("it does not begin with postgresql://"));
    TeamServerAddress address;
    address.host = url.host(QUrl::FullyDecoded);
    address.port = url.port(0);
    address.user = url.userName(QUrl::FullyDecoded);
    address.password = url.password(QUrl::FullyDecoded);
    address.database = url.path(QUrl::FullyDecoded).mid(1);
    if (address.database.contains(QLatin1Char('/')))
        return refuse(QStringLiteral("the path names more than a database"));
    const QUrlQuery query(url);
    for (const auto &item : query.queryItems(QUrl::FullyDecoded)) {
        QString why;
        if (!TakeParameter(address, item.first, item.second, &why))
            return refuse(why);
    }
    const QString why = Checked(address);
    if (!why.isEmpty())
        return refuse(why);
    problem->clear();
    return address;
}

TeamServerAddress TeamServerAddress::FromSettings()
{
    const KesConfig *config = KesConfig::Instance();
    TeamServerAddress address;
    address.host = config->ReadValue(QStringLiteral("Host"), kGroup).toString();
    address.port = qMax(0, config->ReadValue(QStringLiteral("Port"), kGroup).toInt());
    address.database = config->ReadValue(QStringLiteral("Database"), kGroup).toString();
    address.user = config->ReadValue(QStringLiteral("User"), kGroup).toString();
    const QString sslMode = config->ReadValue(QStringLiteral("SslMode"), kGroup).toString();
    if (IsSslMode(sslMode))
        address.sslMode = sslMode;
    return address;
}

void TeamServerAddress::StoreInSettings() const
{
    KesConfig *config = KesConfig::Instance();
    config->WriteValue(QStringLiteral("Host"), host, kGroup);
    config->WriteValue(QStringLiteral("Port"), port, kGroup);
    config->WriteValue(QStringLiteral("Database"), database, kGroup);
    config->WriteValue(QStringLiteral("User"), user, kGroup);
    config->WriteValue(QStringLiteral("SslMode"), sslMode, kGroup);
}

QString TeamServerAddress::DisplayUri() const
{
    const auto encoded = [](const QString &text, const QByteArray &kept = QByteArray()) {
        return QString::fromUtf8(QUrl::toPercentEncoding(text, kept));
    };
    const bool isSocketFolder = host.startsWith(QLatin1Char('/'));
    QString text = QStringLiteral("postgresql://");
    if (!user.isEmpty())
        text += encoded(user) + QLatin1Char('@');
    if (!isSocketFolder && host.contains(QLatin1Char(':')))
        text += QLatin1Char('[') + host + QLatin1Char(']');
    else if (!isSocketFolder)
        text += encoded(host);
    if (port > 0)
        text += QLatin1Char(':') + QString::number(port);
    text += QLatin1Char('/') + encoded(database);
    if (isSocketFolder)
        text += QStringLiteral("?host=") + encoded(host, "/");
    return text;
}

QString TeamServerAddress::ConnectOptions() const
{
    QStringList options{QStringLiteral("sslmode=") + sslMode,
                        QStringLiteral("connect_timeout=") + QString::number(connectTimeout),
                        QStringLiteral("application_name=varnolithic"),
                        // A TCP connection that goes silent (a host gone, a network cut) is
                        // given up within about a minute: probed when idle, and closed when
                        // what was sent stays unacknowledged. Unix sockets ignore both.
                        QStringLiteral("keepalives=1"), QStringLiteral("keepalives_idle=30"),
                        QStringLiteral("keepalives_interval=10"),
                        QStringLiteral("keepalives_count=3"),
                        QStringLiteral("tcp_user_timeout=60000")};
    if (answerTimeout > 0)
        options.append(QStringLiteral("options='-c statement_timeout=%1s "
                                      "-c idle_in_transaction_session_timeout=%1s'")
                           .arg(answerTimeout));
    if (!sslRootCertificate.isEmpty())
        options.append(QStringLiteral("sslrootcert=") + sslRootCertificate);
    return options.join(QLatin1Char(';'));
}

#pragma once

#include <QApplication>

class SingleApplicationPrivate;

// The application object, which also lets only one instance run (per user or per machine).
// A later start announces itself to the running primary over a local socket and ends itself,
// unless secondary instances are allowed.
class SingleApplication : public QApplication
{
    Q_OBJECT
public:
    enum GuardOption
    {
        PerUser = 1,
        NotifyOnSecondary = 4,
        IgnoreVersion = 8,
        IgnorePath = 16,
    };
    Q_DECLARE_FLAGS(GuardOptions, GuardOption)

    // Returns only in a primary or an allowed secondary instance; a refused instance notifies
    // the primary and exits with status 0, a broken guard exits with status 1. A non-empty
    // message follows the announcement and reaches the primary as receivedMessage.
    SingleApplication(int &argc, char **argv, bool allowSecondary, GuardOptions options,
                      int timeout, const QByteArray &messageToPrimary = QByteArray());
    ~SingleApplication() override;

    bool IsPrimary() const;
    quint32 InstanceId() const;
    QString GuardName() const;

signals:
    void instanceStarted();
    void receivedMessage(quint32 instanceId, QByteArray message);

private:
    SingleApplicationPrivate *d;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(SingleApplication::GuardOptions)

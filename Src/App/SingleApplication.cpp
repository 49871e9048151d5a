#include "SingleApplication.h"

#include "SingleApplicationPrivate.h"

#include <cstdlib>

SingleApplication::SingleApplication(int &argc, char **argv, bool allowSecondary,
                                     GuardOptions options, int timeout,
                                     const QByteArray &messageToPrimary)
    : QApplication(argc, argv), d(new SingleApplicationPrivate(this))
{
    d->SetMessageToPrimary(messageToPrimary);
    if (!d->Start(allowSecondary, options, timeout)) {
        delete d;
        d = nullptr;
        std::exit(0);
    }
}

SingleApplication::~SingleApplication()
{
    delete d;
}

bool SingleApplication::IsPrimary() const
{
    return d->IsPrimary();
}

quint32 SingleApplication::InstanceId() const
{
    return d->InstanceNumber();
}

QString SingleApplication::GuardName() const
{
    return d->GuardName();
}

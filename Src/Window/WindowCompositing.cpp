#include "WindowCompositing.h"

#include <QGuiApplication>

#ifdef Q_OS_LINUX
#include <QX11Info>
#endif

namespace {
std::optional<bool> s_override;
}

bool WindowCompositing::Available()
{
    if (s_override)
        return *s_override;
#ifdef Q_OS_LINUX
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        return QX11Info::isCompositingManagerRunning();
#endif
    return true;
}

void WindowCompositing::Override(std::optional<bool> available)
{
    s_override = available;
}

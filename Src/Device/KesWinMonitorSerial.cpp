#include "KesWinMonitorSerial.h"

#include "KesLog.h"

#include <QAtomicPointer>
#include <QMutex>
#include <QMutexLocker>
#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>

#include <dbt.h>
#endif

namespace {
QAtomicPointer<KesWinMonitorSerial> s_instance;
QMutex s_instanceMutex;

#ifdef Q_OS_WIN
HANDLE s_thread = nullptr;
DWORD s_threadId = 0;
HWND s_window = nullptr;

constexpr UINT StopMessage = WM_USER + 1;

// USB devices, disks, HID devices, network adapters.
const GUID InterfaceClasses[] = {
    {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}},
    {0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}},
    {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}},
    {0xAD498944, 0x762F, 0x11D0, {0x8D, 0xCB, 0x00, 0xC0, 0x4F, 0xC3, 0x35, 0x8C}},
};

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_DEVICECHANGE)
        return DefWindowProcW(window, message, wParam, lParam);
    if (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE)
        return 0;
    const auto *header = reinterpret_cast<const DEV_BROADCAST_HDR *>(lParam);
    if (header && header->dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
        const auto *device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W *>(header);
        KesWinMonitorSerial::HandleDeviceEvent(static_cast<unsigned long>(wParam),
                                               QString::fromWCharArray(device->dbcc_name));
    }
    return 0;
}

void RegisterNotifications(HWND window)
{
    for (const GUID &interfaceClass : InterfaceClasses) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = interfaceClass;
        RegisterDeviceNotificationW(window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
}

DWORD WINAPI MonitorThread(LPVOID)
{
    const HINSTANCE moduleHandle = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = moduleHandle;
    windowClass.lpszClassName = L"Sample Window Class";
    if (!RegisterClassW(&windowClass))
        return static_cast<DWORD>(-1);
    s_window = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               nullptr, moduleHandle, nullptr);
    if (!s_window)
        return static_cast<DWORD>(-1);
    RegisterNotifications(s_window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != StopMessage) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
#endif
} // namespace

KesWinMonitorSerial *KesWinMonitorSerial::Instance()
{
    if (!s_instance.loadAcquire()) {
        QMutexLocker lock(&s_instanceMutex);
        if (!s_instance.loadAcquire())
            s_instance.storeRelease(new KesWinMonitorSerial);
    }
    return s_instance.loadAcquire();
}

KesWinMonitorSerial::KesWinMonitorSerial() : QObject(nullptr)
{
#ifdef Q_OS_WIN
    s_thread = CreateThread(nullptr, 0, MonitorThread, nullptr, 0, &s_threadId);
    if (!s_thread)
        KesLog::WriteDebugOutput(KesLog::ErrorWithTid("KesWinMonitorSerial CreateThread Error "));
#endif
}

KesWinMonitorSerial::~KesWinMonitorSerial()
{
#ifdef Q_OS_WIN
    if (s_thread) {
        PostThreadMessageW(s_threadId, StopMessage, 0, 0);
        WaitForSingleObject(s_thread, INFINITE);
        CloseHandle(s_thread);
        s_thread = nullptr;
    }
#endif
}

QString KesWinMonitorSerial::DevicePath(const QString &interfaceName)
{
    const QString name = interfaceName.mid(4);
    const int classStart = name.lastIndexOf(QLatin1Char('#'));
    if (classStart < 0)
        return QString();
    return name.left(classStart).replace(QLatin1Char('#'), QLatin1Char('\\')).toUpper();
}

bool KesWinMonitorSerial::UsbIdentifiers(const QString &devicePath, qlonglong &pid, qlonglong &vid)
{
    const QStringList parts = devicePath.split(QLatin1Char('\\'));
    if (parts.first() != QLatin1String("USB") || parts.size() < 2)
        return false;
    const QStringList items = parts.at(1).split(QLatin1Char('&'));
    if (items.size() < 2)
        return false;
    const QStringList vendorItem = items.at(0).split(QLatin1Char('_'));
    const QStringList productItem = items.at(1).split(QLatin1Char('_'));
    if (vendorItem.size() < 2 || productItem.size() < 2)
        return false;
    vid = vendorItem.at(1).toUInt(nullptr, 16);
    pid = productItem.at(1).toUInt(nullptr, 16);
    return true;
}

void KesWinMonitorSerial::HandleDeviceEvent(unsigned long kind, const QString &interfaceName)
{
    const QString devicePath = DevicePath(interfaceName);
    if (devicePath.isNull())
        return;
    const bool arrival = kind == DeviceArrival;
    const std::string message =
        (arrival ? "win api add: " : "win api del: ") + devicePath.toStdString();
    KesLog::WriteDebugOutput(KesLog::InfoWithTid(message));
    KesLog::AppendToFile(KesLog::FileBase(), KesLog::InfoWithTid(message));
    qlonglong pid = 0;
    qlonglong vid = 0;
    if (!UsbIdentifiers(devicePath, pid, vid))
        return;
    if (arrival)
        emit Instance()->AddSerial(pid, vid);
    else
        emit Instance()->DeleteSerial(pid, vid);
}

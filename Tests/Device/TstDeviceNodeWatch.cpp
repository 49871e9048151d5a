#include "DeviceNodeWatch.h"
#include "Pty.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <thread>

using FolderChange = std::function<bool(QDir &)>;
Q_DECLARE_METATYPE(FolderChange)
using PathChange = std::function<bool(QDir &, Pty &)>;
Q_DECLARE_METATYPE(PathChange)

namespace {
bool Touch(const QDir &folder, const QString &name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::WriteOnly);
}

bool Append(const QDir &folder, const QString &name)
{
    QFile file(folder.filePath(name));
    return file.open(QIODevice::Append) && file.write("frame") == 5;
}

// Asks the kernel to report a device again, as "udevadm trigger" does.
bool Trigger(const QString &device, const QByteArray &action)
{
    QFile uevent(device + QStringLiteral("/uevent"));
    return uevent.open(QIODevice::WriteOnly) && uevent.write(action) == action.size();
}
} // namespace

class TstDeviceNodeWatch : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
#ifndef Q_OS_LINUX
        QSKIP("device nodes are watched on Linux only");
#endif
    }

    void change_data()
    {
        QTest::addColumn<QString>("present");
        QTest::addColumn<FolderChange>("change");
        QTest::addColumn<bool>("changed");

        QTest::newRow("adapter node created")
            << QString() << FolderChange([](QDir &dir) { return Touch(dir, "ttyUSB0"); }) << true;
        QTest::newRow("adapter node removed")
            << "ttyACM0" << FolderChange([](QDir &dir) { return dir.remove("ttyACM0"); }) << true;
        QTest::newRow("node given its permissions") << "ttyUSB1" << FolderChange([](QDir &dir) {
            return QFile::setPermissions(dir.filePath("ttyUSB1"),
                                         QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::WriteGroup);
        }) << true;
        QTest::newRow("node renamed into place")
            << "staging" << FolderChange([](QDir &dir) { return dir.rename("staging", "rfcomm0"); })
            << true;
        QTest::newRow("other device node created")
            << QString() << FolderChange([](QDir &dir) { return Touch(dir, "sda1"); }) << false;
        QTest::newRow("bytes written to a serial node")
            << "ttyUSB2" << FolderChange([](QDir &dir) { return Append(dir, "ttyUSB2"); }) << false;
        QTest::newRow("nothing happens")
            << QString() << FolderChange([](QDir &) { return true; }) << false;
    }
    void change()
    {
        QFETCH(QString, present);
        QFETCH(FolderChange, change);
        QFETCH(bool, changed);
        QTemporaryDir temporary;
        QDir folder(temporary.path());
        if (!present.isEmpty())
            QVERIFY(Touch(folder, present));
        DeviceNodeWatch watch(folder.path());
        QVERIFY(watch.IsWatching());
        QVERIFY(change(folder));
        // A change ends the wait early; without one it lasts its whole time, kept short here.
        QCOMPARE(watch.Wait(changed ? 10000 : 300), changed);
        QVERIFY(!watch.Wait(50));
    }

    // A port the user named: a link in a folder of its own to a terminal elsewhere.
    void namedPath_data()
    {
        QTest::addColumn<bool>("linked");
        QTest::addColumn<PathChange>("change");
        QTest::addColumn<bool>("changed");

        QTest::newRow("link made") << false << PathChange([](QDir &dir, Pty &terminal) {
            return QFile::link(terminal.Path(), dir.filePath("gauge"));
        }) << true;
        QTest::newRow("link removed")
            << true << PathChange([](QDir &dir, Pty &) { return dir.remove("gauge"); }) << true;
        QTest::newRow("terminal behind the link closed")
            << true << PathChange([](QDir &, Pty &terminal) {
                   terminal.Close();
                   return true;
               })
            << true;
        QTest::newRow("other file beside the link")
            << true << PathChange([](QDir &dir, Pty &) { return Touch(dir, "ttyUSB0"); }) << false;
    }
    void namedPath()
    {
        QFETCH(bool, linked);
        QFETCH(PathChange, change);
        QFETCH(bool, changed);
        QTemporaryDir devices, named;
        QDir folder(named.path());
        Pty terminal;
        QVERIFY(!terminal.Path().isEmpty());
        if (linked)
            QVERIFY(QFile::link(terminal.Path(), folder.filePath("gauge")));
        DeviceNodeWatch watch(devices.path());
        QVERIFY(watch.WatchPaths({folder.filePath("gauge")}));
        QVERIFY(change(folder, terminal));
        QCOMPARE(watch.Wait(changed ? 10000 : 300), changed);
    }

    // Where a named port cannot be watched, or the named ports change, the caller must look.
    void unwatchedPathsAndInterruptions()
    {
        QTemporaryDir devices;
        DeviceNodeWatch watch(devices.path());
        QVERIFY(!watch.WatchPaths({QDir(devices.path()).filePath("no such folder/gauge")}));
        QVERIFY(watch.WatchPaths({}));
        std::thread([&watch] { watch.Interrupt(); }).join();
        QVERIFY(watch.Wait(10000));
        QVERIFY(!watch.Wait(50));
    }

    // The kernel's reports go out whether or not udev runs; udev's own source needs udev.
    void udevReportsTtyDevicesOnly()
    {
#ifndef VARNOLITHIC_HAVE_UDEV
        QSKIP("built without udev");
#endif
        const QString tty = QStringLiteral("/sys/class/tty/ttyS0");
        const QString other = QStringLiteral("/sys/class/mem/null");
        if (!QFileInfo(tty + "/uevent").isWritable() || !QFileInfo(other + "/uevent").isWritable())
            QSKIP("device reports cannot be asked for here");
        QTemporaryDir devices;
        QDir folder(devices.path());
        DeviceNodeWatch watch(folder.path());
        QVERIFY(watch.FollowUdev("kernel"));
        QVERIFY(watch.IsFollowingUdev());
        QVERIFY(Trigger(other, "change"));
        QVERIFY(!watch.Wait(300));
        QVERIFY(Trigger(tty, "add"));
        QVERIFY(watch.Wait(10000));
        // The folder's nodes no longer tell anything: udev does.
        QVERIFY(Touch(folder, "ttyUSB0"));
        QVERIFY(!watch.Wait(300));
    }

    void unwatchableFolderReportsEveryWaitAsChange()
    {
        DeviceNodeWatch watch(QDir::temp().filePath("no such folder of device nodes"));
        QVERIFY(!watch.IsWatching());
        QVERIFY(watch.Wait(1));
        QVERIFY(watch.Wait(1));
    }
};

QTEST_GUILESS_MAIN(TstDeviceNodeWatch)
#include "TstDeviceNodeWatch.moc"

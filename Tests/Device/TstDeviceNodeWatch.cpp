#include "DeviceNodeWatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using FolderChange = std::function<bool(QDir &)>;
Q_DECLARE_METATYPE(FolderChange)

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

#include "AppPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const AppPaths::Folders kFolders{
    QStringLiteral("/opt/gauge/bin"), QStringLiteral("/home/ann/.config/varnolithic"),
    QStringLiteral("/home/ann/.local/share/varnolithic"), QStringLiteral("/home/ann/Documents"),
    QStringLiteral("/home/ann/.local/share/varnolithic")};

// Whether this process can really create a file in the folder, whoever it runs as.
bool CanCreateFileIn(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    const bool created = probe.open(QIODevice::WriteOnly);
    if (created)
        probe.remove();
    return created;
}
} // namespace

class TstAppPaths : public QObject
{
    Q_OBJECT
private slots:
    void layout_data()
    {
        QTest::addColumn<bool>("portable");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("saveFolder");
        QTest::addColumn<QString>("logBase");
        QTest::addColumn<QString>("records");
        QTest::newRow("portable") << true << "/opt/gauge/bin/config.ini"
                                  << "/opt/gauge/bin/SaveFile"
                                  << "./log"
                                  << "/opt/gauge/bin/records.sqlite";
        QTest::newRow("installed") << false << "/home/ann/.config/varnolithic/config.ini"
                                   << "/home/ann/Documents/Varnolithic"
                                   << "/home/ann/.local/share/varnolithic/log"
                                   << "/home/ann/.local/share/varnolithic/records.sqlite";
    }
    void layout()
    {
        QFETCH(bool, portable);
        QFETCH(QString, config);
        QFETCH(QString, saveFolder);
        QFETCH(QString, logBase);
        QFETCH(QString, records);
        const AppPaths paths(kFolders, portable);
        QCOMPARE(paths.RecordsFile(paths.ConfigFile()), records);
        QCOMPARE(paths.ConfigFile(), config);
        QCOMPARE(paths.DefaultSaveFolder(), saveFolder);
        QCOMPARE(paths.LogBasePath(), logBase);
        // Fonts are looked up in both places whatever the layout.
        QCOMPARE(paths.FontFolders(),
                 (QStringList{QStringLiteral("/opt/gauge/bin/font"),
                              QStringLiteral("/opt/gauge/share/varnolithic/font")}));
    }

    // The folder counts as the program's own exactly when this process can write in it: a
    // read-only folder is the program's for root, who may write anyway, and nobody else's.
    void portableExactlyWhenWritable_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("writable") << false;
        QTest::newRow("read-only") << true;
    }
    void portableExactlyWhenWritable()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        if (readOnly)
            QVERIFY(QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                   QFileDevice::ReadOther | QFileDevice::ExeOther));
        const bool writable = CanCreateFileIn(bin);
        QCOMPARE(AppPaths::IsPortableFolder(bin), writable);
        if (!readOnly)
            QVERIFY(writable);
        QFile::setPermissions(bin, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                       QFileDevice::ExeOwner);
    }

    // An installed program's data folder marks an installation even where the executable's
    // folder is writable (root running a program under /usr).
    void installedDataFolderMarksAnInstallation()
    {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QString bin = root.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        QVERIFY(AppPaths::IsPortableFolder(bin));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral("share/varnolithic"))));
        QCOMPARE(AppPaths::InstalledDataFolder(bin),
                 root.filePath(QStringLiteral("share/varnolithic")));
        QVERIFY(!AppPaths::IsPortableFolder(bin));
    }
};

QTEST_GUILESS_MAIN(TstAppPaths)
#include "TstAppPaths.moc"

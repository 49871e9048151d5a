#include "ExportFileWriter.h"

#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {
QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

class TstExportFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void writesUtf8Text()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.txt"));
        QString error;
        QVERIFY(ExportFileWriter::Write(path, QStringLiteral("编号 1\nline 2\n"), &error));
        QVERIFY(error.isEmpty());
        QCOMPARE(Contents(path), QStringLiteral("编号 1\nline 2\n").toUtf8());
    }

    void replacesLongerFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.txt"));
        QVERIFY(WriteRaw(path, QByteArray(10000, 'x')));
        QVERIFY(ExportFileWriter::Write(path, QStringLiteral("short\n")));
        QCOMPARE(Contents(path), QByteArray("short\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.txt"});
    }

    void failsCleanlyWhenTheFolderCannotTakeIt_data()
    {
        QTest::addColumn<QString>("folderKind");
        QTest::newRow("read-only folder") << "read-only";
        QTest::newRow("folder that is a file") << "file";
        QTest::newRow("folder that does not exist") << "missing";
    }
    void failsCleanlyWhenTheFolderCannotTakeIt()
    {
        QFETCH(QString, folderKind);
        QTemporaryDir dir;
        QString folder = dir.filePath(QStringLiteral("target"));
        if (folderKind == QLatin1String("read-only")) {
#ifdef Q_OS_UNIX
            if (geteuid() == 0)
                QSKIP("permissions do not stop the superuser");
#endif
            QVERIFY(QDir().mkpath(folder));
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        } else if (folderKind == QLatin1String("file")) {
            QVERIFY(WriteRaw(folder, "not a folder"));
        }
        const QString path = folder + QStringLiteral("/export.txt");

        QString error;
        QVERIFY(!ExportFileWriter::Write(path, QStringLiteral("text\n"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(path));
        if (folderKind == QLatin1String("read-only")) {
            QVERIFY(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

#ifdef Q_OS_UNIX
    // A file-size limit makes the writes fail the way a full disk does.
    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.txt"));
        QVERIFY(WriteRaw(path, "previous export\n"));

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 64;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString error;
        const bool written = ExportFileWriter::Write(path, QString(4096, QLatin1Char('y')), &error);
        setrlimit(RLIMIT_FSIZE, &previous);

        QVERIFY(!written);
        QVERIFY(!error.isEmpty());
        QCOMPARE(Contents(path), QByteArray("previous export\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"export.txt"});
    }
#endif
};

QTEST_GUILESS_MAIN(TstExportFileWriter)
#include "TstExportFileWriter.moc"

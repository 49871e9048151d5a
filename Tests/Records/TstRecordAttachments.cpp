#include "RecordAttachments.h"
#include "RecordStore.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

namespace {
QByteArray Photo(const char *format)
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
} // namespace

// Photos and documents kept beside the records: told by their content, kept once, refused
// when they are neither or too large.
class TstRecordAttachments : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return file.fileName();
    }

private slots:
    void fileIsTakenByItsContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal"); // empty: attached
        QTest::newRow("jpeg") << "deck.jpg" << Photo("JPEG") << QString();
        QTest::newRow("png named .dat") << "scan.dat" << Photo("PNG") << QString();
        QTest::newRow("pdf") << "certificate.pdf" << QByteArray("%PDF-1.4\n%\xE2\xE3\n1 0 obj")
                             << QString();
        QTest::newRow("text named .jpg") << "notes.jpg" << QByteArray("not a photo at all")
                                         << "notes.jpg is not attached: it is not a JPEG or PNG";
        QTest::newRow("over 20 MB")
            << "huge.png" << Photo("PNG").append(QByteArray(RecordAttachments::MaxBytes, '\0'))
            << "huge.png is not attached: it takes 20.0 MB, more than the 20 MB";
    }

    void fileIsTakenByItsContent()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        RecordStore store;
        const QString folder =
            QStringLiteral("store-%1").arg(QTest::currentDataTag()).replace(' ', '-');
        QVERIFY(QDir(m_dir.path()).mkpath(folder));
        QVERIFY(store.Open(m_dir.filePath(folder + "/records.sqlite")));
        store.SetInspector(QStringLiteral("A. Field"), QString());
        const QString job = store.AddJob({{}, QStringLiteral("Hull 7"), {}, {}, {}, {}, {}});
        RecordArea area;
        area.jobUuid = job;
        area.name = QStringLiteral("Deck");
        area.uuid = store.AddArea(area);
        RecordBatch start;
        start.areaUuid = area.uuid;
        start.started = QDateTime::currentDateTime();
        const QString batch = store.BeginBatch(start);
        const QString path = Write(name, bytes);
        RecordAttachments attachments(store);

        const QString added = attachments.Add(batch, path, QStringLiteral("north side"));
        if (!refusal.isEmpty()) {
            QVERIFY(added.isEmpty());
            QVERIFY2(attachments.Problem().contains(refusal), qPrintable(attachments.Problem()));
            QVERIFY(attachments.Of(batch).isEmpty());
            QVERIFY(!QDir(attachments.Folder()).exists());
            // In the other language of the interface too.
            QTranslator chinese;
            QVERIFY(chinese.load(QStringLiteral(":/lang/language_zh_CN.qm")));
            QCoreApplication::installTranslator(&chinese);
            QVERIFY(attachments.Add(batch, path, QString()).isEmpty());
            QCoreApplication::removeTranslator(&chinese);
            QVERIFY2(attachments.Problem().startsWith(name + QStringLiteral(" 未附加：")),
                     qPrintable(attachments.Problem()));
            return;
        }
        QVERIFY2(!added.isEmpty(), qPrintable(attachments.Problem()));
        // The same file again, to the batch and to its area: one copy of it is kept.
        QCOMPARE(attachments.Add(batch, path, QStringLiteral("again")), added);
        QVERIFY(!attachments.Add(area.uuid, path, QString()).isEmpty());
        QCOMPARE(QDir(attachments.Folder()).entryList(QDir::Files).size(), 1);
        const QVector<RecordAttachment> kept = attachments.Of(batch);
        QCOMPARE(kept.size(), 1);
        QCOMPARE(kept.at(0).caption, QStringLiteral("north side"));
        QCOMPARE(kept.at(0).fileName, name);
        QCOMPARE(kept.at(0).who, QStringLiteral("A. Field"));
        QFile copy(attachments.FilePath(kept.at(0)));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), bytes);
        QVERIFY(attachments.SetCaption(added, QStringLiteral("north side, frame 12")));
        QCOMPARE(attachments.Of(batch).at(0).caption, QStringLiteral("north side, frame 12"));
        const QVector<HistoryEntry> history = store.History(batch);
        QCOMPARE(history.size(), 2);
        QCOMPARE(history.at(0).newValue, name);
        QCOMPARE(history.at(1).oldValue, QStringLiteral("north side"));
    }
};

QTEST_MAIN(TstRecordAttachments)
#include "TstRecordAttachments.moc"

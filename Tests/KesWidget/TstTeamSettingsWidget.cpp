#include "KesConfig.h"
#include "TeamConnection.h"
#include "TeamSchema.h"
#include "TeamSettingsWidget.h"
#include "TeamTestServer.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// The settings page's team group against the throwaway server: what the user types is kept in
// the settings (never the password), and Test tells, without holding up the window, what the
// check found.
class TstTeamSettingsWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void testsTheTypedServer();

private:
    QTemporaryDir m_folder;
};

void TstTeamSettingsWidget::initTestCase()
{
    QVERIFY2(!TeamTestServer::SocketFolder().isEmpty(), "run by CTest, with the server fixture");
    QVERIFY(m_folder.isValid());
    KesConfig::Instance()->SetConfigFile(m_folder.filePath(QStringLiteral("config.ini")));
}

void TstTeamSettingsWidget::testsTheTypedServer()
{
    const QString store = TeamTestServer::CreateDatabase(QStringLiteral("settings"));
    QVERIFY(!store.isEmpty());
    {
        TeamConnection admin;
        QVERIFY(!admin.Open(TeamTestServer::Address(store)).IsError());
        int before = 0;
        int after = 0;
        QVERIFY(!TeamSchema::Initialise(admin, &before, &after).IsError());
    }

    TeamSettingsWidget group;
    group.ShowStored();
    group.show();
    const auto edit = [&](const char *name, const QString &text) {
        auto *field = group.findChild<QLineEdit *>(QLatin1String(name));
        QVERIFY(field);
        field->setText(text);
        emit field->editingFinished();
    };
    auto *test = group.findChild<QPushButton *>(QStringLiteral("TeamTestButton"));
    auto *result = group.findChild<QLabel *>(QStringLiteral("TeamResultLabel"));
    QVERIFY(test && result);
    QCOMPARE(group.findChild<QComboBox *>(QStringLiteral("TeamSslModeBox"))->currentText(),
             QStringLiteral("prefer"));

    edit("TeamHostEdit", TeamTestServer::SocketFolder());
    edit("TeamDatabaseEdit", QStringLiteral("postgres"));
    edit("TeamUserEdit", QStringLiteral("postgres"));
    edit("TeamPasswordEdit", QStringLiteral("not-for-the-file"));
    test->click();
    QVERIFY(!test->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QVERIFY2(result->text().contains(QStringLiteral("holds no team store yet")),
             qPrintable(result->text()));

    edit("TeamDatabaseEdit", store);
    test->click();
    QTRY_VERIFY_WITH_TIMEOUT(test->isEnabled(), 20000);
    QCOMPARE(result->text(),
             QStringLiteral("Ready: postgres (inspector, reviewer), team store version %1.")
                 .arg(TeamSchema::LatestVersion()));

    // A fresh group shows what was typed; the file never holds the password.
    TeamSettingsWidget again;
    again.ShowStored();
    QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("TeamDatabaseEdit"))->text(), store);
    QCOMPARE(again.findChild<QLineEdit *>(QStringLiteral("TeamHostEdit"))->text(),
             TeamTestServer::SocketFolder());
    QFile file(KesConfig::Instance()->ConfigFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray settings = file.readAll();
    QVERIFY(settings.contains("[Team]"));
    QVERIFY(!settings.contains("not-for-the-file"));
}

QTEST_MAIN(TstTeamSettingsWidget)
#include "TstTeamSettingsWidget.moc"

#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TeamCheckRunner;
class TeamError;
struct TeamServerAddress;

// The team group of the settings page: the team server's host, port, database, user and TLS
// mode, stored in the settings when the user changes them; a password for this run only, never
// stored; and a Test button that says in plain words whether the program can work with the
// server, checked off the GUI thread.
class TeamSettingsWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TeamSettingsWidget(QWidget *parent = nullptr);
    ~TeamSettingsWidget() override;

    // Shows the stored settings.
    void ShowStored();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void On_FieldEdited();
    void On_TestClicked();
    void On_TestFinished(const TeamError &error, const QString &user, const QStringList &roles,
                         int schemaVersion);

private:
    TeamServerAddress Address() const;
    void Retranslate();

    QLabel *m_title = nullptr;
    QLabel *m_hostLabel = nullptr;
    QLabel *m_portLabel = nullptr;
    QLabel *m_databaseLabel = nullptr;
    QLabel *m_userLabel = nullptr;
    QLabel *m_passwordLabel = nullptr;
    QLabel *m_sslLabel = nullptr;
    QLineEdit *m_host = nullptr;
    QLineEdit *m_port = nullptr;
    QLineEdit *m_database = nullptr;
    QLineEdit *m_user = nullptr;
    QLineEdit *m_password = nullptr;
    QComboBox *m_sslMode = nullptr;
    QLabel *m_sslHint = nullptr;
    QPushButton *m_test = nullptr;
    QLabel *m_result = nullptr;
    TeamCheckRunner *m_runner = nullptr;
};

#include "TeamSettingsWidget.h"

#include "TeamCheckRunner.h"
#include "TeamServerAddress.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QStringList kSslModes{QStringLiteral("disable"),   QStringLiteral("allow"),
                            QStringLiteral("prefer"),    QStringLiteral("require"),
                            QStringLiteral("verify-ca"), QStringLiteral("verify-full")};
} // namespace

TeamSettingsWidget::TeamSettingsWidget(QWidget *parent)
    : QWidget(parent), m_runner(new TeamCheckRunner(this))
{
    // The frame the settings page's style sheet draws, as around its other groups.
    auto *frame = new QWidget(this);
    frame->setObjectName(QStringLiteral("TeamSettingWidget"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    m_title = new QLabel(frame);
    m_title->setObjectName(QStringLiteral("TeamSettingLabel"));
    const auto edit = [this, frame](const char *name) {
        auto *field = new QLineEdit(frame);
        field->setObjectName(QLatin1String(name));
        connect(field, &QLineEdit::editingFinished, this, &TeamSettingsWidget::On_FieldEdited);
        return field;
    };
    m_host = edit("TeamHostEdit");
    m_database = edit("TeamDatabaseEdit");
    m_user = edit("TeamUserEdit");
    m_password = new QLineEdit(frame);
    m_password->setObjectName(QStringLiteral("TeamPasswordEdit"));
    m_password->setEchoMode(QLineEdit::Password);
    m_port = edit("TeamPortEdit");
    m_port->setValidator(new QIntValidator(1, 65535, m_port));
    m_sslMode = new QComboBox(frame);
    m_sslMode->setObjectName(QStringLiteral("TeamSslModeBox"));
    m_sslMode->addItems(kSslModes);
    connect(m_sslMode, QOverload<int>::of(&QComboBox::activated), this,
            &TeamSettingsWidget::On_FieldEdited);
    m_sslHint = new QLabel(frame);
    m_sslHint->setWordWrap(true);
    m_test = new QPushButton(frame);
    m_test->setObjectName(QStringLiteral("TeamTestButton"));
    connect(m_test, &QPushButton::clicked, this, &TeamSettingsWidget::On_TestClicked);
    m_result = new QLabel(frame);
    m_result->setObjectName(QStringLiteral("TeamResultLabel"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    connect(m_runner, &TeamCheckRunner::Finished, this, &TeamSettingsWidget::On_TestFinished);

    // Two fields a row, as in the inspection group above.
    auto *grid = new QGridLayout(frame);
    grid->setContentsMargins(20, 10, 20, 10);
    grid->addWidget(m_title, 0, 0, 1, 4);
    const QList<QWidget *> fields{m_host, m_port, m_database, m_user, m_password, m_sslMode};
    const QList<QLabel **> labels{&m_hostLabel, &m_portLabel,     &m_databaseLabel,
                                  &m_userLabel, &m_passwordLabel, &m_sslLabel};
    for (int at = 0; at < fields.size(); ++at) {
        *labels.at(at) = new QLabel(frame);
        grid->addWidget(*labels.at(at), 1 + at / 2, (at % 2) * 2);
        grid->addWidget(fields.at(at), 1 + at / 2, (at % 2) * 2 + 1);
    }
    grid->addWidget(m_sslHint, 4, 0, 1, 4);
    grid->addWidget(m_test, 5, 0);
    grid->addWidget(m_result, 5, 1, 1, 3);
    Retranslate();
}

// A field that loses the focus while the window goes away finishes its editing: by then this
// object is no longer one to store settings from.
TeamSettingsWidget::~TeamSettingsWidget()
{
    for (QLineEdit *field : {m_host, m_port, m_database, m_user})
        disconnect(field, nullptr, this, nullptr);
}

void TeamSettingsWidget::ShowStored()
{
    const TeamServerAddress stored = TeamServerAddress::FromSettings();
    m_host->setText(stored.host);
    m_port->setText(stored.port > 0 ? QString::number(stored.port) : QString());
    m_database->setText(stored.database);
    m_user->setText(stored.user);
    m_sslMode->setCurrentText(stored.sslMode);
}

TeamServerAddress TeamSettingsWidget::Address() const
{
    TeamServerAddress address;
    address.host = m_host->text().trimmed();
    address.port = m_port->text().toInt(); // empty: libpq's default
    address.database = m_database->text().trimmed();
    address.user = m_user->text().trimmed();
    address.password = m_password->text();
    address.sslMode = m_sslMode->currentText();
    return address;
}

void TeamSettingsWidget::On_FieldEdited()
{
    // Written only when the user changed something: leaving a field untouched writes nothing.
    const TeamServerAddress address = Address();
    const TeamServerAddress stored = TeamServerAddress::FromSettings();
    if (address.DisplayUri() != stored.DisplayUri() || address.sslMode != stored.sslMode)
        address.StoreInSettings();
}

void TeamSettingsWidget::On_TestClicked()
{
    m_test->setEnabled(false);
    m_result->setText(tr("Testing..."));
    m_runner->Start(Address());
}

void TeamSettingsWidget::On_TestFinished(const TeamError &error, const QString &user,
                                         const QStringList &roles, int schemaVersion)
{
    m_test->setEnabled(true);
    if (error.IsError()) {
        m_result->setText(error.Message());
        return;
    }
    m_result->setText(tr("Ready: %1 (%2), team store version %3.")
                          .arg(user, roles.join(QStringLiteral(", ")))
                          .arg(schemaVersion));
}

void TeamSettingsWidget::Retranslate()
{
    m_title->setText(tr("Team server"));
    m_hostLabel->setText(tr("Host"));
    m_portLabel->setText(tr("Port"));
    m_port->setPlaceholderText(tr("default"));
    m_databaseLabel->setText(tr("Database"));
    m_userLabel->setText(tr("User"));
    m_passwordLabel->setText(tr("Password"));
    m_password->setPlaceholderText(tr("kept for this run only"));
    m_sslLabel->setText(tr("TLS mode"));
    m_host->setPlaceholderText(tr("host name, or the folder of the server's socket"));
    m_sslHint->setText(tr("verify-full also checks the server's certificate and name. Without a "
                          "password here: ~/.pgpass, PGPASSFILE or PGPASSWORD."));
    m_test->setText(tr("Test"));
}

void TeamSettingsWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}

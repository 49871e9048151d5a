#include "InspectorSettings.h"

#include "KesConfig.h"

namespace {
const QString Group = QStringLiteral("Inspector");
const QString NameKey = QStringLiteral("Name");
const QString CertificateKey = QStringLiteral("Certificate");
} // namespace

InspectorSettings InspectorSettings::Load()
{
    const KesConfig *config = KesConfig::Instance();
    return {config->ReadValue(NameKey, Group).toString(),
            config->ReadValue(CertificateKey, Group).toString()};
}

void InspectorSettings::Save(const InspectorSettings &inspector)
{
    KesConfig *config = KesConfig::Instance();
    config->WriteValue(NameKey, inspector.name, Group);
    config->WriteValue(CertificateKey, inspector.certificate, Group);
}

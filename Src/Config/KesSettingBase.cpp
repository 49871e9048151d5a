#include "KesSettingBase.h"

#include <QFileInfo>
#include <QSettings>

#include <algorithm>

namespace {
int PairCount(const QStringList &keys, const QVariantList &values)
{
    return std::min(keys.size(), values.size());
}
} // namespace

bool KesSettingBase::FileExists(const QString &file)
{
    const QFileInfo info(file);
    return info.exists() && info.isFile();
}

QVariant KesSettingBase::ReadValue(const QString &file, const QString &key, const QString &group)
{
    QSettings settings(file, QSettings::IniFormat);
    if (!group.isEmpty())
        return settings.value(QStringLiteral("%1/%2").arg(group, key));
    if (!settings.contains(key))
        return QVariant();
    return settings.value(key);
}

void KesSettingBase::WriteValue(const QString &file, const QString &key, const QVariant &value,
                                const QString &group)
{
    QSettings settings(file, QSettings::IniFormat);
    if (group.isEmpty())
        settings.setValue(QStringLiteral("%1").arg(key), value);
    else
        settings.setValue(QStringLiteral("%1/%2").arg(group, key), value);
}

void KesSettingBase::WriteGroup(const QString &file, const QString &group, const QStringList &keys,
                                const QVariantList &values)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginGroup(group);
    const int count = PairCount(keys, values);
    for (int i = 0; i < count; ++i)
        settings.setValue(keys.at(i), values.at(i));
    settings.endGroup();
}

void KesSettingBase::WriteArray(const QString &file, const QString &arrayName,
                                const QStringList &keys, const QVariantList &values)
{
    QSettings settings(file, QSettings::IniFormat);
    settings.beginWriteArray(arrayName);
    const int count = PairCount(keys, values);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(keys.at(i), values.at(i));
    }
    settings.endArray();
}

QMultiMap<QString, QVariant>
KesSettingBase::ReadArray(const QString &file, const QString &arrayName, const QStringList &keys)
{
    QMultiMap<QString, QVariant> result;
    QSettings settings(file, QSettings::IniFormat);
    const int size = settings.beginReadArray(arrayName);
    if (size == keys.size()) {
        // QMultiMap::insert puts a new entry ahead of equal keys, so walking backwards leaves
        // equal keys in ascending array order.
        for (int i = size - 1; i >= 0; --i) {
            settings.setArrayIndex(i);
            result.insert(keys.at(i), settings.value(keys.at(i)));
        }
    }
    settings.endArray();
    return result;
}

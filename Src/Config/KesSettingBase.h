#pragma once

#include <QMultiMap>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

// File-level operations on an INI settings file. Every call opens its own QSettings on the
// file and closes it again, so nothing is cached between calls.
class KesSettingBase : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    static bool FileExists(const QString &file);
    // An empty group reads or writes the key outside any group (INI section "General").
    static QVariant ReadValue(const QString &file, const QString &key, const QString &group);
    static void WriteValue(const QString &file, const QString &key, const QVariant &value,
                           const QString &group);
    static void WriteGroup(const QString &file, const QString &group, const QStringList &keys,
                           const QVariantList &values);
    static void WriteArray(const QString &file, const QString &arrayName, const QStringList &keys,
                           const QVariantList &values);
    // Empty unless the stored array size equals keys.size(); equal keys iterate in array order.
    static QMultiMap<QString, QVariant> ReadArray(const QString &file, const QString &arrayName,
                                                  const QStringList &keys);
};

#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A child by object name, or by a path of names ("Page/Label") where pages reuse a name;
// a missing child ends the test at once.
template <typename T> T *ChildByPath(QObject *root, const QString &path)
{
    QObject *found = root;
    for (const QString &name : path.split(QLatin1Char('/')))
        found = found ? found->findChild<QObject *>(name) : nullptr;
    if (!qobject_cast<T *>(found))
        qFatal("no child %s", qPrintable(path));
    return qobject_cast<T *>(found);
}

#pragma once

#include <QByteArray>
#include <QStringList>

#include <optional>

// What a later start of the program hands the running one before it ends: its command line,
// sent after its announcement to the running instance.
class SecondStart
{
public:
    static QByteArray Message(const QStringList &arguments);
    // The command line of a message; nothing for bytes that are no such message.
    static std::optional<QStringList> Arguments(const QByteArray &message);
};

#pragma once

#include <QString>

#include <functional>

class MessageCover;
class QWidget;

// Asks for a file in the save folder, proposed under the export's name with the file's own
// suffix, and writes it. Only a cancel gives up: a file that cannot be written is told and
// asked for again.
class SaveFileAsker
{
public:
    using Writer = std::function<bool(const QString &path, QString *errorText)>;

    static void Ask(QWidget *window, MessageCover *messages, const QString &caption,
                    const QString &filter, const QString &suffix, const Writer &write);
    // The same, proposing a file name of the caller's; true when the file was written.
    static bool AskAs(QWidget *window, MessageCover *messages, const QString &caption,
                      const QString &filter, const QString &fileName, const Writer &write);
};

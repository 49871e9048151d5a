#pragma once

#include <QString>

#include <functional>

class MessageCover;
class QWidget;

// Asks for a file in the save folder, proposed under the export's name with the file's own
// suffix, writes it and confirms it. Only a cancel gives up: a file that cannot be written is
// told and asked for again.
class SaveFileAsker
{
public:
    using Writer = std::function<bool(const QString &path, QString *errorText)>;

    // The file written; empty when the user cancelled.
    static QString Ask(QWidget *window, MessageCover *messages, const QString &caption,
                       const QString &filter, const QString &suffix, const Writer &write);
    // The same, proposing a file name of the caller's, and confirming nothing: the caller
    // says what was written.
    static QString AskAs(QWidget *window, MessageCover *messages, const QString &caption,
                         const QString &filter, const QString &fileName, const Writer &write);
};

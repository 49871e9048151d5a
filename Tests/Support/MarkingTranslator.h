#pragma once

#include <QString>
#include <QTranslator>

// Marks every text it translates with its context, so that a test can see which texts went
// through a catalogue: "[Context] text".
class MarkingTranslator : public QTranslator
{
public:
    static QString Marked(const char *context, const char *sourceText)
    {
        return QStringLiteral("[%1] %2").arg(QString::fromUtf8(context),
                                             QString::fromUtf8(sourceText));
    }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return Marked(context, sourceText);
    }
    bool isEmpty() const override { return false; }
};

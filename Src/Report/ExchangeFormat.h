#pragma once

#include "ExchangeArchive.h"
#include "ExchangeContent.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>

#include <optional>

// The exchange file: one job of the records as a zip archive of "records.json" (the job, its
// areas, batches, gauges, verifications, evaluations, marks and history, every item by its
// UUID) and one session CSV per batch under "readings/" (docs/exchange-format.md). Turning
// content into the archive's files and back is pure; a file that is not of this format, of
// another version, or whose parts do not agree is refused with a sentence naming what is
// wrong.
class ExchangeFormat
{
    Q_DECLARE_TR_FUNCTIONS(ExchangeFormat)

public:
    static constexpr int Version = 1;
    static const ExchangeArchive::Limits Limits;

    static QVector<ExchangeArchive::Entry> Entries(const ExchangeContent &content,
                                                   const QDateTime &exported);
    static std::optional<ExchangeContent> Content(const QVector<ExchangeArchive::Entry> &entries,
                                                  QString *problem);

    static bool Write(const QString &path, const ExchangeContent &content, QString *problem);
    static std::optional<ExchangeContent> Read(const QString &path, QString *problem);
};

#pragma once

#include "InspectionCriteria.h"
#include "InspectionRule.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVector>

#include <optional>

// The things the records hold, as plain values. An item is known by its UUID (lower case,
// without braces); an empty uuid is an item not stored yet.

struct RecordJob
{
    QString uuid;
    QString name;
    QString client;
    QString structure;
    QString location;
    QString coatingStandard; // the reference of the coating standard the job follows
    QString notes;
};

struct RecordArea
{
    QString uuid;
    QString jobUuid;
    QString name;
    std::optional<double> surfaceSquareMetres;
    std::optional<int> coat;
    QString product;
    InspectionCriteria criteria;
};

struct RecordGauge
{
    QString uuid;
    QString model;
    QString serial;
    QString probeSerial;
    QString certificate;
    QDate calibrationDue;

    bool IsOverdue(const QDate &today) const
    {
        return calibrationDue.isValid() && today > calibrationDue;
    }
};

// Air and surface as measured for a batch; the dew point by the Magnus formula.
struct RecordConditions
{
    // Below this margin of the surface over the dew point, coating is not advised.
    static constexpr double MarginWarningCelsius = 3;

    double airCelsius = 0;
    double humidityPercent = 0;
    double surfaceCelsius = 0;

    double DewPointCelsius() const;
    double MarginCelsius() const { return surfaceCelsius - DewPointCelsius(); }
    bool IsMarginLow() const { return MarginCelsius() < MarginWarningCelsius; }
    // "20 °C, 50 %, 18 °C": air, humidity, surface, as the history keeps them.
    QString Text() const;
    bool operator==(const RecordConditions &other) const
    {
        return airCelsius == other.airCelsius && humidityPercent == other.humidityPercent &&
               surfaceCelsius == other.surfaceCelsius;
    }
};

struct RecordBatch
{
    enum class Source
    {
        Live,
        Download,
        Journal
    };

    QString uuid;
    QString areaUuid; // empty: Unfiled
    QString jobName;
    QString areaName;
    Source source = Source::Live;
    QDateTime started;
    QDateTime ended;
    QString port;
    QString gaugeUuid;
    QString inspector;
    QString inspectorCertificate;
    QString notes;
    // The copy of the criteria taken when the batch began; every verdict of the batch uses it.
    InspectionCriteria criteria;
    qint64 count = 0;
    qint64 overflows = 0;
    int unitCode = -1;
    double mean = 0;
    InspectionVerdict::Outcome verdict = InspectionVerdict::Outcome::None;
    bool deleted = false;

    // "live", "download", "journal"; and back.
    static QString SourceKey(Source source);
    static Source SourceFromKey(const QString &key);
};

// What the user marked on one reading; the reading itself never changes.
struct ReadingAnnotation
{
    qint64 index = 0;
    QString note;
    bool excluded = false;
    QString reason;
};

// A further judgement of a batch, made on request with other criteria.
struct RecordEvaluation
{
    QString uuid;
    InspectionCriteria criteria;
    QDateTime time;
    QString inspector;
    InspectionVerdict::Outcome verdict = InspectionVerdict::Outcome::None;
};

// A reviewer's sign-off of a batch or an area, made on the team server: who signed, when, and
// the note they gave.
struct RecordSignOff
{
    QString uuid;
    QString ownerKind; // "batch", "area"
    QString ownerUuid;
    QString reviewer;
    QDateTime time;
    QString note;
};

// Readings on a reference standard of known thickness; passes when their mean lies within the
// tolerance of the nominal.
struct RecordVerification
{
    QString uuid;
    QString gaugeUuid;
    QDateTime time;
    double nominal = 0;
    double tolerancePercent = 0;
    int unitCode = 0;
    QVector<double> readings;
    QString inspector;

    double Mean() const;
    bool Passed() const;
};

struct HistoryEntry
{
    QString kind; // "job", "area", "batch", "reading"
    QString uuid;
    QString what;
    QString oldValue;
    QString newValue;
    QDateTime time;
    QString who;
};

// Which batches a list shows, in which order; empty fields do not filter.
struct BatchFilter
{
    enum class Order
    {
        Started,
        Count,
        Mean,
        Verdict
    };

    QString job;
    QString area;
    QDateTime since;
    QDateTime until;
    std::optional<InspectionVerdict::Outcome> verdict;
    QString text; // in the job's or area's name or the notes
    QString inspector;
    QString gaugeUuid;
    bool deleted = false;
    // Only the batches of one area; an empty uuid is Unfiled.
    std::optional<QString> areaUuid;
    Order order = Order::Started;
    bool descending = false;
    int offset = 0;
    int limit = -1;

    // Whether anything but the order and the page narrows the list.
    bool Narrows() const
    {
        return !job.isEmpty() || !area.isEmpty() || since.isValid() || until.isValid() || verdict ||
               !text.isEmpty() || !inspector.isEmpty() || !gaugeUuid.isEmpty();
    }
};

// Who issues the reports: the company's name and its logo (the image file's bytes).
struct RecordCompany
{
    QString name;
    QByteArray logo;
};

// A report's number within its job, and its revision; number 0 is none issued yet.
struct ReportNumber
{
    int number = 0;
    int revision = 0;
};

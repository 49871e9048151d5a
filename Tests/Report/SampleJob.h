#pragma once

#include "RecordStore.h"

#include <QtTest>

// A job as an inspector leaves it: two areas under different rules, a gauge and its
// verification, batches in µm and in mils with an overflow, an exclusion, notes, conditions, a
// second evaluation and edits in the history.
struct SampleJob
{
    QString job;
    QStringList areas;
    QStringList batches;

    static InspectionCriteria Criteria(InspectionCriteria::Rule rule, int unit, double nominal)
    {
        InspectionCriteria criteria;
        criteria.rule = rule;
        criteria.unitCode = unit;
        criteria.nominal = nominal;
        criteria.minimum = nominal * 0.8;
        criteria.maximum = nominal * 1.5;
        return criteria;
    }

    static QVector<LiveRecord> Readings(const QStringList &values, int unit, qint64 first = 1)
    {
        const QDateTime start = QDateTime::fromString(
            QStringLiteral("2026-12-09T10:00:00.125+08:00"), Qt::ISODateWithMs);
        const double perUnit[] = {1, 25.4, 1000};
        QVector<LiveRecord> records;
        for (int i = 0; i < values.size(); ++i) {
            LiveRecord record;
            record.index = first + i;
            record.arrival = start.addMSecs(1375 * record.index);
            record.unitCode = qint8(unit);
            if (values.at(i) == QLatin1String("overflow")) {
                record.status = LiveRecord::Status::Overflow;
                record.micrometres = qQNaN();
            } else {
                record.valueText = values.at(i);
                record.micrometres = float(values.at(i).toDouble() * perUnit[unit]);
            }
            records.append(record);
        }
        return records;
    }

    // Fills the store; empty fields when something failed (the test then fails on them).
    static SampleJob Make(RecordStore &store)
    {
        SampleJob made;
        using Rule = InspectionCriteria::Rule;
        made.job = store.AddJob({{},
                                 QStringLiteral("Hull 7"),
                                 QStringLiteral("Ocean Yard"),
                                 QStringLiteral("vessel"),
                                 QStringLiteral("Dock 2, 青岛"),
                                 QStringLiteral("ISO 12944"),
                                 QStringLiteral("second coat")});
        RecordJob job = *store.Job(made.job);
        job.client = QStringLiteral("Ocean Yard Ltd");
        store.UpdateJob(job);
        RecordArea deck;
        deck.jobUuid = made.job;
        deck.name = QStringLiteral("Deck");
        deck.surfaceSquareMetres = 412.5;
        deck.coat = 2;
        deck.product = QStringLiteral("Epoxy 300");
        deck.criteria = Criteria(Rule::Iso19840, 0, 150);
        RecordArea tank = deck;
        tank.name = QStringLiteral("Tank 3");
        tank.surfaceSquareMetres.reset();
        tank.criteria = Criteria(Rule::SspcPa2, 1, 6);
        made.areas = QStringList{store.AddArea(deck), store.AddArea(tank)};
        const QString gauge = store.AddGauge({{},
                                              QStringLiteral("M7"),
                                              QStringLiteral("G-100"),
                                              QStringLiteral("P-7"),
                                              QStringLiteral("CAL-55"),
                                              QDate(2027, 3, 1)});
        RecordVerification verification;
        verification.gaugeUuid = gauge;
        verification.time =
            QDateTime::fromString(QStringLiteral("2026-12-09T01:00:00Z"), Qt::ISODateWithMs);
        verification.nominal = 250;
        verification.tolerancePercent = 3;
        verification.readings = {249.5, 251, 250.25};
        store.AddVerification(verification);
        const QVector<QPair<QStringList, int>> series{
            {{QStringLiteral("151.2"), QStringLiteral("148.9"), QStringLiteral("overflow"),
              QStringLiteral("160.04"), QStringLiteral("99.5")},
             0},
            {{QStringLiteral("6.123"), QStringLiteral("5.875"), QStringLiteral("6.5"),
              QStringLiteral("7.25"), QStringLiteral("5.5"), QStringLiteral("6.0")},
             1}};
        for (int i = 0; i < series.size(); ++i) {
            RecordBatch batch;
            batch.areaUuid = made.areas.value(i);
            batch.gaugeUuid = gauge;
            batch.started = SampleJob::Readings({QStringLiteral("1")}, 0).first().arrival;
            batch.port = QStringLiteral("/dev/ttyUSB0");
            const QString uuid = store.BeginBatch(batch, QStringLiteral("run-%1").arg(i));
            const QVector<LiveRecord> records = Readings(series.at(i).first, series.at(i).second);
            store.AppendReadings(uuid, records);
            store.EndBatch(uuid, records.last().arrival);
            made.batches.append(uuid);
        }
        store.ExcludeReading(made.batches.value(0), 5, QStringLiteral("on a weld seam"));
        store.SetReadingNote(made.batches.value(0), 2, QStringLiteral("near the hatch"));
        store.SetBatchNotes(made.batches.value(1), QStringLiteral("焊缝 beside the ladder"));
        store.SetConditions(made.batches.value(1), {18.5, 72, 16.25});
        store.JudgeAgain(made.batches.value(0), Criteria(Rule::ImoPspc, 0, 150));
        return made;
    }
};

#include "XlsxExport.h"

#include "GaugeUnit.h"
#include "SeriesInspection.h"

#include <QFile>
#include <QHash>
#include <QSet>

#include <xlsxwriter.h>

namespace {
// The last row of a sheet, counted from 0, and the header above the readings.
const int LastRow = 1048575;

lxw_datetime DateTimeOf(const QDateTime &time)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    return {date.year(),  date.month(),   date.day(),
            clock.hour(), clock.minute(), clock.second() + clock.msec() / 1000.0};
}

QHash<qint64, ReadingAnnotation> MarksByIndex(const ExchangeBatch &item)
{
    QHash<qint64, ReadingAnnotation> marks;
    for (const ReadingAnnotation &mark : item.marks)
        marks.insert(mark.index, mark);
    return marks;
}

// The readings a batch's figures count: those not excluded.
QVector<LiveRecord> Counted(const ExchangeBatch &item)
{
    const QHash<qint64, ReadingAnnotation> marks = MarksByIndex(item);
    QVector<LiveRecord> counted;
    counted.reserve(item.readings.size());
    for (const LiveRecord &record : item.readings) {
        if (!marks.value(record.index).excluded)
            counted.append(record);
    }
    return counted;
}

int UnitOf(const QVector<LiveRecord> &records)
{
    for (auto it = records.crbegin(); it != records.crend(); ++it) {
        if (it->HasValue())
            return it->unitCode;
    }
    return -1;
}

qint64 ExcludedCount(const ExchangeBatch &item)
{
    qint64 excluded = 0;
    for (const ReadingAnnotation &mark : item.marks)
        excluded += mark.excluded ? 1 : 0;
    return excluded;
}
} // namespace

XlsxExport::XlsxExport(lxw_workbook *workbook, const ExchangeContent &content)
    : m_workbook(workbook), m_content(content), m_bold(workbook_add_format(workbook)),
      m_time(workbook_add_format(workbook)), m_struck(workbook_add_format(workbook)),
      m_struckTime(workbook_add_format(workbook))
{
    format_set_bold(m_bold);
    for (lxw_format *format : {m_time, m_struckTime})
        format_set_num_format(format, "yyyy-mm-dd hh:mm:ss.000");
    for (lxw_format *format : {m_struck, m_struckTime})
        format_set_font_strikeout(format);
}

bool XlsxExport::Write(const QString &path, const ExchangeContent &content, QString *problem)
{
    const QString partial = path + QStringLiteral(".part");
    lxw_workbook_options options{};
    // Rows go to temporary files as they are written, so a large job needs little memory.
    options.constant_memory = LXW_TRUE;
    options.use_zip64 = LXW_TRUE;
    lxw_workbook *workbook = workbook_new_opt(QFile::encodeName(partial).constData(), &options);
    if (!workbook) {
        *problem = tr("%1 cannot be written.").arg(path);
        return false;
    }
    XlsxExport writer(workbook, content);
    writer.WriteCover();
    writer.WriteFigures();
    writer.WriteReadings();
    const lxw_error error = workbook_close(workbook);
    if (error != LXW_NO_ERROR) {
        QFile::remove(partial);
        *problem = tr("%1 cannot be written: %2").arg(path, QString::fromUtf8(lxw_strerror(error)));
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(partial, path)) {
        QFile::remove(partial);
        *problem = tr("%1 cannot be written.").arg(path);
        return false;
    }
    return true;
}

void XlsxExport::Text(lxw_worksheet *sheet, int row, int column, const QString &text,
                      lxw_format *format)
{
    worksheet_write_string(sheet, lxw_row_t(row), lxw_col_t(column), text.toUtf8().constData(),
                           format);
}

void XlsxExport::Header(lxw_worksheet *sheet, const QStringList &titles)
{
    for (int column = 0; column < titles.size(); ++column)
        Text(sheet, 0, column, titles.at(column), m_bold);
    worksheet_freeze_panes(sheet, 1, 0);
}

void XlsxExport::WriteCover()
{
    lxw_worksheet *sheet = workbook_add_worksheet(m_workbook, tr("Cover").toUtf8().constData());
    worksheet_set_column(sheet, 0, 0, 28, nullptr);
    worksheet_set_column(sheet, 1, 1, 60, nullptr);
    Header(sheet, {tr("Field"), tr("Value")});
    const RecordJob &job = m_content.job;
    QVector<QPair<QString, QString>> rows{{tr("Job"), job.name},
                                          {tr("Client"), job.client},
                                          {tr("Structure"), job.structure},
                                          {tr("Location"), job.location},
                                          {tr("Coating standard"), job.coatingStandard},
                                          {tr("Job notes"), job.notes}};
    for (const RecordArea &area : m_content.areas) {
        QString text = area.name;
        if (area.surfaceSquareMetres)
            text += tr(", %1 m²").arg(*area.surfaceSquareMetres);
        if (area.coat)
            text += tr(", coat %1").arg(*area.coat);
        if (!area.product.isEmpty())
            text += QStringLiteral(", ") + area.product;
        text += QStringLiteral(", ") + InspectionCriteria::RuleName(area.criteria.rule);
        rows.append({tr("Area"), text});
    }
    for (const RecordGauge &gauge : m_content.gauges)
        rows.append(
            {tr("Gauge"), tr("%1, serial %2, probe %3, certificate %4 due %5")
                              .arg(gauge.model, gauge.serial, gauge.probeSerial, gauge.certificate,
                                   gauge.calibrationDue.toString(Qt::ISODate))});
    QStringList inspectors;
    for (const ExchangeBatch &item : m_content.batches) {
        if (!item.batch.inspector.isEmpty() && !inspectors.contains(item.batch.inspector))
            inspectors.append(item.batch.inspector);
    }
    rows.append({tr("Inspectors"), inspectors.join(QStringLiteral(", "))});
    rows.append({tr("Batches"), QString::number(m_content.batches.size())});
    rows.append({tr("Exported"), QDateTime::currentDateTime().toString(Qt::ISODate)});
    for (int i = 0; i < rows.size(); ++i) {
        Text(sheet, i + 1, 0, rows.at(i).first, m_bold);
        Text(sheet, i + 1, 1, rows.at(i).second);
    }
}

void XlsxExport::WriteFigures()
{
    lxw_worksheet *sheet = workbook_add_worksheet(m_workbook, tr("Figures").toUtf8().constData());
    Header(sheet,
           {tr("Area"), tr("Batch started"), tr("Batch ended"), tr("Inspector"), tr("Rule"),
            tr("Unit"), tr("Nominal"), tr("Minimum limit"), tr("Maximum limit"), tr("Readings"),
            tr("Overflows"), tr("Excluded"), tr("Mean"), tr("Standard deviation"), tr("Lowest"),
            tr("Highest"), tr("Range"), tr("Coefficient of variation (%)"), tr("Verdict")});
    worksheet_set_column(sheet, 0, 18, 14, nullptr);
    int row = 1;
    // One row of figures: the batch's (or the area's) columns from the fourth on.
    auto figures = [&](const SeriesInspection &inspection, qint64 excluded) {
        const InspectionCriteria &criteria = inspection.Criteria();
        const ReadingStatistics &statistics = inspection.Statistics();
        Text(sheet, row, 4, InspectionCriteria::RuleName(criteria.rule));
        Text(sheet, row, 5, GaugeUnit::Text(inspection.UnitCode()));
        const double numbers[] = {criteria.nominal,
                                  criteria.minimum,
                                  criteria.maximum,
                                  double(statistics.Count()),
                                  double(statistics.Overflows()),
                                  double(excluded),
                                  statistics.Mean(),
                                  statistics.StandardDeviation(),
                                  statistics.Minimum(),
                                  statistics.Maximum(),
                                  statistics.Range(),
                                  statistics.CoefficientOfVariation()};
        for (int i = 0; i < int(std::size(numbers)); ++i)
            worksheet_write_number(sheet, lxw_row_t(row), lxw_col_t(6 + i), numbers[i], nullptr);
        Text(sheet, row, 18, InspectionVerdict::OutcomeName(inspection.Verdict().outcome));
        ++row;
    };
    for (const RecordArea &area : m_content.areas) {
        QVector<LiveRecord> areaReadings;
        qint64 areaExcluded = 0;
        for (const ExchangeBatch &item : m_content.batches) {
            if (item.batch.areaUuid != area.uuid)
                continue;
            const QVector<LiveRecord> counted = Counted(item);
            areaReadings += counted;
            areaExcluded += ExcludedCount(item);
            Text(sheet, row, 0, area.name);
            for (const auto &[column, time] :
                 {std::make_pair(1, item.batch.started), std::make_pair(2, item.batch.ended)}) {
                lxw_datetime when = DateTimeOf(time);
                if (time.isValid())
                    worksheet_write_datetime(sheet, lxw_row_t(row), lxw_col_t(column), &when,
                                             m_time);
            }
            Text(sheet, row, 3, item.batch.inspector);
            figures(SeriesInspection::OfRecords(counted, item.batch.criteria, UnitOf(counted)),
                    ExcludedCount(item));
        }
        Text(sheet, row, 0, area.name, m_bold);
        Text(sheet, row, 1, tr("All batches of the area"), m_bold);
        figures(SeriesInspection::OfRecords(areaReadings, area.criteria, UnitOf(areaReadings)),
                areaExcluded);
    }
}

void XlsxExport::WriteReadings()
{
    const QStringList titles{tr("Area"),
                             tr("Batch started"),
                             tr("Index"),
                             tr("Time"),
                             tr("Thickness (%1)").arg(GaugeUnit::Text(0)),
                             tr("Value"),
                             tr("Unit"),
                             tr("Status"),
                             tr("Excluded"),
                             tr("Reason"),
                             tr("Note")};
    QHash<QString, QString> areaNames;
    for (const RecordArea &area : m_content.areas)
        areaNames.insert(area.uuid, area.name);
    lxw_worksheet *sheet = nullptr;
    int sheets = 0;
    int row = LastRow;
    for (const ExchangeBatch &item : m_content.batches) {
        const QHash<qint64, ReadingAnnotation> marks = MarksByIndex(item);
        lxw_datetime started = DateTimeOf(item.batch.started);
        for (const LiveRecord &record : item.readings) {
            if (row == LastRow) {
                ++sheets;
                const QString name = sheets == 1 ? tr("Readings") : tr("Readings %1").arg(sheets);
                sheet = workbook_add_worksheet(m_workbook, name.toUtf8().constData());
                Header(sheet, titles);
                worksheet_set_column(sheet, 0, 10, 14, nullptr);
                row = 1;
            }
            const ReadingAnnotation mark = marks.value(record.index);
            lxw_format *plain = mark.excluded ? m_struck : nullptr;
            lxw_format *time = mark.excluded ? m_struckTime : m_time;
            lxw_datetime arrival = DateTimeOf(record.arrival);
            const lxw_row_t at = lxw_row_t(row);
            Text(sheet, row, 0, areaNames.value(item.batch.areaUuid), plain);
            worksheet_write_datetime(sheet, at, 1, &started, time);
            worksheet_write_number(sheet, at, 2, double(record.index), plain);
            worksheet_write_datetime(sheet, at, 3, &arrival, time);
            if (!qIsNaN(record.micrometres))
                worksheet_write_number(sheet, at, 4, double(record.micrometres), plain);
            if (record.HasValue())
                worksheet_write_number(sheet, at, 5, record.Value(), plain);
            Text(sheet, row, 6, record.UnitText(), plain);
            Text(sheet, row, 7, LiveRecord::StatusText(record.status), plain);
            if (mark.excluded) {
                Text(sheet, row, 8, tr("excluded"), plain);
                Text(sheet, row, 9, mark.reason, plain);
            }
            if (!mark.note.isEmpty())
                Text(sheet, row, 10, mark.note, plain);
            ++row;
        }
    }
    if (!sheet) {
        sheet = workbook_add_worksheet(m_workbook, tr("Readings").toUtf8().constData());
        Header(sheet, titles);
    }
}

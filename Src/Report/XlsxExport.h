#pragma once

#include "ExchangeContent.h"

#include <QCoreApplication>
#include <QString>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

// A job, an area or a batch (whatever the content holds) as an XLSX workbook, written with
// libxlsxwriter:
//   - "Cover": the job, its areas, the gauges and their calibration, who exported when;
//   - "Figures": one row per batch and one per area over all its batches, each judged by its
//     own criteria (readings counted, overflows and excluded apart, mean, spread, verdict);
//   - "Readings": one row per reading, thickness and value as numbers, the unit in the header,
//     excluded readings struck through with their reason (further sheets past a sheet's
//     last row).
// Numbers keep 16 significant digits, more than a reading carries. Texts are in the
// interface language.
class XlsxExport
{
    Q_DECLARE_TR_FUNCTIONS(XlsxExport)

public:
    // Writes the workbook beside path and renames it into place when complete.
    static bool Write(const QString &path, const ExchangeContent &content, QString *problem);

private:
    explicit XlsxExport(lxw_workbook *workbook, const ExchangeContent &content);
    void WriteCover();
    void WriteFigures();
    void WriteReadings();
    void Header(lxw_worksheet *sheet, const QStringList &titles);
    void Text(lxw_worksheet *sheet, int row, int column, const QString &text,
              lxw_format *format = nullptr);

    lxw_workbook *m_workbook;
    const ExchangeContent &m_content;
    lxw_format *m_bold;
    lxw_format *m_time;
    lxw_format *m_struck;
    lxw_format *m_struckTime;
};

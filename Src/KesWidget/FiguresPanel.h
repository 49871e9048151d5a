#pragma once

#include "SeriesInspection.h"

#include <QColor>
#include <QWidget>

#include <optional>

class QGridLayout;
class QLabel;

// The figures of one series and its verdict with the reasons: count, overflows, mean, standard
// deviation, minimum, maximum, range and coefficient of variation in the series' unit.
class FiguresPanel : public QWidget
{
    Q_OBJECT

public:
    explicit FiguresPanel(QWidget *parent = nullptr);

    void Show(const SeriesInspection &inspection);
    void Clear();

    // The colour a verdict is written in, wherever it is shown.
    static QColor OutcomeColor(InspectionVerdict::Outcome outcome);
    // "Pass (ISO 19840)"; the outcome alone without a rule.
    static QString VerdictText(const InspectionVerdict &verdict, InspectionCriteria::Rule rule);
    // The reasons, then what is pending and what the marks of readings mean where the rule
    // does not judge them.
    static QStringList Explanation(const InspectionVerdict &verdict,
                                   const InspectionCriteria &criteria);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum Figure
    {
        Count,
        Overflows,
        Mean,
        StandardDeviation,
        Minimum,
        Maximum,
        Range,
        Variation,
        FigureCount
    };

    QLabel *AddFigure(QGridLayout *grid, int figure, const char *objectName);
    void ShowNames();
    void ShowFigures();

    QLabel *m_names[FigureCount] = {};
    QLabel *m_values[FigureCount] = {};
    QLabel *m_verdict = nullptr;
    QLabel *m_reasons = nullptr;
    std::optional<SeriesInspection> m_inspection;
};

#pragma once

#include "InspectionCriteria.h"
#include "InspectionRule.h"
#include "KesSeriesMark.h"

#include <QVector>
#include <QWidget>

class KesShadowEffect;
class QLabel;
class QPushButton;

namespace Ui {
class DataListWidget;
}

// The paged list of the live readings: ten rows a page, the newest page shown after every
// update, two arrow buttons to page towards older and newer readings.
class DataListWidget : public QWidget
{
    Q_OBJECT

public:
    explicit DataListWidget(QWidget *parent = nullptr);
    ~DataListWidget() override;

    // Shows the last page of the whole series (oldest first). The widget keeps its own copy,
    // appending what was added since the last call, or copying anew when the list is not the
    // last one extended. marks, parallel to the list, names the criterion each reading falls
    // foul of; entries it does not reach are within the limits.
    void SetDataList(const QVector<QString> &list, const QVector<ReadingMark> &marks = {});
    // Marks the readings of the list anew (the limits changed).
    void SetMarks(const QVector<ReadingMark> &marks);
    // The criteria the marks are named by (in the readings' unit).
    void SetCriteria(const InspectionCriteria &criteria);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_PreButton_clicked();
    void on_NewButton_clicked();

private:
    int LastPage() const;
    void RefreshRows();
    void MarkRows();
    void TranslateOverflowRows();
    void UpdateButtonStates();
    static void SetButtonState(QPushButton *button, bool valid);
    static void SetRowMark(QLabel *row, const QString &markText);

    Ui::DataListWidget *ui;
    KesShadowEffect *m_shadow;
    QVector<QLabel *> m_rows;
    QVector<QString> m_dataList;
    QVector<ReadingMark> m_marks; // as long as m_dataList
    InspectionCriteria m_criteria;
    KesSeriesMark<QString> m_shown;
    int m_page = 0;
};

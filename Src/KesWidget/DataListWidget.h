#pragma once

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
    // last one extended. outOfLimits, parallel to the list, marks the readings outside the
    // inspection's limits; entries it does not reach are within them.
    void SetDataList(const QVector<QString> &list, const QVector<bool> &outOfLimits = {});
    // Marks the readings of the list anew (the limits changed).
    void SetOutOfLimits(const QVector<bool> &outOfLimits);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_PreButton_clicked();
    void on_NewButton_clicked();

private:
    int LastPage() const;
    void RefreshRows();
    void TranslateOverflowRows();
    void UpdateButtonStates();
    static void SetButtonState(QPushButton *button, bool valid);
    static void SetRowMark(QLabel *row, bool outOfLimits);

    Ui::DataListWidget *ui;
    KesShadowEffect *m_shadow;
    QVector<QLabel *> m_rows;
    QVector<QString> m_dataList;
    QVector<bool> m_outOfLimits; // as long as m_dataList
    KesSeriesMark<QString> m_shown;
    int m_page = 0;
};

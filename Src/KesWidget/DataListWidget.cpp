#include "DataListWidget.h"
#include "ui_DataListWidget.h"

#include "KesLabelCell.h"
#include "KesShadowEffect.h"
#include "KesStyle.h"

DataListWidget::DataListWidget(QWidget *parent)
    : QWidget(parent), ui(new Ui::DataListWidget), m_shadow(new KesShadowEffect)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    m_shadow->setOffset(0, 0);
    m_shadow->setColor(QColor("#C2C2C3"));
    m_shadow->setBlurRadius(15);
    ui->RootWidget->setGraphicsEffect(m_shadow);

    m_rows = {ui->Data1, ui->Data2, ui->Data3, ui->Data4, ui->Data5,
              ui->Data6, ui->Data7, ui->Data8, ui->Data9, ui->Data10};
    // A new reading changes a row's text; the rows lie on the panel's white and span its fixed
    // width whatever their texts, so they may keep the width of their widest.
    for (QLabel *row : qAsConst(m_rows))
        KesLabelCell::Wrap(row, KesLabelCell::Backdrop::ParentColour, KesLabelCell::Width::Widest);

    setStyleSheet(KesStyle::StyleSheet(QStringLiteral("DataListWidget")));

    SetButtonState(ui->PreButton, false);
    SetButtonState(ui->NewButton, false);
}

DataListWidget::~DataListWidget()
{
    delete ui;
}

void DataListWidget::SetDataList(const QVector<QString> &list, const QVector<ReadingMark> &marks)
{
    if (!m_shown.IsExtendedBy(list)) {
        m_dataList.clear();
        m_marks.clear();
    }
    for (int entry = m_dataList.size(); entry < list.size(); ++entry) {
        m_dataList.append(list.at(entry));
        m_marks.append(marks.value(entry, ReadingMark::None));
    }
    m_shown.Mark(list);
    m_page = LastPage();
    SetButtonState(ui->PreButton, m_page > 0);
    SetButtonState(ui->NewButton, false);
    RefreshRows();
}

void DataListWidget::SetMarks(const QVector<ReadingMark> &marks)
{
    for (int entry = 0; entry < m_marks.size(); ++entry)
        m_marks[entry] = marks.value(entry, ReadingMark::None);
    MarkRows();
}

void DataListWidget::SetCriteria(const InspectionCriteria &criteria)
{
    m_criteria = criteria;
    MarkRows();
}

// Index of the last page: ceil(n / 10) - 1, and 0 for an empty list.
int DataListWidget::LastPage() const
{
    const int pageSize = m_rows.size();
    const int full = m_dataList.size() / pageSize;
    const int rest = m_dataList.size() % pageSize;
    if (full == 0)
        return 0;
    return full - 1 + (rest > 0 ? 1 : 0);
}

void DataListWidget::RefreshRows()
{
    for (int row = 0; row < m_rows.size(); ++row) {
        const int entry = m_page * m_rows.size() + row;
        const bool shown = entry < m_dataList.size();
        m_rows[row]->setText(shown ? m_dataList.at(entry) : QString());
    }
    MarkRows();
    TranslateOverflowRows();
}

void DataListWidget::MarkRows()
{
    for (int row = 0; row < m_rows.size(); ++row) {
        const int entry = m_page * m_rows.size() + row;
        const ReadingMark mark = m_marks.value(entry, ReadingMark::None);
        SetRowMark(m_rows[row], InspectionRule::MarkText(mark, m_criteria));
    }
}

// An overflow entry carries the text of the language it was read in; show it in the current one.
void DataListWidget::TranslateOverflowRows()
{
    for (QLabel *row : qAsConst(m_rows)) {
        if (row->text() == QLatin1String("Data overflow") ||
            row->text() == QString::fromUtf8("数据溢出"))
            row->setText(tr("Data overflow"));
    }
}

void DataListWidget::on_PreButton_clicked()
{
    if (m_page > 0) {
        --m_page;
        RefreshRows();
    }
    UpdateButtonStates();
}

void DataListWidget::on_NewButton_clicked()
{
    if (m_page < LastPage()) {
        ++m_page;
        RefreshRows();
    }
    UpdateButtonStates();
}

void DataListWidget::UpdateButtonStates()
{
    SetButtonState(ui->PreButton, m_page > 0);
    SetButtonState(ui->NewButton, m_page < LastPage());
}

// The style sheet picks the arrow images by the "State" property; re-applying the style makes
// it evaluate the attribute selectors again. That costs a style-sheet pass, and every reading
// sets the states: a button already in its state is left alone.
void DataListWidget::SetButtonState(QPushButton *button, bool valid)
{
    const QString state = valid ? QStringLiteral("Valid") : QStringLiteral("Void");
    if (button->property("State").toString() != state)
        KesStyle::SetState(button, state);
}

// A row within the limits carries no state at all, so it looks as it always did; the style
// sheet colours the marked ones, and the tooltip names the criterion. Re-applying the style is
// left out where nothing changes.
void DataListWidget::SetRowMark(QLabel *row, const QString &markText)
{
    const QString state = markText.isEmpty() ? QString() : QStringLiteral("OutOfLimits");
    if (row->property("State").toString() != state)
        KesStyle::SetState(row, state);
    if (row->toolTip() != markText)
        row->setToolTip(markText);
}

void DataListWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        TranslateOverflowRows();
        MarkRows();
    } else {
        QWidget::changeEvent(event);
    }
}

#pragma once

#include <QByteArray>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class RecordStore;

// The company group of the settings page: the name and the logo (an image file) printed on
// the cover of reports, kept in the records file, written as the user changes them.
class CompanySettingsWidget : public QWidget
{
    Q_OBJECT
public:
    CompanySettingsWidget(RecordStore *store, QWidget *parent = nullptr);

    // Takes the image file as the logo; false, told beside the fields, for a file that is not
    // an image the program reads, too large, or a store that cannot be written.
    bool SetLogoFile(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void Retranslate();
    void ShowLogo();
    bool Store(const QByteArray &logo);
    void On_NameEdited();
    void On_ChooseLogo();
    void On_RemoveLogo();

    RecordStore *m_store;
    QByteArray m_logo;
    QLabel *m_title;
    QLabel *m_nameLabel;
    QLineEdit *m_name;
    QLabel *m_logoLabel;
    QLabel *m_preview;
    QPushButton *m_choose;
    QPushButton *m_remove;
    QLabel *m_result;
};

#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

// A message on the page itself, above what it concerns: it covers nothing, so every button
// stays usable while it is shown. It stays until its close button is pressed or a newer
// message replaces it.
class NoticeBar : public QFrame
{
    Q_OBJECT
public:
    explicit NoticeBar(QWidget *parent = nullptr);

    void Show(const QString &text);
    QString Text() const;

private:
    QLabel *m_text;
    QPushButton *m_close;
};

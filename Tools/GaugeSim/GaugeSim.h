#pragma once

#include <QObject>

// Plays the coating-thickness gauge on the master side of a pseudo-terminal.
class GaugeSim : public QObject
{
    Q_OBJECT
public:
    explicit GaugeSim(QObject *parent = nullptr);
};

#pragma once

#include "GaugeSim.h"

#include <QVector>

// Memory frames for the simulated gauge's answer to a download.
inline GaugeSim::LogFrame LogFrame(quint8 unit, const QVector<float> &readings)
{
    GaugeSim::LogFrame frame;
    frame.unit = unit;
    frame.readings = readings;
    return frame;
}

// Five frames announcing 2, 0, 3, 1 and 0 readings.
inline QVector<GaugeSim::LogFrame> MixedFrames()
{
    return {LogFrame(0, {101.5f, 99.0f}), LogFrame(0, {}), LogFrame(1, {50.0f, 254.0f, 5000.0f}),
            LogFrame(2, {-100.0f}), LogFrame(0, {})};
}

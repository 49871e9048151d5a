#include "GaugeSim.h"

GaugeSim::GaugeSim(QObject *parent) : QObject(parent) {}

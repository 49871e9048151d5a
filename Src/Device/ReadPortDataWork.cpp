#include "ReadPortDataWork.h"

ReadPortDataWork::ReadPortDataWork(QObject *parent) : QThread(parent) {}

ReadPortDataWork::~ReadPortDataWork()
{
    wait();
}

void ReadPortDataWork::run()
{
    m_running = true;
    msleep(static_cast<unsigned long>(m_sleepMsecs.load()));
    m_running = false;
    emit UpdateReadWork();
}

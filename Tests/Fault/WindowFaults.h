#pragma once

#include "../KesWidget/MainWindowWorkflow.h"

#include "KesCustomChart.h"
#include "LiveReading.h"
#include "OpenDescriptors.h"

#include <QLoggingCategory>

#include <functional>
#include <random>

// The real main window on a misbehaving gauge: random bytes while streaming, and the gauge
// pulled out twenty times while streaming and while downloading. The seed is printed with
// every failure.
namespace WindowFaults {
constexpr quint32 kSeed = 9090;
constexpr int kCycles = 20;

inline const ShownMessage Disconnected{DialogWindow::DevDisconnect, "Device disconnected!"};
inline const ShownMessage Progress{DialogWindow::UpdateParam, "DownLoad Device Datas......"};

// Whole live frames of unit 0 in range, or bytes without a single 0x01, which therefore can
// never pass for a frame.
inline QByteArray RandomChunk(std::mt19937 &random)
{
    const int count = int(random() % 4);
    QByteArray chunk;
    if (random() % 2) {
        for (int frame = 0; frame < count; ++frame)
            chunk += GaugeSim::LiveFrame(0, 50.0f + float(random() % 1000));
        return chunk;
    }
    for (int byte = 1 + int(random() % 30); byte > 0; --byte)
        chunk.append(char(2 + random() % 254));
    return chunk;
}
} // namespace WindowFaults

// The window-level fault tests' shared steps.
class WindowFaultsBase : public WorkflowTestBase
{
protected:
    int ShownValues() const
    {
        auto *chart = m_window->findChild<KesCustomChart *>(QStringLiteral("LineChart"));
        return chart->graphCount() > 0 ? chart->graph(0)->dataCount() : 0;
    }

    // Lists the new port of the re-plugged gauge and drops the old one, as discovery would.
    void Replug(const QString &oldPort)
    {
        QVERIFY(m_gauge->Sim()->Open());
        m_gauge->Sim()->ClearReceived();
        m_window->On_UpdateSerial(QList<QString>(), QList<QString>{oldPort});
        m_messages->Clear();
    }

    // Every cycle: useAndUnplug pulls the plug; the window ends closed with one message, which
    // goes away by itself; the next cycle opens again. Descriptors stay flat after a warm-up.
    void UnplugCycles(const std::function<void()> &useAndUnplug,
                      const QList<ShownMessage> &expected)
    {
        int descriptors = 0;
        for (int cycle = 0; cycle <= WindowFaults::kCycles; ++cycle) {
            if (cycle == 1)
                descriptors = OpenDescriptors();
            const QString port = m_gauge->Sim()->PortName();
            useAndUnplug();
            QTRY_COMPARE(m_messages->Shown(), expected);
            VerifyClosedLook();
            QTRY_VERIFY_WITH_TIMEOUT(!MessageRecorder::Visible(), 3000);
            QCOMPARE(m_messages->Shown(), expected);
            Replug(port);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int descriptorsAfter = OpenDescriptors();
        QVERIFY2(
            descriptorsAfter <= descriptors,
            qPrintable(
                QString("%1 descriptors open, %2 before").arg(descriptorsAfter).arg(descriptors)));
    }

    void InitCase()
    {
        InitTestCase();
        // The window prints every reading and block; thousands of them would drown the output.
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }
};

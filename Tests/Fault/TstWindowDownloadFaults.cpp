#include "WindowFaults.h"

#include <QtTest>

#include <random>

// The gauge pulled out twenty times while the window downloads its memory.
class TstWindowDownloadFaults : public WindowFaultsBase
{
    Q_OBJECT
private slots:
    void initTestCase() { InitCase(); }
    void init() { Init(); }
    void cleanup() { Cleanup(); }

    void unplugWhileDownloading()
    {
        GaugeSim::LogFrame frame;
        frame.readings = QVector<float>(400, 120.0f);
        m_gauge->Sim()->SetLogFrames(QVector<GaugeSim::LogFrame>(5, frame));
        std::mt19937 random(WindowFaults::kSeed);
        UnplugCycles(
            [&] {
                m_gauge->Sim()->SetLineRate(GaugeSim::LineRate9600_8O1 * 4);
                m_gauge->Sim()->SetChunkSize(16);
                OpenGauge();
                QTimer::singleShot(20 + int(random() % 300), this,
                                   [this] { m_gauge->Sim()->Unplug(); });
                FileDialogDriver driver({QString()});
                Click("DownLoadDataButton");
                QCOMPARE(driver.SeenDialogs().size(), 0);
            },
            {WindowFaults::Progress, WindowFaults::Disconnected});
    }
};

QTEST_MAIN(TstWindowDownloadFaults)
#include "TstWindowDownloadFaults.moc"

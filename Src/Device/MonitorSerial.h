#pragma once

#include <QHash>
#include <QList>
#include <QSerialPortInfo>
#include <QStringList>
#include <QThread>

// Process-wide port discovery: passes over the system's serial ports and reports the ports that
// appeared and disappeared since the previous pass. A pass runs every interval; on Linux a pass
// runs only after a device change (told by udev, or by the device folder where udev does not
// run), a change of the user-named ports or a slow safety interval.
class MonitorSerial : public QThread
{
    Q_OBJECT
public:
    // One port as a pass sees it. The identifiers are kept beside the descriptor so that a pass
    // can be driven with descriptors that carry only a name. A user-named port that the system
    // does not list (a pseudo-terminal, for one) has no descriptor; it is reported by name.
    struct Port
    {
        QString name;
        quint16 productId = 0;
        quint16 vendorId = 0;
        QSerialPortInfo info{};
        bool userNamed = false;

        static Port FromInfo(const QSerialPortInfo &info);
        static Port UserNamed(const QString &name);
    };
    using PortTable = QHash<QString, Port>;

    struct PassResult
    {
        PortTable recorded;
        QList<Port> adds;
        QList<Port> dels;
        QStringList logLines;
    };

    static MonitorSerial *Instance();
    static void Start(int interval, bool reportExisting);

    // The serial ports the system lists now.
    static QList<Port> SystemPorts();
    // The given system ports, then every user-named port whose device exists and that the
    // system ports do not hold.
    static QList<Port> WithUserPorts(QList<Port> systemPorts);
    static PortTable Table(const QList<Port> &ports);
    // One comparison of the recorded ports with the current ones.
    static PassResult Pass(const PortTable &recorded, const QList<Port> &current);

signals:
    void UpdateSerial(QList<QSerialPortInfo> adds, QList<QSerialPortInfo> dels);
    // User-named ports the system does not list, by name; their descriptors would be empty.
    void UpdateUserPorts(QList<QString> adds, QList<QString> dels);

protected:
    void run() override;

private:
    MonitorSerial() = default;
    void Report(const PassResult &pass);

    PortTable m_lSerialPortInfo;

    static int s_interval;
    static bool s_running;
    static bool s_reportExisting;
};

Q_DECLARE_METATYPE(QSerialPortInfo)

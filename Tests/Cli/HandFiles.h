#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// CSV files of readings whose figures are worked out by hand in the comments.
namespace HandFiles {
inline const QByteArray SessionHeader = "index,time,micrometres,value,unit,status\r\n";
inline const QByteArray DownloadHeader = "group,number,micrometres,value,unit\r\n";

inline QByteArray SessionRow(int index, const QByteArray &fields)
{
    return QByteArray::number(index) + ",2026-12-09T14:03:07.412+01:00," + fields + "\r\n";
}

// Readings 96, 104, 100, 120 um and an overflow: n 4, mean 105, squared deviations
// 81 + 1 + 25 + 225 = 332, sd sqrt(332 / 3) = 10.5198, range 24, cov 10.019 %.
inline const QByteArray Session = SessionHeader + SessionRow(1, "96,96.0,um,ok") +
                                  SessionRow(2, "104,104,um,ok") +
                                  SessionRow(3, "2500,,um,overflow") +
                                  SessionRow(4, "100,100,um,ok") + SessionRow(5, "120,120,um,ok");
// Group 0: an unknown unit. Group 1: 2, 3, 4 mils: mean 3, sd 1, cov 33.33 %. Group 2: 124 um
// and a reading that is not a number.
inline const QByteArray Download = DownloadHeader +
                                   "0,1,50,,\r\n1,1,50.8,2.000,mils\r\n"
                                   "1,2,76.2,3.000,mils\r\n1,3,101.6,4.000,mils\r\n"
                                   "2,1,124,124,um\r\n2,2,nan,nan,um\r\n";

// The content as the file name in the folder; its path, or an empty one when it cannot be written.
inline QString Write(const QTemporaryDir &dir, const QByteArray &content,
                     const QString &name = QStringLiteral("in.csv"))
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}
} // namespace HandFiles

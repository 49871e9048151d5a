<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Built with Qt %1 (GNU LGPL 3.0) and QCustomPlot %2 (GNU GPL 3.0).
Free software under the GNU GPL, version 3 or later.</source>
        <translation>Built with Qt %1 (GNU LGPL 3.0) and QCustomPlot %2 (GNU GPL 3.0).
Free software under the GNU GPL, version 3 or later.</translation>
    </message>
</context>
<context>
    <name>BarChartWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>There is no data!</source>
        <translation>There is no data!</translation>
    </message>
</context>
<context>
    <name>DataListWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Data overflow</source>
        <translation>Data overflow</translation>
    </message>
</context>
<context>
    <name>DialogWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Device disconnected!</source>
        <translation>Device disconnected!</translation>
    </message>
    <message>
        <source>Device Not Connected!</source>
        <translation>Device Not Connected!</translation>
    </message>
    <message>
        <source>VEzur</source>
        <translation>VEzur</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%p%</source>
        <translation>%p%</translation>
    </message>
</context>
<context>
    <name>LineChartWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>There is no data!</source>
        <translation>There is no data!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Choice Device</source>
        <translation>Choice Device</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Real Time Data: </source>
        <translation>Real Time Data: </translation>
    </message>
    <message>
        <source>Download Device Data:</source>
        <translation>Download Device Data:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Real Time Data</source>
        <translation>Real Time Data</translation>
    </message>
    <message>
        <source>Real Time Data function is not enabled!</source>
        <translation>Real Time Data function is not enabled!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Data overflow</source>
        <translation>Data overflow</translation>
    </message>
    <message>
        <source>Device not connected!</source>
        <translation>Device not connected!</translation>
    </message>
    <message>
        <source>Please stop the Real Time Data function!</source>
        <translation>Please stop the Real Time Data function!</translation>
    </message>
    <message>
        <source>Device communication timeout!</source>
        <translation>Device communication timeout!</translation>
    </message>
    <message>
        <source>DownLoad Device Datas......</source>
        <translation>DownLoad Device Datas......</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>The file could not be saved! Please choose another place.</source>
        <translation>The file could not be saved! Please choose another place.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
</context>
<context>
    <name>SettingWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>User Default Location:</source>
        <translation>User Default Location:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Select the road strength to be saved</source>
        <translation>Select the road strength to be saved</translation>
    </message>
</context>
</TS>

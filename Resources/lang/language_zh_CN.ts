<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Built with Qt %1 (GNU LGPL 3.0) and QCustomPlot %2 (GNU GPL 3.0).
Free software under the GNU GPL, version 3 or later.</source>
        <translation>使用 Qt %1（GNU LGPL 3.0）和 QCustomPlot %2（GNU GPL 3.0）构建。
自由软件，依照 GNU GPL 第 3 版或更新版本发布。</translation>
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
        <translation>暂无数据!</translation>
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
        <translation>数据溢出</translation>
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
        <translation>设备断开连接!</translation>
    </message>
    <message>
        <source>Device Not Connected!</source>
        <translation>设备未连接!</translation>
    </message>
    <message>
        <source>VEzur</source>
        <translation>VEzur</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>暂无数据!</translation>
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
        <translation>设备</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Choice Device</source>
        <translation>选择设备</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Real Time Data: </source>
        <translation>实时数据:</translation>
    </message>
    <message>
        <source>Download Device Data:</source>
        <translation>下载设备数据:</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>Real Time Data</source>
        <translation>实时数据</translation>
    </message>
    <message>
        <source>Real Time Data function is not enabled!</source>
        <translation>未开启实时数据功能!</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Data overflow</source>
        <translation>数据溢出</translation>
    </message>
    <message>
        <source>Device not connected!</source>
        <translation>设备未连接!</translation>
    </message>
    <message>
        <source>Please stop the Real Time Data function!</source>
        <translation>请停止实时数据功能!</translation>
    </message>
    <message>
        <source>Device communication timeout!</source>
        <translation>设备通信超时!</translation>
    </message>
    <message>
        <source>DownLoad Device Datas......</source>
        <translation>下载设备数据!</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>The file could not be saved! Please choose another place.</source>
        <translation>文件保存失败!请选择其他位置。</translation>
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
        <translation>设置</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言:</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>User Default Location:</source>
        <translation>存储路径:</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Select the road strength to be saved</source>
        <translation>选择保存路径</translation>
    </message>
</context>
</TS>

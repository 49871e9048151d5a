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
    <message>
        <source>Sessions</source>
        <translation>会话</translation>
    </message>
    <message>
        <source>The device is connected again.</source>
        <translation>设备已重新连接。</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>保存 CSV</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
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
    <message>
        <source>Live sessions</source>
        <translation>实时会话</translation>
    </message>
    <message>
        <source>Go on streaming when the device comes back after it was lost</source>
        <translation>设备断开后重新连接时继续实时测量</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>the folder could not be created: %1</source>
        <translation>无法创建文件夹：%1</translation>
    </message>
    <message>
        <source>the file could not be written to the disk: %1</source>
        <translation>无法将文件写入磁盘：%1</translation>
    </message>
    <message>
        <source>no space is left on the disk</source>
        <translation>磁盘空间已满</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>磁盘为只读</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>没有权限</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>已有同名文件占用该位置</translation>
    </message>
</context>
<context>
    <name>SessionRecordsModel</name>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Unknown unit</source>
        <translation>未知单位</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>正常</translation>
    </message>
</context>
<context>
    <name>SessionsWidget</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>会话</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>另存为 CSV</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1(未保存)</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>无法读取文件:%1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n 行无法读取,已跳过。</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose a session first.</source>
        <translation>请先选择一个会话。</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>保存会话</translation>
    </message>
    <message>
        <source>The file could not be saved! Please choose another place.</source>
        <translation>文件保存失败!请选择其他位置。</translation>
    </message>
    <message>
        <source>Please choose a session file first.</source>
        <translation>请先选择一个会话文件。</translation>
    </message>
    <message>
        <source>The session could not be deleted.</source>
        <translation>无法删除该会话。</translation>
    </message>
    <message>
        <source>Delete the session %1?</source>
        <translation>删除会话 %1?</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>CoV</source>
        <translation>变异系数</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Memory download %1 (not saved)</source>
        <translation>仪器内存下载 %1(未保存)</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>第 %1 组</translation>
    </message>
    <message>
        <source>Save the download as CSV</source>
        <translation>将下载数据保存为 CSV</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Session %1</source>
        <translation>会话 %1</translation>
    </message>
    <message>
        <source>Memory download %1 (saved as %2)</source>
        <translation>仪器内存下载 %1(已保存为 %2)</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>已保存为 %1。</translation>
    </message>
    <message>
        <source>Delete session</source>
        <translation>删除会话</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>KesConfig</name>
    <message>
        <source>The settings file was damaged! The program starts on its defaults; the old file is kept beside it as config.ini.bad.</source>
        <translation>设置文件已损坏!程序以默认设置启动,旧文件保存在它旁边,名为 config.ini.bad。</translation>
    </message>
    <message>
        <source>The settings file cannot be used! The program runs on its defaults and keeps no changes.</source>
        <translation>无法使用设置文件!程序以默认设置运行,不保存任何更改。</translation>
    </message>
</context>
<context>
    <name>PortOpenFailure</name>
    <message>
        <source>No serial port chosen! Connect the gauge and choose its port.</source>
        <translation>未选择串口!请连接测量仪并选择它的串口。</translation>
    </message>
    <message>
        <source>No permission to open %1! Install the program&apos;s package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>没有打开 %1 的权限!请安装本程序的软件包(其 udev 规则授予访问权限),或加入 dialout 组后重新登录。</translation>
    </message>
    <message>
        <source>No permission to open %1!</source>
        <translation>没有打开 %1 的权限!</translation>
    </message>
    <message>
        <source>%1 is in use by another program! Close it and try again.</source>
        <translation>%1 正被其他程序占用!请关闭该程序后重试。</translation>
    </message>
</context>
<context>
    <name>FiguresPanel</name>
    <message>
        <source>Readings:</source>
        <translation>读数:</translation>
    </message>
    <message>
        <source>Overflows:</source>
        <translation>溢出:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>平均值:</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>标准差:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>最小值:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>最大值:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>极差:</translation>
    </message>
    <message>
        <source>CoV:</source>
        <translation>变异系数:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>判定:%1</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Inspection report</source>
        <translation>检测报告</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Group %1 was measured in %2; its readings are shown converted to %3.</source>
        <translation>第 %1 组以 %2 测量；其读数已换算为 %3 显示。</translation>
    </message>
    <message>
        <source>Readings measured in %1 are shown converted to %2.</source>
        <translation>以 %1 测量的读数已换算为 %2 显示。</translation>
    </message>
    <message>
        <source>Readings of an unknown unit (%1) are listed but not judged.</source>
        <translation>单位未知的读数（%1 个）已列出，但未参与判定。</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>判定标准</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>名义厚度</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Readings per spot</source>
        <translation>每个测点的读数</translation>
    </message>
    <message>
        <source>Spot limits</source>
        <translation>测点限值</translation>
    </message>
    <message>
        <source>%1 % of the minimum to %2 % of the maximum</source>
        <translation>最小值的 %1 % 至最大值的 %2 %</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>第 %1 组：%2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>变异系数</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>第 %1 组</translation>
    </message>
    <message>
        <source>All groups</source>
        <translation>全部组</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>没有读数</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>组</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Value (%1)</source>
        <translation>数值 (%1)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>unknown unit</source>
        <translation>单位未知</translation>
    </message>
    <message>
        <source>No readings to chart</source>
        <translation>没有可绘制的读数</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>厚度 (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读数序号</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 是一个文件夹。</translation>
    </message>
    <message>
        <source>The report cannot be written in the folder %1: %2</source>
        <translation>无法在文件夹 %1 中写入报告：%2</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>无法绘制报告。</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>无法将报告写入 %1：%2</translation>
    </message>
    <message>
        <source>Not judged: %1</source>
        <translation>未判定：%1</translation>
    </message>
    <message>
        <source>Rows listed</source>
        <translation>列出的行数</translation>
    </message>
</context>
<context>
    <name>ReportAsker</name>
    <message>
        <source>Save the report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>报告已保存为 %1。</translation>
    </message>
</context>
<context>
    <name>MemoryDownload</name>
    <message>
        <source>Memory download %1</source>
        <translation>仪器内存下载 %1</translation>
    </message>
</context>
<context>
    <name>SessionCsv</name>
    <message>
        <source>a reading of an unknown unit has the unit %1</source>
        <translation>未知单位的读数却带有单位 %1</translation>
    </message>
    <message>
        <source>an overflow has the value %1</source>
        <translation>溢出读数却带有数值 %1</translation>
    </message>
    <message>
        <source>the index %1 is not a whole number from 1</source>
        <translation>序号 %1 不是从 1 起的整数</translation>
    </message>
    <message>
        <source>the time %1 is not a date and time</source>
        <translation>时间 %1 不是日期时间</translation>
    </message>
    <message>
        <source>the status %1 is not ok, overflow or unknown-unit</source>
        <translation>状态 %1 不是 ok、overflow 或 unknown-unit</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number</source>
        <translation>%1 列的 %2 不是数字</translation>
    </message>
    <message>
        <source>the unit %1 is not um, mils or mm</source>
        <translation>单位 %1 不是 um、mils 或 mm</translation>
    </message>
    <message>
        <source>%1 fields where %2 belong</source>
        <translation>有 %1 个字段,应为 %2 个</translation>
    </message>
</context>
<context>
    <name>ReadingsCsv</name>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>the file begins with a byte order mark; it must be UTF-8 without one</source>
        <translation>文件以字节顺序标记开头;必须是不带字节顺序标记的 UTF-8</translation>
    </message>
    <message>
        <source>the line ends in CR LF, line 1 in LF</source>
        <translation>该行以 CR LF 结尾,而第 1 行以 LF 结尾</translation>
    </message>
    <message>
        <source>the line ends in LF, line 1 in CR LF</source>
        <translation>该行以 LF 结尾,而第 1 行以 CR LF 结尾</translation>
    </message>
    <message>
        <source>a carriage return inside the line</source>
        <translation>行内含有回车符</translation>
    </message>
    <message>
        <source>the header is not &apos;%1&apos; (a session file) or &apos;%2&apos; (a download)</source>
        <translation>表头不是 &apos;%1&apos;(会话文件)或 &apos;%2&apos;(下载文件)</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>该行为空</translation>
    </message>
    <message>
        <source>the group %1 is not a whole number from 0</source>
        <translation>组 %1 不是从 0 起的整数</translation>
    </message>
    <message>
        <source>the number %1 is not a whole number from 1</source>
        <translation>编号 %1 不是从 1 起的整数</translation>
    </message>
    <message>
        <source>a reading in %1 among readings in %2</source>
        <translation>以 %2 为单位的读数中有一个以 %1 为单位的读数</translation>
    </message>
    <message>
        <source>no reading of group %1</source>
        <translation>没有第 %1 组的读数</translation>
    </message>
</context>
<context>
    <name>StatisticsWidget</name>
    <message>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Std. dev.</source>
        <translation>标准差</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>变异系数</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
</context>
<context>
    <name>InspectionSettingsWidget</name>
    <message>
        <source>Inspection</source>
        <translation>检验</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>标准:</translation>
    </message>
    <message>
        <source>Unit of the limits:</source>
        <translation>限值单位:</translation>
    </message>
    <message>
        <source>Nominal thickness (NDFT):</source>
        <translation>名义厚度(NDFT):</translation>
    </message>
    <message>
        <source>Minimum thickness:</source>
        <translation>最小厚度:</translation>
    </message>
    <message>
        <source>Maximum thickness:</source>
        <translation>最大厚度:</translation>
    </message>
    <message>
        <source>Readings per spot:</source>
        <translation>每个测点读数:</translation>
    </message>
    <message>
        <source>Spot low limit (% of minimum):</source>
        <translation>测点下限(最小值的 %):</translation>
    </message>
    <message>
        <source>Spot high limit (% of maximum):</source>
        <translation>测点上限(最大值的 %):</translation>
    </message>
    <message>
        <source>Enter a number, such as 120 or 4.5.</source>
        <translation>请输入数字,例如 120 或 4.5。</translation>
    </message>
    <message>
        <source>Enter a whole number of readings.</source>
        <translation>请输入整数个读数。</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1(%2)</translation>
    </message>
    <message>
        <source>%1 Not taken; still in force: %2.</source>
        <translation>%1未采用;仍在使用:%2。</translation>
    </message>
</context>
<context>
    <name>InspectionCriteria</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>A thickness cannot be negative.</source>
        <translation>厚度不能为负数。</translation>
    </message>
    <message>
        <source>The minimum is above the maximum.</source>
        <translation>最小值大于最大值。</translation>
    </message>
    <message>
        <source>The rule needs a nominal thickness.</source>
        <translation>该标准需要名义厚度。</translation>
    </message>
    <message>
        <source>The rule needs a minimum and a maximum.</source>
        <translation>该标准需要最小值和最大值。</translation>
    </message>
    <message>
        <source>A spot needs at least one reading.</source>
        <translation>每个测点至少需要一个读数。</translation>
    </message>
    <message>
        <source>The spot limits do not fit together.</source>
        <translation>测点限值互相矛盾。</translation>
    </message>
</context>
<context>
    <name>InspectionRule</name>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>No rule</source>
        <translation>无标准</translation>
    </message>
    <message>
        <source>mean %1 below the nominal %2</source>
        <translation>平均值 %1 低于名义厚度 %2</translation>
    </message>
    <message>
        <source>Pass so far</source>
        <translation>目前合格</translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s)</source>
        <translation>
            <numerusform>%n 个测点</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n area(s)</source>
        <translation>
            <numerusform>%n 个区域</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s)</source>
        <translation>
            <numerusform>%n 个读数</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 complete; %3 and %4 pending.</source>
        <translation>已完成 %1和 %2;尚有 %3和 %4未完成。</translation>
    </message>
    <message>
        <source>below the minimum %1</source>
        <translation>低于最小值 %1</translation>
    </message>
    <message>
        <source>above the maximum %1</source>
        <translation>高于最大值 %1</translation>
    </message>
    <message>
        <source>below %1 % of the nominal %2</source>
        <translation>低于名义厚度 %2 的 %1 %</translation>
    </message>
    <message>
        <source>SSPC-PA 2 judges the means of spots and areas, not single readings: readings outside the minimum or maximum are marked for information.</source>
        <translation>SSPC-PA 2 评判测点和区域的平均值,而非单个读数:超出最小值或最大值的读数仅作提示标记。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) below 80 % of the nominal %3</source>
        <translation>
            <numerusform>%n 个读数中有 %1 个(%2)低于名义厚度 %3 的 80 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) from 80 % up to below the nominal %3; at most 20 % are allowed</source>
        <translation>
            <numerusform>%n 个读数中有 %1 个(%2)介于名义厚度 %3 的 80 % 与名义厚度之间;最多允许 20 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) above the maximum %3</source>
        <translation>
            <numerusform>%n 个读数中有 %1 个(%2)高于最大值 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) at or above the nominal %3; at least 90 % are required</source>
        <translation>
            <numerusform>%n 个读数中有 %1 个(%2)达到或高于名义厚度 %3;至少需要 90 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) below 90 % of the nominal %3</source>
        <translation>
            <numerusform>%n 个读数中有 %1 个(%2)低于名义厚度 %3 的 90 %</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n spot(s) outside %2 to %3</source>
        <translation>
            <numerusform>%n 个测点中有 %1 个超出 %2 至 %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n area(s) outside %2 to %3</source>
        <translation>
            <numerusform>%n 个区域中有 %1 个超出 %2 至 %3</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatisticsWidget</name>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
</context>
<context>
    <name>LiveDisplay</name>
    <message>
        <source>Live run %1</source>
        <translation>实时测量 %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>There are no live readings to report yet.</source>
        <translation>还没有可写入报告的实时读数。</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>The records file %1 was written by a later version of the program: it is shown read-only and not changed.</source>
        <translation>记录文件 %1 由更新版本的程序写入：仅以只读方式显示，不作任何更改。</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written (the folder or the file is read-only): readings go on into the session files only.</source>
        <translation>无法写入记录文件 %1（文件夹或文件为只读）：读数仅继续写入会话文件。</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used: %2. Readings go on into the session files only.</source>
        <translation>无法使用记录文件 %1：%2。读数仅继续写入会话文件。</translation>
    </message>
    <message>
        <source>no such item</source>
        <translation>没有该条目</translation>
    </message>
    <message>
        <source>no such job</source>
        <translation>没有该项目</translation>
    </message>
    <message>
        <source>no such area</source>
        <translation>没有该区域</translation>
    </message>
    <message>
        <source>no such batch</source>
        <translation>没有该批次</translation>
    </message>
    <message>
        <source>no such gauge</source>
        <translation>没有该测厚仪</translation>
    </message>
    <message>
        <source>no reading %1 in the batch</source>
        <translation>批次中没有第 %1 个读数</translation>
    </message>
</context>
<context>
    <name>JournalIntake</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
</context>
<context>
    <name>BatchReadingsModel</name>
    <message>
        <source>excluded: %1</source>
        <translation>已排除：%1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>RecordsChooser</name>
    <message>
        <source>Next batch into:</source>
        <translation>下一批次归入：</translation>
    </message>
    <message>
        <source>Gauge:</source>
        <translation>测厚仪：</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>No gauge</source>
        <translation>无测厚仪</translation>
    </message>
    <message>
        <source>New gauge...</source>
        <translation>新建测厚仪...</translation>
    </message>
    <message>
        <source>New gauge</source>
        <translation>新建测厚仪</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Gauge serial</source>
        <translation>测厚仪序列号</translation>
    </message>
    <message>
        <source>Probe serial</source>
        <translation>探头序列号</translation>
    </message>
    <message>
        <source>Calibration certificate</source>
        <translation>校准证书</translation>
    </message>
    <message>
        <source>Calibration due</source>
        <translation>校准到期</translation>
    </message>
    <message>
        <source>Calibration due on %1 has passed.</source>
        <translation>校准已于 %1 到期。</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Search jobs, areas and notes (Ctrl+F)</source>
        <translation>搜索项目、区域和备注 (Ctrl+F)</translation>
    </message>
    <message>
        <source>Every verdict</source>
        <translation>所有结论</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>No rule</source>
        <translation>无规则</translation>
    </message>
    <message>
        <source>New job</source>
        <translation>新建项目</translation>
    </message>
    <message>
        <source>New area</source>
        <translation>新建区域</translation>
    </message>
    <message>
        <source>Move batch</source>
        <translation>移动批次</translation>
    </message>
    <message>
        <source>Exclude reading</source>
        <translation>排除读数</translation>
    </message>
    <message>
        <source>Add note</source>
        <translation>添加备注</translation>
    </message>
    <message>
        <source>Delete batch</source>
        <translation>删除批次</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>判定标准</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>读数</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
    <message>
        <source>Spot means</source>
        <translation>测点平均值</translation>
    </message>
    <message>
        <source>Area means</source>
        <translation>区域平均值</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>检验员</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>测厚仪</translation>
    </message>
    <message>
        <source>Verified before</source>
        <translation>之前的校验</translation>
    </message>
    <message>
        <source>Verified after</source>
        <translation>之后的校验</translation>
    </message>
    <message>
        <source>%1: mean %2 on %3 (±%4 %)</source>
        <translation>%1：平均 %2，标准片 %3（±%4 %）</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>环境条件</translation>
    </message>
    <message>
        <source>air %1 °C, %2 % RH, surface %3 °C, dew point %4 °C, margin %5 °C</source>
        <translation>空气 %1 °C，相对湿度 %2 %，表面 %3 °C，露点 %4 °C，差值 %5 °C</translation>
    </message>
    <message>
        <source>Judged again</source>
        <translation>重新判定</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>%1, %2: %3 from &quot;%4&quot; to &quot;%5&quot;</source>
        <translation>%1，%2：%3 由“%4”改为“%5”</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>项目名称：</translation>
    </message>
    <message>
        <source>Choose the job the area belongs to.</source>
        <translation>请选择区域所属的项目。</translation>
    </message>
    <message>
        <source>Name of the area:</source>
        <translation>区域名称：</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>新名称：</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>Move the batch to:</source>
        <translation>将批次移至：</translation>
    </message>
    <message>
        <source>Delete this batch? It stays in the history until the deleted batches are emptied.</source>
        <translation>删除此批次？在清空已删除批次之前，它会保留在历史记录中。</translation>
    </message>
    <message>
        <source>Why reading %1 is not counted:</source>
        <translation>读数 %1 不计入的原因：</translation>
    </message>
    <message>
        <source>Note on reading %1:</source>
        <translation>读数 %1 的备注：</translation>
    </message>
    <message>
        <source>Note on the batch:</source>
        <translation>批次备注：</translation>
    </message>
    <message>
        <source>Judge again</source>
        <translation>重新判定</translation>
    </message>
    <message>
        <source>Judge the batch again by the Settings page's criteria, beside its own verdict.</source>
        <translation>按设置页的判定标准重新判定该批次，原结论保留。</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>空气温度</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>相对湿度</translation>
    </message>
    <message>
        <source>Surface temperature</source>
        <translation>表面温度</translation>
    </message>
</context>
<context>
    <name>RecordsTreeModel</name>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>Job, area, batch</source>
        <translation>项目、区域、批次</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>数量</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>平均值</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>结论</translation>
    </message>
</context>
<context>
    <name>RecordsWiring</name>
    <message>
        <source>Records</source>
        <translation>记录</translation>
    </message>
</context>
<context>
    <name>DownloadIntake</name>
    <message>
        <source>Group %1 of the gauge's memory</source>
        <translation>测厚仪存储的第 %1 组</translation>
    </message>
</context>
<context>
    <name>KesConfig</name>
    <message>
        <source>The save folder &quot;%1&quot; of the settings is not a folder that can be used. Files and sessions are saved in %2 instead.</source>
        <translation>设置中的保存文件夹“%1”无法使用。文件和会话改为保存在 %2。</translation>
    </message>
</context>
<context>
    <name>InspectionSettings</name>
    <message>
        <source>These inspection settings were refused, and their defaults are used: %1. The others are kept.</source>
        <translation>以下检验设置被拒绝，改用其默认值：%1。其余设置保持不变。</translation>
    </message>
</context>
<context>
    <name>InspectionSettingsWidget</name>
    <message>
        <source>The stored value &quot;%1&quot; was refused; the default is used until another is entered.</source>
        <translation>保存的值“%1”被拒绝；在输入新值之前使用默认值。</translation>
    </message>
</context>
<context>
    <name>SessionCsv</name>
    <message>
        <source>a double quote out of place</source>
        <translation>双引号位置不正确</translation>
    </message>
</context>
<context>
    <name>ReadingsCsv</name>
    <message>
        <source>a double quote out of place</source>
        <translation>双引号位置不正确</translation>
    </message>
</context>
<context>
    <name>CriterionLines</name>
    <message>
        <source>Minimum %1</source>
        <translation>最小值 %1</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>最大值 %1</translation>
    </message>
    <message>
        <source>Nominal %1</source>
        <translation>名义厚度 %1</translation>
    </message>
    <message>
        <source>80 % of nominal: %1</source>
        <translation>名义厚度的 80 %:%1</translation>
    </message>
    <message>
        <source>90 % of nominal: %1</source>
        <translation>名义厚度的 90 %:%1</translation>
    </message>
    <message>
        <source>Spot minimum %1</source>
        <translation>测点最小值 %1</translation>
    </message>
    <message>
        <source>Area minimum %1</source>
        <translation>区域最小值 %1</translation>
    </message>
    <message>
        <source>Area maximum %1</source>
        <translation>区域最大值 %1</translation>
    </message>
    <message>
        <source>Spot maximum %1</source>
        <translation>测点最大值 %1</translation>
    </message>
</context>
<context>
    <name>SaveFileAsker</name>
    <message>
        <source>Saved as %1.</source>
        <translation>已保存为 %1。</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>the folder could not be created</source>
        <translation>无法创建文件夹</translation>
    </message>
    <message>
        <source>the file could not be written to the disk</source>
        <translation>无法将文件写入磁盘</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Readings listed</source>
        <translation>列出的读数</translation>
    </message>
    <message>
        <source>%1 spots and %2 areas complete; %3 readings and %4 spots pending.</source>
        <translation>已完成 %1 个测点和 %2 个区域；尚有 %3 个读数和 %4 个测点未完成。</translation>
    </message>
    <message>
        <source>below minimum</source>
        <translation>低于最小值</translation>
    </message>
    <message>
        <source>above maximum</source>
        <translation>高于最大值</translation>
    </message>
    <message>
        <source>below the rule&apos;s share of the nominal</source>
        <translation>低于规则要求的名义厚度比例</translation>
    </message>
    <message>
        <source>Nominal %1 %2</source>
        <translation>名义厚度 %1 %2</translation>
    </message>
    <message>
        <source>Minimum %1 %2</source>
        <translation>最小值 %1 %2</translation>
    </message>
    <message>
        <source>Maximum %1 %2</source>
        <translation>最大值 %1 %2</translation>
    </message>
</context>
<context>
    <name>KesLimitLines</name>
    <message>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>名义</translation>
    </message>
</context>
<context>
    <name>InspectionRule</name>
    <message>
        <source>%1 of %2 readings (%3 %) below 80 % of the nominal %4</source>
        <translation>%2 个读数中有 %1 个(%3 %)低于名义厚度 %4 的 80 %</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) from 80 % up to below the nominal %4; at most 20 % are allowed</source>
        <translation>%2 个读数中有 %1 个(%3 %)介于名义厚度 %4 的 80 % 与名义厚度之间;最多允许 20 %</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) above the maximum %4</source>
        <translation>%2 个读数中有 %1 个(%3 %)高于最大值 %4</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) at or above the nominal %4; at least 90 % are required</source>
        <translation>%2 个读数中有 %1 个(%3 %)达到或高于名义厚度 %4;至少需要 90 %</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) below 90 % of the nominal %4</source>
        <translation>%2 个读数中有 %1 个(%3 %)低于名义厚度 %4 的 90 %</translation>
    </message>
    <message>
        <source>%1 of %2 spots outside %3 to %4</source>
        <translation>%2 个测点中有 %1 个超出 %3 至 %4</translation>
    </message>
    <message>
        <source>%1 of %2 areas outside %3 to %4</source>
        <translation>%2 个区域中有 %1 个超出 %3 至 %4</translation>
    </message>
</context>
<context>
    <name>TeamError</name>
    <message>
        <source>The user is %1.</source>
        <translation>当前用户为 %1。</translation>
    </message>
    <message>
        <source>Qt's PostgreSQL driver is not installed (the package libqt5sql5-psql).</source>
        <translation>未安装 Qt 的 PostgreSQL 驱动（软件包 libqt5sql5-psql）。</translation>
    </message>
    <message>
        <source>No team server answers at this address: it is not running, or the host or the port is wrong.</source>
        <translation>此地址没有团队服务器应答：服务器未运行，或主机或端口有误。</translation>
    </message>
    <message>
        <source>The team server asks for a password and none is known: put it in ~/.pgpass, or name a file in PGPASSFILE, or set PGPASSWORD.</source>
        <translation>团队服务器要求密码，但没有可用的密码：请写入 ~/.pgpass，或在 PGPASSFILE 中指定文件，或设置 PGPASSWORD。</translation>
    </message>
    <message>
        <source>The team server does not accept the password for this user.</source>
        <translation>团队服务器不接受此用户的密码。</translation>
    </message>
    <message>
        <source>The team server has no such user.</source>
        <translation>团队服务器上没有此用户。</translation>
    </message>
    <message>
        <source>The team server has no such database.</source>
        <translation>团队服务器上没有此数据库。</translation>
    </message>
    <message>
        <source>The database holds no team store yet: 'varnolithic-cli team init' makes one.</source>
        <translation>该数据库中还没有团队存储：可用 'varnolithic-cli team init' 创建。</translation>
    </message>
    <message>
        <source>The database holds tables of its own: a team store is made in an empty database.</source>
        <translation>该数据库已有其他表：团队存储须在空数据库中创建。</translation>
    </message>
    <message>
        <source>The team store was made by a newer version of the program: update this one to work with it.</source>
        <translation>团队存储由更新版本的程序创建：请更新本程序后再使用。</translation>
    </message>
    <message>
        <source>The team store is older than this program: 'varnolithic-cli team init' brings it up to date.</source>
        <translation>团队存储比本程序旧：可用 'varnolithic-cli team init' 将其更新。</translation>
    </message>
    <message>
        <source>This user is neither an inspector nor a reviewer of the team: 'varnolithic-cli team add-user' makes one.</source>
        <translation>此用户既不是团队的检验员也不是审核员：可用 'varnolithic-cli team add-user' 设置。</translation>
    </message>
    <message>
        <source>The team server refused the change.</source>
        <translation>团队服务器拒绝了此更改。</translation>
    </message>
    <message>
        <source>The team server holds no such record.</source>
        <translation>团队服务器上没有此记录。</translation>
    </message>
    <message>
        <source>The team server holds that record already.</source>
        <translation>团队服务器上已有此记录。</translation>
    </message>
    <message>
        <source>The team server does not take these values.</source>
        <translation>团队服务器不接受这些值。</translation>
    </message>
    <message>
        <source>The connection to the team server was lost.</source>
        <translation>与团队服务器的连接已断开。</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>团队服务器报告了错误。</translation>
    </message>
    <message>
        <source>'%1' is no team role.</source>
        <translation>'%1' 不是团队角色。</translation>
    </message>
    <message>
        <source>A user name has 1 to 63 bytes.</source>
        <translation>用户名长度须为 1 到 63 个字节。</translation>
    </message>
    <message>
        <source>No values are given.</source>
        <translation>未给出任何值。</translation>
    </message>
    <message>
        <source>'%1' is no column of the team store.</source>
        <translation>'%1' 不是团队存储中的列。</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>The store is at version %1; this program's is %2.</source>
        <translation>存储的版本为 %1；本程序的版本为 %2。</translation>
    </message>
</context>
<context>
    <name>TeamSettingsWidget</name>
    <message>
        <source>Testing...</source>
        <translation>正在测试...</translation>
    </message>
    <message>
        <source>Ready: %1 (%2), team store version %3.</source>
        <translation>就绪：%1（%2），团队存储版本 %3。</translation>
    </message>
    <message>
        <source>Team server</source>
        <translation>团队服务器</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>数据库</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>kept for this run only</source>
        <translation>仅在本次运行中保留</translation>
    </message>
    <message>
        <source>TLS mode</source>
        <translation>TLS 模式</translation>
    </message>
    <message>
        <source>host name, or the folder of the server's socket</source>
        <translation>主机名，或服务器套接字所在的文件夹</translation>
    </message>
    <message>
        <source>verify-full also checks the server's certificate and name. Without a password here: ~/.pgpass, PGPASSFILE or PGPASSWORD.</source>
        <translation>verify-full 还会检查服务器的证书和名称。此处未填写密码时：~/.pgpass、PGPASSFILE 或 PGPASSWORD。</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
</context>
<context>
    <name>JournalNotices</name>
    <message>
        <source>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</source>
        <translation>读数无法写入 %1(%2)。读数已保留:请在“会话”页面保存。</translation>
    </message>
    <message>
        <source>The session file had been deleted with its folder or replaced. It was written again with every reading of this run: %1</source>
        <translation>会话文件连同其文件夹已被删除或被替换。本次测量的全部读数已重新写入：%1</translation>
    </message>
</context>
<context>
    <name>DownloadControl</name>
    <message>
        <source>Save the download as CSV</source>
        <translation>将下载的数据保存为 CSV</translation>
    </message>
</context>
</TS>

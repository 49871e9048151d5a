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
        <source>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</source>
        <translation>读数无法写入 %1(%2)。读数已保留:请在“会话”页面保存。</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>保存 CSV</translation>
    </message>
    <message>
        <source>Save the download as CSV</source>
        <translation>将下载的数据保存为 CSV</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>There are no live readings to report yet.</source>
        <translation>还没有可写入报告的实时读数。</translation>
    </message>
    <message>
        <source>The session file had been deleted with its folder or replaced. It was written again with every reading of this run: %1</source>
        <translation>会话文件连同其文件夹已被删除或被替换。本次测量的全部读数已重新写入：%1</translation>
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
    <message>
        <source>Memory download %1</source>
        <translation>内存下载 %1</translation>
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
    <message>
        <source>The save folder &quot;%1&quot; of the settings is not a folder that can be used. Files and sessions are saved in %2 instead.</source>
        <translation>设置中的保存文件夹“%1”无法使用。文件和会话改为保存在 %2。</translation>
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
    <message>
        <source>a double quote out of place</source>
        <translation>双引号位置不正确</translation>
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
    <message>
        <source>a double quote out of place</source>
        <translation>双引号位置不正确</translation>
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
    <message>
        <source>Report</source>
        <translation>报告</translation>
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
    <message>
        <source>The stored value &quot;%1&quot; was refused; the default is used until another is entered.</source>
        <translation>保存的值“%1”被拒绝；在输入新值之前使用默认值。</translation>
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
    <name>LiveDisplay</name>
    <message>
        <source>Live run %1</source>
        <translation>实时测量 %1</translation>
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
        <source>Judge the batch again by the Settings page&apos;s criteria, beside its own verdict.</source>
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
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Edit the job&apos;s or the area&apos;s fields (F2).</source>
        <translation>编辑项目或区域的字段 (F2)。</translation>
    </message>
    <message>
        <source>Deleted batches</source>
        <translation>已删除的批次</translation>
    </message>
    <message>
        <source>Verify gauge</source>
        <translation>校验仪器</translation>
    </message>
    <message>
        <source>Readings on a reference standard of known thickness.</source>
        <translation>在已知厚度的标准片上测量的读数。</translation>
    </message>
    <message>
        <source>any day</source>
        <translation>任意日期</translation>
    </message>
    <message>
        <source>Batches begun on or after this day</source>
        <translation>在此日期当天或之后开始的批次</translation>
    </message>
    <message>
        <source>Batches begun on or before this day</source>
        <translation>在此日期当天或之前开始的批次</translation>
    </message>
    <message>
        <source>Every inspector</source>
        <translation>所有检验员</translation>
    </message>
    <message>
        <source>Every gauge</source>
        <translation>所有仪器</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Coating standard</source>
        <translation>涂装标准</translation>
    </message>
    <message>
        <source>Reading the area&apos;s figures...</source>
        <translation>正在读取区域的统计数据...</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>涂层道数</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>批次</translation>
    </message>
    <message numerus="yes">
        <source>%n ticked</source>
        <translation>
            <numerusform>已勾选 %n 个</numerusform>
        </translation>
    </message>
    <message>
        <source>all</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>made</source>
        <translation>创建</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>coating standard</source>
        <translation>涂装标准</translation>
    </message>
    <message>
        <source>notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>surface</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>coat</source>
        <translation>涂层道数</translation>
    </message>
    <message>
        <source>product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>criteria</source>
        <translation>判定标准</translation>
    </message>
    <message>
        <source>area</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>deleted</source>
        <translation>已删除</translation>
    </message>
    <message>
        <source>gauge</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>conditions</source>
        <translation>环境条件</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>included</source>
        <translation>已恢复计入</translation>
    </message>
    <message>
        <source>note</source>
        <translation>备注</translation>
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
        <source>Group %1 of the gauge&apos;s memory</source>
        <translation>测厚仪存储的第 %1 组</translation>
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
    <name>TeamError</name>
    <message>
        <source>The user is %1.</source>
        <translation>当前用户为 %1。</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (the package libqt5sql5-psql).</source>
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
        <source>The database holds no team store yet: &apos;varnolithic-cli team init&apos; makes one.</source>
        <translation>该数据库中还没有团队存储：可用 &apos;varnolithic-cli team init&apos; 创建。</translation>
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
        <source>The team store is older than this program: &apos;varnolithic-cli team init&apos; brings it up to date.</source>
        <translation>团队存储比本程序旧：可用 &apos;varnolithic-cli team init&apos; 将其更新。</translation>
    </message>
    <message>
        <source>This user is neither an inspector nor a reviewer of the team: &apos;varnolithic-cli team add-user&apos; makes one.</source>
        <translation>此用户既不是团队的检验员也不是审核员：可用 &apos;varnolithic-cli team add-user&apos; 设置。</translation>
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
        <source>The team server did not answer in time: it is busy, or a lock is held there. The records wait here for the next sync.</source>
        <translation>团队服务器未能及时应答：服务器繁忙，或其上有锁被占用。记录保留在本机，等待下次同步。</translation>
    </message>
    <message>
        <source>The team server&apos;s disk is full: its administrator must free space. The records wait here for the next sync.</source>
        <translation>团队服务器的磁盘已满：须由其管理员释放空间。记录保留在本机，等待下次同步。</translation>
    </message>
    <message>
        <source>The team server gave no answer for %1 s.</source>
        <translation>团队服务器 %1 秒内没有应答。</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>团队服务器报告了错误。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no team role.</source>
        <translation>&apos;%1&apos; 不是团队角色。</translation>
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
        <source>&apos;%1&apos; is no column of the team store.</source>
        <translation>&apos;%1&apos; 不是团队存储中的列。</translation>
    </message>
    <message>
        <source>The records file cannot be used for the team sync.</source>
        <translation>记录文件无法用于团队同步。</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>The store is at version %1; this program&apos;s is %2.</source>
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
        <source>host name, or the folder of the server&apos;s socket</source>
        <translation>主机名，或服务器套接字所在的文件夹</translation>
    </message>
    <message>
        <source>verify-full also checks the server&apos;s certificate and name. Without a password here: ~/.pgpass, PGPASSFILE or PGPASSWORD.</source>
        <translation>verify-full 还会检查服务器的证书和名称。此处未填写密码时：~/.pgpass、PGPASSFILE 或 PGPASSWORD。</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>测试</translation>
    </message>
</context>
<context>
    <name>CriteriaWords</name>
    <message>
        <source>%1, nominal %2: the mean at or above the nominal, no reading below 80 % of it (%3), at most 20 % of the readings from 80 % up to below the nominal</source>
        <translation>%1，名义厚度 %2：平均值不低于名义厚度，任何读数不低于其 80 %（%3），介于 80 % 与名义厚度之间的读数最多占 20 %</translation>
    </message>
    <message>
        <source>, no reading above the maximum %1</source>
        <translation>，任何读数不高于最大值 %1</translation>
    </message>
    <message>
        <source>%1, nominal %2: at least 90 % of the readings at or above the nominal, no reading below 90 % of it (%3).</source>
        <translation>%1，名义厚度 %2：至少 90 % 的读数不低于名义厚度，任何读数不低于其 90 %（%3）。</translation>
    </message>
    <message>
        <source>%1, minimum %2, maximum %3: each spot is the mean of %4 readings and lies within %5 % of the minimum to %6 % of the maximum (%7 to %8); each area is the mean of %9 spots and lies within the minimum and the maximum. Single readings are not judged.</source>
        <translation>%1，最小值 %2，最大值 %3：每个测点为 %4 个读数的平均值，须在最小值的 %5 % 至最大值的 %6 % 之间（%7 至 %8）；每个区域为 %9 个测点的平均值，须在最小值与最大值之间。单个读数不作判定。</translation>
    </message>
    <message>
        <source>minimum %1</source>
        <translation>最小值 %1</translation>
    </message>
    <message>
        <source>maximum %1</source>
        <translation>最大值 %1</translation>
    </message>
    <message>
        <source>%1: the readings are not judged.</source>
        <translation>%1：读数不作判定。</translation>
    </message>
    <message>
        <source>%1: the readings are not judged; those outside the %2 are marked.</source>
        <translation>%1：读数不作判定；超出%2的读数会被标记。</translation>
    </message>
    <message>
        <source> and the </source>
        <translation>和</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>area %1</source>
        <translation>区域 %1</translation>
    </message>
    <message>
        <source>batch %1</source>
        <translation>批次 %1</translation>
    </message>
    <message>
        <source>Unfiled / %1</source>
        <translation>未归档 / %1</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>There is no batch %1.</source>
        <translation>没有批次 %1。</translation>
    </message>
    <message>
        <source>There is no area %1.</source>
        <translation>没有区域 %1。</translation>
    </message>
    <message>
        <source>There is no job %1.</source>
        <translation>没有项目 %1。</translation>
    </message>
    <message>
        <source>Report %1, revision %2 — %3</source>
        <translation>报告 %1，修订 %2 — %3</translation>
    </message>
</context>
<context>
    <name>RecordReportDocument</name>
    <message>
        <source>Reviewer&apos;s sign-off</source>
        <translation>审核人签核</translation>
    </message>
    <message>
        <source>%1 signed off %2 on %3.</source>
        <translation>%1 于 %3 签核了%2。</translation>
    </message>
    <message>
        <source>Note: %1</source>
        <translation>备注：%1</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>统计数据</translation>
    </message>
    <message>
        <source>Signatures</source>
        <translation>签字</translation>
    </message>
    <message>
        <source>Coating thickness inspection report</source>
        <translation>涂层厚度检测报告</translation>
    </message>
    <message>
        <source>Gauge, verifications and conditions</source>
        <translation>测厚仪、校验与环境条件</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>修订</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Coating standard</source>
        <translation>涂装标准</translation>
    </message>
    <message>
        <source>%1 m²</source>
        <translation>%1 m²</translation>
    </message>
    <message>
        <source>coat %1</source>
        <translation>第 %1 道涂层</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>产品 %1</translation>
    </message>
    <message>
        <source>batches: %1</source>
        <translation>批次：%1</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>, certification %1</source>
        <translation>，资格证书 %1</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>检测员</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>, due %1</source>
        <translation>，有效期至 %1</translation>
    </message>
    <message>
        <source> (overdue when the batch began)</source>
        <translation>（批次开始时已过期）</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>Gauge model</source>
        <translation>测厚仪型号</translation>
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
        <source>Verification before</source>
        <translation>测前校验</translation>
    </message>
    <message>
        <source>Verification after</source>
        <translation>测后校验</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>环境条件</translation>
    </message>
    <message>
        <source>not recorded</source>
        <translation>未记录</translation>
    </message>
    <message>
        <source>none recorded</source>
        <translation>无记录</translation>
    </message>
    <message>
        <source>%1: nominal %2, mean %3, tolerance %4: %5</source>
        <translation>%1：标称值 %2，平均值 %3，允差 %4：%5</translation>
    </message>
    <message>
        <source>pass</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>fail</source>
        <translation>不合格</translation>
    </message>
    <message>
        <source>air %1, relative humidity %2 %, surface %3, dew point %4, margin %5</source>
        <translation>气温 %1，相对湿度 %2 %，表面温度 %3，露点 %4，差值 %5</translation>
    </message>
    <message>
        <source> (below %1: coating not advised)</source>
        <translation>（低于 %1：不宜涂装）</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>判定标准</translation>
    </message>
    <message>
        <source>Batch %1 is judged by the criteria it began with: %2</source>
        <translation>批次 %1 按其开始时的判定标准判定：%2</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Area %1, its batches together</source>
        <translation>区域 %1，全部批次合计</translation>
    </message>
    <message>
        <source>Batch %1</source>
        <translation>批次 %1</translation>
    </message>
    <message>
        <source>Readings are listed in columns, each with its number, its value and its marks:</source>
        <translation>读数分栏列出，每个读数带有编号、数值和标记：</translation>
    </message>
    <message>
        <source>below the share of the nominal the rule allows no reading under (80 % for ISO 19840, 90 % for IMO PSPC); such a reading fails the rule.</source>
        <translation>低于规则规定的名义厚度下限比例（ISO 19840 为 80 %，IMO PSPC 为 90 %）；此类读数不符合规则。</translation>
    </message>
    <message>
        <source>below the minimum.</source>
        <translation>低于最小值。</translation>
    </message>
    <message>
        <source>above the maximum.</source>
        <translation>高于最大值。</translation>
    </message>
    <message>
        <source>overflow: the gauge could not measure; counted apart, never in the figures.</source>
        <translation>溢出：测厚仪无法测量；单独计数，不计入统计数据。</translation>
    </message>
    <message>
        <source>excluded by the inspector (struck through, its reason listed); kept, never counted in figures or verdicts.</source>
        <translation>被检测员排除（划线显示，并列出原因）；保留但不计入统计数据和判定。</translation>
    </message>
    <message>
        <source>Readings are the readings judged; overflows and exclusions are counted apart.</source>
        <translation>读数为参与判定的读数；溢出和排除的读数单独计数。</translation>
    </message>
    <message>
        <source>Under SSPC-PA 2 the means of spots and areas are judged, not single readings: a reading above the maximum or below the minimum is marked for information and can lie in a spot and an area that pass.</source>
        <translation>SSPC-PA 2 判定测点和区域的平均值，而非单个读数：高于最大值或低于最小值的读数仅作提示标记，其所在测点和区域仍可合格。</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批次</translation>
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
        <source>Excluded</source>
        <translation>排除</translation>
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
        <source>Coefficient of variation</source>
        <translation>变异系数</translation>
    </message>
    <message>
        <source>Area %1</source>
        <translation>区域 %1</translation>
    </message>
    <message>
        <source>Job %1</source>
        <translation>项目 %1</translation>
    </message>
    <message>
        <source>No spot is complete yet.</source>
        <translation>尚无完整的测点。</translation>
    </message>
    <message>
        <source>Readings by band</source>
        <translation>读数分段</translation>
    </message>
    <message>
        <source>Spots and areas</source>
        <translation>测点与区域</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>图表</translation>
    </message>
    <message>
        <source>below %1 % of the nominal</source>
        <translation>低于名义厚度的 %1 %</translation>
    </message>
    <message>
        <source>from %1 % up to below the nominal</source>
        <translation>从 %1 % 至低于名义厚度</translation>
    </message>
    <message>
        <source>at or above the nominal %1</source>
        <translation>不低于名义厚度 %1</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>测点</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>限值</translation>
    </message>
    <message>
        <source>Judged</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>Spot %1</source>
        <translation>测点 %1</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 至 %2</translation>
    </message>
    <message>
        <source>in limits</source>
        <translation>符合限值</translation>
    </message>
    <message>
        <source>out of limits</source>
        <translation>超出限值</translation>
    </message>
    <message>
        <source>spots %1 to %2</source>
        <translation>测点 %1 至 %2</translation>
    </message>
    <message>
        <source>Readings of %1</source>
        <translation>%1 的读数</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>没有读数</translation>
    </message>
    <message>
        <source>No. %1: %2</source>
        <translation>第 %1 号：%2</translation>
    </message>
    <message>
        <source>Exclusions</source>
        <translation>排除的读数</translation>
    </message>
    <message>
        <source>Notes on readings</source>
        <translation>读数备注</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>编号</translation>
    </message>
    <message>
        <source>Client&apos;s representative</source>
        <translation>客户代表</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
</context>
<context>
    <name>RecordReportButton</name>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Write the report of the selected batch, batches of one area, area (its ticked batches, or all) or job as a PDF</source>
        <translation>将所选批次、同一区域的多个批次、区域（其勾选的批次，或全部）或项目的报告写成 PDF</translation>
    </message>
    <message>
        <source>Choose a batch, an area or a job to report on.</source>
        <translation>请选择要出报告的批次、区域或项目。</translation>
    </message>
    <message>
        <source>Report number</source>
        <translation>报告编号</translation>
    </message>
    <message>
        <source>Revision</source>
        <translation>修订</translation>
    </message>
    <message>
        <source>Save the report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>A report is being written; please wait until it is done.</source>
        <translation>正在写报告，请等待完成。</translation>
    </message>
    <message>
        <source>Gathering the records</source>
        <translation>正在收集记录</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
    <message>
        <source>The report was saved to %1.</source>
        <translation>报告已保存到 %1。</translation>
    </message>
    <message>
        <source>The report could not be written: %1</source>
        <translation>无法写出报告：%1</translation>
    </message>
</context>
<context>
    <name>CompanySettingsWidget</name>
    <message>
        <source>Company on reports</source>
        <translation>报告上的公司</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>Choose image...</source>
        <translation>选择图片...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>The company could not be kept: %1</source>
        <translation>无法保存公司信息：%1</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB; choose a smaller image.</source>
        <translation>%1 大于 %2 MB，请选择较小的图片。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not an image the program can read (PNG, JPEG, BMP).</source>
        <translation>%1 不是程序能读取的图片（PNG、JPEG、BMP）。</translation>
    </message>
    <message>
        <source>Choose the company&apos;s logo</source>
        <translation>选择公司标志</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp)</source>
        <translation>图片 (*.png *.jpg *.jpeg *.bmp)</translation>
    </message>
</context>
<context>
    <name>RecordEditor</name>
    <message>
        <source>Edit job</source>
        <translation>编辑项目</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Coating standard</source>
        <translation>涂装标准</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Edit area</source>
        <translation>编辑区域</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>未填写</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>未设置</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>面积</translation>
    </message>
    <message>
        <source>Coat</source>
        <translation>涂层道数</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Unit of the limits</source>
        <translation>限值单位</translation>
    </message>
    <message>
        <source>Nominal (NDFT)</source>
        <translation>名义值 (NDFT)</translation>
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
        <source>Readings per spot</source>
        <translation>每个测点的读数</translation>
    </message>
    <message>
        <source>Spot low limit</source>
        <translation>测点下限</translation>
    </message>
    <message>
        <source>Spot high limit</source>
        <translation>测点上限</translation>
    </message>
</context>
<context>
    <name>DeletedBatchesDialog</name>
    <message>
        <source>Deleted batches</source>
        <translation>已删除的批次</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>未归档</translation>
    </message>
    <message numerus="yes">
        <source>%1, %2: %n reading(s)</source>
        <translation>
            <numerusform>%1,%2:%n 个读数</numerusform>
        </translation>
    </message>
    <message>
        <source>Empty deleted batches</source>
        <translation>清空已删除的批次</translation>
    </message>
    <message numerus="yes">
        <source>Remove the %n deleted batch(es) and their readings for good?</source>
        <translation>
            <numerusform>永久移除这 %n 个已删除的批次及其读数吗?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VerificationDialog</name>
    <message>
        <source>Verify gauge</source>
        <translation>校验仪器</translation>
    </message>
    <message>
        <source>e.g. 101 99.5 100.4</source>
        <translation>例如 101 99.5 100.4</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>仪器</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Nominal of the standard</source>
        <translation>标准片名义值</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>允差</translation>
    </message>
    <message>
        <source>Readings on the standard</source>
        <translation>标准片上的读数</translation>
    </message>
    <message>
        <source>Add a gauge on the real-time page first.</source>
        <translation>请先在实时页面添加仪器。</translation>
    </message>
    <message>
        <source>Type the readings taken on the standard.</source>
        <translation>请输入在标准片上测得的读数。</translation>
    </message>
    <message>
        <source>Mean %1 %2: within the tolerance, passed.</source>
        <translation>平均值 %1 %2:在允差之内,通过。</translation>
    </message>
    <message>
        <source>Mean %1 %2: outside the tolerance, failed.</source>
        <translation>平均值 %1 %2:超出允差,未通过。</translation>
    </message>
</context>
<context>
    <name>AttachmentsPanel</name>
    <message>
        <source>Photos and documents</source>
        <translation>照片与文档</translation>
    </message>
    <message>
        <source>Add photo or PDF...</source>
        <translation>添加照片或 PDF...</translation>
    </message>
    <message>
        <source>JPEG and PNG photos and PDF documents up to 20 MB; files may also be dropped here. A double click edits a caption.</source>
        <translation>不超过 20 MB 的 JPEG、PNG 照片和 PDF 文档；也可将文件拖放到此处。双击可编辑说明。</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Caption of %1:</source>
        <translation>%1 的说明：</translation>
    </message>
    <message>
        <source>Add photo or PDF</source>
        <translation>添加照片或 PDF</translation>
    </message>
    <message>
        <source>Photos and PDF documents (*.jpg *.jpeg *.png *.pdf);;All files (*)</source>
        <translation>照片和 PDF 文档 (*.jpg *.jpeg *.png *.pdf);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>说明：</translation>
    </message>
</context>
<context>
    <name>ExchangeArchive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a zip archive.</source>
        <translation>%1 不是 zip 压缩文件。</translation>
    </message>
    <message>
        <source>%1 is not a complete zip archive (%2): it may have been cut short.</source>
        <translation>%1 不是完整的 zip 压缩文件（%2）：可能已被截断。</translation>
    </message>
    <message>
        <source>%1 holds %2 files, more than the %3 an exchange file may hold.</source>
        <translation>%1 含有 %2 个文件，超过交换文件允许的 %3 个。</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 已损坏：%2</translation>
    </message>
    <message>
        <source>%1 names a file outside its folder (&quot;%2&quot;): it is not unpacked.</source>
        <translation>%1 含有指向其文件夹之外的文件名（“%2”）：不予解压。</translation>
    </message>
    <message>
        <source>%1 holds the file &quot;%2&quot; twice.</source>
        <translation>%1 中文件“%2”出现了两次。</translation>
    </message>
    <message>
        <source>%1 is too large: its file &quot;%2&quot; would take %3 bytes unpacked, more than the %4 bytes an exchange file may take.</source>
        <translation>%1 过大：其中的文件“%2”解压后将占 %3 字节，超过交换文件允许的 %4 字节。</translation>
    </message>
    <message>
        <source>%1 is damaged: the file &quot;%2&quot; cannot be read whole (%3).</source>
        <translation>%1 已损坏：无法完整读取文件“%2”（%3）。</translation>
    </message>
    <message>
        <source>it holds more than it declares</source>
        <translation>其内容多于声明的大小</translation>
    </message>
</context>
<context>
    <name>ExchangeFormat</name>
    <message>
        <source>is missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>is of the wrong kind</source>
        <translation>类型不正确</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a UUID in lower case</source>
        <translation>“%1”不是小写的 UUID</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time</source>
        <translation>“%1”不是时间</translation>
    </message>
    <message>
        <source>names no rule this program knows</source>
        <translation>指定的规则本程序不认识</translation>
    </message>
    <message>
        <source>records.json: %1.%2 %3</source>
        <translation>records.json：%1.%2 %3</translation>
    </message>
    <message>
        <source>%1 does not match its batch: %2</source>
        <translation>%1 与其批次不符：%2</translation>
    </message>
    <message>
        <source>the batch names another file</source>
        <translation>批次指定的是另一个文件</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>文件缺失</translation>
    </message>
    <message>
        <source>its SHA-256 is not the one the batch lists</source>
        <translation>其 SHA-256 与批次所列不同</translation>
    </message>
    <message>
        <source>it does not begin with the readings&apos; header</source>
        <translation>其开头不是读数的表头</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>line %1: reading %2 is out of order</source>
        <translation>第 %1 行：读数 %2 顺序错误</translation>
    </message>
    <message>
        <source>it holds %1 readings where the batch lists %2</source>
        <translation>含有 %1 个读数，而批次列出 %2 个</translation>
    </message>
    <message>
        <source>is not um, mils or mm</source>
        <translation>不是 um、mils 或 mm</translation>
    </message>
    <message>
        <source>The archive holds no records.json: it is not an exchange file.</source>
        <translation>压缩文件中没有 records.json：不是交换文件。</translation>
    </message>
    <message>
        <source>records.json is not a JSON object (%1 at byte %2).</source>
        <translation>records.json 不是 JSON 对象（第 %2 字节处：%1）。</translation>
    </message>
    <message>
        <source>records.json is not of the exchange format &quot;%1&quot;.</source>
        <translation>records.json 不是交换格式“%1”。</translation>
    </message>
    <message>
        <source>The exchange file is of version %1; this program reads version %2 only.</source>
        <translation>该交换文件为第 %1 版；本程序只能读取第 %2 版。</translation>
    </message>
    <message>
        <source>%1 cannot be taken in: %2</source>
        <translation>无法导入 %1：%2</translation>
    </message>
</context>
<context>
    <name>PhotoPages</name>
    <message>
        <source>Photos</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>无法读取照片 %1。</translation>
    </message>
    <message>
        <source>Attached documents</source>
        <translation>附加文档</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>RecordAttachments</name>
    <message>
        <source>Photos and documents are attached to a batch or an area.</source>
        <translation>照片和文档只能附加到批次或区域。</translation>
    </message>
    <message>
        <source>%1 is not attached: it takes %2 MB, more than the 20 MB a photo or document may take.</source>
        <translation>%1 未附加：它占 %2 MB，超过照片或文档允许的 20 MB。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not attached: it is larger than 20 MB.</source>
        <translation>%1 未附加：它大于 20 MB。</translation>
    </message>
    <message>
        <source>%1 is not attached: it is not a JPEG or PNG photo or a PDF document.</source>
        <translation>%1 未附加：它不是 JPEG 或 PNG 照片，也不是 PDF 文档。</translation>
    </message>
    <message>
        <source>The attachment cannot be kept in %1: %2</source>
        <translation>无法将附件保存到 %1：%2</translation>
    </message>
    <message>
        <source>no such attachment</source>
        <translation>没有该附件</translation>
    </message>
</context>
<context>
    <name>RecordExchange</name>
    <message>
        <source>the verification %1 names a gauge that is not there</source>
        <translation>校验 %1 指定的测厚仪不存在</translation>
    </message>
    <message>
        <source>the area %1 belongs to another job</source>
        <translation>区域 %1 属于另一个项目</translation>
    </message>
    <message>
        <source>the area %1 belongs to another job in this records file</source>
        <translation>在此记录文件中，区域 %1 属于另一个项目</translation>
    </message>
    <message>
        <source>the batch %1 names an area not of the job</source>
        <translation>批次 %1 指定的区域不属于该项目</translation>
    </message>
    <message>
        <source>the batch %1 names an area that is not there</source>
        <translation>批次 %1 指定的区域不存在</translation>
    </message>
    <message>
        <source>the batch %1 names a gauge that is not there</source>
        <translation>批次 %1 指定的测厚仪不存在</translation>
    </message>
    <message>
        <source>the batch %1 began with other criteria in this records file</source>
        <translation>在此记录文件中，批次 %1 开始时使用的是其他判定标准</translation>
    </message>
    <message>
        <source>reading %1 of the batch %2 differs from the one this records file holds</source>
        <translation>批次 %2 的读数 %1 与此记录文件中保存的不同</translation>
    </message>
    <message>
        <source>the batch %1 marks reading %2, which it does not hold</source>
        <translation>批次 %1 标记了它没有的读数 %2</translation>
    </message>
</context>
<context>
    <name>RecordsTransferBar</name>
    <message>
        <source>Export XLSX...</source>
        <translation>导出 XLSX...</translation>
    </message>
    <message>
        <source>The chosen job, area or batch as a workbook: cover, figures per batch and every reading.</source>
        <translation>将所选项目、区域或批次导出为工作簿：封面、各批次统计和全部读数。</translation>
    </message>
    <message>
        <source>Export exchange file...</source>
        <translation>导出交换文件...</translation>
    </message>
    <message>
        <source>The chosen job as one file another machine&apos;s records take in.</source>
        <translation>将所选项目导出为一个文件，供另一台电脑的记录导入。</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>导入...</translation>
    </message>
    <message>
        <source>Take in an exchange file or session files.</source>
        <translation>导入交换文件或会话文件。</translation>
    </message>
    <message>
        <source>Choose a job, an area or a batch of an area to export; a batch in Unfiled is moved into an area first.</source>
        <translation>请选择要导出的项目、区域或区域中的批次；“未归档”中的批次须先移入某个区域。</translation>
    </message>
    <message>
        <source>Export XLSX</source>
        <translation>导出 XLSX</translation>
    </message>
    <message>
        <source>Export exchange file</source>
        <translation>导出交换文件</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>Exchange files (*.zip)</source>
        <translation>交换文件 (*.zip)</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在写入 %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n batch(es) written to %1.</source>
        <translation>
            <numerusform>已将 %n 个批次写入 %1。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Exchange files (*.zip);;Session files (*.csv);;All files (*)</source>
        <translation>交换文件 (*.zip);;会话文件 (*.csv);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Taking in %1...</source>
        <translation>正在导入 %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) taken in.</source>
        <translation>
            <numerusform>已导入 %n 个读数。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not taken in: %2</source>
        <translation>%1 未导入：%2</translation>
    </message>
    <message>
        <source>The job %1 is taken in: %2 items and %3 readings added, %4 changes recorded in the history.</source>
        <translation>项目 %1 已导入：新增 %2 项和 %3 个读数，历史中记录了 %4 处更改。</translation>
    </message>
</context>
<context>
    <name>XlsxExport</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>字段</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>数值</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>项目</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>结构</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Coating standard</source>
        <translation>涂装标准</translation>
    </message>
    <message>
        <source>Job notes</source>
        <translation>项目备注</translation>
    </message>
    <message>
        <source>, %1 m²</source>
        <translation>，%1 m²</translation>
    </message>
    <message>
        <source>, coat %1</source>
        <translation>，第 %1 道涂层</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>区域</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>测厚仪</translation>
    </message>
    <message>
        <source>%1, serial %2, probe %3, certificate %4 due %5</source>
        <translation>%1，序列号 %2，探头 %3，证书 %4，有效期至 %5</translation>
    </message>
    <message>
        <source>Inspectors</source>
        <translation>检验员</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>批次数</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>导出时间</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>统计</translation>
    </message>
    <message>
        <source>Batch started</source>
        <translation>批次开始</translation>
    </message>
    <message>
        <source>Batch ended</source>
        <translation>批次结束</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>检验员</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>标称值</translation>
    </message>
    <message>
        <source>Minimum limit</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Maximum limit</source>
        <translation>上限</translation>
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
        <source>Excluded</source>
        <translation>已排除</translation>
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
        <source>Lowest</source>
        <translation>最小值</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>最大值</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>极差</translation>
    </message>
    <message>
        <source>Coefficient of variation (%)</source>
        <translation>变异系数 (%)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>判定</translation>
    </message>
    <message>
        <source>All batches of the area</source>
        <translation>该区域全部批次</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>序号</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>厚度 (%1)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Readings %1</source>
        <translation>读数 %1</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>已排除</translation>
    </message>
</context>
<context>
    <name>TeamSync</name>
    <message>
        <source>judged again</source>
        <translation>重新判定</translation>
    </message>
    <message>
        <source>The user is %1.</source>
        <translation>当前用户为 %1。</translation>
    </message>
    <message>
        <source>%1: this edit lost to a newer one made elsewhere</source>
        <translation>%1：此修改被其他电脑上更新的修改取代</translation>
    </message>
    <message>
        <source>%1: refused by the team server</source>
        <translation>%1：团队服务器拒绝了此更改</translation>
    </message>
    <message>
        <source>%1 (lost to a newer edit)</source>
        <translation>%1（被更新的修改取代）</translation>
    </message>
    <message>
        <source>signed off</source>
        <translation>已签核</translation>
    </message>
    <message>
        <source>sign-off withdrawn</source>
        <translation>签核已撤回</translation>
    </message>
</context>
<context>
    <name>TeamSyncLedger</name>
    <message>
        <source>The records file %1 cannot be used: %2</source>
        <translation>记录文件 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>The records file cannot be written: %1</source>
        <translation>无法写入记录文件：%1</translation>
    </message>
</context>
<context>
    <name>TeamSyncStatus</name>
    <message>
        <source>Team: syncing…</source>
        <translation>团队：正在同步…</translation>
    </message>
    <message>
        <source>Team: synced</source>
        <translation>团队：已同步</translation>
    </message>
    <message numerus="yes">
        <source>Team: %n waiting</source>
        <translation>
            <numerusform>团队：%n 项待同步</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Team: offline, %n waiting</source>
        <translation>
            <numerusform>团队：离线，%n 项待同步</numerusform>
        </translation>
    </message>
    <message>
        <source>Team: refused: %1</source>
        <translation>团队：被拒绝：%1</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>同步</translation>
    </message>
    <message>
        <source>Send the records to the team server and fetch the team&apos;s now</source>
        <translation>立即将记录发送到团队服务器并获取团队的记录</translation>
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

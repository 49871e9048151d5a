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
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>The device is connected again.</source>
        <translation>The device is connected again.</translation>
    </message>
    <message>
        <source>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</source>
        <translation>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Save CSV</translation>
    </message>
    <message>
        <source>Save the download as CSV</source>
        <translation>Save the download as CSV</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>There are no live readings to report yet.</source>
        <translation>There are no live readings to report yet.</translation>
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
    <message>
        <source>Live sessions</source>
        <translation>Live sessions</translation>
    </message>
    <message>
        <source>Go on streaming when the device comes back after it was lost</source>
        <translation>Go on streaming when the device comes back after it was lost</translation>
    </message>
</context>
<context>
    <name>SessionJournal</name>
    <message>
        <source>the folder could not be created: %1</source>
        <translation>the folder could not be created: %1</translation>
    </message>
    <message>
        <source>the file could not be written to the disk: %1</source>
        <translation>the file could not be written to the disk: %1</translation>
    </message>
    <message>
        <source>no space is left on the disk</source>
        <translation>no space is left on the disk</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>permission is denied</source>
        <translation>permission is denied</translation>
    </message>
    <message>
        <source>a file of that name is in the way</source>
        <translation>a file of that name is in the way</translation>
    </message>
    <message>
        <source>the folder could not be created</source>
        <translation>the folder could not be created</translation>
    </message>
    <message>
        <source>the file could not be written to the disk</source>
        <translation>the file could not be written to the disk</translation>
    </message>
</context>
<context>
    <name>SessionRecordsModel</name>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Unknown unit</source>
        <translation>Unknown unit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Save as CSV</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>Overflows</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation>%1 (not saved)</translation>
    </message>
    <message>
        <source>The file could not be read: %1</source>
        <translation>The file could not be read: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) could not be read and were skipped.</source>
        <translation>
            <numerusform>%n line could not be read and was skipped.</numerusform>
            <numerusform>%n lines could not be read and were skipped.</numerusform>
        </translation>
    </message>
    <message>
        <source>Please choose a session first.</source>
        <translation>Please choose a session first.</translation>
    </message>
    <message>
        <source>Save session</source>
        <translation>Save session</translation>
    </message>
    <message>
        <source>The file could not be saved! Please choose another place.</source>
        <translation>The file could not be saved! Please choose another place.</translation>
    </message>
    <message>
        <source>Please choose a session file first.</source>
        <translation>Please choose a session file first.</translation>
    </message>
    <message>
        <source>The session could not be deleted.</source>
        <translation>The session could not be deleted.</translation>
    </message>
    <message>
        <source>Delete the session %1?</source>
        <translation>Delete the session %1?</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>CoV</source>
        <translation>CoV</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Memory download %1 (not saved)</source>
        <translation>Memory download %1 (not saved)</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>Save the download as CSV</source>
        <translation>Save the download as CSV</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Session %1</source>
        <translation>Session %1</translation>
    </message>
    <message>
        <source>Memory download %1 (saved as %2)</source>
        <translation>Memory download %1 (saved as %2)</translation>
    </message>
    <message>
        <source>Saved as %1.</source>
        <translation>Saved as %1.</translation>
    </message>
    <message>
        <source>Delete session</source>
        <translation>Delete session</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>KesConfig</name>
    <message>
        <source>The settings file was damaged! The program starts on its defaults; the old file is kept beside it as config.ini.bad.</source>
        <translation>The settings file was damaged! The program starts on its defaults; the old file is kept beside it as config.ini.bad.</translation>
    </message>
    <message>
        <source>The settings file cannot be used! The program runs on its defaults and keeps no changes.</source>
        <translation>The settings file cannot be used! The program runs on its defaults and keeps no changes.</translation>
    </message>
</context>
<context>
    <name>PortOpenFailure</name>
    <message>
        <source>No serial port chosen! Connect the gauge and choose its port.</source>
        <translation>No serial port chosen! Connect the gauge and choose its port.</translation>
    </message>
    <message>
        <source>No permission to open %1! Install the program&apos;s package (its udev rule gives access), or join the dialout group and log in again.</source>
        <translation>No permission to open %1! Install the program&apos;s package (its udev rule gives access), or join the dialout group and log in again.</translation>
    </message>
    <message>
        <source>No permission to open %1!</source>
        <translation>No permission to open %1!</translation>
    </message>
    <message>
        <source>%1 is in use by another program! Close it and try again.</source>
        <translation>%1 is in use by another program! Close it and try again.</translation>
    </message>
</context>
<context>
    <name>FiguresPanel</name>
    <message>
        <source>Readings:</source>
        <translation>Readings:</translation>
    </message>
    <message>
        <source>Overflows:</source>
        <translation>Overflows:</translation>
    </message>
    <message>
        <source>Mean:</source>
        <translation>Mean:</translation>
    </message>
    <message>
        <source>SD:</source>
        <translation>SD:</translation>
    </message>
    <message>
        <source>Min:</source>
        <translation>Min:</translation>
    </message>
    <message>
        <source>Max:</source>
        <translation>Max:</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Range:</translation>
    </message>
    <message>
        <source>CoV:</source>
        <translation>CoV:</translation>
    </message>
    <message>
        <source>Verdict: %1</source>
        <translation>Verdict: %1</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Inspection report</source>
        <translation>Inspection report</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Group %1 was measured in %2; its readings are shown converted to %3.</source>
        <translation>Group %1 was measured in %2; its readings are shown converted to %3.</translation>
    </message>
    <message>
        <source>Readings measured in %1 are shown converted to %2.</source>
        <translation>Readings measured in %1 are shown converted to %2.</translation>
    </message>
    <message>
        <source>Readings of an unknown unit (%1) are listed but not judged.</source>
        <translation>Readings of an unknown unit (%1) are listed but not judged.</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Readings per spot</source>
        <translation>Readings per spot</translation>
    </message>
    <message>
        <source>Spot limits</source>
        <translation>Spot limits</translation>
    </message>
    <message>
        <source>%1 % of the minimum to %2 % of the maximum</source>
        <translation>%1 % of the minimum to %2 % of the maximum</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Group %1: %2</source>
        <translation>Group %1: %2</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>Overflows</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Coefficient of variation</source>
        <translation>Coefficient of variation</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Group %1</translation>
    </message>
    <message>
        <source>All groups</source>
        <translation>All groups</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>No readings</source>
        <translation>No readings</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Group</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Value (%1)</source>
        <translation>Value (%1)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>overflow</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>unknown unit</source>
        <translation>unknown unit</translation>
    </message>
    <message>
        <source>No readings to chart</source>
        <translation>No readings to chart</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>Thickness (%1)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 is a folder.</translation>
    </message>
    <message>
        <source>The report cannot be written in the folder %1: %2</source>
        <translation>The report cannot be written in the folder %1: %2</translation>
    </message>
    <message>
        <source>The report could not be drawn.</source>
        <translation>The report could not be drawn.</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>The report cannot be written to %1: %2</translation>
    </message>
    <message>
        <source>Not judged: %1</source>
        <translation>Not judged: %1</translation>
    </message>
    <message>
        <source>Rows listed</source>
        <translation>Rows listed</translation>
    </message>
    <message>
        <source>Readings listed</source>
        <translation>Readings listed</translation>
    </message>
    <message>
        <source>%1 spots and %2 areas complete; %3 readings and %4 spots pending.</source>
        <translation>%1 spots and %2 areas complete; %3 readings and %4 spots pending.</translation>
    </message>
    <message>
        <source>below minimum</source>
        <translation>below minimum</translation>
    </message>
    <message>
        <source>above maximum</source>
        <translation>above maximum</translation>
    </message>
    <message>
        <source>below the rule&apos;s share of the nominal</source>
        <translation>below the rule&apos;s share of the nominal</translation>
    </message>
    <message>
        <source>Nominal %1 %2</source>
        <translation>Nominal %1 %2</translation>
    </message>
    <message>
        <source>Minimum %1 %2</source>
        <translation>Minimum %1 %2</translation>
    </message>
    <message>
        <source>Maximum %1 %2</source>
        <translation>Maximum %1 %2</translation>
    </message>
</context>
<context>
    <name>ReportAsker</name>
    <message>
        <source>Save the report</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <source>The report was saved as %1.</source>
        <translation>The report was saved as %1.</translation>
    </message>
</context>
<context>
    <name>MemoryDownload</name>
    <message>
        <source>Memory download %1</source>
        <translation>Memory download %1</translation>
    </message>
</context>
<context>
    <name>SessionCsv</name>
    <message>
        <source>a reading of an unknown unit has the unit %1</source>
        <translation>a reading of an unknown unit has the unit %1</translation>
    </message>
    <message>
        <source>an overflow has the value %1</source>
        <translation>an overflow has the value %1</translation>
    </message>
    <message>
        <source>the index %1 is not a whole number from 1</source>
        <translation>the index %1 is not a whole number from 1</translation>
    </message>
    <message>
        <source>the time %1 is not a date and time</source>
        <translation>the time %1 is not a date and time</translation>
    </message>
    <message>
        <source>the status %1 is not ok, overflow or unknown-unit</source>
        <translation>the status %1 is not ok, overflow or unknown-unit</translation>
    </message>
    <message>
        <source>the %1 %2 is not a number</source>
        <translation>the %1 %2 is not a number</translation>
    </message>
    <message>
        <source>the unit %1 is not um, mils or mm</source>
        <translation>the unit %1 is not um, mils or mm</translation>
    </message>
    <message>
        <source>%1 fields where %2 belong</source>
        <translation>%1 fields where %2 belong</translation>
    </message>
</context>
<context>
    <name>ReadingsCsv</name>
    <message>
        <source>the file is empty</source>
        <translation>the file is empty</translation>
    </message>
    <message>
        <source>the file begins with a byte order mark; it must be UTF-8 without one</source>
        <translation>the file begins with a byte order mark; it must be UTF-8 without one</translation>
    </message>
    <message>
        <source>the line ends in CR LF, line 1 in LF</source>
        <translation>the line ends in CR LF, line 1 in LF</translation>
    </message>
    <message>
        <source>the line ends in LF, line 1 in CR LF</source>
        <translation>the line ends in LF, line 1 in CR LF</translation>
    </message>
    <message>
        <source>a carriage return inside the line</source>
        <translation>a carriage return inside the line</translation>
    </message>
    <message>
        <source>the header is not &apos;%1&apos; (a session file) or &apos;%2&apos; (a download)</source>
        <translation>the header is not &apos;%1&apos; (a session file) or &apos;%2&apos; (a download)</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>the line is empty</translation>
    </message>
    <message>
        <source>the group %1 is not a whole number from 0</source>
        <translation>the group %1 is not a whole number from 0</translation>
    </message>
    <message>
        <source>the number %1 is not a whole number from 1</source>
        <translation>the number %1 is not a whole number from 1</translation>
    </message>
    <message>
        <source>a reading in %1 among readings in %2</source>
        <translation>a reading in %1 among readings in %2</translation>
    </message>
    <message>
        <source>no reading of group %1</source>
        <translation>no reading of group %1</translation>
    </message>
</context>
<context>
    <name>StatisticsWidget</name>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>Overflows</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Std. dev.</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
</context>
<context>
    <name>InspectionSettingsWidget</name>
    <message>
        <source>Inspection</source>
        <translation>Inspection</translation>
    </message>
    <message>
        <source>Rule:</source>
        <translation>Rule:</translation>
    </message>
    <message>
        <source>Unit of the limits:</source>
        <translation>Unit of the limits:</translation>
    </message>
    <message>
        <source>Nominal thickness (NDFT):</source>
        <translation>Nominal thickness (NDFT):</translation>
    </message>
    <message>
        <source>Minimum thickness:</source>
        <translation>Minimum thickness:</translation>
    </message>
    <message>
        <source>Maximum thickness:</source>
        <translation>Maximum thickness:</translation>
    </message>
    <message>
        <source>Readings per spot:</source>
        <translation>Readings per spot:</translation>
    </message>
    <message>
        <source>Spot low limit (% of minimum):</source>
        <translation>Spot low limit (% of minimum):</translation>
    </message>
    <message>
        <source>Spot high limit (% of maximum):</source>
        <translation>Spot high limit (% of maximum):</translation>
    </message>
    <message>
        <source>Enter a number, such as 120 or 4.5.</source>
        <translation>Enter a number, such as 120 or 4.5.</translation>
    </message>
    <message>
        <source>Enter a whole number of readings.</source>
        <translation>Enter a whole number of readings.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 Not taken; still in force: %2.</source>
        <translation>%1 Not taken; still in force: %2.</translation>
    </message>
</context>
<context>
    <name>InspectionCriteria</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>A thickness cannot be negative.</source>
        <translation>A thickness cannot be negative.</translation>
    </message>
    <message>
        <source>The minimum is above the maximum.</source>
        <translation>The minimum is above the maximum.</translation>
    </message>
    <message>
        <source>The rule needs a nominal thickness.</source>
        <translation>The rule needs a nominal thickness.</translation>
    </message>
    <message>
        <source>The rule needs a minimum and a maximum.</source>
        <translation>The rule needs a minimum and a maximum.</translation>
    </message>
    <message>
        <source>A spot needs at least one reading.</source>
        <translation>A spot needs at least one reading.</translation>
    </message>
    <message>
        <source>The spot limits do not fit together.</source>
        <translation>The spot limits do not fit together.</translation>
    </message>
</context>
<context>
    <name>InspectionRule</name>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>No rule</source>
        <translation>No rule</translation>
    </message>
    <message>
        <source>mean %1 below the nominal %2</source>
        <translation>mean %1 below the nominal %2</translation>
    </message>
    <message>
        <source>Pass so far</source>
        <translation>Pass so far</translation>
    </message>
    <message numerus="yes">
        <source>%n spot(s)</source>
        <translation>
            <numerusform>%n spot</numerusform>
            <numerusform>%n spots</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n area(s)</source>
        <translation>
            <numerusform>%n area</numerusform>
            <numerusform>%n areas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s)</source>
        <translation>
            <numerusform>%n reading</numerusform>
            <numerusform>%n readings</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2 complete; %3 and %4 pending.</source>
        <translation>%1 and %2 complete; %3 and %4 pending.</translation>
    </message>
    <message>
        <source>below the minimum %1</source>
        <translation>below the minimum %1</translation>
    </message>
    <message>
        <source>above the maximum %1</source>
        <translation>above the maximum %1</translation>
    </message>
    <message>
        <source>below %1 % of the nominal %2</source>
        <translation>below %1 % of the nominal %2</translation>
    </message>
    <message>
        <source>SSPC-PA 2 judges the means of spots and areas, not single readings: readings outside the minimum or maximum are marked for information.</source>
        <translation>SSPC-PA 2 judges the means of spots and areas, not single readings: readings outside the minimum or maximum are marked for information.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) below 80 % of the nominal %3</source>
        <translation>
            <numerusform>%1 of %n reading (%2) below 80 % of the nominal %3</numerusform>
            <numerusform>%1 of %n readings (%2) below 80 % of the nominal %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) from 80 % up to below the nominal %3; at most 20 % are allowed</source>
        <translation>
            <numerusform>%1 of %n reading (%2) from 80 % up to below the nominal %3; at most 20 % are allowed</numerusform>
            <numerusform>%1 of %n readings (%2) from 80 % up to below the nominal %3; at most 20 % are allowed</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) above the maximum %3</source>
        <translation>
            <numerusform>%1 of %n reading (%2) above the maximum %3</numerusform>
            <numerusform>%1 of %n readings (%2) above the maximum %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) at or above the nominal %3; at least 90 % are required</source>
        <translation>
            <numerusform>%1 of %n reading (%2) at or above the nominal %3; at least 90 % are required</numerusform>
            <numerusform>%1 of %n readings (%2) at or above the nominal %3; at least 90 % are required</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n reading(s) (%2) below 90 % of the nominal %3</source>
        <translation>
            <numerusform>%1 of %n reading (%2) below 90 % of the nominal %3</numerusform>
            <numerusform>%1 of %n readings (%2) below 90 % of the nominal %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n spot(s) outside %2 to %3</source>
        <translation>
            <numerusform>%1 of %n spot outside %2 to %3</numerusform>
            <numerusform>%1 of %n spots outside %2 to %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n area(s) outside %2 to %3</source>
        <translation>
            <numerusform>%1 of %n area outside %2 to %3</numerusform>
            <numerusform>%1 of %n areas outside %2 to %3</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) below 80 % of the nominal %4</source>
        <translation>%1 of %2 readings (%3 %) below 80 % of the nominal %4</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) from 80 % up to below the nominal %4; at most 20 % are allowed</source>
        <translation>%1 of %2 readings (%3 %) from 80 % up to below the nominal %4; at most 20 % are allowed</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) above the maximum %4</source>
        <translation>%1 of %2 readings (%3 %) above the maximum %4</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) at or above the nominal %4; at least 90 % are required</source>
        <translation>%1 of %2 readings (%3 %) at or above the nominal %4; at least 90 % are required</translation>
    </message>
    <message>
        <source>%1 of %2 readings (%3 %) below 90 % of the nominal %4</source>
        <translation>%1 of %2 readings (%3 %) below 90 % of the nominal %4</translation>
    </message>
    <message>
        <source>%1 of %2 spots outside %3 to %4</source>
        <translation>%1 of %2 spots outside %3 to %4</translation>
    </message>
    <message>
        <source>%1 of %2 areas outside %3 to %4</source>
        <translation>%1 of %2 areas outside %3 to %4</translation>
    </message>
</context>
<context>
    <name>LiveDisplay</name>
    <message>
        <source>Live run %1</source>
        <translation>Live run %1</translation>
    </message>
</context>
<context>
    <name>RecordStore</name>
    <message>
        <source>The records file %1 was written by a later version of the program: it is shown read-only and not changed.</source>
        <translation>The records file %1 was written by a later version of the program: it is shown read-only and not changed.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be written (the folder or the file is read-only): readings go on into the session files only.</source>
        <translation>The records file %1 cannot be written (the folder or the file is read-only): readings go on into the session files only.</translation>
    </message>
    <message>
        <source>The records file %1 cannot be used: %2. Readings go on into the session files only.</source>
        <translation>The records file %1 cannot be used: %2. Readings go on into the session files only.</translation>
    </message>
    <message>
        <source>no such item</source>
        <translation>no such item</translation>
    </message>
    <message>
        <source>no such job</source>
        <translation>no such job</translation>
    </message>
    <message>
        <source>no such area</source>
        <translation>no such area</translation>
    </message>
    <message>
        <source>no such batch</source>
        <translation>no such batch</translation>
    </message>
    <message>
        <source>no such gauge</source>
        <translation>no such gauge</translation>
    </message>
    <message>
        <source>no reading %1 in the batch</source>
        <translation>no reading %1 in the batch</translation>
    </message>
</context>
<context>
    <name>JournalIntake</name>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
</context>
<context>
    <name>BatchReadingsModel</name>
    <message>
        <source>excluded: %1</source>
        <translation>excluded: %1</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
</context>
<context>
    <name>RecordsChooser</name>
    <message>
        <source>Next batch into:</source>
        <translation>Next batch into:</translation>
    </message>
    <message>
        <source>Gauge:</source>
        <translation>Gauge:</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>Unfiled</translation>
    </message>
    <message>
        <source>No gauge</source>
        <translation>No gauge</translation>
    </message>
    <message>
        <source>New gauge...</source>
        <translation>New gauge...</translation>
    </message>
    <message>
        <source>New gauge</source>
        <translation>New gauge</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Gauge serial</source>
        <translation>Gauge serial</translation>
    </message>
    <message>
        <source>Probe serial</source>
        <translation>Probe serial</translation>
    </message>
    <message>
        <source>Calibration certificate</source>
        <translation>Calibration certificate</translation>
    </message>
    <message>
        <source>Calibration due</source>
        <translation>Calibration due</translation>
    </message>
    <message>
        <source>Calibration due on %1 has passed.</source>
        <translation>Calibration due on %1 has passed.</translation>
    </message>
</context>
<context>
    <name>RecordsPage</name>
    <message>
        <source>Search jobs, areas and notes (Ctrl+F)</source>
        <translation>Search jobs, areas and notes (Ctrl+F)</translation>
    </message>
    <message>
        <source>Every verdict</source>
        <translation>Every verdict</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>Fail</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>Incomplete</source>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>No rule</source>
        <translation>No rule</translation>
    </message>
    <message>
        <source>New job</source>
        <translation>New job</translation>
    </message>
    <message>
        <source>New area</source>
        <translation>New area</translation>
    </message>
    <message>
        <source>Move batch</source>
        <translation>Move batch</translation>
    </message>
    <message>
        <source>Exclude reading</source>
        <translation>Exclude reading</translation>
    </message>
    <message>
        <source>Add note</source>
        <translation>Add note</translation>
    </message>
    <message>
        <source>Delete batch</source>
        <translation>Delete batch</translation>
    </message>
    <message>
        <source>Criteria</source>
        <translation>Criteria</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Spot means</source>
        <translation>Spot means</translation>
    </message>
    <message>
        <source>Area means</source>
        <translation>Area means</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>Overflows</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>Verified before</source>
        <translation>Verified before</translation>
    </message>
    <message>
        <source>Verified after</source>
        <translation>Verified after</translation>
    </message>
    <message>
        <source>%1: mean %2 on %3 (±%4 %)</source>
        <translation>%1: mean %2 on %3 (±%4 %)</translation>
    </message>
    <message>
        <source>Conditions</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>air %1 °C, %2 % RH, surface %3 °C, dew point %4 °C, margin %5 °C</source>
        <translation>air %1 °C, %2 % RH, surface %3 °C, dew point %4 °C, margin %5 °C</translation>
    </message>
    <message>
        <source>Judged again</source>
        <translation>Judged again</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>%1, %2: %3 from &quot;%4&quot; to &quot;%5&quot;</source>
        <translation>%1, %2: %3 from &quot;%4&quot; to &quot;%5&quot;</translation>
    </message>
    <message>
        <source>Name of the job:</source>
        <translation>Name of the job:</translation>
    </message>
    <message>
        <source>Choose the job the area belongs to.</source>
        <translation>Choose the job the area belongs to.</translation>
    </message>
    <message>
        <source>Name of the area:</source>
        <translation>Name of the area:</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>New name:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Unfiled</source>
        <translation>Unfiled</translation>
    </message>
    <message>
        <source>Move the batch to:</source>
        <translation>Move the batch to:</translation>
    </message>
    <message>
        <source>Delete this batch? It stays in the history until the deleted batches are emptied.</source>
        <translation>Delete this batch? It stays in the history until the deleted batches are emptied.</translation>
    </message>
    <message>
        <source>Why reading %1 is not counted:</source>
        <translation>Why reading %1 is not counted:</translation>
    </message>
    <message>
        <source>Note on reading %1:</source>
        <translation>Note on reading %1:</translation>
    </message>
    <message>
        <source>Note on the batch:</source>
        <translation>Note on the batch:</translation>
    </message>
    <message>
        <source>Judge again</source>
        <translation>Judge again</translation>
    </message>
    <message>
        <source>Judge the batch again by the Settings page&apos;s criteria, beside its own verdict.</source>
        <translation>Judge the batch again by the Settings page&apos;s criteria, beside its own verdict.</translation>
    </message>
    <message>
        <source>Air temperature</source>
        <translation>Air temperature</translation>
    </message>
    <message>
        <source>Relative humidity</source>
        <translation>Relative humidity</translation>
    </message>
    <message>
        <source>Surface temperature</source>
        <translation>Surface temperature</translation>
    </message>
</context>
<context>
    <name>RecordsTreeModel</name>
    <message>
        <source>Unfiled</source>
        <translation>Unfiled</translation>
    </message>
    <message>
        <source>Job, area, batch</source>
        <translation>Job, area, batch</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
</context>
<context>
    <name>RecordsWiring</name>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
</context>
<context>
    <name>DownloadIntake</name>
    <message>
        <source>Group %1 of the gauge&apos;s memory</source>
        <translation>Group %1 of the gauge&apos;s memory</translation>
    </message>
</context>
<context>
    <name>CriterionLines</name>
    <message>
        <source>Minimum %1</source>
        <translation>Minimum %1</translation>
    </message>
    <message>
        <source>Maximum %1</source>
        <translation>Maximum %1</translation>
    </message>
    <message>
        <source>Nominal %1</source>
        <translation>Nominal %1</translation>
    </message>
    <message>
        <source>80 % of nominal: %1</source>
        <translation>80 % of nominal: %1</translation>
    </message>
    <message>
        <source>90 % of nominal: %1</source>
        <translation>90 % of nominal: %1</translation>
    </message>
    <message>
        <source>Spot minimum %1</source>
        <translation>Spot minimum %1</translation>
    </message>
    <message>
        <source>Area minimum %1</source>
        <translation>Area minimum %1</translation>
    </message>
    <message>
        <source>Area maximum %1</source>
        <translation>Area maximum %1</translation>
    </message>
    <message>
        <source>Spot maximum %1</source>
        <translation>Spot maximum %1</translation>
    </message>
</context>
<context>
    <name>SaveFileAsker</name>
    <message>
        <source>Saved as %1.</source>
        <translation>Saved as %1.</translation>
    </message>
</context>
<context>
    <name>KesLimitLines</name>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
</context>
<context>
    <name>TeamError</name>
    <message>
        <source>The user is %1.</source>
        <translation>The user is %1.</translation>
    </message>
    <message>
        <source>Qt&apos;s PostgreSQL driver is not installed (the package libqt5sql5-psql).</source>
        <translation>Qt&apos;s PostgreSQL driver is not installed (the package libqt5sql5-psql).</translation>
    </message>
    <message>
        <source>No team server answers at this address: it is not running, or the host or the port is wrong.</source>
        <translation>No team server answers at this address: it is not running, or the host or the port is wrong.</translation>
    </message>
    <message>
        <source>The team server asks for a password and none is known: put it in ~/.pgpass, or name a file in PGPASSFILE, or set PGPASSWORD.</source>
        <translation>The team server asks for a password and none is known: put it in ~/.pgpass, or name a file in PGPASSFILE, or set PGPASSWORD.</translation>
    </message>
    <message>
        <source>The team server does not accept the password for this user.</source>
        <translation>The team server does not accept the password for this user.</translation>
    </message>
    <message>
        <source>The team server has no such user.</source>
        <translation>The team server has no such user.</translation>
    </message>
    <message>
        <source>The team server has no such database.</source>
        <translation>The team server has no such database.</translation>
    </message>
    <message>
        <source>The database holds no team store yet: &apos;varnolithic-cli team init&apos; makes one.</source>
        <translation>The database holds no team store yet: &apos;varnolithic-cli team init&apos; makes one.</translation>
    </message>
    <message>
        <source>The database holds tables of its own: a team store is made in an empty database.</source>
        <translation>The database holds tables of its own: a team store is made in an empty database.</translation>
    </message>
    <message>
        <source>The team store was made by a newer version of the program: update this one to work with it.</source>
        <translation>The team store was made by a newer version of the program: update this one to work with it.</translation>
    </message>
    <message>
        <source>The team store is older than this program: &apos;varnolithic-cli team init&apos; brings it up to date.</source>
        <translation>The team store is older than this program: &apos;varnolithic-cli team init&apos; brings it up to date.</translation>
    </message>
    <message>
        <source>This user is neither an inspector nor a reviewer of the team: &apos;varnolithic-cli team add-user&apos; makes one.</source>
        <translation>This user is neither an inspector nor a reviewer of the team: &apos;varnolithic-cli team add-user&apos; makes one.</translation>
    </message>
    <message>
        <source>The team server refused the change.</source>
        <translation>The team server refused the change.</translation>
    </message>
    <message>
        <source>The team server holds no such record.</source>
        <translation>The team server holds no such record.</translation>
    </message>
    <message>
        <source>The team server holds that record already.</source>
        <translation>The team server holds that record already.</translation>
    </message>
    <message>
        <source>The team server does not take these values.</source>
        <translation>The team server does not take these values.</translation>
    </message>
    <message>
        <source>The connection to the team server was lost.</source>
        <translation>The connection to the team server was lost.</translation>
    </message>
    <message>
        <source>The team server did not answer in time: it is busy, or a lock is held there. The records wait here for the next sync.</source>
        <translation>The team server did not answer in time: it is busy, or a lock is held there. The records wait here for the next sync.</translation>
    </message>
    <message>
        <source>The team server&apos;s disk is full: its administrator must free space. The records wait here for the next sync.</source>
        <translation>The team server&apos;s disk is full: its administrator must free space. The records wait here for the next sync.</translation>
    </message>
    <message>
        <source>The team server gave no answer for %1 s.</source>
        <translation>The team server gave no answer for %1 s.</translation>
    </message>
    <message>
        <source>The team server reported an error.</source>
        <translation>The team server reported an error.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no team role.</source>
        <translation>&apos;%1&apos; is no team role.</translation>
    </message>
    <message>
        <source>A user name has 1 to 63 bytes.</source>
        <translation>A user name has 1 to 63 bytes.</translation>
    </message>
    <message>
        <source>No values are given.</source>
        <translation>No values are given.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no column of the team store.</source>
        <translation>&apos;%1&apos; is no column of the team store.</translation>
    </message>
</context>
<context>
    <name>TeamSchema</name>
    <message>
        <source>The store is at version %1; this program&apos;s is %2.</source>
        <translation>The store is at version %1; this program&apos;s is %2.</translation>
    </message>
</context>
<context>
    <name>TeamSettingsWidget</name>
    <message>
        <source>Testing...</source>
        <translation>Testing...</translation>
    </message>
    <message>
        <source>Ready: %1 (%2), team store version %3.</source>
        <translation>Ready: %1 (%2), team store version %3.</translation>
    </message>
    <message>
        <source>Team server</source>
        <translation>Team server</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Host</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>default</source>
        <translation>default</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Database</translation>
    </message>
    <message>
        <source>User</source>
        <translation>User</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>kept for this run only</source>
        <translation>kept for this run only</translation>
    </message>
    <message>
        <source>TLS mode</source>
        <translation>TLS mode</translation>
    </message>
    <message>
        <source>host name, or the folder of the server&apos;s socket</source>
        <translation>host name, or the folder of the server&apos;s socket</translation>
    </message>
    <message>
        <source>verify-full also checks the server&apos;s certificate and name. Without a password here: ~/.pgpass, PGPASSFILE or PGPASSWORD.</source>
        <translation>verify-full also checks the server&apos;s certificate and name. Without a password here: ~/.pgpass, PGPASSFILE or PGPASSWORD.</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>AttachmentsPanel</name>
    <message>
        <source>Photos and documents</source>
        <translation>Photos and documents</translation>
    </message>
    <message>
        <source>Add photo or PDF...</source>
        <translation>Add photo or PDF...</translation>
    </message>
    <message>
        <source>JPEG and PNG photos and PDF documents up to 20 MB; files may also be dropped here. A double click edits a caption.</source>
        <translation>JPEG and PNG photos and PDF documents up to 20 MB; files may also be dropped here. A double click edits a caption.</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message>
        <source>Caption of %1:</source>
        <translation>Caption of %1:</translation>
    </message>
    <message>
        <source>Add photo or PDF</source>
        <translation>Add photo or PDF</translation>
    </message>
    <message>
        <source>Photos and PDF documents (*.jpg *.jpeg *.png *.pdf);;All files (*)</source>
        <translation>Photos and PDF documents (*.jpg *.jpeg *.png *.pdf);;All files (*)</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Caption:</translation>
    </message>
</context>
<context>
    <name>ExchangeArchive</name>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>%1 is not a zip archive.</source>
        <translation>%1 is not a zip archive.</translation>
    </message>
    <message>
        <source>%1 is not a complete zip archive (%2): it may have been cut short.</source>
        <translation>%1 is not a complete zip archive (%2): it may have been cut short.</translation>
    </message>
    <message>
        <source>%1 holds %2 files, more than the %3 an exchange file may hold.</source>
        <translation>%1 holds %2 files, more than the %3 an exchange file may hold.</translation>
    </message>
    <message>
        <source>%1 is damaged: %2</source>
        <translation>%1 is damaged: %2</translation>
    </message>
    <message>
        <source>%1 names a file outside its folder (&quot;%2&quot;): it is not unpacked.</source>
        <translation>%1 names a file outside its folder (&quot;%2&quot;): it is not unpacked.</translation>
    </message>
    <message>
        <source>%1 holds the file &quot;%2&quot; twice.</source>
        <translation>%1 holds the file &quot;%2&quot; twice.</translation>
    </message>
    <message>
        <source>%1 is too large: its file &quot;%2&quot; would take %3 bytes unpacked, more than the %4 bytes an exchange file may take.</source>
        <translation>%1 is too large: its file &quot;%2&quot; would take %3 bytes unpacked, more than the %4 bytes an exchange file may take.</translation>
    </message>
    <message>
        <source>%1 is damaged: the file &quot;%2&quot; cannot be read whole (%3).</source>
        <translation>%1 is damaged: the file &quot;%2&quot; cannot be read whole (%3).</translation>
    </message>
    <message>
        <source>it holds more than it declares</source>
        <translation>it holds more than it declares</translation>
    </message>
</context>
<context>
    <name>ExchangeFormat</name>
    <message>
        <source>is missing</source>
        <translation>is missing</translation>
    </message>
    <message>
        <source>is of the wrong kind</source>
        <translation>is of the wrong kind</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a UUID in lower case</source>
        <translation>&quot;%1&quot; is not a UUID in lower case</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a time</source>
        <translation>&quot;%1&quot; is not a time</translation>
    </message>
    <message>
        <source>names no rule this program knows</source>
        <translation>names no rule this program knows</translation>
    </message>
    <message>
        <source>records.json: %1.%2 %3</source>
        <translation>records.json: %1.%2 %3</translation>
    </message>
    <message>
        <source>%1 does not match its batch: %2</source>
        <translation>%1 does not match its batch: %2</translation>
    </message>
    <message>
        <source>the batch names another file</source>
        <translation>the batch names another file</translation>
    </message>
    <message>
        <source>the file is missing</source>
        <translation>the file is missing</translation>
    </message>
    <message>
        <source>its SHA-256 is not the one the batch lists</source>
        <translation>its SHA-256 is not the one the batch lists</translation>
    </message>
    <message>
        <source>it does not begin with the readings&apos; header</source>
        <translation>it does not begin with the readings&apos; header</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>line %1: reading %2 is out of order</source>
        <translation>line %1: reading %2 is out of order</translation>
    </message>
    <message>
        <source>it holds %1 readings where the batch lists %2</source>
        <translation>it holds %1 readings where the batch lists %2</translation>
    </message>
    <message>
        <source>is not um, mils or mm</source>
        <translation>is not um, mils or mm</translation>
    </message>
    <message>
        <source>The archive holds no records.json: it is not an exchange file.</source>
        <translation>The archive holds no records.json: it is not an exchange file.</translation>
    </message>
    <message>
        <source>records.json is not a JSON object (%1 at byte %2).</source>
        <translation>records.json is not a JSON object (%1 at byte %2).</translation>
    </message>
    <message>
        <source>records.json is not of the exchange format &quot;%1&quot;.</source>
        <translation>records.json is not of the exchange format &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The exchange file is of version %1; this program reads version %2 only.</source>
        <translation>The exchange file is of version %1; this program reads version %2 only.</translation>
    </message>
    <message>
        <source>%1 cannot be taken in: %2</source>
        <translation>%1 cannot be taken in: %2</translation>
    </message>
</context>
<context>
    <name>PhotoPages</name>
    <message>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <source>The photo %1 cannot be read.</source>
        <translation>The photo %1 cannot be read.</translation>
    </message>
    <message>
        <source>Attached documents</source>
        <translation>Attached documents</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecordAttachments</name>
    <message>
        <source>Photos and documents are attached to a batch or an area.</source>
        <translation>Photos and documents are attached to a batch or an area.</translation>
    </message>
    <message>
        <source>%1 is not attached: it takes %2 MB, more than the 20 MB a photo or document may take.</source>
        <translation>%1 is not attached: it takes %2 MB, more than the 20 MB a photo or document may take.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is not attached: it is larger than 20 MB.</source>
        <translation>%1 is not attached: it is larger than 20 MB.</translation>
    </message>
    <message>
        <source>%1 is not attached: it is not a JPEG or PNG photo or a PDF document.</source>
        <translation>%1 is not attached: it is not a JPEG or PNG photo or a PDF document.</translation>
    </message>
    <message>
        <source>The attachment cannot be kept in %1: %2</source>
        <translation>The attachment cannot be kept in %1: %2</translation>
    </message>
    <message>
        <source>no such attachment</source>
        <translation>no such attachment</translation>
    </message>
</context>
<context>
    <name>RecordExchange</name>
    <message>
        <source>the verification %1 names a gauge that is not there</source>
        <translation>the verification %1 names a gauge that is not there</translation>
    </message>
    <message>
        <source>the area %1 belongs to another job</source>
        <translation>the area %1 belongs to another job</translation>
    </message>
    <message>
        <source>the area %1 belongs to another job in this records file</source>
        <translation>the area %1 belongs to another job in this records file</translation>
    </message>
    <message>
        <source>the batch %1 names an area not of the job</source>
        <translation>the batch %1 names an area not of the job</translation>
    </message>
    <message>
        <source>the batch %1 names an area that is not there</source>
        <translation>the batch %1 names an area that is not there</translation>
    </message>
    <message>
        <source>the batch %1 names a gauge that is not there</source>
        <translation>the batch %1 names a gauge that is not there</translation>
    </message>
    <message>
        <source>the batch %1 began with other criteria in this records file</source>
        <translation>the batch %1 began with other criteria in this records file</translation>
    </message>
    <message>
        <source>reading %1 of the batch %2 differs from the one this records file holds</source>
        <translation>reading %1 of the batch %2 differs from the one this records file holds</translation>
    </message>
    <message>
        <source>the batch %1 marks reading %2, which it does not hold</source>
        <translation>the batch %1 marks reading %2, which it does not hold</translation>
    </message>
</context>
<context>
    <name>RecordsTransferBar</name>
    <message>
        <source>Export XLSX...</source>
        <translation>Export XLSX...</translation>
    </message>
    <message>
        <source>The chosen job, area or batch as a workbook: cover, figures per batch and every reading.</source>
        <translation>The chosen job, area or batch as a workbook: cover, figures per batch and every reading.</translation>
    </message>
    <message>
        <source>Export exchange file...</source>
        <translation>Export exchange file...</translation>
    </message>
    <message>
        <source>The chosen job as one file another machine&apos;s records take in.</source>
        <translation>The chosen job as one file another machine&apos;s records take in.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Import...</translation>
    </message>
    <message>
        <source>Take in an exchange file or session files.</source>
        <translation>Take in an exchange file or session files.</translation>
    </message>
    <message>
        <source>Choose a job, an area or a batch of an area to export; a batch in Unfiled is moved into an area first.</source>
        <translation>Choose a job, an area or a batch of an area to export; a batch in Unfiled is moved into an area first.</translation>
    </message>
    <message>
        <source>Export XLSX</source>
        <translation>Export XLSX</translation>
    </message>
    <message>
        <source>Export exchange file</source>
        <translation>Export exchange file</translation>
    </message>
    <message>
        <source>Workbooks (*.xlsx)</source>
        <translation>Workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Exchange files (*.zip)</source>
        <translation>Exchange files (*.zip)</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>Writing %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n batch(es) written to %1.</source>
        <translation>
            <numerusform>%n batch written to %1.</numerusform>
            <numerusform>%n batches written to %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Exchange files (*.zip);;Session files (*.csv);;All files (*)</source>
        <translation>Exchange files (*.zip);;Session files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Taking in %1...</source>
        <translation>Taking in %1...</translation>
    </message>
    <message numerus="yes">
        <source>%n reading(s) taken in.</source>
        <translation>
            <numerusform>%n reading taken in.</numerusform>
            <numerusform>%n readings taken in.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 was not taken in: %2</source>
        <translation>%1 was not taken in: %2</translation>
    </message>
    <message>
        <source>The job %1 is taken in: %2 items and %3 readings added, %4 changes recorded in the history.</source>
        <translation>The job %1 is taken in: %2 items and %3 readings added, %4 changes recorded in the history.</translation>
    </message>
</context>
<context>
    <name>XlsxExport</name>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 cannot be written.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Structure</source>
        <translation>Structure</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Coating standard</source>
        <translation>Coating standard</translation>
    </message>
    <message>
        <source>Job notes</source>
        <translation>Job notes</translation>
    </message>
    <message>
        <source>, %1 m²</source>
        <translation>, %1 m²</translation>
    </message>
    <message>
        <source>, coat %1</source>
        <translation>, coat %1</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>Gauge</source>
        <translation>Gauge</translation>
    </message>
    <message>
        <source>%1, serial %2, probe %3, certificate %4 due %5</source>
        <translation>%1, serial %2, probe %3, certificate %4 due %5</translation>
    </message>
    <message>
        <source>Inspectors</source>
        <translation>Inspectors</translation>
    </message>
    <message>
        <source>Batches</source>
        <translation>Batches</translation>
    </message>
    <message>
        <source>Exported</source>
        <translation>Exported</translation>
    </message>
    <message>
        <source>Figures</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Batch started</source>
        <translation>Batch started</translation>
    </message>
    <message>
        <source>Batch ended</source>
        <translation>Batch ended</translation>
    </message>
    <message>
        <source>Inspector</source>
        <translation>Inspector</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Nominal</source>
        <translation>Nominal</translation>
    </message>
    <message>
        <source>Minimum limit</source>
        <translation>Minimum limit</translation>
    </message>
    <message>
        <source>Maximum limit</source>
        <translation>Maximum limit</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>Overflows</source>
        <translation>Overflows</translation>
    </message>
    <message>
        <source>Excluded</source>
        <translation>Excluded</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Lowest</source>
        <translation>Lowest</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Highest</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Range</translation>
    </message>
    <message>
        <source>Coefficient of variation (%)</source>
        <translation>Coefficient of variation (%)</translation>
    </message>
    <message>
        <source>Verdict</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>All batches of the area</source>
        <translation>All batches of the area</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Thickness (%1)</source>
        <translation>Thickness (%1)</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Readings %1</source>
        <translation>Readings %1</translation>
    </message>
    <message>
        <source>excluded</source>
        <translation>excluded</translation>
    </message>
</context>
<context>
    <name>JournalNotices</name>
    <message>
        <source>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</source>
        <translation>The readings could not be written to %1 (%2). They are kept: save them from the Sessions page.</translation>
    </message>
</context>
<context>
    <name>DownloadControl</name>
    <message>
        <source>Save the download as CSV</source>
        <translation>Save the download as CSV</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DialogWindow</name>
    <message>
        <source>Device disconnected!</source>
        <translation>设备断开连接!</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Data overflow</source>
        <translation>数据溢出</translation>
    </message>
</context>
</TS>

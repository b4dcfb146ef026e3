<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>Dialog</name>
    <message>
        <source>Start</source>
        <translation>ابدأ</translation>
    </message>
</context>
</TS>

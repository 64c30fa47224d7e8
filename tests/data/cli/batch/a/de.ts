<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Clean</name>
    <message>
        <location filename="main.cpp" line="10"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
</TS>

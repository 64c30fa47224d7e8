<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<context>
    <name>Crlf</name>
    <message>
        <location filename="x.cpp" line="3"/>
        <source>line one</source>
        <translation>Zeile eins</translation>
    </message>
</context>
</TS>

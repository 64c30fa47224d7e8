<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<context>
<name>Main</name>
<message>
<location filename="main.cpp" line="3"/>
<source>Open</source>
<translation>Öffnen</translation>
</message>
<message>
<location filename="main.cpp" line="3"/>
<source>Save</source>
<translation>Speichern</translation>
</message>
</context>
</TS>

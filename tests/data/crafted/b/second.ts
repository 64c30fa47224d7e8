<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<context>
<name>Main</name>
<message numerus="yes">
<source>%n file(s)</source>
<translation></translation>
</message>
<message>
<location filename="main.cpp" line="3"/>
<source>Open</source>
<translation>Aufmachen</translation>
</message>
<message>
<location filename="main.cpp" line="3"/>
<source>Close</source>
<translation>Speichern</translation>
</message>
</context>
</TS>

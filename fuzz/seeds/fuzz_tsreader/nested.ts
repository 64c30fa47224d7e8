<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<TS language="fr">
<TS language="it">
<context>
    <name>Inner</name>
    <message>
        <source>inner</source>
        <translation>innen</translation>
    </message>
</context>
</TS>
</TS>
<context>
    <name>Outer</name>
    <message>
        <source>outer</source>
        <translation>außen</translation>
    </message>
</context>
</TS>

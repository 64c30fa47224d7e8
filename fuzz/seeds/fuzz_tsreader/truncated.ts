<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<context>
    <name>Cut</name>
    <message>
        <source>kept</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>cut off

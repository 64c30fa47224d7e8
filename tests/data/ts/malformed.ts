<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="de">
<context>
    <name>Broken</name>
    <message>
        <source>kept</source>
        <translation>behalten</translation>
    </message>
    <message>
        <source>byte <byte value="x7"/> inside</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>after the error</source>
        <translation>danach</translation>
    </message>
</context>
</TS>

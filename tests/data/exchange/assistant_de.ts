<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>First</name>
    <message>
        <location filename="a.cpp" line="1"/>
        <source>Open &lt;b&gt;file&lt;/b&gt; &quot;now&quot; &amp; don&apos;t wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>First line
second line
third line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old text</source>
        <translation type="vanished">Alter Text</translation>
    </message>
</context>
<context>
    <name>Second</name>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Open &lt;b&gt;file&lt;/b&gt; &quot;now&quot; &amp; don&apos;t wait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source></source>
        <comment>Only a comment</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Usage: kvn</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden &amp; raus</translation>
    </message>
</context>
</TS>

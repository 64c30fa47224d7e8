<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="mainwindow.cpp" line="42"/>
        <source>&amp;Open File...</source>
        <translation>&amp;Datei öffnen..</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="57"/>
        <source>Save changes to %1?</source>
        <translation>Änderungen speichern ?</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="63"/>
        <source>The file could not be written. </source>
        <translation>Die Datei konnte nicht  geschrieben werden</translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="80"/>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="81"/>
        <source>Settings</source>
        <translation></translation>
    </message>
    <message numerus="yes">
        <location filename="mainwindow.cpp" line="95"/>
        <source>%n file(s) selected</source>
        <translation>
            <numerusform>%n Datei ausgewählt</numerusform>
            <numerusform>Dateien ausgewählt</numerusform>
        </translation>
    </message>
    <message>
        <location filename="mainwindow.cpp" line="120"/>
        <source>Visit (https://example.org/help</source>
        <translation>Siehe (https://example.org/hilfe)</translation>
    </message>
</context>
</TS>

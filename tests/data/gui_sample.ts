<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../app/mainwindow.cpp" line="10"/>
        <source>Open File</source>
        <translation>Datei öffnen</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="12"/>
        <source>Run  the checks ,now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="14"/>
        <source>Save (Ctrl+S)</source>
        <translation>Speichern (Strg+S</translation>
    </message>
    <message>
        <location filename="../app/mainwindow.cpp" line="16"/>
        <source>Use &amp;Print</source>
        <translation>&amp;Drucken verwenden.</translation>
    </message>
    <message numerus="yes">
        <location filename="../app/mainwindow.cpp" line="18"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
</context>
</TS>

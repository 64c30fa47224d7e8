<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Dialog</name>
    <message>
        <location filename="a.cpp" line="1"/>
        <source>Save </source>
        <translatorcomment>kvn-ignore: T4</translatorcomment>
        <translation>Speichern </translation>
    </message>
    <message numerus="yes">
        <location filename="a.cpp" line="2"/>
        <source>%n file(s)</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <location filename="a.cpp" line="3"/>
        <source>Close </source>
        <extracomment>kvn-ignore: S4.2 Q1</extracomment>
        <translation>Schließen </translation>
    </message>
    <bogus/>
</context>
</TS>

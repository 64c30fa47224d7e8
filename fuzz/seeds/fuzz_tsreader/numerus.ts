<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Numerus</name>
    <message numerus="yes">
        <location filename="files.cpp" line="1"/>
        <source>%n file(s) found</source>
        <translation>
            <numerusform>%n файл найден</numerusform>
            <numerusform>%n файла найдено</numerusform>
            <numerusform>%n файлов найдено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="files.cpp" line="2"/>
        <source>Deleted (some) items</source>
        <translation>
            <numerusform>one</numerusform>
            <numerusform>many %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="files.cpp" line="3"/>
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n x</numerusform>
            <numerusform>y</numerusform>
            <numerusform>z</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="files.cpp" line="4"/>
        <source>%n a(b)</source>
        <translation>
            <numerusform></numerusform>
            <numerusform>%n c</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n gone(s)</source>
        <translation type="vanished">
            <numerusform>%n g</numerusform>
            <numerusform>%n gg</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location filename="files.cpp" line="6"/>
        <source>%n (a) (b)</source>
        <translation>
            <numerusform>%n p</numerusform>
            <lengthvariant>bad</lengthvariant>
        </translation>
    </message>
</context>
</TS>

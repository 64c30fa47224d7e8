<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de"><dependencies><dependency catalog="qtbase_de"/></dependencies>
<context>
    <name>Dialog</name>
    <message>
        <location filename="a.cpp" line="1"/>
        <location filename="a.cpp" line="1"/>
        <location filename="b.cpp" line="+2"/>
        <location filename="c.cpp"/>
        <location filename="d.cpp" line="x7"/>
        <source></source>
        <comment>a comment</comment>
        <extracomment>an extra comment</extracomment>
        <translatorcomment>for translators</translatorcomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>first</source>
        <source>second</source>
        <translation>zweite</translation>
        <translation>noch eine</translation>
    </message>
    <message>
        <source>old type</source>
        <translation type="obsolete">alter Typ</translation>
    </message>
    <message>
        <source>not done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vanished</source>
        <translation type="vanished">weg</translation>
    </message>
    <message>
        <source>%n things</source>
        <translation>%n Dinge</translation>
    </message>
    <message>
        <source>no translation element</source>
    </message>
    <message>
        <source>with unknown</source>
        <oldsource>old</oldsource><oldcomment>c</oldcomment><userdata>u</userdata><extra-po-flags>c-format</extra-po-flags><bogus><inner>skipped</inner></bogus>
        <translation>mit Unbekanntem</translation>
    </message>
    <message>
        <source>variants one</source>
        <translation variants="yes">
            <lengthvariant>erste Variante</lengthvariant>
            <lengthvariant>zweite Variante</lengthvariant>
        </translation>
    </message>
    <message>
        <source>variants two</source>
        <translation variants="yes"><lengthvariant>noch eine Variante</lengthvariant></translation>
    </message>
</context>
<context>
    <name>Second</name>
    <message>
        <source>empty translation</source>
        <translation></translation>
    </message>
</context>
</TS>

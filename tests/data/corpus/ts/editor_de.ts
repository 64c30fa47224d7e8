<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Could not open %1: %2</source>
        <translation>%1 konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The file %1 has been changed.
Do you want to save it?</source>
        <translation>Die Datei %1 wurde geändert.
Möchten Sie sie speichern?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit.</translation>
    </message>
    <message>
        <source>Search the the document</source>
        <translation>Das Dokument durchsuchen</translation>
    </message>
    <message>
        <source>Replace all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Line %1, column %2</source>
        <translation>Zeile %1, Spalte %2</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau  </translation>
    </message>
</context>
<context>
    <name>FindDialog</name>
    <message numerus="yes">
        <source>%n match(es) found</source>
        <translation>
            <numerusform>%n Treffer gefunden</numerusform>
            <numerusform>%n Treffer gefunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Groß-/Kleinschreibung &amp;beachten</translation>
    </message>
    <message>
        <source>Whole &amp;words</source>
        <translation>Ganze &amp;Wörter</translation>
    </message>
    <message>
        <source>&lt;b&gt;Not found&lt;/b&gt;</source>
        <translation>&lt;b&gt;Nicht gefunden&lt;b&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Close</source>
        <comment>tab</comment>
        <translation>Schließen</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<TS version="2.1" language="fr">
<context>
<name>Main</name>
<message>
<location filename="main.cpp" line="3"/>
<source>Save</source>
<translation>Enregistrer</translation>
</message>
</context>
</TS>

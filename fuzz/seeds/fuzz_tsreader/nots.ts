<?xml version="1.0" encoding="utf-8"?>
<context>
    <name>NoRoot</name>
    <message>
        <source>outside</source>
        <translation>draußen</translation>
    </message>
</context>

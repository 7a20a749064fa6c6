<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>MainView</name>
    <message>
        <location filename="../qml/ui/MainView.qml" line="16"/>
        <source>Orvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

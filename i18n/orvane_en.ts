<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceStepView</name>
    <message>
        <location filename="../qml/ui/DeviceStepView.qml" line="103"/>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <location filename="../qml/ui/MainView.qml" line="16"/>
        <source>Orvane Tool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectDevicesView</name>
    <message>
        <location filename="../qml/ui/SelectDevicesView.qml" line="41"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/SelectDevicesView.qml" line="42"/>
        <source>You haven&apos;t select any devices!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/SelectDevicesView.qml" line="47"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/SelectDevicesView.qml" line="57"/>
        <source>Select devices:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/SelectDevicesView.qml" line="79"/>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkTextArea</name>
    <message>
        <location filename="../ZelkDesign/ZelkTextArea.qml" line="9"/>
        <source>Enter description</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>DeviceStepView</name>
    <message>
        <location filename="../qml/ui/DeviceStepView.qml" line="110"/>
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
    <name>UserFeedbackDialog</name>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="44"/>
        <source>User Feedback</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="56"/>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="57"/>
        <source>The file has been attached!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="62"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="70"/>
        <source>Choose files to attach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="83"/>
        <source>Do you have any suggestions or ideas back to us?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="94"/>
        <source>My email: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="107"/>
        <source>Industry:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="120"/>
        <source>Content:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="139"/>
        <source>Attachments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="143"/>
        <source>(&lt; 50M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="168"/>
        <source>Attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="217"/>
        <source>Add attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="228"/>
        <source>Remove selected attachments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserFeedbackDialog.qml" line="247"/>
        <source>Submit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserRateDialog</name>
    <message>
        <location filename="../qml/ui/UserRateDialog.qml" line="26"/>
        <source>Industry:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/UserRateDialog.qml" line="38"/>
        <source>Corvex User Evaluation: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkArrowNotation</name>
    <message>
        <location filename="../ZelkDesign/ZelkArrowNotation.qml" line="15"/>
        <source>Too Far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkArrowNotation.qml" line="16"/>
        <source>pull down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkChooseComboBox</name>
    <message>
        <location filename="../qml/ui/formTexts.js" line="6"/>
        <source>Automotive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/formTexts.js" line="7"/>
        <source>Agriculture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/formTexts.js" line="8"/>
        <source>Banking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/formTexts.js" line="9"/>
        <source>Computer Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/formTexts.js" line="10"/>
        <source>Education</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../qml/ui/formTexts.js" line="11"/>
        <source>Health</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkDialog</name>
    <message>
        <location filename="../ZelkDesign/ZelkDialog.qml" line="148"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkExpandableToolPanel</name>
    <message>
        <location filename="../ZelkDesign/ZelkExpandableToolPanel.qml" line="12"/>
        <source>Additional Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkExpandableToolPanel.qml" line="167"/>
        <source>Collapse</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkHSlider</name>
    <message>
        <location filename="../ZelkDesign/ZelkHSlider.qml" line="13"/>
        <source>Bright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkHSlider.qml" line="14"/>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkNotation</name>
    <message>
        <location filename="../ZelkDesign/ZelkNotation.qml" line="31"/>
        <source>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkRating</name>
    <message>
        <location filename="../ZelkDesign/ZelkRating.qml" line="30"/>
        <source>Rating %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkRectNotation</name>
    <message>
        <location filename="../ZelkDesign/ZelkRectNotation.qml" line="10"/>
        <source>Too Far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkRectNotation.qml" line="11"/>
        <source>pull down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ZelkStepBar</name>
    <message>
        <location filename="../ZelkDesign/ZelkStepBar.qml" line="101"/>
        <source>In Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkStepBar.qml" line="160"/>
        <source>Go back to %1</source>
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
<context>
    <name>ZelkVSlider</name>
    <message>
        <location filename="../ZelkDesign/ZelkVSlider.qml" line="14"/>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkVSlider.qml" line="15"/>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../ZelkDesign/ZelkVSlider.qml" line="16"/>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

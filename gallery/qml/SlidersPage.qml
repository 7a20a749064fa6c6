import QtQuick 2.9
import ZelkDesign 1.0

GalleryPage {
    description: qsTr("Sliders with captions and tick gauges, and the bare slider")

    Column {
        spacing: 16

        Card {
            id: hSliderCard
            title: "ZelkHSlider"
            note: "captions and gauge"
            width: 732
            demoHeight: 90

            ZelkHSlider {
                id: hSlider
                anchors.centerIn: parent
                width: 700
            gaugeValueVisible: true
                onMoved: hSliderCard.log("moved(), value:", value.toFixed(2))
            }

            editors: [
                RangeEditor { label: "value"; from: hSlider.from; to: hSlider.to; stepSize: hSlider.stepSize; value: hSlider.value; onMoved: hSlider.value = value },
                RangeEditor { label: "stepSize"; from: 0.05; to: 0.25; stepSize: 0.05; value: hSlider.stepSize; onMoved: hSlider.stepSize = value },
                BoolEditor { text: "labelVisible"; checked: hSlider.labelVisible; onToggled: hSlider.labelVisible = checked },
                BoolEditor { text: "gaugeVisible"; checked: hSlider.gaugeVisible; onToggled: hSlider.gaugeVisible = checked },
                BoolEditor { text: "gaugeValueVisible"; checked: hSlider.gaugeValueVisible; onToggled: hSlider.gaugeValueVisible = checked },
                BoolEditor { text: "enabled"; checked: hSlider.enabled; onToggled: hSlider.enabled = checked }
            ]
        }

        Card {
            id: pureSliderCard
            title: "ZelkHPureSlider"
            note: "Slider, no captions"
            width: 732
            demoHeight: 50

            ZelkHPureSlider {
                id: pureSlider
                anchors.centerIn: parent
                width: 560
                value: 0.3
                onMoved: pureSliderCard.log("moved(), value:", value.toFixed(2))
            }

            editors: [
                RangeEditor { label: "handleRadius"; from: 8; to: 20; stepSize: 1; value: pureSlider.handleRadius; onMoved: pureSlider.handleRadius = value },
                RangeEditor { label: "groove radius"; from: 2; to: 10; stepSize: 1; value: pureSlider.backgroundRadius; onMoved: pureSlider.backgroundRadius = value },
                BoolEditor { text: "enabled"; checked: pureSlider.enabled; onToggled: pureSlider.enabled = checked }
            ]
        }
    }

    Card {
        id: vSliderCard
        title: "ZelkVSlider"
        note: "lowest value on top"
        width: 274
        demoHeight: 484

        ZelkVSlider {
            id: vSlider
            anchors.centerIn: parent
            onValueChanged: vSliderCard.log("value:", value.toFixed(1), unit)
        }

        editors: [
            TextEditor { label: "unit"; fieldWidth: 120; text: vSlider.unit; onTextEdited: vSlider.unit = text },
            BoolEditor { text: "enabled"; checked: vSlider.enabled; onToggled: vSlider.enabled = checked }
        ]
    }
}

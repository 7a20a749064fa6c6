import QtQuick 2.9
import QtQuick.Controls 2.2
import "."

Label {
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    color: ZelkDesign.textColor
}

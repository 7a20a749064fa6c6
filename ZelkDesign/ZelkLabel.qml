import QtQuick 2.9
import "."
import "private"

PlainLabel {
    font.family: ZelkDesign.fontFamily
    font.pixelSize: 20
    color: ZelkDesign.textColor
}

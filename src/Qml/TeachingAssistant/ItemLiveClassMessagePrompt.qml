import QtQuick 2.12
import "../CustomItem"

// A local notice: its text and time.
Item {
    property real unit: 12
    property string text: ""
    property string messageTime: ""

    height: unit * 2.4

    StandardText {
        x: parent.unit / 2
        anchors.verticalCenter: parent.verticalCenter
        font.pointSize: 9
        color: "#252729"
        text: parent.text
    }
    StandardText {
        anchors.right: parent.right
        anchors.rightMargin: parent.unit / 2
        anchors.verticalCenter: parent.verticalCenter
        font.pointSize: 8
        color: "#98A4AF"
        text: parent.messageTime
    }
}

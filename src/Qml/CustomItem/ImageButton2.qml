import QtQuick 2.12

// A picture with a centred label that changes picture while hovered or pressed.
// Without a set size it fits the text plus the paddings.
Image {
    id: root

    property string normalSource
    property string pressSource
    property string hoverSource
    property string text
    property int textFontSize: 10
    property color textColor: "#252729"
    property real imgWidth: 0
    property real imgHeight: 0
    property real horPadding: 10
    property real verPadding: 10

    signal itemClicked()

    source: area.pressed && pressSource !== "" ? pressSource
          : area.containsMouse && hoverSource !== "" ? hoverSource
          : normalSource
    width: imgWidth > 0 ? imgWidth : label.implicitWidth + 2 * horPadding
    height: imgHeight > 0 ? imgHeight : label.implicitHeight + 2 * verPadding
    smooth: true

    StandardText {
        id: label
        anchors.centerIn: parent
        text: root.text
        color: root.textColor
        font.pointSize: root.textFontSize
    }

    ClickArea {
        id: area
        onClicked: root.itemClicked()
    }
}

import QtQuick 2.12

// A text button sized in units of its text height unless a size is set.
Rectangle {
    id: root

    property string text
    property int textFontSize: 10
    property real horRatioPadding: 2
    property real verRatioPadding: 1
    property color textColor: "#252729"
    property string hoverColor: ""
    property string borderColor: ""
    property int borderWidth: borderColor !== "" ? 1 : 0
    property real setWidth: 0
    property real setHeight: 0
    property color bgColor: "white"

    signal itemClicked()

    implicitWidth: setWidth > 0 ? setWidth : label.implicitWidth + label.implicitHeight * horRatioPadding
    implicitHeight: setHeight > 0 ? setHeight : label.implicitHeight * (1 + verRatioPadding)
    radius: 0.4 * label.implicitHeight
    color: area.containsMouse && hoverColor !== "" ? hoverColor : bgColor
    border.color: borderColor !== "" ? borderColor : "transparent"
    border.width: borderWidth

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

import QtQuick 2.12

// A centred picture on a coloured background; the focus picture while focused.
Rectangle {
    id: root

    property string normalSource
    property string focusSrouce
    property bool isFocus: false
    property string hoverColor: ""
    property color bgColor: "white"
    property string focusColor: ""
    property real imgWidth: 0
    property real imgHeight: 0

    signal itemClicked()

    color: area.containsMouse && hoverColor !== "" ? hoverColor
         : isFocus && focusColor !== "" ? focusColor
         : bgColor

    Image {
        anchors.centerIn: parent
        source: root.isFocus && root.focusSrouce !== "" ? root.focusSrouce : root.normalSource
        width: root.imgWidth > 0 ? root.imgWidth : implicitWidth
        height: root.imgHeight > 0 ? root.imgHeight : implicitHeight
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }

    ClickArea {
        id: area
        onClicked: root.itemClicked()
    }
}

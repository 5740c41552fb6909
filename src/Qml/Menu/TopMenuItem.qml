import QtQuick 2.12

// A tool of the top menu: its icon in a rounded box, its name under it.
TopMenuItemBase {
    id: item

    width: Math.max(iconBox.width, label.implicitWidth) + unit / 2
    height: iconBox.height + label.implicitHeight + unit / 2

    Rectangle {
        id: iconBox
        anchors.horizontalCenter: parent.horizontalCenter
        y: unit / 4
        width: 1.8 * unit
        height: width
        radius: 4
        color: item.highlighted ? "#30000000" : "white"

        Image {
            anchors.fill: parent
            anchors.margins: parent.width * 0.1
            source: item.icon
            fillMode: Image.PreserveAspectFit
            smooth: true
        }
    }

    Text {
        id: label
        anchors.top: iconBox.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        font.pointSize: 9
        color: "#252729"
        text: item.text
    }
}

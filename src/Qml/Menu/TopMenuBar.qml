import QtQuick 2.12

// The title band over a group of the top menu.
Rectangle {
    property alias text: title.text
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0 ? normalTextHeight : 12

    implicitWidth: title.implicitWidth + unit
    height: title.implicitHeight + unit / 2
    color: "#E7EAEF"

    Text {
        id: title
        anchors.centerIn: parent
        font.bold: true
        font.pointSize: 12
        color: "#252729"
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 0.5
        color: "#7FC0C4CC"
    }
}

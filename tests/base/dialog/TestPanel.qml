import QtQuick 2.15

// A panel like the classroom dialogs': it reports its size to the dialog
// whenever its root item changes size.
Rectangle {
    id: root
    objectName: "panel"
    width: 240
    height: 120
    color: "white"
    onWidthChanged: testDialog.contentSizeChange(width, height)
    onHeightChanged: testDialog.contentSizeChange(width, height)
    Component.onCompleted: testDialog.contentSizeChange(width, height)

    Text {
        anchors.top: parent.top
        anchors.topMargin: 10
        anchors.horizontalCenter: parent.horizontalCenter
        text: "抢答"
        font.family: "SimSun"
        font.pixelSize: 18
    }

    Rectangle {
        objectName: "button"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 12
        anchors.horizontalCenter: parent.horizontalCenter
        width: 120
        height: 32
        radius: 4
        color: "#3A78E6"
        Text {
            anchors.centerIn: parent
            text: "开始"
            color: "white"
            font.family: "SimSun"
            font.pixelSize: 14
        }
    }
}

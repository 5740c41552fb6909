import QtQuick 2.12
import "../CustomItem"

// A notice in the students' message list: icon, name and what happened, the
// time and "查看 >". The raised-hand and private-message notices set it up.
Rectangle {
    id: tip

    property real unit: 12
    property url icon
    property string userName: ""
    property string action: ""
    property color actionColor: "#3A78E6"
    property string messageTime: ""
    signal viewClicked()

    height: unit * 3.2
    color: "white"

    Image {
        id: tipIcon
        x: tip.unit / 2
        anchors.verticalCenter: parent.verticalCenter
        width: tip.unit * 1.6
        height: width
        source: tip.icon
    }
    Column {
        anchors.left: tipIcon.right
        anchors.leftMargin: tip.unit / 2
        anchors.right: more.left
        anchors.verticalCenter: parent.verticalCenter
        Row {
            StandardText {
                objectName: "tipName"
                font.pointSize: 9
                color: "#252729"
                text: tip.userName
            }
            StandardText {
                objectName: "tipAction"
                font.pointSize: 9
                color: tip.actionColor
                text: tip.action
            }
        }
        StandardText {
            font.pointSize: 8
            color: "#98A4AF"
            text: tip.messageTime
        }
    }
    StandardText {
        id: more
        anchors.right: parent.right
        anchors.rightMargin: tip.unit / 2
        anchors.verticalCenter: parent.verticalCenter
        font.pointSize: 9
        color: "#3A78E6"
        text: "查看 >"
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: "#ececec"
    }
    MouseArea {
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        onClicked: tip.viewClicked()
    }
}

import QtQuick 2.12
import "../CustomItem"

// The class discussion. WX-class courses type into it; elsewhere the teacher
// only switches the students' free talk.
Item {
    id: view

    property real unit: 12
    property string teacherUserID: ""
    property bool isWxClassCourse: false
    property bool freeTalkOn: true
    readonly property int count: messages.count

    function addMessage(json) {
        messages.add(json)
    }

    MessageList {
        id: messages
        objectName: "publicMessages"
        anchors.top: parent.top
        anchors.bottom: bottomBar.top
        width: parent.width
        unit: view.unit
        teacherUserID: view.teacherUserID
    }

    Item {
        id: bottomBar
        anchors.bottom: parent.bottom
        width: parent.width
        height: view.unit * 3

        MessageInput {
            id: input
            objectName: "publicInput"
            visible: view.isWxClassCourse
            anchors.centerIn: parent
            width: parent.width - view.unit
            unit: view.unit
            onSend: {
                if (text.trim().length === 0)
                    return
                teachingAssistantObject.sendPublicMessage(text)
                input.text = ""
                input.takeFocus()
            }
        }

        Rectangle {
            objectName: "freeTalkButton"
            visible: !view.isWxClassCourse
            anchors.centerIn: parent
            width: freeTalkRow.width + view.unit * 2
            height: view.unit * 2.2
            radius: height / 2
            color: "#E7EAEF"

            Row {
                id: freeTalkRow
                anchors.centerIn: parent
                spacing: view.unit / 3
                Image {
                    width: view.unit * 1.3
                    height: width
                    anchors.verticalCenter: parent.verticalCenter
                    source: view.freeTalkOn ? "/res/live_state/icon_voice_mute.png"
                                            : "/res/live_state/icon_voice_unmute.png"
                }
                StandardText {
                    objectName: "freeTalkText"
                    anchors.verticalCenter: parent.verticalCenter
                    font.pointSize: 9
                    color: "#252729"
                    text: view.freeTalkOn ? "禁止发言" : "自由发言"
                }
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    view.freeTalkOn = !view.freeTalkOn
                    teachingAssistantObject.freetalkButtonClicked(view.freeTalkOn)
                }
            }
        }
    }
}

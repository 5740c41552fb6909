import QtQuick 2.12
import "../CustomItem"

// One student's conversation; slides in from the right over the notices.
Rectangle {
    id: conversation

    property real unit: 12
    property string teacherUserID: ""
    property string userID: ""
    property string userName: ""
    property bool opened: false
    readonly property var phrases: ["做的非常好。很聪明。", "课后我再作答。", "很难的问题，非常好。我想想。",
                                     "不错。我转到课上讨论一下。", "很好。这个问题过几分钟会讲到。"]
    readonly property int count: messages.count

    function open(json) {
        userID = String(json.userID)
        userName = json.userName || ""
        teachingAssistantObject.setCurrentPrivateMessageUserID(Number(userID))
        messages.clear()
        var list = json.messages || []
        for (var i = 0; i < list.length; ++i)
            messages.add(list[i])
        opened = true
    }
    function close() {
        opened = false
        userID = ""
        phraseList.visible = false
        teachingAssistantObject.setCurrentPrivateMessageUserID(0)
    }
    function add(json) {
        messages.add(json)
    }

    color: "white"
    x: opened ? 0 : width
    visible: x < width
    Behavior on x { NumberAnimation { duration: 500 } }

    Item {
        id: titleBar
        width: parent.width
        height: conversation.unit * 2.4

        StandardText {
            objectName: "backButton"
            x: conversation.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            font.pointSize: 9
            color: "#3A78E6"
            text: "< 返回"
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: conversation.close()
            }
        }
        StandardText {
            anchors.centerIn: parent
            font.pointSize: 10
            color: "#252729"
            text: conversation.userName
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: "#ececec"
        }
    }

    MessageList {
        id: messages
        objectName: "conversationMessages"
        anchors.top: titleBar.bottom
        anchors.bottom: phraseButton.top
        width: parent.width
        unit: conversation.unit
        teacherUserID: conversation.teacherUserID
        emptyText: ""
    }

    StandardText {
        id: phraseButton
        objectName: "phraseButton"
        x: conversation.unit / 2
        anchors.bottom: input.top
        anchors.bottomMargin: conversation.unit / 3
        font.pointSize: 9
        color: "#3A78E6"
        text: "常用语"
        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: phraseList.visible = !phraseList.visible
        }
    }

    Rectangle {
        id: phraseList
        objectName: "phraseList"
        visible: false
        anchors.bottom: phraseButton.top
        x: conversation.unit / 2
        width: parent.width - conversation.unit
        height: phraseColumn.height
        color: "white"
        border.color: "#ececec"
        z: 1

        Column {
            id: phraseColumn
            width: parent.width
            Repeater {
                model: conversation.phrases
                StandardText {
                    width: phraseColumn.width
                    height: conversation.unit * 2
                    leftPadding: conversation.unit / 2
                    verticalAlignment: Text.AlignVCenter
                    font.pointSize: 9
                    color: "#252729"
                    text: modelData
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            input.text = modelData
                            phraseList.visible = false
                        }
                    }
                }
            }
        }
    }

    MessageInput {
        id: input
        objectName: "privateInput"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: conversation.unit / 2
        x: conversation.unit / 2
        width: parent.width - conversation.unit
        unit: conversation.unit
        onSend: {
            var trimmed = text.trim()
            if (trimmed.length === 0)
                return
            teachingAssistantObject.sendPrivateMessage(Number(conversation.userID), trimmed)
            input.text = ""
            input.takeFocus()
        }
    }
}

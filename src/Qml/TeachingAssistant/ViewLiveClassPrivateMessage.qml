import QtQuick 2.12
import "../CustomItem"

// Raised hands and students' private messages, and the conversation with one
// student over them.
Item {
    id: view

    property real unit: 12
    property string teacherUserID: ""
    readonly property int noticeCount: notices.count
    readonly property string conversationUserID: conversation.opened ? conversation.userID : ""
    readonly property alias conversation: conversation

    function addRaiseHand(json) {
        notices.append({ "kind": "hand", "userID": String(json.userID), "userName": json.userName || "",
                         "messageTime": json.messageTime || "" })
    }
    function addPrivateMessage(json) {
        var fromTeacher = String(json.userID) === view.teacherUserID
        if (!fromTeacher)
            notices.append({ "kind": "message", "userID": String(json.userID), "userName": json.userName || "",
                             "messageTime": json.messageTime || "" })
        if (fromTeacher || (conversation.opened && String(json.userID) === conversation.userID))
            conversation.add(json)
    }
    function openConversation(json) {
        tabs.focusValue = 1
        conversation.open(json)
    }

    ListModel { id: notices }

    TabHeader1 {
        id: tabs
        width: parent.width
        focusValue: 1
        focusColor: "white"
        normalColor: "#E7EAEF"
        model: [{ "text": "来自学生的消息", "value": 1 }, { "text": "本地消息", "value": 2 }]
    }

    Item {
        anchors.top: tabs.bottom
        anchors.bottom: parent.bottom
        width: parent.width

        ListView {
            id: noticeView
            objectName: "notices"
            anchors.fill: parent
            visible: tabs.focusValue === 1
            clip: true
            model: notices
            delegate: Loader {
                width: noticeView.width
                sourceComponent: model.kind === "hand" ? handTip : messageTip
                property var notice: model
            }
        }
        StandardText {
            anchors.centerIn: parent
            visible: tabs.focusValue === 1 && notices.count === 0
            font.pointSize: 9
            color: "#98A4AF"
            text: "暂无来自学生的消息"
        }
        // Nothing adds local notices.
        StandardText {
            anchors.centerIn: parent
            visible: tabs.focusValue === 2
            font.pointSize: 9
            color: "#98A4AF"
            text: "暂无本地消息"
        }
    }

    Component {
        id: handTip
        ItemLiveClassMessageTipsRaiseHand {
            unit: view.unit
            userID: parent.notice.userID
            userName: parent.notice.userName
            messageTime: parent.notice.messageTime
        }
    }
    Component {
        id: messageTip
        ItemLiveClassMessageTipsPrivateMessage {
            unit: view.unit
            userID: parent.notice.userID
            userName: parent.notice.userName
            messageTime: parent.notice.messageTime
        }
    }

    SubViewLiveClassPrivateMessageToOne {
        id: conversation
        objectName: "conversation"
        width: parent.width
        height: parent.height
        unit: view.unit
        teacherUserID: view.teacherUserID
    }
}

import QtQuick 2.12

// A student's private message: "查看" opens the conversation.
ItemLiveClassMessageTips {
    property string userID: ""

    icon: "/res/live_menu/private_message_icon.png"
    action: "发来一条消息"
    actionColor: "#3A78E6"
    onViewClicked: teachingAssistantObject.goToPrivateMessageToOne(Number(userID))
}

import QtQuick 2.12

// A raised hand: "查看" opens the student's popover.
ItemLiveClassMessageTips {
    property string userID: ""

    icon: "/res/live_menu/raise_hand_icon.png"
    action: "正在举手"
    actionColor: "#ff6321"
    onViewClicked: videoWindow.studentIconClicked(Number(userID))
}

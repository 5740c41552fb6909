import QtQuick 2.12

// The class group at the end of the top menu: free talk, leaving the class,
// recording with its time, and the teacher's camera in full screen. Its
// title "课堂设置" is hidden. "退出课堂" stays usable while the menu is frozen.
Item {
    id: group

    property var menuObject: null
    property bool frozen: false
    property bool freeTalkOn: true
    property bool isRecording: false
    property int recordTimeSec: 0
    property bool cameraButtonVisible: true
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0 ? normalTextHeight : 12
    readonly property var window: typeof videoWindow !== "undefined" ? videoWindow : null

    implicitWidth: buttons.width + unit

    // "mm:ss", minutes truncated.
    function recordTimeText(seconds) {
        var minutes = Math.floor(seconds / 60)
        var rest = seconds % 60
        return (minutes < 10 ? "0" : "") + minutes + ":" + (rest < 10 ? "0" : "") + rest
    }

    TopMenuBar {
        text: "课堂设置"
        visible: false
    }

    Row {
        id: buttons
        anchors.verticalCenter: parent.verticalCenter
        x: group.unit / 2
        spacing: group.unit / 2

        TopMenuItemBig {
            objectName: "freeTalkItem"
            enabled: !group.frozen
            text: group.freeTalkOn ? "切换至禁言模式" : "解除禁言模式"
            icon: group.freeTalkOn ? "qrc:/res/live_menu/free_talk_enable.png" : "qrc:/res/live_menu/free_talk_disable.png"
            onClicked: {
                if (group.menuObject)
                    group.menuObject.freeTalkSwitchButtonClicked(group.freeTalkOn)
                group.freeTalkOn = !group.freeTalkOn
            }
        }

        Column {
            spacing: group.unit / 2

            Rectangle {
                objectName: "exitClassButton"
                width: 6 * group.unit
                height: 2.4 * group.unit
                radius: 4
                color: "#3A78E6"

                Row {
                    anchors.centerIn: parent
                    spacing: group.unit / 4
                    Image {
                        width: 1.4 * group.unit
                        height: width
                        anchors.verticalCenter: parent.verticalCenter
                        source: "qrc:/res/live_menu/exit_class.png"
                    }
                    Text {
                        anchors.verticalCenter: parent.verticalCenter
                        color: "white"
                        font.pointSize: 10
                        text: "退出课堂"
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: if (group.menuObject) group.menuObject.exitClassButtonClicked()
                }
            }

            Rectangle {
                objectName: "recordButton"
                width: 6 * group.unit
                height: 2.4 * group.unit
                radius: 4
                color: "#FFD8DA"
                enabled: !group.frozen
                opacity: enabled ? 1 : 0.4

                Text {
                    objectName: "recordText"
                    anchors.centerIn: parent
                    color: "#F5222D"
                    font.pointSize: 10
                    text: group.recordTimeText(group.recordTimeSec) + " " + (group.isRecording ? "停止录像" : "开始录像")
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        var operation = group.isRecording ? "stopRecordVideo" : "startRecordVideo"
                        if (group.window && typeof group.window[operation] === "function")
                            group.window[operation]()
                    }
                }
            }
        }

        Rectangle {
            objectName: "cameraFullScreenButton"
            visible: group.cameraButtonVisible
            enabled: !group.frozen
            opacity: enabled ? 1 : 0.4
            width: 5 * group.unit
            height: 5.3 * group.unit
            radius: 4
            color: "white"

            Text {
                anchors.centerIn: parent
                horizontalAlignment: Text.AlignHCenter
                font.pointSize: 9
                color: "#252729"
                text: "进入摄像\n全屏模式"
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    if (group.menuObject)
                        group.menuObject.fullScreenVideoButtonClicked()
                    if (group.window && typeof group.window.switchCameraFullScreen === "function")
                        group.window.switchCameraFullScreen()
                }
            }
        }
    }
}

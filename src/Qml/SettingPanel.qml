import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The settings page: "通用设置" (the switches of the settings object and the
// cache) and "我的信息" (the signed-in user). A click outside the box closes
// it. The cache row shows what theMainWindow reports of its calculation or
// removal.
OverlayPage {
    id: root

    property real unit: 12
    property var mainUser: ({})

    // The last cache report: its size text and whether its run had ended.
    property string cacheSizeText: ""
    property bool cacheReady: false

    readonly property real textHeight: line.height

    boxWidth: 40 * textHeight
    boxHeight: 30 * textHeight

    function userField(key) {
        var value = root.mainUser ? root.mainUser[key] : undefined
        return value === undefined || value === null ? "" : String(value)
    }

    // A finished calculation stays until a class has run; the window decides.
    onVisibleChanged: {
        if (visible)
            theMainWindow.getCacheSize()
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: 9
    }

    Connections {
        target: theMainWindow

        function onUpdateCacheSize_signal(curFloderPath, size, isEnd) {
            root.cacheSizeText = size
            root.cacheReady = isEnd
        }
    }

    StandardText {
        id: title
        x: 2 * root.textHeight
        y: 1.5 * root.textHeight
        text: "设置"
        color: "#252729"
        font.pointSize: 13
        font.bold: true
    }

    Rectangle {
        id: titleLine
        anchors.top: title.bottom
        anchors.topMargin: root.textHeight
        width: parent.width
        height: 1
        color: "#ececec"
    }

    // The tabs on the left, with the focus bar sliding to the chosen one.
    Item {
        id: tabs
        objectName: "settingTabs"
        property int current: 0

        anchors.top: titleLine.bottom
        anchors.bottom: parent.bottom
        width: 9 * root.textHeight

        Rectangle {
            anchors.right: parent.right
            width: 1
            height: parent.height
            color: "#ececec"
        }

        Rectangle {
            objectName: "focusBar"
            x: 0
            y: root.textHeight + tabs.current * 3 * root.textHeight
            width: 0.3 * root.textHeight
            height: 3 * root.textHeight
            color: "#3A78E6"

            Behavior on y {
                NumberAnimation { duration: 100 }
            }
        }

        Repeater {
            model: [ { name: "tabGeneral", text: "通用设置" }, { name: "tabMine", text: "我的信息" } ]

            Item {
                objectName: modelData.name
                y: root.textHeight + index * height
                width: tabs.width
                height: 3 * root.textHeight

                StandardText {
                    anchors.centerIn: parent
                    text: modelData.text
                    color: tabs.current === index ? "#3A78E6" : "#252729"
                    font.pointSize: 10
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: tabs.current = index
                }
            }
        }
    }

    Item {
        id: content
        anchors.left: tabs.right
        anchors.leftMargin: 2 * root.textHeight
        anchors.right: parent.right
        anchors.rightMargin: 2 * root.textHeight
        anchors.top: titleLine.bottom
        anchors.topMargin: 1.5 * root.textHeight
        anchors.bottom: parent.bottom

        Column {
            id: general
            objectName: "generalPage"
            width: parent.width
            spacing: 1.5 * root.textHeight
            visible: tabs.current === 0

            Repeater {
                model: [
                    { name: "autoRecordRow", text: "自动录屏",
                      tip: "进入课堂后自动开始录屏, 仅本地有效, 卸载后失效" },
                    { name: "nativeRenderRow", text: "文字兼容",
                      tip: "采用更原始的文字渲染方式, 避免部分机型上文字显示异常" },
                    { name: "videoRenderRow", text: "低速视频渲染",
                      tip: "部分机型由于兼容性问题，学生/老师头像呈现黑屏状态，开启后可以解决部分头像渲染问题，请在技术人员指导下开启" }
                ]

                Item {
                    id: row
                    objectName: modelData.name
                    width: general.width
                    height: label.height + tip.anchors.topMargin + tip.height

                    function isOn() {
                        switch (index) {
                        case 0: return config.autoRecord
                        case 1: return config.renderNative
                        default: return config.getValue("video_widget_render_type") === "1"
                        }
                    }

                    // A change the settings file cannot take is not made:
                    // the switch goes back to the stored value and says so.
                    function switchTo(on) {
                        var saved
                        switch (index) {
                        case 0:
                            saved = config.switchAutoRecord(on)
                            break
                        case 1:
                            saved = config.switchNativeRender(on)
                            // This row follows at once; the other texts
                            // when they are next created.
                            if (saved && on) {
                                label.renderType = Text.NativeRendering
                                tip.renderType = Text.NativeRendering
                            }
                            break
                        default:
                            saved = config.setValue("video_widget_render_type", on ? "1" : "0")
                        }
                        if (!saved) {
                            toggle.state = row.isOn() ? "right" : "left"
                            theMainWindow.toast("设置保存失败")
                        }
                    }

                    StandardText {
                        id: label
                        objectName: "label"
                        anchors.verticalCenter: toggle.verticalCenter
                        text: modelData.text
                        color: "#252729"
                        font.pointSize: 10
                    }

                    ToggleButton {
                        id: toggle
                        objectName: "switch"
                        anchors.right: parent.right
                        width: 3 * root.textHeight
                        height: 1.5 * root.textHeight
                        // Taken from the settings once, when the page is made.
                        Component.onCompleted: state = row.isOn() ? "right" : "left"
                        onToggleLeft: row.switchTo(false)
                        onToggleRight: row.switchTo(true)
                    }

                    StandardText {
                        id: tip
                        objectName: "tip"
                        anchors.top: toggle.bottom
                        anchors.topMargin: root.textHeight / 2
                        width: parent.width - toggle.width - 2 * root.textHeight
                        text: modelData.tip
                        wrapMode: Text.Wrap
                        color: "#999999"
                        font.pointSize: 9
                    }
                }
            }

            Item {
                objectName: "cacheRow"
                width: general.width
                height: cacheButton.height

                StandardText {
                    id: cacheLabel
                    anchors.verticalCenter: parent.verticalCenter
                    text: "缓存"
                    color: "#252729"
                    font.pointSize: 10
                }

                StandardText {
                    objectName: "cacheSize"
                    anchors.left: cacheLabel.right
                    anchors.leftMargin: root.textHeight
                    anchors.verticalCenter: parent.verticalCenter
                    text: root.cacheSizeText
                    color: "#999999"
                    font.pointSize: 9
                }

                CustomButton {
                    id: cacheButton
                    objectName: "cacheButton"
                    anchors.right: parent.right
                    width: 6 * root.textHeight
                    height: 2 * root.textHeight
                    radius: 4
                    fontSize: 9
                    text: root.cacheReady ? "清除缓存" : "计算中"
                    bgColor: root.cacheReady ? "#3A78E6" : "#999999"
                    onBtnClicked: {
                        if (root.cacheReady)
                            theMainWindow.removeCache()
                    }
                }
            }
        }

        Column {
            id: mine
            objectName: "minePage"
            width: parent.width
            spacing: root.textHeight
            visible: tabs.current === 1

            // A pale ring keeps a light picture apart from the white box.
            Rectangle {
                width: 5 * root.textHeight
                height: width
                radius: width / 2
                color: "#E3ECFB"

                CircleImage {
                    objectName: "userImage"
                    anchors.centerIn: parent
                    width: parent.width - 4
                    height: width
                    img_src: root.userField("imageServerPath") !== "" ? root.userField("imageServerPath")
                                                                      : "qrc:/res/defaultUser.png"
                }
            }

            Repeater {
                model: [
                    { name: "infoUserID", label: "ID", key: "userID" },
                    { name: "infoUserName", label: "昵称", key: "userName" },
                    { name: "infoMobilePhone", label: "手机号", key: "mobilePhone" }
                ]

                Item {
                    width: mine.width
                    height: 3 * root.textHeight

                    StandardText {
                        anchors.verticalCenter: parent.verticalCenter
                        text: modelData.label
                        color: "#999999"
                        font.pointSize: 10
                    }

                    StandardText {
                        objectName: modelData.name
                        x: 6 * root.textHeight
                        width: parent.width - x
                        anchors.verticalCenter: parent.verticalCenter
                        elide: Text.ElideRight
                        text: root.userField(modelData.key)
                        color: "#252729"
                        font.pointSize: 10
                    }

                    Rectangle {
                        anchors.bottom: parent.bottom
                        width: parent.width
                        height: 1
                        color: "#ececd0"
                    }
                }
            }
        }
    }
}

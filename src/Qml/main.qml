import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The main window's pages: the left bar and the course page, and over them
// the sign-in page, the loading overlay and the download blocker. What they
// show comes from theMainWindow; this file only places and switches them.
Rectangle {
    id: root

    // Sizes are multiples of the width of "课" at 9 pt.
    readonly property real unit: unitMetrics.advanceWidth("课")
    property var mainUser: ({})
    property bool upgradeOffered: false

    width: 1000
    height: 600
    color: "#F4F7FC"

    FontMetrics {
        id: unitMetrics
        font.family: "SimSun"
        font.pointSize: 9
    }

    function toggleMenu() {
        menuPanel.visible = !menuPanel.visible
    }

    Rectangle {
        id: leftBar
        objectName: "leftBar"
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 10 * root.unit
        color: "#3A78E6"

        Column {
            anchors.top: parent.top
            anchors.topMargin: 3 * root.unit
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width - 2 * root.unit
            spacing: root.unit

            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 5.5 * root.unit
                height: width
                radius: width / 2
                color: "#FFFFFF"

                CircleImage {
                    id: avatar
                    objectName: "avatar"
                    anchors.centerIn: parent
                    width: parent.width - 4
                    height: width
                    img_src: "qrc:/res/defaultUser.png"
                }
            }

            StandardText {
                id: userName
                objectName: "userName"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                elide: Text.ElideRight
                text: "未登录"
                color: "#FFFFFF"
                font.pointSize: 11
                font.bold: true
            }

            // "organisation: roles" on one line when it fits; else the
            // organisation (elided) on the first line and the roles on the
            // second, so that a long name never pushes the roles out and no
            // word is broken.
            Column {
                id: orgLine
                objectName: "orgLine"
                property string orgName: ""
                property string roleName: ""
                readonly property string text: orgName === "" ? "" : orgName + ": " + roleName
                readonly property bool oneLine: orgMetrics.advanceWidth <= width

                width: parent.width

                TextMetrics {
                    id: orgMetrics
                    font: orgNameLine.font
                    text: orgLine.text
                }

                StandardText {
                    id: orgNameLine
                    objectName: "orgNameLine"
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: orgLine.oneLine ? orgLine.text : orgLine.orgName + ":"
                    color: "#D8E4FA"
                    font.pointSize: 9
                }

                StandardText {
                    objectName: "roleLine"
                    width: parent.width
                    visible: !orgLine.oneLine
                    horizontalAlignment: Text.AlignHCenter
                    elide: Text.ElideRight
                    text: orgLine.roleName
                    color: "#D8E4FA"
                    font: orgNameLine.font
                }
            }
        }

        Item {
            id: moreEntry
            objectName: "moreEntry"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 2 * root.unit
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width
            height: moreColumn.height

            Column {
                id: moreColumn
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: root.unit / 3

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 2 * root.unit
                    height: width
                    source: "qrc:/res/live_menu/menu_nav.png"
                    smooth: true
                    mipmap: true

                    Rectangle {
                        objectName: "upgradeDot"
                        anchors.right: parent.right
                        anchors.top: parent.top
                        anchors.rightMargin: -width / 2
                        width: root.unit / 2
                        height: width
                        radius: width / 2
                        color: "#F9524B"
                        visible: root.upgradeOffered
                    }
                }

                StandardText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "更多"
                    color: "#FFFFFF"
                    font.pointSize: 9
                }
            }

            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: root.toggleMenu()
            }
        }
    }

    CoursePage {
        id: coursePage
        objectName: "coursePage"
        anchors.left: leftBar.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        unit: root.unit
        onLoadingRequested: {
            loadingItem.loadingTextStr = text
            loadingItem.visible = true
        }
    }

    // Overlays, bottom to top: menu, sign-in, loading, about, upgrade,
    // settings, organisation choice, download blocker.
    MenuPanel {
        id: menuPanel
        objectName: "menuPanel"
        anchors.fill: parent
        visible: false
        unit: root.unit
        barWidth: leftBar.width
        upgradeOffered: root.upgradeOffered
        onSettingsRequested: settingPanel.visible = true
        onRoleChangeRequested: roleSelectItem.openForChange()
        onAboutRequested: aboutItem.visible = true
        onUpgradeRequested: upgradeItem.visible = true
        onLogoutRequested: {
            theMainWindow.logout()
            coursePage.cleanCourses()
        }
    }

    LoginWindow {
        id: loginItem
        objectName: "loginItem"
        anchors.fill: parent
        unit: root.unit
        onLoginStarted: {
            loadingItem.loadingTextStr = "登录中..."
            loadingItem.visible = true
        }
    }

    LoadingPage {
        id: loadingItem
        objectName: "loadingItem"
    }

    AboutWindows {
        id: aboutItem
        objectName: "aboutItem"
        anchors.fill: parent
        visible: false
        unit: root.unit
    }

    UpgradeWindows {
        id: upgradeItem
        objectName: "upgradeItem"
        anchors.fill: parent
        visible: false
        unit: root.unit
    }

    SettingPanel {
        id: settingPanel
        objectName: "settingPanel"
        anchors.fill: parent
        visible: false
        unit: root.unit
        mainUser: root.mainUser
    }

    RoleSelect {
        id: roleSelectItem
        objectName: "roleSelectItem"
        anchors.fill: parent
        visible: false
        unit: root.unit
        onLoadingRequested: {
            loadingItem.loadingTextStr = text
            loadingItem.visible = true
        }
    }

    Rectangle {
        id: downloadBlocker
        objectName: "downloadBlocker"
        anchors.fill: parent
        color: "#20000000"
        visible: false

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: wheel.accepted = true
        }
    }

    Connections {
        target: theMainWindow

        function onLoginSuccess_signal(mainUser) {
            root.mainUser = mainUser
            loginItem.visible = false
            loadingItem.visible = false
            var image = mainUser.imageServerPath
            avatar.img_src = image ? image : "qrc:/res/defaultUser.png"
            userName.text = mainUser.userName ? mainUser.userName : ""
        }
        function onLoginFailure_signal() {
            loadingItem.visible = false
        }
        function onGoToLoginWindow_signal() {
            loginItem.init()
            avatar.img_src = "qrc:/res/defaultUser.png"
            userName.text = "未登录"
            orgLine.orgName = ""
        }
        function onNeedRegister_signal() {
            loginItem.needRegister = true
        }
        function onInitOrgRoleName_signal(orgName, roleName) {
            orgLine.orgName = orgName
            orgLine.roleName = roleName
        }
        function onUpdateLoadingState_signal(showLoading, loadingText) {
            loadingItem.loadingTextStr = loadingText
            loadingItem.visible = showLoading
        }
        function onUndergoingCourseListUpdated_signal(ja) {
            coursePage.setUndergoingCourses(ja)
            loadingItem.visible = false
        }
        function onFinisedCourseListUpdated_signal(ja) {
            coursePage.setFinishedCourses(ja)
        }
        function onHasUpgrade_signal(joUpgradeInfo) {
            root.upgradeOffered = true
        }
        function onUpgradeDownloading_signal(isDownloading) {
            downloadBlocker.visible = isDownloading
        }
    }
}

import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The menu of the left bar's "更多" entry: a white box just right of the bar,
// over a translucent backdrop that closes it. Every entry closes the menu
// before it acts; the main page opens the pages it asks for.
Item {
    id: root

    property real unit: 12
    property real barWidth: 0
    property bool upgradeOffered: false

    signal settingsRequested()
    signal roleChangeRequested()
    signal aboutRequested()
    signal upgradeRequested()
    signal logoutRequested()

    function choose(action) {
        root.visible = false
        switch (action) {
        case "setting": root.settingsRequested(); break
        case "roleChange": root.roleChangeRequested(); break
        case "managerSystem": theMainWindow.goToManagerSystem(); break
        case "about": root.aboutRequested(); break
        case "logout": root.logoutRequested(); break
        case "upgrade": root.upgradeRequested(); break
        }
    }

    Rectangle {
        anchors.fill: parent
        color: "#22000000"

        MouseArea {
            anchors.fill: parent
            onClicked: root.visible = false
        }
    }

    Rectangle {
        id: box
        objectName: "menuBox"
        x: root.barWidth + root.unit / 2
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 2 * root.unit
        width: 11 * root.unit
        height: entries.height + root.unit
        radius: 6
        color: "white"

        // Clicks between the entries stay in the box.
        MouseArea {
            anchors.fill: parent
        }

        Column {
            id: entries
            anchors.centerIn: parent
            width: parent.width

            Repeater {
                model: [
                    { name: "menuSetting", text: "设置", icon: "qrc:/res/setting.png", action: "setting" },
                    { name: "menuRoleChange", text: "切换身份", icon: "qrc:/res/ic_role_change.png", action: "roleChange" },
                    { name: "menuManagerSystem", text: "教务系统", icon: "qrc:/res/ic_manager_system.png", action: "managerSystem" },
                    { name: "menuAbout", text: "关于我们", icon: "qrc:/res/about.png", action: "about" },
                    { name: "menuLogout", text: "退出登录", icon: "qrc:/res/exit.png", action: "logout" },
                    { name: "menuUpgrade", text: "新版本", icon: "qrc:/res/upgrade.png", action: "upgrade" }
                ]

                ImageTextItem {
                    objectName: modelData.name
                    visible: modelData.action !== "upgrade" || root.upgradeOffered
                    autoSize: false
                    width: entries.width
                    height: 3 * root.unit
                    padding: 1.5 * root.unit
                    textPosition: "right"
                    normalSource: modelData.icon
                    imgWidth: 1.5 * root.unit
                    text: modelData.text
                    textColor: "#252729"
                    textFontSize: 10
                    onItemClicked: root.choose(modelData.action)
                }
            }
        }
    }
}

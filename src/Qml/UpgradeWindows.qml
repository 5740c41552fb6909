import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The upgrade page: what the offered version brings, the own version and the
// way to the installer. Filled by theMainWindow's upgrade and version reports.
OverlayPage {
    id: root

    property real unit: 12

    property string title: ""
    property string newVersion: ""
    property string content: ""
    property string packageSize: ""
    property string apkUrl: ""
    property string currentVersion: ""

    readonly property real textHeight: line.height

    boxWidth: 30 * textHeight
    boxHeight: 30 * textHeight
    showLegalNotice: true

    // Fields of the received upgrade information, as text whatever they hold.
    function field(object, key) {
        var value = object ? object[key] : undefined
        return value === undefined || value === null ? "" : String(value)
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: 9
    }

    Connections {
        target: theMainWindow

        function onHasUpgrade_signal(joUpgradeInfo) {
            var upgradeContent = joUpgradeInfo ? joUpgradeInfo.upgradeContent : undefined
            root.title = root.field(upgradeContent, "title")
            root.newVersion = root.field(joUpgradeInfo, "currentVersion")
            root.content = root.field(upgradeContent, "content")
            root.packageSize = root.field(upgradeContent, "packageSize")
            root.apkUrl = root.field(upgradeContent, "apkUrl")
        }
        function onSetCurrentVersion_signal(apkUrl, newVersion, currentVersion, needUpgrade) {
            root.currentVersion = currentVersion
        }
    }

    StandardText {
        id: titleText
        objectName: "upgradeTitle"
        anchors.top: parent.top
        anchors.topMargin: 2 * root.textHeight
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 4 * root.textHeight
        horizontalAlignment: Text.AlignHCenter
        elide: Text.ElideRight
        text: root.title !== "" ? root.title : "Veltro"
        color: "#252729"
        font.pointSize: 14
        font.bold: true
    }

    // A long change text scrolls inside the box.
    Flickable {
        id: details
        anchors.top: titleText.bottom
        anchors.topMargin: 1.5 * root.textHeight
        anchors.bottom: currentVersionText.top
        anchors.bottomMargin: root.textHeight
        anchors.horizontalCenter: parent.horizontalCenter
        width: parent.width - 4 * root.textHeight
        contentHeight: upgradeText.height
        interactive: contentHeight > height
        clip: true

        StandardText {
            id: upgradeText
            objectName: "upgradeText"
            width: details.width
            wrapMode: Text.Wrap
            text: "新版本:" + root.newVersion + "\n\n" + root.content + "\n\n安装包大小:" + root.packageSize
            color: "#252729"
            font.pointSize: 10
            lineHeight: 1.2
        }
    }

    StandardText {
        id: currentVersionText
        objectName: "currentVersion"
        anchors.bottom: downloadButton.top
        anchors.bottomMargin: root.textHeight
        x: details.x
        visible: root.currentVersion !== ""
        text: "当前版本:" + root.currentVersion
        color: "#999999"
        font.pointSize: 9
    }

    CustomButton {
        id: downloadButton
        objectName: "downloadButton"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 4 * root.textHeight
        anchors.horizontalCenter: parent.horizontalCenter
        width: 12 * root.textHeight
        height: 2.5 * root.textHeight
        radius: 4
        text: "前往更新"
        textColor: "white"
        bgColor: "#3A78E6"
        fontSize: 12
        onBtnClicked: {
            root.visible = false
            // Without an address the main window offers the service's site.
            theMainWindow.goToDownloadPackage(root.apkUrl)
        }
    }
}

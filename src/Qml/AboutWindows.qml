import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The about page: logo, product name with the own version, and either the
// way to the newer version or "已是最新版本". Filled by theMainWindow's
// version report.
OverlayPage {
    id: root

    property real unit: 12

    property string apkUrl: ""
    property string newVersion: ""
    property string currentVersion: ""
    property bool needUpgrade: false

    readonly property real titleHeight: titleMetrics.height

    boxWidth: 15 * titleHeight
    boxHeight: 15 * titleHeight
    showLegalNotice: true

    FontMetrics {
        id: titleMetrics
        font.family: "SimSun"
        font.pointSize: 16
    }

    Connections {
        target: theMainWindow

        function onSetCurrentVersion_signal(apkUrl, newVersion, currentVersion, needUpgrade) {
            root.apkUrl = apkUrl
            root.newVersion = newVersion
            root.currentVersion = currentVersion
            root.needUpgrade = needUpgrade
        }
    }

    Column {
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -root.titleHeight / 2
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: root.titleHeight / 2

        Image {
            objectName: "logo"
            anchors.horizontalCenter: parent.horizontalCenter
            width: 4 * root.titleHeight
            height: width
            source: "qrc:/res/logo.png"
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }

        StandardText {
            objectName: "productVersion"
            anchors.horizontalCenter: parent.horizontalCenter
            text: "Veltro·教师端" + root.currentVersion
            color: "#252729"
            font.pointSize: 16
        }

        StandardText {
            objectName: "versionState"
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.needUpgrade ? "前往更新" + root.newVersion : "已是最新版本"
            color: root.needUpgrade ? "#3A78E6" : "#999999"
            font.pointSize: 10
            font.underline: root.needUpgrade

            MouseArea {
                anchors.fill: parent
                enabled: root.needUpgrade
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    if (root.apkUrl !== "")
                        theMainWindow.goToDownloadPackage(root.apkUrl)
                }
            }
        }
    }
}

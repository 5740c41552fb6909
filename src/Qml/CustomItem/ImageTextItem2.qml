import QtQuick 2.12

// A centred picture above a centred label; translucent blue while focused.
Item {
    id: root

    property real padding: 4
    property real imgWidth: 30
    property real imgHeight: 30
    property real settingWidth: 0
    property real settingHeight: 0
    property font font: Qt.font({ family: "SimSun", pointSize: 10 })
    property string text
    property bool isFocus: false
    property string normalSource
    property string focusSource
    property color textColor: "#252729"
    property color focusTextColor: "#252729"
    property bool autoSize: true
    property color bgColor: "transparent"
    property color focusBgColor: "#303A78E6"
    property real radius: 0

    signal itemClicked()

    implicitWidth: settingWidth > 0 ? settingWidth
                 : autoSize ? Math.max(imgWidth, label.implicitWidth) + 2 * padding : 0
    implicitHeight: settingHeight > 0 ? settingHeight
                  : autoSize ? imgHeight + label.implicitHeight + 3 * padding : 0

    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: root.isFocus ? root.focusBgColor : root.bgColor
    }

    Column {
        anchors.centerIn: parent
        spacing: root.padding

        Image {
            anchors.horizontalCenter: parent.horizontalCenter
            width: root.imgWidth
            height: root.imgHeight
            source: root.isFocus && root.focusSource !== "" ? root.focusSource : root.normalSource
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }

        StandardText {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.text
            font: root.font
            color: root.isFocus ? root.focusTextColor : root.textColor
        }
    }

    ClickArea {
        onClicked: root.itemClicked()
    }
}

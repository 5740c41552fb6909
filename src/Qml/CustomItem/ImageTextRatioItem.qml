import QtQuick 2.12

// A picture above a small label, measured in text lines; a translucent dark
// background while focused.
Rectangle {
    id: root

    property real imgTextRatio: 1.8
    property real imgHeightWidthRatio: 1
    property int textFontSize: 8
    property string text
    property bool isFocus: false
    property string normalSource
    property color textColor: "#252729"
    property color focusTextColor: "#252729"
    property bool autoSize: true
    property color bgColor: "white"
    property color focusBgColor: "#30000000"
    property bool enableFlicker: false
    property real horPadding: 1
    property real setWidth: 0
    property real setHeight: 0

    signal itemClicked()

    implicitWidth: setWidth > 0 ? setWidth
                 : autoSize ? Math.max(picture.width, label.implicitWidth) + 2 * horPadding * line.height : 0
    implicitHeight: setHeight > 0 ? setHeight
                  : autoSize ? picture.height + label.implicitHeight + 1.3 * line.height : 0
    color: isFocus || flicker.lit ? focusBgColor : bgColor

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: root.textFontSize
    }

    FlickerTimer {
        id: flicker
        running: root.enableFlicker && !root.isFocus
    }

    Column {
        anchors.centerIn: parent
        spacing: line.height * 0.3

        Image {
            id: picture
            anchors.horizontalCenter: parent.horizontalCenter
            height: line.height * root.imgTextRatio
            width: height / root.imgHeightWidthRatio
            source: root.normalSource
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }

        StandardText {
            id: label
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.text
            color: root.isFocus ? root.focusTextColor : root.textColor
            font.pointSize: root.textFontSize
        }
    }

    ClickArea {
        onClicked: root.itemClicked()
    }
}

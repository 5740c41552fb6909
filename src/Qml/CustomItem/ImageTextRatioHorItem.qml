import QtQuick 2.12

// A picture and a label in a row, measured in text lines: the picture is
// imgTextRatio lines high, every padding a multiple of the line.
Rectangle {
    id: root

    property real imgTextRatio: 1.8
    property real paddingTextRatio: 0.5
    property real outterPaddingTextRatio: 0.8
    property int textFontSize: 9
    property real imgHeightWidthRatio: 1
    property string text
    property bool isFocus: false
    property string normalSource
    property string focusSource
    property color textColor: "#252729"
    property color focusTextColor: "#252729"
    property string borderColor: ""
    property bool autoSize: true
    property color bgColor: "white"
    property color focusBgColor: "#3A78E6"
    property bool enableFlicker: false

    signal itemClicked()

    implicitWidth: autoSize ? 2 * d.outer + picture.width + (text !== "" ? d.inner + label.implicitWidth : 0) : 0
    implicitHeight: autoSize ? picture.height + 2 * d.outer : 0
    color: isFocus || flicker.lit ? focusBgColor : bgColor
    border.color: borderColor !== "" ? borderColor : "transparent"
    border.width: borderColor !== "" ? 1 : 0

    QtObject {
        id: d
        readonly property real outer: line.height * root.outterPaddingTextRatio
        readonly property real inner: line.height * root.paddingTextRatio
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: root.textFontSize
    }

    FlickerTimer {
        id: flicker
        running: root.enableFlicker && !root.isFocus
    }

    Row {
        anchors.left: parent.left
        anchors.leftMargin: d.outer
        anchors.verticalCenter: parent.verticalCenter
        spacing: d.inner

        Image {
            id: picture
            anchors.verticalCenter: parent.verticalCenter
            height: line.height * root.imgTextRatio
            width: height / root.imgHeightWidthRatio
            source: root.isFocus && root.focusSource !== "" ? root.focusSource : root.normalSource
            fillMode: Image.PreserveAspectFit
            smooth: true
            mipmap: true
        }

        StandardText {
            id: label
            anchors.verticalCenter: parent.verticalCenter
            visible: text !== ""
            text: root.text
            color: root.isFocus ? root.focusTextColor : root.textColor
            font.pointSize: root.textFontSize
        }
    }

    ClickArea {
        onClicked: root.itemClicked()
    }
}

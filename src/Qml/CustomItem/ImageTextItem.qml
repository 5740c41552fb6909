import QtQuick 2.12

// A picture with a label below, right or left of it. Once complete it sizes
// itself to picture and text plus three paddings (the picture alone without
// text).
Item {
    id: root

    property bool isFocus: false
    property string focusSource
    property string normalSource
    property int textFontSize: 10
    property color textColor: "white"
    property color focusTextColor: "#3A78E6"
    property color bgColor: "transparent"
    property string text
    property int wrapMode: Text.NoWrap
    property real textWidth: 0
    property real imgWidth: 30
    property real imgHeight: 0
    property string textPosition: "bottom"
    property real radius: 0
    property real padding: 4
    property bool autoSize: true

    signal itemClicked()

    QtObject {
        id: d
        readonly property bool hasText: root.text !== ""
    }

    Rectangle {
        anchors.fill: parent
        color: root.bgColor
        radius: root.radius
    }

    Image {
        id: picture
        x: !d.hasText ? (root.width - width) / 2
         : root.textPosition === "right" ? root.padding
         : root.textPosition === "left" ? root.width - root.padding - width
         : (root.width - width) / 2
        y: !d.hasText || root.textPosition !== "bottom" ? (root.height - height) / 2 : root.padding
        width: root.imgWidth
        height: root.imgHeight > 0 ? root.imgHeight : root.imgWidth
        source: root.isFocus && root.focusSource !== "" ? root.focusSource : root.normalSource
        fillMode: Image.PreserveAspectFit
        smooth: true
        mipmap: true
    }

    StandardText {
        id: label
        objectName: "label"
        visible: d.hasText
        x: root.textPosition === "right" ? picture.x + picture.width + root.padding
         : root.textPosition === "left" ? root.padding
         : (root.width - width) / 2
        y: root.textPosition === "bottom" ? picture.y + picture.height + root.padding : (root.height - height) / 2
        width: root.textWidth > 0 ? root.textWidth : implicitWidth
        horizontalAlignment: Text.AlignHCenter
        text: root.text
        wrapMode: root.wrapMode
        color: root.isFocus ? root.focusTextColor : root.textColor
        font.pointSize: root.textFontSize
    }

    ClickArea {
        onClicked: root.itemClicked()
    }

    Component.onCompleted: {
        if (!autoSize)
            return
        if (!d.hasText) {
            width = picture.width
            height = picture.height
        } else if (textPosition === "bottom") {
            width = Math.max(picture.width, label.width) + 2 * padding
            height = picture.height + label.height + 3 * padding
        } else {
            width = picture.width + label.width + 3 * padding
            height = Math.max(picture.height, label.height) + 2 * padding
        }
    }
}

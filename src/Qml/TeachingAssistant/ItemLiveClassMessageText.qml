import QtQuick 2.12
import "../CustomItem"

// A speech bubble; the corner next to the sender stays square.
Item {
    id: bubble

    property string text: ""
    property bool fromRight: false
    property color bubbleColor: "#E7EAEF"
    property color textColor: "#252729"
    property real maxWidth: 200
    property real unit: 12

    width: body.width + unit
    height: body.height + unit * 0.6

    Rectangle {
        anchors.fill: parent
        radius: bubble.unit * 0.5
        color: bubble.bubbleColor
    }
    // Squares off the top corner on the sender's side.
    Rectangle {
        width: bubble.unit * 0.5
        height: width
        color: bubble.bubbleColor
        anchors.top: parent.top
        anchors.left: bubble.fromRight ? undefined : parent.left
        anchors.right: bubble.fromRight ? parent.right : undefined
    }
    StandardText {
        id: body
        x: bubble.unit / 2
        y: bubble.unit * 0.3
        width: Math.min(implicitWidth, bubble.maxWidth - bubble.unit)
        wrapMode: Text.WrapAnywhere
        color: bubble.textColor
        font.pointSize: 9
        text: bubble.text
    }
}

import QtQuick 2.12

// A filled button with a bold centred label. Padding sizes it to its text once
// it is complete; a second background colour paints a horizontal gradient.
Item {
    id: root

    property string text
    property color bgColor: "#ff6321"
    property string bgColor2: ""
    property color textColor: "white"
    property string borderColor: ""
    property int borderWidth: borderColor !== "" ? 1 : 0
    property real radius: 0
    property int fontSize: 10
    property real padding: 0
    property real horPadding: 0
    property real verPadding: 0
    property bool whEqual: false

    signal btnClicked(var mouse)

    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: root.bgColor
        border.color: root.borderColor !== "" ? root.borderColor : "transparent"
        border.width: root.borderWidth
        // A rectangle keeps its gradient inside its rounded corners.
        gradient: root.bgColor2 !== "" ? horizontalGradient : null

        Gradient {
            id: horizontalGradient
            orientation: Gradient.Horizontal
            GradientStop { position: 0; color: root.bgColor }
            GradientStop { position: 1; color: root.bgColor2 !== "" ? root.bgColor2 : root.bgColor }
        }
    }

    StandardText {
        id: label
        objectName: "label"
        anchors.centerIn: parent
        text: root.text
        color: root.textColor
        font.pointSize: root.fontSize
        font.bold: true
    }

    ClickArea {
        onClicked: root.btnClicked(mouse)
    }

    Component.onCompleted: {
        if (padding > 0 || horPadding > 0)
            width = label.implicitWidth + 2 * Math.max(horPadding, padding)
        if (padding > 0 || verPadding > 0)
            height = label.implicitHeight + 2 * Math.max(verPadding, padding)
        if (whEqual) {
            var side = Math.max(width, height)
            width = side
            height = side
        }
    }
}

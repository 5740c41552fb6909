import QtQuick 2.12

// A progress line with a round knob that can be dragged along it. Dragging
// sets runningPosition to the knob's centre, within the line.
Item {
    id: root

    property real lineWidth: 100
    property real lineHeight: 3
    property real buttonWidth: 10
    property color lineBgColor: "#E7EAEF"
    property color lineRunningColor: "#3A78E6"
    property color buttonColor: "#3A78E6"
    property real runningPosition: 0

    signal startChangePosition()
    signal stopChangePosition()
    signal seekPositionChanged(real position, real length)

    implicitWidth: lineWidth
    implicitHeight: Math.max(lineHeight, buttonWidth)

    Rectangle {
        anchors.verticalCenter: parent.verticalCenter
        width: root.lineWidth
        height: root.lineHeight
        radius: height / 2
        color: root.lineBgColor

        Rectangle {
            width: Math.max(0, Math.min(root.runningPosition, root.lineWidth))
            height: parent.height
            radius: parent.radius
            color: root.lineRunningColor
        }
    }

    Rectangle {
        id: knob
        objectName: "knob"
        anchors.verticalCenter: parent.verticalCenter
        x: Math.max(0, Math.min(root.runningPosition, root.lineWidth)) - width / 2
        width: root.buttonWidth
        height: width
        radius: width / 2
        color: root.buttonColor

        ClickArea {
            // Where on the knob it was taken, so that it does not jump.
            property real grabOffset: 0

            onPressed: {
                grabOffset = mouse.x - knob.width / 2
                root.startChangePosition()
            }
            onPositionChanged: {
                if (!pressed)
                    return
                var centre = mapToItem(root, mouse.x, mouse.y).x - grabOffset
                root.runningPosition = Math.max(0, Math.min(centre, root.lineWidth))
                root.seekPositionChanged(root.runningPosition, root.lineWidth)
            }
            onReleased: root.stopChangePosition()
            // A drag taken away (e.g. by a popup) ends as well.
            onCanceled: root.stopChangePosition()
        }
    }
}

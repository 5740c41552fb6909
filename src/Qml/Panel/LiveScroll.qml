import QtQuick 2.12

// The board's scroll bar: a thumb whose share of the track is the visible
// part of the page. Dragging it asks the window to scroll there.
Rectangle {
    id: scrollBar

    property real targetHeight: 23
    property real visibleHeight: 1
    property bool mouseDragReleased: false

    signal goToScrollY(real buttonY, real bgHeight)

    color: trackArea.containsMouse ? "#401D2943" : "#301D2943"

    function setyPos(yPos, totalHeight) {
        thumb.y = yPos <= 0 || totalHeight <= 0 ? 0 : yPos * height / totalHeight
    }

    MouseArea {
        id: trackArea
        anchors.fill: parent
        hoverEnabled: true
    }

    Rectangle {
        id: thumb
        width: parent.width
        height: parent.height * scrollBar.visibleHeight / scrollBar.targetHeight
        radius: width / 2
        color: "white"

        MouseArea {
            anchors.fill: parent
            drag.target: thumb
            drag.axis: Drag.YAxis
            drag.minimumY: 0
            drag.maximumY: scrollBar.height - thumb.height
            onPressed: scrollBar.mouseDragReleased = false
            onReleased: {
                scrollBar.mouseDragReleased = true
                scrollBar.goToScrollY(thumb.y, scrollBar.height)
            }
        }
    }
}

import QtQuick 2.12

// The board's scroll bar: a thumb whose share of the track is the visible
// part of the page. While the thumb is held a page overview beside the bar
// shows where the view will be; letting go (or leaving the track) asks the
// window to scroll there.
Rectangle {
    id: scrollBar

    property real targetHeight: 23
    property real visibleHeight: 1
    property bool mouseDragReleased: false
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0 ? normalTextHeight : 12

    signal goToScrollY(real buttonY, real bgHeight)

    color: trackArea.containsMouse ? "#401D2943" : "#301D2943"

    function setyPos(yPos, totalHeight) {
        thumb.y = yPos <= 0 || totalHeight <= 0 ? 0 : yPos * height / totalHeight
    }

    // Ends a drag once: on release, or when the pointer leaves the track first.
    function finishDrag() {
        if (!overview.visible)
            return
        overview.visible = false
        mouseDragReleased = true
        goToScrollY(thumb.y, height)
    }

    MouseArea {
        id: trackArea
        anchors.fill: parent
        hoverEnabled: true
    }

    // The page in small, with the part the view will show framed (declared
    // before the thumb, which stays the last child).
    Rectangle {
        id: overview
        objectName: "overview"
        visible: false
        x: -width - scrollBar.unit / 2
        width: 4 * scrollBar.unit
        height: scrollBar.height
        color: "#E7EAEF"

        Rectangle {
            id: overviewPage
            anchors.fill: parent
            anchors.margins: scrollBar.unit / 4
            color: "white"

            Rectangle {
                objectName: "overviewViewport"
                width: parent.width
                y: thumb.y * parent.height / scrollBar.height
                height: Math.max(2, thumb.height * parent.height / scrollBar.height)
                color: "transparent"
                border.color: "#3A78E6"
                border.width: 2
            }
        }
    }

    Rectangle {
        id: thumb
        objectName: "thumb"
        width: parent.width
        height: parent.height * scrollBar.visibleHeight / scrollBar.targetHeight
        radius: width / 2
        color: "white"

        MouseArea {
            objectName: "thumbArea"
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            drag.target: thumb
            drag.axis: Drag.YAxis
            drag.minimumY: 0
            drag.maximumY: scrollBar.height - thumb.height
            onPressed: {
                scrollBar.mouseDragReleased = false
                overview.visible = true
            }
            onPositionChanged: {
                var p = mapToItem(scrollBar, mouse.x, mouse.y)
                if (p.x < 0 || p.x > scrollBar.width)
                    scrollBar.finishDrag()
            }
            onReleased: scrollBar.finishDrag()
        }
    }

}

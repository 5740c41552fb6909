import QtQuick 2.12

// A rounded panel with an arrow tip (a square turned 45 degrees) on one edge:
// "top" (centred, or centred on setX), "bottom", "left" or "right".
Rectangle {
    id: root

    property string arrowPos: ""
    property real setX: 0
    property real arrowSize: 2 * d.textLine

    QtObject {
        id: d
        // The host page's text unit when it has one, else our own text line.
        readonly property real textLine: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                         ? normalTextHeight : line.height
        readonly property real tipX: root.arrowPos === "left" ? 0
                                   : root.arrowPos === "right" ? root.width
                                   : root.arrowPos === "top" && root.setX !== 0 ? root.setX
                                   : root.width / 2
        readonly property real tipY: root.arrowPos === "top" ? 0
                                   : root.arrowPos === "bottom" ? root.height
                                   : root.height / 2
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    color: "white"
    radius: d.textLine
    border.color: "#16000000"
    border.width: d.textLine / 4

    // The tip with its border lies under the panel ...
    Rectangle {
        z: -1
        objectName: "arrowTip"
        visible: root.arrowPos !== ""
        x: d.tipX - width / 2
        y: d.tipY - height / 2
        width: root.arrowSize
        height: width
        rotation: 45
        antialiasing: true
        color: root.color
        border.color: root.border.color
        border.width: root.border.width
    }

    // ... and its inside over the panel's border, so that the two join.
    Rectangle {
        visible: root.arrowPos !== ""
        x: d.tipX - width / 2
        y: d.tipY - height / 2
        width: Math.max(0, root.arrowSize - 2 * root.border.width)
        height: width
        rotation: 45
        antialiasing: true
        color: root.color
    }
}

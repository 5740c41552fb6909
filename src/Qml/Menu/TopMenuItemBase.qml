import QtQuick 2.12

// What the two kinds of top-menu item share: the click with its optional
// press flicker, the optional hover signals, and the item's rectangle in
// window coordinates for the hover panels placed under it.
Item {
    id: item

    property string text: ""
    property string icon: ""
    property string tag: ""
    property bool focused: false
    property bool flickerEnabled: false
    property bool hoverSignalsEnabled: false
    // Window coordinates to report instead of walking the parents.
    property var givenRect: null
    readonly property bool highlighted: focused || (flickerEnabled && clickArea.pressed)
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0 ? normalTextHeight : 12

    signal clicked()
    signal hoverEntered()
    signal hoverExited()

    function getPosInRect() {
        if (givenRect)
            return givenRect
        var x = 0
        var y = 0
        var node = item
        for (var level = 0; node && level < 100; ++level) {
            x += node.x
            y += node.y
            node = node.parent
        }
        return Qt.rect(x, y, width, height)
    }

    opacity: enabled ? 1 : 0.4

    MouseArea {
        id: clickArea
        anchors.fill: parent
        cursorShape: Qt.PointingHandCursor
        hoverEnabled: item.hoverSignalsEnabled
        onClicked: item.clicked()
        onEntered: item.hoverEntered()
        onExited: item.hoverExited()
    }
}

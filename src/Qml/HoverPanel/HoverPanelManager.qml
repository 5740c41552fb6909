import QtQuick 2.12
import "../More" as More

// The drop-down panels of the top menu, over the whole page. A menu item
// names its panel by tag with its own rectangle; the panel opens under the
// item, and a press anywhere outside that rectangle closes it (the press
// still reaches what lies below).
Item {
    id: manager

    readonly property string lineTag: "line"
    readonly property string penTag: "pen"
    readonly property string morePenTag: "more_pen"
    readonly property string eraserTag: "eraser"
    readonly property string allShapeTag: "all_shape"
    property string lastEnteredTag: ""
    property rect lastRect: Qt.rect(0, 0, 0, 0)
    property Item shownPanel: null

    // An eraser size was chosen on the card.
    signal eraserChosen()

    visible: false

    function panelFor(tag) {
        if (tag === eraserTag)
            return eraserMenu
        if (tag === allShapeTag) {
            // Made on first use.
            if (shapeMenuLoader.source == "")
                shapeMenuLoader.source = "../More/ShapeMenu.qml"
            return shapeMenuLoader.item
        }
        return null
    }

    function place(panel) {
        if (!panel)
            return
        var centre = lastRect.x + lastRect.width / 2
        panel.y = lastRect.y + lastRect.height
        // An arrow card's setX is where its arrow sits; 0 means centred.
        panel.x = panel.setX ? centre - panel.setX : centre - panel.width / 2
    }

    function close() {
        if (shownPanel)
            shownPanel.visible = false
        shownPanel = null
        lastEnteredTag = ""
        lastRect = Qt.rect(0, 0, 0, 0)
        visible = false
    }

    function setLastEnteredTag(tag, rect) {
        if (tag === lastEnteredTag) {
            close()
            return
        }
        lastEnteredTag = tag
        lastRect = rect
        visible = true
        if (shownPanel)
            shownPanel.visible = false
        shownPanel = panelFor(tag)
        if (shownPanel) {
            place(shownPanel)
            shownPanel.visible = true
        }
    }

    MouseArea {
        objectName: "outsidePressArea"
        anchors.fill: parent
        enabled: manager.shownPanel !== null
        onPressed: {
            var r = manager.lastRect
            if (mouse.x < r.x || mouse.x > r.x + r.width || mouse.y < r.y || mouse.y > r.y + r.height)
                manager.close()
            mouse.accepted = false
        }
        onReleased: mouse.accepted = false
    }

    More.ItemMoreEraser {
        id: eraserMenu
        objectName: "eraserMenu"
        visible: false
        onItemClicked: {
            manager.close()
            manager.eraserChosen()
        }
    }

    // The shape menu is a component of its own; a page without it opens
    // no panel for its tag. The brush card ("more_pen") is not built yet.
    Loader {
        id: shapeMenuLoader
        objectName: "shapeMenuLoader"
        onLoaded: item.visible = false
    }

    Connections {
        target: shapeMenuLoader.item
        ignoreUnknownSignals: true
        function onItemClicked() { manager.close() }
    }
}

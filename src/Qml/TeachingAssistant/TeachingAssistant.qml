import QtQuick 2.12

// The teaching assistant on the right of the page. This build has no views
// yet: the panel opens and closes from the page's nail and keeps the stored
// page counts of the materials the window reports.
Rectangle {
    id: assistant

    property bool hasNewMessage: false
    property bool nailVisible: true
    // material id -> material record
    property var materials: ({})
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12
    readonly property real openWidth: unit * 24

    color: "white"
    width: openWidth

    Behavior on width {
        NumberAnimation { duration: 500 }
    }

    // The page's nail: open or close, then let the board take the new width
    // once the animation is over.
    function nailButtonStateChange() {
        width = width > 0 ? 0 : openWidth
        nailVisible = false
        hasNewMessage = false
        settleTimer.restart()
    }

    function collapse() {
        width = 0
    }

    // The material's stored page count, 0 when unknown.
    function setMaterialCurrentPage(materialID, currentPage) {
        var material = materials[materialID]
        return material && material.number_of_page > 0 ? material.number_of_page : 0
    }

    Timer {
        id: settleTimer
        interval: 600
        onTriggered: {
            assistant.nailVisible = true
            videoWindow.drawAreaSizeChanged()
        }
    }
}

import QtQuick 2.12

// The drop-down panels of the top menu. This build has no panels yet: it
// keeps the tags the menu items use and which one is open.
Item {
    readonly property string lineTag: "line"
    readonly property string penTag: "pen"
    readonly property string morePenTag: "more_pen"
    readonly property string eraserTag: "eraser"
    readonly property string allShapeTag: "all_shape"
    property string lastEnteredTag: ""

    visible: false
}

import QtQuick 2.12

// The layer over the board that hosts the typing panel. This build has no
// panel yet: it keeps the icons and the bar colour the page gives it.
Item {
    property bool showInput: false
    property url textSmallIcon
    property url textMiddleIcon
    property url textBigIcon
    property color controlBarColor: "#FFE8BC"
}

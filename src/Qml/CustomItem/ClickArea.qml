import QtQuick 2.12

// The full-size mouse area of every clickable component: pointing hand,
// hover tracking, clicks handled by the owner.
MouseArea {
    anchors.fill: parent
    hoverEnabled: true
    cursorShape: Qt.PointingHandCursor
}

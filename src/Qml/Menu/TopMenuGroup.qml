import QtQuick 2.12

// A group of the top menu: its title band over a grid of items, filled by
// columns (`rows` set) or by rows (`columns` set).
Column {
    id: group

    property alias title: bar.text
    property alias titleVisible: bar.visible
    property alias rows: grid.rows
    property alias columns: grid.columns
    property real itemSpacing: 4
    default property alias items: grid.data

    TopMenuBar {
        id: bar
        width: Math.max(grid.width + 2 * group.itemSpacing, implicitWidth)
    }

    Grid {
        id: grid
        x: group.itemSpacing
        flow: rows > 0 ? Grid.TopToBottom : Grid.LeftToRight
        spacing: group.itemSpacing
        topPadding: group.itemSpacing
        bottomPadding: group.itemSpacing
    }
}

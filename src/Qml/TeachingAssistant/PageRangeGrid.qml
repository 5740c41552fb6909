import QtQuick 2.12
import "../CustomItem"

// The range buttons below the notes and the previews: one per 40 pages, the
// last holding what remains; labels count from 1.
Grid {
    id: grid

    property real unit: 12
    property int pageCount: 0
    property int selectedRange: 0
    readonly property int rangeSize: 40
    readonly property int rangeCount: Math.ceil(pageCount / rangeSize)
    signal rangeChosen(int range)

    function firstPage(range) {
        return range * rangeSize
    }
    // One past the range's last page.
    function endPage(range) {
        return Math.min(pageCount, (range + 1) * rangeSize)
    }

    columns: 3
    spacing: unit / 3

    Repeater {
        id: buttons
        model: grid.rangeCount
        Rectangle {
            objectName: "range_" + index
            width: (grid.width - grid.spacing * 2) / 3
            height: grid.unit * 1.8
            radius: 3
            color: index === grid.selectedRange ? "#3A78E6" : "#ececec"
            StandardText {
                objectName: "rangeLabel"
                anchors.centerIn: parent
                font.pointSize: 8
                color: index === grid.selectedRange ? "white" : "#252729"
                text: (grid.firstPage(index) + 1) + " - " + grid.endPage(index)
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: {
                    grid.selectedRange = index
                    grid.rangeChosen(index)
                }
            }
        }
    }
}

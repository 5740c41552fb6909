import QtQuick 2.12
import "../CustomItem"

// Rows and columns of a new table, with a preview of its grid.
ShapeSettingPanel {
    id: root

    readonly property alias rows: rowCounter.choosedValue
    readonly property alias columns: columnCounter.choosedValue

    title: "表格设置"
    cardWidth: 30
    cardHeight: 30
    onConfirmed: shapeLayout.shapeTabularClicked(rows, columns)

    Connections {
        target: typeof shapeLayout !== "undefined" ? shapeLayout : null
        function onShowShapeTabularSetting_signal() { root.visible = true }
    }

    Column {
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: root.unit

        Row {
            spacing: root.unit
            StandardText { text: "行数"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
            CountUpDown {
                id: rowCounter
                objectName: "rowCounter"
                minValue: 1
                maxValue: 10
                step: 1
                choosedValue: 2
            }
        }

        Row {
            spacing: root.unit
            StandardText { text: "列数"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
            CountUpDown {
                id: columnCounter
                objectName: "columnCounter"
                minValue: 1
                maxValue: 10
                step: 1
                choosedValue: 2
            }
        }

        // The grid: 9 lines each way made once; r rows show the first r - 1
        // horizontal lines at equal distances, columns likewise.
        Rectangle {
            id: preview
            objectName: "tablePreview"
            width: root.unit * 16
            height: root.unit * 9
            border.color: "#3C4650"
            border.width: 2
            color: "white"

            function redraw() {
                for (var k = 0; k < 9; ++k) {
                    var across = horizontals.itemAt(k)
                    if (across) {
                        across.visible = k < root.rows - 1
                        across.y = preview.height / root.rows * (k + 1)
                    }
                    var down = verticals.itemAt(k)
                    if (down) {
                        down.visible = k < root.columns - 1
                        down.x = preview.width / root.columns * (k + 1)
                    }
                }
            }

            onHeightChanged: redraw()
            onWidthChanged: redraw()

            Repeater {
                id: horizontals
                model: 9
                Rectangle { objectName: "rowLine"; width: preview.width; height: 1; color: "#3C4650" }
            }
            Repeater {
                id: verticals
                model: 9
                Rectangle { objectName: "columnLine"; width: 1; height: preview.height; color: "#3C4650" }
            }
            Component.onCompleted: redraw()
        }
    }

    Connections {
        target: rowCounter
        function onValuedChanged() { preview.redraw() }
    }
    Connections {
        target: columnCounter
        function onValuedChanged() { preview.redraw() }
    }
}

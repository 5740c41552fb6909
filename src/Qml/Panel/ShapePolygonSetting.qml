import QtQuick 2.12
import "../CustomItem"

// Sides of a new regular polygon.
ShapeSettingPanel {
    id: root

    readonly property alias edges: edgeCounter.choosedValue

    title: "请选择要使用的多边形"
    cardWidth: 30
    cardHeight: 20
    onConfirmed: shapeLayout.shapePolygonClicked(edges)

    Connections {
        target: typeof shapeLayout !== "undefined" ? shapeLayout : null
        function onShowShapePolygonSetting_signal() { root.visible = true }
    }

    Row {
        anchors.centerIn: parent
        spacing: root.unit

        CountUpDown {
            id: edgeCounter
            objectName: "edgeCounter"
            minValue: 5
            maxValue: 16
            step: 1
            choosedValue: 5
        }
        StandardText { text: "边形"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
    }
}

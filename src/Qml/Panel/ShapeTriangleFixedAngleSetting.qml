import QtQuick 2.12
import "../CustomItem"

// Two angles of a new triangle. The second may reach only as far as leaves
// the third angle at least 5 degrees.
ShapeSettingPanel {
    id: root

    readonly property alias angle1: firstAngle.choosedValue
    readonly property alias angle2: secondAngle.choosedValue

    title: "请选择三角形两个角的角度"
    cardWidth: 30
    cardHeight: 20
    onConfirmed: shapeLayout.shapeTriangleFixedAngleClicked(angle1, angle2)

    Connections {
        target: typeof shapeLayout !== "undefined" ? shapeLayout : null
        function onShowShapeTriangleFixedAngle_signal() { root.visible = true }
    }

    Column {
        anchors.centerIn: parent
        spacing: root.unit

        Row {
            spacing: root.unit
            StandardText { text: "角1"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
            CountUpDown {
                id: firstAngle
                objectName: "firstAngle"
                minValue: 5
                maxValue: 170
                step: 5
                choosedValue: 60
                // A second angle past the new limit starts again from 5.
                onChoosedValueChanged: {
                    secondAngle.maxValue = 180 - choosedValue - 5
                    if (secondAngle.choosedValue > secondAngle.maxValue)
                        secondAngle.choosedValue = 5
                }
            }
            StandardText { text: "°"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
        }

        Row {
            spacing: root.unit
            StandardText { text: "角2"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
            CountUpDown {
                id: secondAngle
                objectName: "secondAngle"
                minValue: 5
                maxValue: 115
                step: 5
                choosedValue: 60
            }
            StandardText { text: "°"; anchors.verticalCenter: parent.verticalCenter; font.pointSize: 11 }
        }
    }
}

import QtQuick 2.12

// Text tabs from the model ({text, value}), three text lines high; the
// focused label is blue and underlined. Rebuilt when the model changes.
Row {
    id: root

    property var model: []
    property var focusValue: 0
    property int textFontSize: 10

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: root.textFontSize
    }

    Repeater {
        model: root.model

        Item {
            readonly property bool focused: modelData.value === root.focusValue

            objectName: "tab_" + modelData.value
            width: label.implicitWidth + 2 * line.height
            height: line.height * 3

            StandardText {
                id: label
                anchors.centerIn: parent
                text: modelData.text
                color: parent.focused ? "#3A78E6" : "#272829"
                font.pointSize: root.textFontSize
            }

            Rectangle {
                anchors.bottom: parent.bottom
                anchors.horizontalCenter: parent.horizontalCenter
                width: label.implicitWidth
                height: line.height * 0.2
                color: "#3A78E6"
                visible: parent.focused
            }

            ClickArea {
                onClicked: root.focusValue = modelData.value
            }
        }
    }
}

import QtQuick 2.12

// One button per model entry ({text, value}); the chosen one is filled blue.
// A non-empty visibleValue [first, ..., last] shows only the buttons whose
// value lies between its first and last element.
Row {
    id: root

    property var choosedValue: 0
    property var model: []
    property bool whEqual: false
    property bool buttonCircle: false
    property var visibleValue: []

    signal valueChanged(var value)

    function isShown(value) {
        if (!visibleValue || visibleValue.length === 0)
            return true
        return value >= visibleValue[0] && value <= visibleValue[visibleValue.length - 1]
    }

    spacing: 10

    Repeater {
        model: root.model

        CustomButton {
            readonly property bool chosen: modelData.value === root.choosedValue

            objectName: "button_" + modelData.value
            text: modelData.text
            padding: 4
            whEqual: root.whEqual
            radius: root.buttonCircle ? Math.min(width, height) / 2 : 4
            bgColor: chosen ? "#3A78E6" : "transparent"
            textColor: chosen ? "white" : "#252729"
            borderColor: chosen ? "" : "#666666"
            visible: root.isShown(modelData.value)
            onBtnClicked: {
                root.choosedValue = modelData.value
                root.valueChanged(modelData.value)
            }
        }
    }
}

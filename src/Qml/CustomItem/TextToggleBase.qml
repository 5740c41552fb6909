import QtQuick 2.12

// A label with a switch beside it (or above it), forwarding the switch's
// signals and keeping its side in `state`.
Item {
    id: root

    property string text
    property int textFontSize: 10
    property color textColor: "#252729"
    property real padding: line.height
    property real setWidth: 0
    property real setHeight: 0
    property bool switchAbove: false

    signal toggleLeft()
    signal toggleRight()

    implicitWidth: setWidth > 0 ? setWidth
                 : switchAbove ? Math.max(label.implicitWidth, toggle.width)
                 : label.implicitWidth + padding + toggle.width
    implicitHeight: setHeight > 0 ? setHeight
                  : switchAbove ? toggle.height + padding + label.implicitHeight
                  : Math.max(label.implicitHeight, toggle.height)

    // The side is ours; the switch shows it and tells us when it is clicked.
    states: [ State { name: "left" }, State { name: "right" } ]
    state: "left"
    onStateChanged: toggle.state = state
    Component.onCompleted: toggle.state = state

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: root.textFontSize
    }

    StandardText {
        id: label
        objectName: "label"
        x: root.switchAbove ? (root.width - width) / 2 : 0
        y: root.switchAbove ? toggle.height + root.padding : (root.height - height) / 2
        text: root.text
        color: root.textColor
        font.pointSize: root.textFontSize
    }

    ToggleButton {
        id: toggle
        objectName: "switch"
        x: root.switchAbove ? (root.width - width) / 2 : label.implicitWidth + root.padding
        y: root.switchAbove ? 0 : (root.height - height) / 2
        width: line.height * 3
        height: line.height * 1.5
        onToggleLeft: {
            root.state = "left"
            root.toggleLeft()
        }
        onToggleRight: {
            root.state = "right"
            root.toggleRight()
        }
    }
}

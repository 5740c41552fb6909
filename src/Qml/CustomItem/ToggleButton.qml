import QtQuick 2.12

// A pill switch. On the left its knob is a grey circle; on the right the knob
// stretches blue over the whole pill. A click flips the side and reports it.
Rectangle {
    id: root

    signal toggleLeft()
    signal toggleRight()

    implicitWidth: line.height * 3
    implicitHeight: line.height * 1.5
    radius: height / 2
    color: "white"
    border.color: "#C0C0C0"
    border.width: 1
    state: "left"

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    Rectangle {
        id: knob
        objectName: "knob"
        readonly property real inset: Math.max(2, root.height / 10)

        x: inset
        y: inset
        height: root.height - 2 * inset
        width: height
        radius: height / 2
        color: "#999999"

        // Marks the knob's end once it is stretched to the right.
        Rectangle {
            id: knobEnd
            anchors.right: parent.right
            anchors.rightMargin: knob.inset
            anchors.verticalCenter: parent.verticalCenter
            width: knob.height - 2 * knob.inset
            height: width
            radius: width / 2
            color: "white"
            opacity: 0
        }
    }

    states: [
        State { name: "left" },
        State {
            name: "right"
            PropertyChanges { target: knob; width: root.width - 2 * knob.inset; color: "#3A78E6" }
            PropertyChanges { target: knobEnd; opacity: 1 }
        }
    ]

    transitions: Transition {
        NumberAnimation { properties: "width,opacity"; duration: 200 }
        ColorAnimation { duration: 200 }
    }

    ClickArea {
        onClicked: {
            if (root.state === "right") {
                root.state = "left"
                root.toggleLeft()
            } else {
                root.state = "right"
                root.toggleRight()
            }
        }
    }
}

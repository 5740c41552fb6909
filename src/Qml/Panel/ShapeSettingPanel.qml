import QtQuick 2.12
import "../CustomItem"

// What the shape settings panels share: a veil over the page, a card with
// the title, the panel's inputs and the buttons "取消" (hides) and "确定"
// (confirmed, then hides). Hidden until its owner shows it.
PopupPanelBase {
    id: root

    property string title
    property real cardWidth: 30
    property real cardHeight: 20
    default property alias content: inputs.data
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : line.height

    signal confirmed()

    anchors.fill: parent

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    // The veil takes the clicks meant for the page below.
    Rectangle {
        anchors.fill: parent
        color: "#20000000"

        MouseArea {
            anchors.fill: parent
        }
    }

    Rectangle {
        objectName: "card"
        anchors.centerIn: parent
        width: root.unit * root.cardWidth
        height: root.unit * root.cardHeight
        radius: root.unit
        color: "white"

        StandardText {
            id: titleText
            anchors.horizontalCenter: parent.horizontalCenter
            y: root.unit * 1.5
            text: root.title
            color: "#272829"
            font.pointSize: 12
        }

        Item {
            id: inputs
            anchors.top: titleText.bottom
            anchors.bottom: buttons.top
            anchors.margins: root.unit
            width: parent.width
        }

        Row {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.bottomMargin: root.unit * 1.5
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: root.unit * 2

            CustomButton {
                objectName: "cancelButton"
                width: root.unit * 8
                height: root.unit * 2.6
                radius: height / 2
                text: "取消"
                bgColor: "white"
                borderColor: "#C8CBD0"
                textColor: "#272829"
                onBtnClicked: root.visible = false
            }

            CustomButton {
                objectName: "okButton"
                width: root.unit * 8
                height: root.unit * 2.6
                radius: height / 2
                text: "确定"
                bgColor: "#3A78E6"
                onBtnClicked: {
                    root.confirmed()
                    root.visible = false
                }
            }
        }
    }
}

import QtQuick 2.12
import "../CustomItem"

// The eraser-size card under the top menu's eraser: large, middle, small.
ArrowItem {
    id: card

    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0 ? normalTextHeight : 12
    readonly property var menuObject: typeof topMenuObject !== "undefined" ? topMenuObject : null

    signal itemClicked()

    arrowPos: "top"
    width: sizes.width + 2 * unit
    height: sizes.height + 2 * unit

    Row {
        id: sizes
        anchors.centerIn: parent
        spacing: card.unit

        Repeater {
            model: [{ "text": "大", "icon": "rubber3.png", "item": 1 },
                    { "text": "中", "icon": "rubber2.png", "item": 2 },
                    { "text": "小", "icon": "rubber1.png", "item": 3 }]

            Item {
                objectName: "eraserSize" + modelData.item
                width: cell.width
                height: cell.height

                Column {
                    id: cell
                    spacing: card.unit / 4

                    Image {
                        width: 2.4 * card.unit
                        height: width
                        source: "../../res/live_menu/" + modelData.icon
                        fillMode: Image.PreserveAspectFit
                    }
                    Text {
                        anchors.horizontalCenter: parent.horizontalCenter
                        font.pointSize: 9
                        text: modelData.text
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: {
                        if (card.menuObject)
                            card.menuObject.eraseMenuClicked(modelData.item)
                        card.visible = false
                        card.itemClicked()
                    }
                }
            }
        }
    }
}

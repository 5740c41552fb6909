import QtQuick 2.12

// Equal-width tab cells built from the model ({text, value}) once complete.
// The focused cell is lighter; the others count unread items in a red badge.
Row {
    id: root

    property color focusColor: "#f8f8f8"
    property color normalColor: "#E7E8E9"
    property var model: []
    property var focusValue: 0
    property color borderColor: "#000000"
    property int textFontSize: 9
    property real tabTextRatioHeight: 2
    property int borderWidth: 0

    function cellOf(value) {
        for (var i = 0; i < cells.count; ++i) {
            var cell = cells.itemAt(i)
            if (cell && cell.value === value)
                return cell
        }
        return null
    }

    // Counts only for tabs the teacher is not looking at.
    function addUnreadCount(value, more) {
        var cell = cellOf(value)
        if (cell && value !== focusValue)
            cell.unreadCount = Math.max(0, cell.unreadCount + more)
    }

    function resetUnreadCount(value) {
        var cell = cellOf(value)
        if (cell)
            cell.unreadCount = 0
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
        font.pointSize: root.textFontSize
    }

    Repeater {
        id: cells

        Rectangle {
            id: cell

            property var value: modelData.value
            property int unreadCount: 0

            objectName: "tab_" + value
            width: cells.count > 0 ? root.width / cells.count : 0
            height: line.height * root.tabTextRatioHeight
            color: value === root.focusValue ? root.focusColor : root.normalColor
            border.color: root.borderColor
            border.width: root.borderWidth

            StandardText {
                anchors.centerIn: parent
                text: modelData.text
                color: "#252729"
                font.pointSize: root.textFontSize
            }

            Rectangle {
                objectName: "badge"
                visible: cell.unreadCount > 0
                anchors.top: parent.top
                anchors.right: parent.right
                anchors.topMargin: line.height * 0.15
                anchors.rightMargin: line.height * 0.3
                height: badgeText.implicitHeight + 2
                width: Math.max(height, badgeText.implicitWidth + height / 2)
                radius: height / 2
                color: "#F5222D"

                StandardText {
                    id: badgeText
                    anchors.centerIn: parent
                    text: cell.unreadCount > 99 ? "99+" : cell.unreadCount
                    color: "white"
                    font.pointSize: Math.max(6, root.textFontSize - 2)
                }
            }

            ClickArea {
                onClicked: {
                    root.focusValue = cell.value
                    cell.unreadCount = 0
                }
            }
        }
    }

    Component.onCompleted: cells.model = model
}

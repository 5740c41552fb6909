import QtQuick 2.12

// The board's page control: previous and next page around "page / pages",
// with the scroll buttons above and below.
Item {
    id: control

    property int pageIndex: 0
    property int pageCount: 0
    property real textFontSize: 14
    property real padding: 4
    readonly property var window: typeof videoWindow !== "undefined" ? videoWindow : null

    width: Math.max(pill.width, upButton.width)
    height: column.height

    Column {
        id: column
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: control.padding

        Rectangle {
            id: upButton
            objectName: "scrollUpButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: pill.height
            height: width
            radius: width / 2
            color: "#40000000"
            Text { anchors.centerIn: parent; color: "white"; font.pointSize: control.textFontSize; text: "上" }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: if (control.window) control.window.scrollUp()
            }
        }

        Rectangle {
            id: pill
            objectName: "pagePill"
            width: pillRow.width + 2 * control.padding
            height: pillRow.height + 2 * control.padding
            radius: height / 2
            color: "#40000000"

            Row {
                id: pillRow
                anchors.centerIn: parent
                spacing: control.padding * 2

                Rectangle {
                    objectName: "previousPageButton"
                    width: previousText.implicitWidth + 4 * control.padding
                    height: previousText.implicitHeight + 2 * control.padding
                    radius: height / 2
                    color: "#50000000"
                    Text {
                        id: previousText
                        anchors.centerIn: parent
                        color: "white"
                        font.bold: true
                        font.pointSize: control.textFontSize
                        text: "上一页"
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: if (control.window) control.window.turnPage(0)
                    }
                }

                Text {
                    objectName: "pageText"
                    anchors.verticalCenter: parent.verticalCenter
                    color: "white"
                    font.pointSize: control.textFontSize
                    text: control.pageIndex + "/" + control.pageCount
                }

                Rectangle {
                    objectName: "nextPageButton"
                    width: nextText.implicitWidth + 4 * control.padding
                    height: nextText.implicitHeight + 2 * control.padding
                    radius: height / 2
                    color: "#50000000"
                    Text {
                        id: nextText
                        anchors.centerIn: parent
                        color: "white"
                        font.bold: true
                        font.pointSize: control.textFontSize
                        text: "下一页"
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: if (control.window) control.window.turnPage(1)
                    }
                }
            }
        }

        Rectangle {
            objectName: "scrollDownButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: pill.height
            height: width
            radius: width / 2
            color: "#40000000"
            Text { anchors.centerIn: parent; color: "white"; font.pointSize: control.textFontSize; text: "下" }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: if (control.window) control.window.scrollDown()
            }
        }
    }
}

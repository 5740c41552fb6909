import QtQuick 2.12
import "../CustomItem"

// A one-line input of at most 100 characters with a send arrow; Return or the
// arrow hands the text to the owner, which decides what is sent.
Rectangle {
    id: input

    property real unit: 12
    property alias text: field.text
    readonly property int maxLength: 100
    signal send(string text)

    function submit() {
        input.send(field.text)
    }
    function takeFocus() {
        field.forceActiveFocus()
    }

    height: unit * 2.4
    color: "#F9FBFD"
    border.color: "#ececec"

    TextInput {
        id: field
        objectName: "messageInput"
        anchors.left: parent.left
        anchors.right: sendIcon.left
        anchors.verticalCenter: parent.verticalCenter
        anchors.margins: input.unit / 2
        maximumLength: input.maxLength
        clip: true
        font.family: "SimSun"
        font.pointSize: 9
        selectByMouse: true
        onAccepted: input.submit()

        StandardText {
            anchors.verticalCenter: parent.verticalCenter
            visible: field.text.length === 0
            color: "#98A4AF"
            font.pointSize: 9
            text: "单次输入最多" + input.maxLength + "字"
        }
    }
    Image {
        id: sendIcon
        objectName: "sendIcon"
        anchors.right: parent.right
        anchors.rightMargin: input.unit / 2
        anchors.verticalCenter: parent.verticalCenter
        width: input.unit * 1.5
        height: width
        source: "qrc:/res/live_menu/fly.png"
        MouseArea { anchors.fill: parent; cursorShape: Qt.PointingHandCursor; onClicked: input.submit() }
    }
}

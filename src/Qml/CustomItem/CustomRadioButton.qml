import QtQuick 2.12
import QtQuick.Controls 2.12

// A radio button with a round indicator that shows the check picture when
// checked and a label ten pixels to its right.
RadioButton {
    id: control

    property var value
    property int radioWidth: 20

    padding: 0
    spacing: 10
    implicitWidth: leftPadding + contentItem.implicitWidth + rightPadding
    implicitHeight: Math.max(radioWidth, contentItem.implicitHeight)

    indicator: Rectangle {
        x: control.leftPadding
        y: (control.height - height) / 2
        width: control.radioWidth
        height: control.radioWidth
        radius: width / 2
        color: "white"
        border.color: "#cccccc"
        border.width: 1

        CircleImage {
            anchors.fill: parent
            img_src: "qrc:/res/choose_select.png"
            visible: control.checked
        }
    }

    contentItem: StandardText {
        leftPadding: control.radioWidth + control.spacing
        text: control.text
        font.pointSize: control.font.pointSize
        color: "#252729"
        opacity: control.enabled ? 1 : 0.3
        verticalAlignment: Text.AlignVCenter
    }

    // Only for the cursor; the button itself takes the clicks.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.NoButton
        cursorShape: Qt.PointingHandCursor
    }
}

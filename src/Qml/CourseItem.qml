import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// One course card. Its texts and the state of its enter button come from
// the row of the course list model.
Rectangle {
    id: root

    property real unit: 12

    height: 7.5 * unit
    radius: 4
    color: "#FFFFFF"

    Column {
        anchors.left: parent.left
        anchors.leftMargin: 2 * root.unit
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width * 0.42
        spacing: root.unit / 2

        Row {
            width: parent.width
            spacing: root.unit / 2

            Image {
                id: tag
                anchors.verticalCenter: parent.verticalCenter
                height: 1.5 * root.unit
                width: visible ? height * sourceSize.width / Math.max(1, sourceSize.height) : 0
                source: model.tagSource
                visible: model.tagSource !== ""
                smooth: true
                mipmap: true
            }

            StandardText {
                objectName: "courseTitle"
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - tag.width - parent.spacing
                text: model.title
                color: "#252729"
                font.pointSize: 14
                font.bold: true
                // Both ends stay: the course name's start and "第N讲".
                elide: Text.ElideMiddle
            }
        }

        TextEdit {
            objectName: "courseNumber"
            width: parent.width
            text: model.numberText
            readOnly: true
            selectByMouse: true
            color: "#8A8C90"
            selectionColor: "#3A78E6"
            font.family: "SimSun"
            font.pointSize: 10
        }

        StandardText {
            objectName: "courseSize"
            text: model.sizeText
            color: "#8A8C90"
            font.pointSize: 10
        }
    }

    StandardText {
        objectName: "courseTime"
        anchors.centerIn: parent
        anchors.horizontalCenterOffset: parent.width * 0.12
        text: model.timeText
        color: "#252729"
        font.pointSize: 12
    }

    Rectangle {
        id: enterButton
        objectName: "enterButton"
        anchors.right: parent.right
        anchors.rightMargin: 2 * root.unit
        anchors.verticalCenter: parent.verticalCenter
        width: 8 * root.unit
        height: 2.6 * root.unit
        radius: height / 2
        visible: model.buttonState !== "hidden"
        color: model.buttonState === "enter" ? "#3A78E6"
             : model.buttonState === "notOpen" ? "#EEF0F3"
             : "transparent"
        border.width: model.buttonState === "ended" || model.buttonState === "notHeld" ? 1 : 0
        border.color: model.buttonState === "notHeld" ? "#F9524B" : "#D5D8DC"

        StandardText {
            anchors.centerIn: parent
            text: model.buttonText
            font.pointSize: 11
            color: model.buttonState === "enter" ? "#FFFFFF"
                 : model.buttonState === "notHeld" ? "#F9524B"
                 : "#999999"
        }

        MouseArea {
            anchors.fill: parent
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                if (model.liveValid)
                    theMainWindow.gotoVideoWindow(model.courseId, model.courseScheduleId, model.startType)
                else
                    theMainWindow.toast("还未到开课时间")
            }
        }
    }
}

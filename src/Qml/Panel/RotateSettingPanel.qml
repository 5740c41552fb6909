import QtQuick 2.12
import "../CustomItem"

// The video room's rotation setting: how many students the interactive area
// holds and how often they take turns with the listeners. Opened with the
// course's values by classRotateSettingDialog; "确定" hands the choice back.
Rectangle {
    id: panel

    readonly property var intervals: [
        { text: "不轮换", value: 0 },
        { text: "5分钟", value: 300 },
        { text: "10分钟", value: 600 },
        { text: "15分钟", value: 900 }
    ]
    property alias numberOfStudents: counter.choosedValue
    property alias numberOfSeconds: timeLength.choosedValue
    readonly property string summary: numberOfStudents > 0 && numberOfSeconds !== 0
                                      ? "每" + numberOfSeconds / 60 + "分钟，会有" + numberOfStudents + "个学生轮换到互动区"
                                      : "不轮换"

    anchors.fill: parent
    color: "#20000000"
    visible: false

    // Nothing below the dimmed page takes clicks while the card is open.
    MouseArea {
        anchors.fill: parent
    }

    Rectangle {
        id: card
        objectName: "rotateCard"
        width: titleText.height * 20
        height: buttons.y + buttons.height + titleText.height / 2
        anchors.centerIn: parent
        radius: titleText.height / 2
        color: "white"

        StandardText {
            id: titleText
            anchors.horizontalCenter: parent.horizontalCenter
            y: height / 2
            font.pointSize: 14
            text: "互动设置"
        }

        StandardText {
            id: countLabel
            x: titleText.height
            anchors.verticalCenter: counter.verticalCenter
            text: "互动区人数（0 - 15人）"
        }
        CountUpDown {
            id: counter
            objectName: "rotateCounter"
            anchors.right: parent.right
            anchors.rightMargin: titleText.height
            y: titleText.y + titleText.height * 2
            choosedValue: 15
            minValue: 0
            maxValue: 15
            step: 1
        }

        StandardText {
            x: titleText.height
            anchors.verticalCenter: timeLength.verticalCenter
            text: "轮换时间"
        }
        CustomButtonGroup {
            id: timeLength
            objectName: "rotateInterval"
            anchors.right: parent.right
            anchors.rightMargin: titleText.height
            y: counter.y + counter.height + titleText.height
            height: 30
            spacing: 10
            model: panel.intervals
            choosedValue: 300
            Component.onCompleted: console.log("in rotate setting, timelength width", width)
        }

        StandardText {
            id: summaryText
            objectName: "rotateSummary"
            x: titleText.height
            y: timeLength.y + timeLength.height + titleText.height
            color: "#999999"
            text: panel.summary
        }

        Row {
            id: buttons
            anchors.horizontalCenter: parent.horizontalCenter
            y: summaryText.y + summaryText.height + titleText.height
            spacing: titleText.height * 2

            CustomButton {
                objectName: "rotateCancel"
                width: titleText.height * 6
                height: titleText.height * 1.8
                text: "取消"
                bgColor: "#3A78E6"
                textColor: "white"
                fontSize: 12
                onBtnClicked: panel.visible = false
            }
            CustomButton {
                objectName: "rotateOk"
                width: titleText.height * 6
                height: titleText.height * 1.8
                text: "确定"
                bgColor: "#3A78E6"
                textColor: "white"
                fontSize: 12
                onBtnClicked: {
                    classRotateSettingDialog.ok(panel.numberOfStudents, panel.numberOfSeconds)
                    panel.visible = false
                }
            }
        }
    }

    Connections {
        target: typeof classRotateSettingDialog !== "undefined" ? classRotateSettingDialog : null
        function onInitRotateInfo(numberOfStudents, numberOfSeconds) {
            counter.choosedValue = numberOfStudents
            timeLength.choosedValue = numberOfSeconds
            panel.visible = true
        }
    }
}

import QtQuick 2.12

// A read-only number between round "-" and "+" buttons. Each click moves the
// number by step, clamped to [minValue, maxValue], and reports the result.
Item {
    id: root

    property real choosedValue: 0
    property real minValue: 0
    property real maxValue: 100
    property real step: 5
    property int buttonFontSize: 10
    property int dataFontSize: 12
    property color bgColor: "white"
    property real setContentWidth: 0

    signal valuedChanged(var value)

    function decrease() {
        choosedValue = Math.max(minValue, choosedValue - step)
        valuedChanged(choosedValue)
    }

    function increase() {
        choosedValue = Math.min(maxValue, choosedValue + step)
        valuedChanged(choosedValue)
    }

    component SignButton: Rectangle {
        property alias sign: signText.text
        property bool atLimit: false
        signal clicked()

        width: Math.round(buttonLine.height * 1.6)
        height: width
        radius: width / 2
        color: atLimit ? "#999999" : "#3A78E6"

        StandardText {
            id: signText
            anchors.centerIn: parent
            color: "white"
            font.pointSize: root.buttonFontSize
            font.bold: true
        }

        ClickArea {
            onClicked: parent.clicked()
        }
    }

    implicitWidth: row.width
    implicitHeight: row.height

    FontMetrics {
        id: buttonLine
        font.family: "SimSun"
        font.pointSize: root.buttonFontSize
    }

    Row {
        id: row
        anchors.verticalCenter: parent.verticalCenter

        SignButton {
            objectName: "minus"
            anchors.verticalCenter: parent.verticalCenter
            sign: "-"
            atLimit: root.choosedValue <= root.minValue
            onClicked: root.decrease()
        }

        Rectangle {
            objectName: "number"
            anchors.verticalCenter: parent.verticalCenter
            width: root.setContentWidth > 0 ? root.setContentWidth
                 : number.contentWidth > 30 ? number.contentWidth + 60 : 60
            height: number.implicitHeight * 1.4
            color: root.bgColor

            StandardText {
                id: number
                anchors.centerIn: parent
                text: root.choosedValue
                color: "#252729"
                font.pointSize: root.dataFontSize
            }
        }

        SignButton {
            objectName: "plus"
            anchors.verticalCenter: parent.verticalCenter
            sign: "+"
            atLimit: root.choosedValue >= root.maxValue
            onClicked: root.increase()
        }
    }
}

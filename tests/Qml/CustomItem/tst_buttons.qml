import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 600
    height: 200

    readonly property var durations: [
        { text: "30秒", value: 30 }, { text: "1分钟", value: 60 }, { text: "2分钟", value: 120 },
        { text: "5分钟", value: 300 }, { text: "10分钟", value: 600 }
    ]

    Component { id: groupComponent; CustomButtonGroup { model: area.durations; choosedValue: 60 } }
    Component { id: buttonComponent; CustomButton { text: "开始上课" } }
    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "Buttons"
        when: windowShown

        function test_visibleValue_data() {
            return [
                { tag: "all", visibleValue: [], shown: [30, 60, 120, 300, 600] },
                { tag: "60 to 300", visibleValue: [60, 300], shown: [60, 120, 300] },
                { tag: "first and last of three", visibleValue: [120, 200, 600], shown: [120, 300, 600] }
            ]
        }

        function test_visibleValue(data) {
            var group = createTemporaryObject(groupComponent, area, { visibleValue: data.visibleValue })
            for (var i = 0; i < area.durations.length; ++i) {
                var value = area.durations[i].value
                compare(findChild(group, "button_" + value).visible, data.shown.indexOf(value) >= 0, "value " + value)
            }
        }

        function test_clickChooses() {
            var group = createTemporaryObject(groupComponent, area)
            waitForItemPolished(group)
            var spy = createTemporaryObject(spyComponent, area, { target: group, signalName: "valueChanged" })
            var chosen = findChild(group, "button_60")
            var other = findChild(group, "button_300")
            compare(String(chosen.bgColor), "#3a78e6")
            compare(chosen.borderWidth, 0)
            compare(String(other.textColor), "#252729")
            compare(other.borderWidth, 1)

            mouseClick(other)
            compare(group.choosedValue, 300)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0], 300)
            compare(String(other.bgColor), "#3a78e6")
            compare(String(other.textColor), "#ffffff")
            compare(String(chosen.borderColor), "#666666")
        }

        function test_buttonPaddingSizes_data() {
            return [
                { tag: "padding", properties: { padding: 6 }, horizontal: 6, vertical: 6 },
                { tag: "horizontal larger", properties: { padding: 2, horPadding: 10 }, horizontal: 10, vertical: 2 },
                { tag: "vertical only", properties: { width: 200, verPadding: 5 }, horizontal: -1, vertical: 5 }
            ]
        }

        function test_buttonPaddingSizes(data) {
            var button = createTemporaryObject(buttonComponent, area, data.properties)
            var label = findChild(button, "label")
            if (data.horizontal >= 0)
                compare(button.width, label.implicitWidth + 2 * data.horizontal)
            else
                compare(button.width, 200)
            compare(button.height, label.implicitHeight + 2 * data.vertical)
        }

        function test_buttonSquareOnLargerSide() {
            var button = createTemporaryObject(buttonComponent, area, { padding: 4, whEqual: true })
            verify(button.width > 0)
            compare(button.height, button.width)
        }

        function test_buttonClickReportsMouse() {
            var button = createTemporaryObject(buttonComponent, area, { width: 80, height: 30 })
            var spy = createTemporaryObject(spyComponent, area, { target: button, signalName: "btnClicked" })
            mouseClick(button, 10, 12)
            compare(spy.count, 1)
            compare(spy.signalArguments[0][0].x, 10)
        }
    }
}

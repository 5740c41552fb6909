import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 400
    height: 200

    Component {
        id: counterComponent
        CountUpDown {}
    }

    Component {
        id: spyComponent
        SignalSpy { signalName: "valuedChanged" }
    }

    TestCase {
        name: "CountUpDown"
        when: windowShown

        function makeCounter(properties) {
            var counter = createTemporaryObject(counterComponent, area, properties)
            var spy = createTemporaryObject(spyComponent, area, { target: counter })
            return { counter: counter, spy: spy }
        }

        function test_click_data() {
            return [
                { tag: "minus steps down", start: 50, button: "minus", expected: 45 },
                { tag: "plus steps up", start: 50, button: "plus", expected: 55 },
                { tag: "minus clamps at min", start: 3, button: "minus", expected: 0 },
                { tag: "plus clamps at max", start: 98, button: "plus", expected: 100 },
                // At a limit the click changes nothing but still reports the value.
                { tag: "minus at min", start: 0, button: "minus", expected: 0 },
                { tag: "plus at max", start: 100, button: "plus", expected: 100 }
            ]
        }

        function test_click(data) {
            var made = makeCounter({ choosedValue: data.start })
            mouseClick(findChild(made.counter, data.button))
            compare(made.counter.choosedValue, data.expected)
            compare(made.spy.count, 1)
            compare(made.spy.signalArguments[0][0], data.expected)
        }

        function test_repeatedClicksStayWithinLimits() {
            var made = makeCounter({ choosedValue: 20, minValue: 10, maxValue: 30, step: 4 })
            var minus = findChild(made.counter, "minus")
            for (var i = 0; i < 5; ++i)
                mouseClick(minus)
            compare(made.counter.choosedValue, 10)
            compare(made.spy.count, 5)
            compare(made.spy.signalArguments[4][0], 10)
            var plus = findChild(made.counter, "plus")
            for (i = 0; i < 8; ++i)
                mouseClick(plus)
            compare(made.counter.choosedValue, 30)
        }

        function test_buttonTurnsGreyAtItsLimit_data() {
            return [
                { tag: "at min", value: 0, minus: "#999999", plus: "#3a78e6" },
                { tag: "between", value: 50, minus: "#3a78e6", plus: "#3a78e6" },
                { tag: "at max", value: 100, minus: "#3a78e6", plus: "#999999" }
            ]
        }

        function test_buttonTurnsGreyAtItsLimit(data) {
            var counter = makeCounter({ choosedValue: data.value }).counter
            compare(String(findChild(counter, "minus").color), data.minus)
            compare(String(findChild(counter, "plus").color), data.plus)
        }

        function test_numberWidth() {
            var narrow = makeCounter({ choosedValue: 5 }).counter
            compare(findChild(narrow, "number").width, 60)

            var set = makeCounter({ choosedValue: 5, setContentWidth: 90 }).counter
            compare(findChild(set, "number").width, 90)

            var wide = makeCounter({ choosedValue: 123456789, maxValue: 1e9, dataFontSize: 16 }).counter
            var field = findChild(wide, "number")
            var digits = field.children[0]
            verify(digits.contentWidth > 30)
            compare(field.width, digits.contentWidth + 60)
        }
    }
}

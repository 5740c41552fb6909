import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 400
    height: 100

    Component { id: barComponent; HorDragBar { x: 50; y: 40; lineWidth: 200; buttonWidth: 16; runningPosition: 100 } }
    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "HorDragBar"
        when: windowShown

        function spyOn(target, signalName) {
            return createTemporaryObject(spyComponent, area, { target: target, signalName: signalName })
        }

        function test_dragStaysOnTheLine_data() {
            return [
                { tag: "within", dx: 30, expected: 130 },
                { tag: "past the end", dx: 400, expected: 200 },
                { tag: "before the start", dx: -400, expected: 0 }
            ]
        }

        function test_dragStaysOnTheLine(data) {
            var bar = createTemporaryObject(barComponent, area)
            var knob = findChild(bar, "knob")
            var starts = spyOn(bar, "startChangePosition")
            var stops = spyOn(bar, "stopChangePosition")
            var seeks = spyOn(bar, "seekPositionChanged")

            // Taken at its centre (100 on the line); moves are given in the
            // bar's coordinates because the knob moves along.
            mousePress(knob, 8, 8)
            compare(starts.count, 1)
            mouseMove(bar, 100 + data.dx / 2, 8, -1, Qt.LeftButton)
            mouseMove(bar, 100 + data.dx, 8, -1, Qt.LeftButton)
            mouseRelease(bar, 100 + data.dx, 8)
            compare(stops.count, 1)
            compare(bar.runningPosition, data.expected)
            verify(seeks.count >= 1)
            var last = seeks.signalArguments[seeks.count - 1]
            compare(last[0], data.expected)
            compare(last[1], 200)
            compare(knob.x + knob.width / 2, data.expected)
        }
    }
}

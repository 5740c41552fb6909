import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"
import "qrc:/Qml/Util"

Item {
    id: area
    width: 400
    height: 300

    // The live-class page's text unit, read by the arrow panel.
    property real normalTextHeight: 7

    CommonFun { id: commonFun }

    Component { id: arrowComponent; ArrowItem { width: 200; height: 120 } }

    TestCase {
        name: "Utilities"
        when: windowShown

        function test_max() {
            compare(commonFun.max(3, 7), 7)
            compare(commonFun.max(7, 3), 7)
            compare(commonFun.max(-1.5, -2), -1.5)
        }

        function test_currentTimeText() {
            verify(/^\d{4}\/\d{2}\/\d{2} \d{2}:\d{2}:\d{2}$/.test(commonFun.getCurrentTimeStr()))
            compare(commonFun.getCurrentTimeStr("yyyy"), String(new Date().getFullYear()))
        }

        function test_arrowPlacement_data() {
            return [
                { tag: "top centred", pos: "top", setX: 0, x: 100, y: 0 },
                { tag: "top at setX", pos: "top", setX: 30, x: 30, y: 0 },
                { tag: "bottom", pos: "bottom", setX: 30, x: 100, y: 120 },
                { tag: "left", pos: "left", setX: 0, x: 0, y: 60 },
                { tag: "right", pos: "right", setX: 0, x: 200, y: 60 }
            ]
        }

        function test_arrowPlacement(data) {
            var panel = createTemporaryObject(arrowComponent, area, { arrowPos: data.pos, setX: data.setX })
            var tip = findChild(panel, "arrowTip")
            verify(tip.visible)
            compare(panel.arrowSize, 2 * area.normalTextHeight)
            compare(tip.width, panel.arrowSize)
            compare(tip.x + tip.width / 2, data.x)
            compare(tip.y + tip.height / 2, data.y)
        }

        function test_arrowHiddenWithoutPosition() {
            var panel = createTemporaryObject(arrowComponent, area)
            verify(!findChild(panel, "arrowTip").visible)
        }
    }
}

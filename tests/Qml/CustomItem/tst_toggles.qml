import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 400
    height: 300

    Component { id: toggleComponent; ToggleButton {} }
    Component { id: textToggleComponent; TextToggleButton { text: "自动录屏" } }
    Component { id: textToggleVerComponent; TextToggleVerButton { text: "填充" } }
    Component { id: selectComponent; SelectItem {} }
    Component { id: arrowsComponent; ForwardBackGroup {} }
    Component { id: spyComponent; SignalSpy {} }

    TestCase {
        name: "Toggles"
        when: windowShown

        function spyOn(target, signalName) {
            return createTemporaryObject(spyComponent, area, { target: target, signalName: signalName })
        }

        function test_toggleButtonFlipsAndReports() {
            var toggle = createTemporaryObject(toggleComponent, area)
            var left = spyOn(toggle, "toggleLeft")
            var right = spyOn(toggle, "toggleRight")
            var knob = findChild(toggle, "knob")
            compare(toggle.state, "left")
            var round = knob.width

            mouseClick(toggle)
            compare(toggle.state, "right")
            compare(right.count, 1)
            compare(left.count, 0)
            // The knob stretches over the pill in its 200 ms animation.
            tryCompare(knob, "width", toggle.width - 2 * knob.x, 1000)
            compare(String(knob.color), "#3a78e6")

            mouseClick(toggle)
            compare(toggle.state, "left")
            compare(left.count, 1)
            compare(right.count, 1)
            tryCompare(knob, "width", round, 1000)
            compare(String(knob.color), "#999999")
        }

        function test_textToggle_data() {
            return [
                { tag: "label then switch", component: textToggleComponent, vertical: false },
                { tag: "switch above label", component: textToggleVerComponent, vertical: true }
            ]
        }

        function test_textToggle(data) {
            var item = createTemporaryObject(data.component, area, { state: "right" })
            var inner = findChild(item, "switch")
            var label = findChild(item, "label")
            compare(inner.state, "right")
            if (data.vertical)
                verify(inner.y + inner.height <= label.y)
            else
                verify(label.x + label.width <= inner.x)

            var left = spyOn(item, "toggleLeft")
            var right = spyOn(item, "toggleRight")
            mouseClick(inner)
            compare(left.count, 1)
            compare(item.state, "left")
            mouseClick(inner)
            compare(right.count, 1)
            compare(item.state, "right")

            // A page setting the side moves the switch without reporting it.
            item.state = "left"
            compare(inner.state, "left")
            compare(left.count, 1)
        }

        function test_textToggleSizes() {
            var item = createTemporaryObject(textToggleComponent, area, { setWidth: 200, setHeight: 50 })
            compare(item.width, 200)
            compare(item.height, 50)
            var inner = findChild(item, "switch")
            // Three text lines by one and a half, whatever the outer size.
            compare(inner.width, inner.height * 2)
        }

        function test_selectItem_data() {
            return [
                { tag: "selectable", selectAble: true, checkedAfter: true, reports: 1,
                  picture: "qrc:/res/choose_select.png" },
                { tag: "not selectable", selectAble: false, checkedAfter: false, reports: 0,
                  picture: "qrc:/res/choose_select_disable.png" }
            ]
        }

        function test_selectItem(data) {
            var box = createTemporaryObject(selectComponent, area, { selectAble: data.selectAble })
            var spy = spyOn(box, "checkStateChanged")
            mouseClick(box)
            compare(box.checked, data.checkedAfter)
            compare(spy.count, data.reports)
            box.checked = true
            var mark = findChild(box, "checkMark")
            compare(String(mark.source), data.picture)
            verify(mark.visible)
        }

        function test_forwardBack_data() {
            return [
                { tag: "both enabled", leftAble: true, rightAble: true, lefts: 1, rights: 1 },
                { tag: "left disabled", leftAble: false, rightAble: true, lefts: 0, rights: 1 },
                { tag: "right disabled", leftAble: true, rightAble: false, lefts: 1, rights: 0 }
            ]
        }

        function test_forwardBack(data) {
            var arrows = createTemporaryObject(arrowsComponent, area,
                                               { leftAble: data.leftAble, rightAble: data.rightAble })
            var lefts = spyOn(arrows, "goToLeft")
            var rights = spyOn(arrows, "goToRight")
            var left = findChild(arrows, "left")
            var right = findChild(arrows, "right")
            mouseClick(left)
            mouseClick(right)
            compare(lefts.count, data.lefts)
            compare(rights.count, data.rights)
            compare(String(left.source), data.leftAble ? "qrc:/res/go_to_left.png" : "qrc:/res/go_to_left_disable.png")
            compare(String(right.source), data.rightAble ? "qrc:/res/go_to_right.png" : "qrc:/res/go_to_right_disable.png")
        }
    }
}

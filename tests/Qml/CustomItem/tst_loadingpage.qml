import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 400
    height: 300

    MouseArea {
        id: below
        anchors.fill: parent
        property int clicks: 0
        onClicked: ++clicks
    }

    Component { id: pageComponent; LoadingPage {} }

    TestCase {
        name: "LoadingPage"
        when: windowShown

        function test_hidesItselfAfterItsFrames() {
            var page = createTemporaryObject(pageComponent, area, { frameMaxShow: 4 })
            verify(!page.visible)
            page.loadingTextStr = "登录中..."
            page.visible = true
            verify(page.frameElapsed <= 1) // the first frame may already count
            tryCompare(page, "visible", false, 3000)
            compare(page.frameElapsed, 4)
            compare(page.loadingTextStr, "")

            // Shown again, it counts from the start.
            page.visible = true
            verify(page.frameElapsed <= 1)
            tryCompare(page, "visible", false, 3000)
        }

        function test_defaultLimitIsSeconds() {
            // Frames of 80 ms: a stuck overlay goes within half a minute.
            var page = createTemporaryObject(pageComponent, area)
            verify(page.frameMaxShow > 0)
            verify(page.frameMaxShow * 80 <= 30000)
        }

        function test_noLimitStaysUntilHidden() {
            var page = createTemporaryObject(pageComponent, area, { frameMaxShow: 0 })
            page.loadingTextStr = "加载中..."
            page.visible = true
            tryVerify(function() { return page.frameElapsed >= 15 }, 5000)
            verify(page.visible)
            compare(page.loadingTextStr, "加载中...")

            page.visible = false
            compare(page.loadingTextStr, "")
            var stopped = page.frameElapsed
            wait(300)
            compare(page.frameElapsed, stopped)
        }

        function test_swallowsClicks() {
            var page = createTemporaryObject(pageComponent, area, { frameMaxShow: 0 })
            page.visible = true
            mouseClick(area)
            compare(below.clicks, 0)
            page.visible = false
            mouseClick(area)
            compare(below.clicks, 1)
        }
    }
}

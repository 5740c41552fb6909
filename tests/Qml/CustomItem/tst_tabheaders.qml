import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 500
    height: 200

    readonly property var tabs: [
        { text: "讨论区", value: 1 }, { text: "私信", value: 2 }, { text: "课件", value: 3 },
        { text: "教案", value: 4 }, { text: "预览", value: 5 }
    ]

    Component { id: header1Component; TabHeader1 { width: 400; model: area.tabs; focusValue: 3 } }
    Component { id: header2Component; TabHeader2 { model: area.tabs.slice(0, 3) } }

    TestCase {
        name: "TabHeaders"
        when: windowShown

        function test_cellsShareTheWidth() {
            var header = createTemporaryObject(header1Component, area)
            for (var i = 0; i < area.tabs.length; ++i)
                compare(findChild(header, "tab_" + area.tabs[i].value).width, 80)
            compare(String(findChild(header, "tab_3").color), "#f8f8f8")
            compare(String(findChild(header, "tab_1").color), "#e7e8e9")
        }

        function test_unreadCounts() {
            var header = createTemporaryObject(header1Component, area)
            waitForItemPolished(header)
            var focused = findChild(header, "tab_3")
            var other = findChild(header, "tab_1")

            // The focused tab is being read: nothing to count.
            header.addUnreadCount(3, 2)
            compare(focused.unreadCount, 0)
            verify(!findChild(focused, "badge").visible)

            header.addUnreadCount(1, 2)
            header.addUnreadCount(1, 1)
            compare(other.unreadCount, 3)
            verify(findChild(other, "badge").visible)

            // Unknown tab values are ignored.
            header.addUnreadCount(42, 1)

            mouseClick(other)
            compare(header.focusValue, 1)
            compare(other.unreadCount, 0)
            verify(!findChild(other, "badge").visible)

            header.addUnreadCount(4, 5)
            header.resetUnreadCount(4)
            compare(findChild(header, "tab_4").unreadCount, 0)
        }

        function test_header2FollowsModelAndFocus() {
            var header = createTemporaryObject(header2Component, area, { focusValue: 2 })
            waitForItemPolished(header)
            verify(findChild(header, "tab_3"))
            verify(!findChild(header, "tab_4"))
            compare(findChild(header, "tab_2").focused, true)

            mouseClick(findChild(header, "tab_3"))
            compare(header.focusValue, 3)
            verify(findChild(header, "tab_3").focused)
            verify(!findChild(header, "tab_2").focused)

            header.model = [{ text: "数学", value: 7 }, { text: "物理", value: 8 }]
            verify(findChild(header, "tab_7"))
            verify(!findChild(header, "tab_3"))
            compare(header.children.length, 3) // two tabs and their repeater
        }
    }
}

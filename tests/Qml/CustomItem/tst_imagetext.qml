import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 400
    height: 300

    Component {
        id: itemComponent
        ImageTextItem { normalSource: "qrc:/res/choose_select.png"; imgWidth: 30; padding: 4 }
    }
    Component { id: horComponent; ImageTextRatioHorItem { text: "举手"; normalSource: "qrc:/res/go_to_left.png" } }
    Component { id: verComponent; ImageTextRatioItem { text: "举手"; normalSource: "qrc:/res/go_to_left.png" } }

    TestCase {
        name: "ImageText"
        when: windowShown

        function test_sizesItselfOnCompletion_data() {
            return [
                { tag: "text below", text: "下方", position: "bottom" },
                { tag: "text right", text: "右侧", position: "right" },
                { tag: "text left", text: "左侧", position: "left" },
                { tag: "no text", text: "", position: "bottom" }
            ]
        }

        function test_sizesItselfOnCompletion(data) {
            var item = createTemporaryObject(itemComponent, area, { text: data.text, textPosition: data.position })
            if (data.text === "") {
                compare(item.width, 30)
                compare(item.height, 30)
                return
            }
            var label = findChild(item, "label")
            if (data.position === "bottom") {
                compare(item.width, Math.max(30, label.width) + 8)
                compare(item.height, 30 + label.height + 12)
            } else {
                compare(item.width, 30 + label.width + 12)
                compare(item.height, Math.max(30, label.height) + 8)
            }
        }

        function test_flickerBlinksTheBackground_data() {
            return [
                { tag: "row", component: horComponent },
                { tag: "column", component: verComponent }
            ]
        }

        function test_flickerBlinksTheBackground(data) {
            var item = createTemporaryObject(data.component, area, { focusBgColor: "#ff0000" })
            compare(String(item.color), "#ffffff")
            item.enableFlicker = true
            tryCompare(item, "color", "#ff0000", 2000)
            tryCompare(item, "color", "#ffffff", 2000)
            item.enableFlicker = false
            compare(String(item.color), "#ffffff")
            item.isFocus = true
            compare(String(item.color), "#ff0000")
        }
    }
}

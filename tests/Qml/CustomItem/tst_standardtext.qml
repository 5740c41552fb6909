import QtQuick 2.12
import QtTest 1.12
import "qrc:/Qml/CustomItem"

Item {
    id: area
    width: 300
    height: 100

    Component {
        id: textComponent
        StandardText { text: "讲义区"; font.pointSize: 10 }
    }

    TestCase {
        name: "StandardText"
        when: windowShown

        function test_withoutConfig() {
            verify(typeof config === "undefined")
            var text = createTemporaryObject(textComponent, area)
            verify(text)
            compare(text.renderType, Text.QtRendering)
            compare(text.font.family, "SimSun")
        }

        function test_withConfig_data() {
            return [
                { tag: "native on", renderNative: true, expected: Text.NativeRendering },
                { tag: "native off", renderNative: false, expected: Text.QtRendering }
            ]
        }

        function test_withConfig(data) {
            var holder = createTemporaryObject(holderComponent, area)
            var text = configContexts.createWithConfig(textComponent, holder, data.renderNative)
            verify(text)
            compare(text.renderType, data.expected)
        }

        function test_pointSizeMore_data() {
            return [
                { tag: "none", more: 0, expected: 10 },
                { tag: "larger", more: 3, expected: 13 },
                { tag: "smaller", more: -2, expected: 8 }
            ]
        }

        function test_pointSizeMore(data) {
            var text = createTemporaryObject(textComponent, area, { pointSizeMore: data.more })
            compare(text.font.pointSize, data.expected)
        }
    }

    Component {
        id: holderComponent
        Item {}
    }
}

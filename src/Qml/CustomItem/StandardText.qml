import QtQuick 2.12

// Every text of the interface: one family, optionally a few points larger, and
// the system's text rendering when the settings ask for it.
Text {
    property int pointSizeMore: 0

    font.family: "SimSun"

    Component.onCompleted: {
        if (pointSizeMore !== 0 && font.pointSize > 0)
            font.pointSize = font.pointSize + pointSizeMore
        // Not every view offers the settings object; without it the default
        // rendering stays.
        if (typeof config !== "undefined" && config && config.renderNative)
            renderType = Text.NativeRendering
    }
}

import QtQuick 2.12
import "Panel" as Panel

// The layer over the board that hosts the typing panel; the top menu's "打字"
// item toggles showInput. The panel's texts go to the window as they are.
Item {
    id: subContent

    property alias showInput: typingPanel.visible
    property url textSmallIcon
    property url textMiddleIcon
    property url textBigIcon
    property color controlBarColor: "#FFE8BC"

    Panel.TypingTextPanel {
        id: typingPanel
        objectName: "typingTextPanel"
        anchors.fill: parent
        textSmallIcon: subContent.textSmallIcon
        textMiddleIcon: subContent.textMiddleIcon
        textBigIcon: subContent.textBigIcon
        controlBarColor: subContent.controlBarColor
        onTypingText: videoWindow.typingText(fontFamily, pointFontSize, text, width, height, color, marginLeft,
                                             marginTop, marginRight, marginBottom, lineHeight, xPos, yPos, isEnd)
    }
}

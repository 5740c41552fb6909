import QtQuick 2.12
import "../CustomItem"

// The panel over the board where the teacher types text. While typing, the
// text goes out every 800 ms as a live update (isEnd false); a click elsewhere
// on the panel, or hiding it, finishes the text (isEnd true), which the window
// pastes as a picture.
Item {
    id: panel

    property url textSmallIcon
    property url textMiddleIcon
    property url textBigIcon
    property color controlBarColor: "#FFE8BC"
    readonly property var fontSizes: [16, 20, 24]
    readonly property var colors: ["#252729", "#ff0000", "#0000ff"]
    property int sizeIndex: 0
    property int colorIndex: 0
    readonly property int maxLength: 200
    readonly property real unit: unitMetrics.height
    readonly property real lineHeight: lineMetrics.height
    readonly property alias field: field

    property bool typingChanged: false
    property bool styleChanged: false
    property string lastSentText: ""

    signal typingText(string fontFamily, int pointFontSize, string text, int width, int height, color color,
                      int marginLeft, int marginTop, int marginRight, int marginBottom, int lineHeight,
                      int xPos, int yPos, bool isEnd)

    function emitText(isEnd) {
        panel.typingText(field.font.family, field.font.pointSize, field.text, field.contentWidth,
                         field.contentHeight, field.color, field.leftPadding, field.topPadding,
                         field.rightPadding, field.bottomPadding, panel.lineHeight, field.x, field.y, isEnd)
    }
    // Finishes the text in the field, if any, and empties the field without
    // a live update of the empty text.
    function finishText() {
        if (field.text.length > 0)
            emitText(true)
        field.text = ""
        typingChanged = false
        styleChanged = false
        lastSentText = ""
        sendTimer.stop()
    }
    function styleChange() {
        styleChanged = true
        sendTimer.start()
    }
    function onTick() {
        if (!typingChanged && !styleChanged)
            return
        // An empty field that never sent anything makes no live element.
        var changed = field.text !== lastSentText || styleChanged
        if (changed && (field.text.length > 0 || lastSentText.length > 0))
            emitText(false)
        typingChanged = false
        styleChanged = false
        lastSentText = field.text
    }

    visible: false
    onVisibleChanged: {
        finishText()
        field.visible = visible
        if (visible)
            field.forceActiveFocus()
    }
    onSizeIndexChanged: styleChange()
    onColorIndexChanged: styleChange()

    FontMetrics {
        id: unitMetrics
        font.family: "SimSun"
        font.pointSize: 10
    }
    TextMetrics {
        id: lineMetrics
        font.family: field.font.family
        font.pointSize: field.font.pointSize
        text: "打字"
    }

    Timer {
        id: sendTimer
        objectName: "typingSendTimer"
        interval: 800
        repeat: true
        onTriggered: panel.onTick()
    }

    MouseArea {
        id: panelArea
        anchors.fill: parent
        cursorShape: Qt.IBeamCursor
        onClicked: {
            panel.finishText()
            field.width = panel.lineHeight * 8
            field.x = Math.max(0, Math.min(mouse.x, panel.width - field.width))
            field.y = mouse.y
            field.forceActiveFocus()
        }
    }

    // The red frame around the field.
    Rectangle {
        x: field.x - panel.unit / 2
        y: field.y - panel.unit / 2
        width: field.width + panel.unit
        height: field.height + panel.unit
        visible: field.visible
        color: "transparent"
        border.color: "#ff0000"
        radius: 4
    }

    TextEdit {
        id: field
        objectName: "typingField"
        x: 100
        y: 150
        width: 100
        visible: false
        wrapMode: TextEdit.WrapAtWordBoundaryOrAnywhere
        verticalAlignment: TextEdit.AlignTop
        selectByMouse: true
        font.family: "SimSun"
        font.pointSize: panel.fontSizes[panel.sizeIndex]
        color: panel.colors[panel.colorIndex]
        onTextChanged: {
            if (text.length > panel.maxLength) {
                var cursor = cursorPosition
                text = text.substring(0, panel.maxLength)
                cursorPosition = cursor >= panel.maxLength ? panel.maxLength : cursor
            }
            panel.typingChanged = true
            sendTimer.start()
        }
        onXChanged: panel.styleChange()
        onYChanged: panel.styleChange()
        onWidthChanged: panel.styleChange()

        // Move handle at the top-left corner.
        MouseArea {
            objectName: "moveHandle"
            x: -panel.unit
            y: -panel.unit
            width: panel.unit
            height: panel.unit
            cursorShape: Qt.SizeAllCursor
            drag.target: field
            drag.minimumX: 0
            drag.minimumY: 0
            drag.maximumX: panel.width - field.width
            drag.maximumY: panel.height - field.height
        }
        // Resize handle at the right edge.
        Image {
            objectName: "resizeHandle"
            x: field.width
            y: 0
            width: panel.unit
            height: panel.unit
            source: "qrc:/res/type_text_drag.png"
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.SizeHorCursor
                property real pressX: 0
                onPressed: pressX = mouse.x
                onPositionChanged: {
                    var wanted = field.width + mouse.x - pressX
                    field.width = Math.max(panel.unit * 8, Math.min(wanted, panel.width - field.x))
                }
            }
        }
    }

    // The control bar: sizes and colours; dragged anywhere inside the panel.
    Rectangle {
        id: controlBar
        objectName: "typingControlBar"
        x: panel.unit
        y: panel.unit
        height: panel.unit * 3
        width: barRow.width + panel.unit * 2
        radius: 4
        color: panel.controlBarColor

        MouseArea {
            anchors.fill: parent
            drag.target: controlBar
            drag.minimumX: 0
            drag.minimumY: 0
            drag.maximumX: panel.width - controlBar.width
            drag.maximumY: panel.height - controlBar.height
        }
        Row {
            id: barRow
            anchors.centerIn: parent
            spacing: panel.unit / 2
            Repeater {
                model: [panel.textSmallIcon, panel.textMiddleIcon, panel.textBigIcon]
                Rectangle {
                    objectName: "sizeButton_" + index
                    width: panel.unit * 2
                    height: width
                    radius: 3
                    color: index === panel.sizeIndex ? "white" : "transparent"
                    Image {
                        anchors.fill: parent
                        anchors.margins: 2
                        source: modelData
                    }
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: panel.sizeIndex = index
                    }
                }
            }
            Repeater {
                model: panel.colors
                Rectangle {
                    objectName: "colorButton_" + index
                    width: panel.unit * 2
                    height: width
                    color: modelData
                    border.color: "white"
                    border.width: index === panel.colorIndex ? 2 : 0
                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: panel.colorIndex = index
                    }
                }
            }
        }
    }
}

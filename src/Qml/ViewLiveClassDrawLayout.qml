import QtQuick 2.12
import com.morvane.veltro.controls 1.0
import "CustomItem"

// The board's layer stack: background, committed strokes, strokes in
// progress and cover boards inside the clipped container; the waiting shade,
// the momentary overlay and the touch view above it; then the debug aids and
// the style box of the shape being edited. The window finds the items by
// object name and drives them from C++; this file only lays them out.
Item {
    id: root

    property alias layer0: backgroundLayout
    property alias layer1: sketchView
    property alias layer2: temporalView
    property alias layer3: foregroundLayout
    property bool isDotLineSelected: false
    property int selectColorIndex: 0
    readonly property bool inDebug: typeof config !== "undefined" && config !== null
                                    && config.getValue("in_debug") === "1"
    // The host page's size unit.
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 16

    function tellWindow(name, value) {
        if (typeof videoWindow !== "undefined" && videoWindow !== null)
            videoWindow[name](value)
    }

    // Size tag of a layer, shown while debugging.
    component DebugTag: Rectangle {
        property string label
        visible: root.inDebug
        width: tagText.implicitWidth + 4
        height: tagText.implicitHeight + 2
        color: "#ff6321"
        Text {
            id: tagText
            anchors.centerIn: parent
            color: "white"
            text: parent.label + parent.parent.width + "*" + parent.parent.height
        }
    }

    // Background shown as selected when the button's value is the chosen one.
    component ChoiceButton: Rectangle {
        property bool selected: false
        signal clicked()
        width: root.unit * 2
        height: root.unit * 2
        radius: root.unit / 2
        color: selected ? "#405864B5" : "#00ffffff"
        MouseArea {
            anchors.fill: parent
            onClicked: parent.clicked()
        }
    }

    component ColorButton: ChoiceButton {
        property int colorIndex
        property color circleColor
        property bool bordered: false
        selected: root.selectColorIndex === colorIndex
        onClicked: {
            root.selectColorIndex = colorIndex
            root.tellWindow("onColorSelect", colorIndex)
        }
        Rectangle {
            width: root.unit * 1.6
            height: width
            radius: width / 2
            anchors.centerIn: parent
            anchors.verticalCenterOffset: root.unit / 4
            color: "#20000000"
        }
        Rectangle {
            width: root.unit * 1.6
            height: width
            radius: width / 2
            anchors.centerIn: parent
            color: parent.circleColor
            border.width: parent.bordered ? 1 : 0
            border.color: "#999999"
        }
        Image {
            visible: parent.selected
            width: root.unit * 1.2
            height: width
            anchors.centerIn: parent
            source: "qrc:/res/live_menu/view_live_class_fill_color_choosed.png"
        }
    }

    component LineTypeButton: ChoiceButton {
        property bool isDotLine
        selected: root.isDotLineSelected === isDotLine
        onClicked: {
            root.isDotLineSelected = isDotLine
            root.tellWindow("onLineTypeSelect", isDotLine)
        }
        Image {
            anchors.fill: parent
            anchors.margins: root.unit / 4
            fillMode: Image.PreserveAspectFit
            source: parent.isDotLine ? "qrc:/res/live_menu/view_live_class_dot_line.png"
                                     : "qrc:/res/live_menu/view_live_class_line.png"
        }
    }

    Rectangle {
        id: container
        objectName: "draw_board_container"
        property real contentHeight: touchView.height
        x: touchView.x
        y: touchView.y
        width: touchView.width
        height: touchView.height
        clip: !root.inDebug

        Item {
            id: containerItem
            objectName: "containerItem0"
            width: container.width
            height: container.height

            TQDrawBackgroundLayout {
                id: backgroundLayout
                objectName: "tqdrawbackgroundLayout"
                width: container.width
                height: container.height
                DebugTag { label: "bg" }
            }
            TQDrawSketchView {
                id: sketchView
                objectName: "tqdrawsketchview0"
                width: container.width
                height: container.height
                DebugTag { label: "sk"; y: height }
            }
            TQDrawTemporalView {
                id: temporalView
                objectName: "tqdrawtemporalview0"
                width: container.width
                height: container.height
                DebugTag { label: "tv"; y: 2 * height }
            }
            TQDrawForegroundLayout {
                id: foregroundLayout
                objectName: "tqdrawforgroundLayout"
                width: container.width
                height: container.height
                DebugTag { label: "fg"; y: 3 * height }
            }
        }
    }

    TQDrawShadeView {
        objectName: "mTemporalShade0"
        x: container.x
        y: container.y
        width: container.width
        height: container.height
    }

    TQDrawTemporalLayout {
        objectName: "mTemporalLayout0"
        x: container.x
        y: container.y
        width: container.width
        height: container.height
    }

    TQDrawTouchView {
        id: touchView
        objectName: "touchView0"
        anchors.fill: parent
        DebugTag { label: "tt"; y: 4 * height }
    }

    Rectangle {
        objectName: "debugButton"
        visible: root.inDebug
        width: 20
        height: 20
        radius: 10
        anchors.verticalCenter: parent.verticalCenter
        color: "#ff6321"
        MouseArea {
            anchors.fill: parent
            onClicked: {
                var layers = [backgroundLayout, sketchView, temporalView, foregroundLayout]
                var spread = backgroundLayout.x <= 0
                for (var i = 0; i < layers.length; ++i) {
                    layers[i].x = spread ? 20 * (i + 1) : 0
                    layers[i].y = spread ? 20 * (i + 1) : 0
                }
                root.tellWindow("testFromQml")
            }
        }
    }

    Rectangle {
        id: styleBox
        objectName: "mSelectColorBtn"
        visible: false
        x: container.x + (container.width - width) / 2
        y: container.y + (container.height - height) / 2
        radius: root.unit / 2
        border.width: 1
        border.color: "#c0c0c0"
        color: "white"
        height: root.unit * 3.2
        width: 2 * styleRow.x + styleRow.width

        // The box takes its clicks: none reaches the board below.
        MouseArea {
            anchors.fill: parent
        }

        Row {
            id: styleRow
            x: root.unit
            height: root.unit * 3
            anchors.verticalCenter: parent.verticalCenter
            spacing: root.unit

            Row {
                objectName: "mSelectLineTypeBtn"
                height: root.unit * 2
                anchors.verticalCenter: parent.verticalCenter
                spacing: root.unit / 2
                LineTypeButton { objectName: "solidLineButton"; isDotLine: false }
                LineTypeButton { objectName: "dotLineButton"; isDotLine: true }
            }

            Grid {
                columns: 8
                spacing: root.unit / 4
                anchors.verticalCenter: parent.verticalCenter
                Repeater {
                    model: [
                        { circle: "#FF252729", index: 0 },
                        { circle: "#FFFF0000", index: 1 },
                        { circle: "#FFFFC20F", index: 19 },
                        { circle: "#FFFFE900", index: 3 },
                        { circle: "#FF45E645", index: 18 },
                        { circle: "#FF39B2F5", index: 20 },
                        { circle: "#FF841EFF", index: 5 },
                        { circle: "#FFFFFFFF", index: 11, bordered: true }
                    ]
                    ColorButton {
                        objectName: "colorButton" + modelData.index
                        colorIndex: modelData.index
                        circleColor: modelData.circle
                        bordered: modelData.bordered === true
                    }
                }
            }

            Rectangle {
                width: 1
                height: root.unit * 2
                anchors.verticalCenter: parent.verticalCenter
                color: "#999999"
                visible: fillToggle.visible
            }

            TextToggleButton {
                id: fillToggle
                objectName: "fillShapeBtn"
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("填充")
                padding: root.unit / 4
                onToggleLeft: root.tellWindow("onFillModeChange", false)
                onToggleRight: root.tellWindow("onFillModeChange", true)
            }
        }
    }
}

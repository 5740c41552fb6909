import QtQuick 2.12
import "../CustomItem"

// The shape menu under the top menu's "教学图形": one tab per subject, each a
// "最近使用" category on top of the catalogue's categories as six-column
// grids of icons. The tabs are built from the first menu the native side
// sends; the recent category follows every update.
ArrowItem {
    id: root

    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : line.height
    // The subjects as first received, then kept.
    property var subjects: []
    // The recently used items, shown in every subject's tab.
    property var recentItems: []
    property int currentSubject: 0

    signal itemClicked()

    function showMenu(jaShapes) {
        if (subjects.length === 0)
            subjects = jaShapes
    }

    function showRecent(jaShapes) {
        recentItems = jaShapes
    }

    component ShapeCategory: Column {
        property string title
        property var items: []

        width: parent ? parent.width : 0

        Rectangle {
            objectName: "categoryTitle"
            width: parent.width
            height: root.unit * 2.2
            visible: items.length > 0
            color: "#F1F3F8"

            StandardText {
                anchors.verticalCenter: parent.verticalCenter
                x: root.unit
                text: title
                color: "#272829"
                font.pointSize: 12
            }
        }

        Grid {
            columns: 6
            spacing: root.unit
            padding: root.unit

            Repeater {
                model: items

                Image {
                    objectName: "shapeIcon_" + modelData.code
                    readonly property int type: modelData.type
                    readonly property int code: modelData.code
                    readonly property int toStudentCode: modelData.toStudentCode
                    readonly property string drawImagePath: modelData.drawImagePath

                    width: root.unit * 5
                    height: width
                    fillMode: Image.PreserveAspectFit
                    source: modelData.path

                    MouseArea {
                        anchors.fill: parent
                        cursorShape: Qt.PointingHandCursor
                        onClicked: {
                            if (typeof shapeLayout !== "undefined" && shapeLayout)
                                shapeLayout.menuShape(parent.type, parent.code, parent.toStudentCode,
                                                      parent.drawImagePath, String(parent.source))
                            root.itemClicked()
                        }
                    }
                }
            }
        }
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    arrowPos: "top"
    setX: unit * 6
    width: unit * 40
    height: unit * 40
    visible: false

    Connections {
        target: typeof shapeLayout !== "undefined" ? shapeLayout : null
        function onShowShapeLayout_signal(jaShapes) { root.showMenu(jaShapes) }
        function onUpdateRecentShapes_signal(jaShapes) { root.showRecent(jaShapes) }
    }

    Rectangle {
        anchors.fill: parent
        radius: 10
        color: "white"
        clip: true

        TabHeader2 {
            id: tabs
            objectName: "subjectTabs"
            x: root.unit
            textFontSize: 12
            model: root.subjects.map(function (subject, index) { return { text: subject.title, value: index } })
            focusValue: 0
            onFocusValueChanged: root.currentSubject = focusValue
        }

        Rectangle {
            id: rule
            anchors.top: tabs.bottom
            width: parent.width
            height: 1
            color: "#ececec"
        }

        Repeater {
            model: root.subjects

            Flickable {
                objectName: "subject_" + index
                anchors.top: rule.bottom
                anchors.bottom: parent.bottom
                width: parent.width
                visible: index === root.currentSubject
                clip: true
                contentHeight: categories.height

                Column {
                    id: categories
                    width: parent.width

                    ShapeCategory {
                        objectName: "recentCategory"
                        title: "最近使用"
                        items: root.recentItems
                    }

                    Repeater {
                        model: modelData.categories

                        ShapeCategory {
                            title: modelData.title
                            items: modelData.items_in_category
                        }
                    }
                }
            }
        }
    }
}

import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The course lists in one vertical flickable: the week's schedules, then the
// finished ones; pulling the page down or the refresh entry asks for both
// lists again.
Flickable {
    id: root

    property real unit: 12
    property var pageModel
    readonly property int weekCount: pageModel ? pageModel.weekCourses.count : 0
    readonly property int finishedCount: pageModel ? pageModel.finishedCourses.count : 0
    // Pulled far enough to refresh on release.
    readonly property bool pulledFar: contentY < -10 * hint.height
    // The pull area stays open while a refresh runs.
    property bool refreshing: false

    signal loadingRequested(string text)

    function refresh() {
        refreshing = true
        refreshTimeout.restart()
        theMainWindow.initCourseScheduleList()
        loadingRequested("加载中...")
    }

    function refreshFromEntry() {
        if (!pageModel.tryRefresh()) {
            console.log("flush forbidden")
            return
        }
        refresh()
    }

    function weekListArrived() {
        refreshing = false
        refreshTimeout.stop()
    }

    clip: true
    contentWidth: width
    contentHeight: content.height + 4 * unit
    topMargin: refreshing ? 60 : 0
    boundsBehavior: Flickable.DragOverBounds
    onDragEnded: {
        if (pulledFar)
            refresh()
    }

    Connections {
        target: root.pageModel
        function onFinishedCoursesReplaced() {
            root.contentY = -root.topMargin
        }
    }

    // A refresh whose list never comes must not keep the pull area open.
    Timer {
        id: refreshTimeout
        interval: 10000
        onTriggered: root.refreshing = false
    }

    // Above the content: the pull hint, or the spinner while refreshing.
    Item {
        y: -height
        width: root.width
        height: Math.max(60, -root.contentY - root.topMargin)

        StandardText {
            id: hint
            objectName: "pullHint"
            anchors.centerIn: parent
            visible: !root.refreshing && root.contentY < 0
            text: root.pulledFar ? "松开获取数据" : "下拉刷新"
            color: "#8A8C90"
            font.pointSize: 10
        }

        AnimatedImage {
            anchors.centerIn: parent
            width: 3 * root.unit
            height: width
            source: "qrc:/res/loading.gif"
            visible: root.refreshing
            playing: visible
        }
    }

    Column {
        id: content
        x: 2 * root.unit
        y: 2 * root.unit
        width: root.width - 4 * root.unit
        spacing: root.unit

        // Nothing at all.
        Item {
            objectName: "noCourses"
            width: parent.width
            height: visible ? root.height - 4 * root.unit : 0
            visible: root.weekCount === 0 && root.finishedCount === 0

            Column {
                anchors.centerIn: parent
                spacing: 1.5 * root.unit

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 16 * root.unit
                    height: width * 3 / 4
                    source: "qrc:/res/no_course.png"
                    smooth: true
                    mipmap: true
                }

                StandardText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "您还没有待上课程，快去打开手机端或者iPad创建课程吧"
                    color: "#8A8C90"
                    font.pointSize: 12
                }
            }
        }

        Item {
            width: parent.width
            height: 2.5 * root.unit

            Row {
                anchors.left: parent.left
                anchors.verticalCenter: parent.verticalCenter
                spacing: root.unit / 2

                StandardText {
                    anchors.verticalCenter: parent.verticalCenter
                    text: "一周讲次"
                    color: "#252729"
                    font.pointSize: 14
                    font.bold: true
                }

                Image {
                    anchors.verticalCenter: parent.verticalCenter
                    height: 1.6 * root.unit
                    width: height * sourceSize.width / Math.max(1, sourceSize.height)
                    source: "qrc:/res/week_schedules_tips.png"
                    smooth: true
                    mipmap: true
                }
            }

            Item {
                id: refreshEntry
                objectName: "refreshEntry"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: refreshRow.width
                height: refreshRow.height

                Row {
                    id: refreshRow
                    spacing: root.unit / 3

                    Image {
                        anchors.verticalCenter: parent.verticalCenter
                        width: 1.3 * root.unit
                        height: width
                        source: "qrc:/res/flush.png"
                        smooth: true
                        mipmap: true
                    }

                    StandardText {
                        anchors.verticalCenter: parent.verticalCenter
                        text: "刷新课程"
                        color: "#3A78E6"
                        font.pointSize: 10
                    }
                }

                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: root.refreshFromEntry()
                }
            }
        }

        Repeater {
            objectName: "weekRepeater"
            model: root.pageModel ? root.pageModel.weekCourses : null

            CourseItem {
                width: content.width
                unit: root.unit
            }
        }

        // No class this week, but finished ones.
        Item {
            objectName: "noWeekCourses"
            width: parent.width
            height: visible ? weekEmptyColumn.height + 2 * root.unit : 0
            visible: root.weekCount === 0 && root.finishedCount > 0

            Column {
                id: weekEmptyColumn
                anchors.centerIn: parent
                spacing: root.unit

                Image {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 10 * root.unit
                    height: width * 3 / 4
                    source: "qrc:/res/no_course.png"
                    smooth: true
                    mipmap: true
                }

                StandardText {
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: "您一周内还没有待上课程，快去打开手机端或者iPad创建课程吧"
                    color: "#8A8C90"
                    font.pointSize: 10
                }
            }
        }

        Item {
            width: parent.width
            height: visible ? 3.5 * root.unit : 0
            visible: root.finishedCount > 0

            StandardText {
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                anchors.bottomMargin: root.unit / 2
                text: "已上课程"
                color: "#252729"
                font.pointSize: 14
                font.bold: true
            }
        }

        Repeater {
            objectName: "finishedRepeater"
            model: root.pageModel ? root.pageModel.finishedCourses : null

            CourseItem {
                width: content.width
                unit: root.unit
            }
        }
    }
}

import QtQuick 2.12
import "Menu" as Menu
import "Panel" as Panel
import "TeachingAssistant" as TeachingAssistant
import "HoverPanel" as HoverPanel

// The class page: the top menu, the student list, the board between them and
// the teaching assistant, the panels above them. The window drives it through
// its signals and finds the items it needs by object name; the page itself
// only lays out and forwards the teacher's gestures.
Item {
    id: root
    objectName: "root"
    x: 0
    y: 0

    property var teacher_user_id: mainUser.userID
    // The size unit of the page: the height of one line of small text.
    property real normalTextHeight: 12
    property bool isLowPriceCourse: false
    property bool isOrgCourse: false
    property bool isWxClassCourse: false
    property bool needPageControlShow: false
    property int initTimeLength: 0
    property bool isShareScreenMode: false
    property bool isOfflineMode: false

    Component.onCompleted: {
        normalTextHeight = unitProbe.height
        initTimer.start()
    }

    // Measures the size unit; never shown.
    Text {
        id: unitProbe
        visible: false
        font.pointSize: 10
        text: "讲义区"
    }

    Rectangle {
        id: windowArea
        objectName: "videoWindow"
        anchors.fill: parent
        color: "#98A4AF"

        Rectangle {
            id: offlineBanner
            objectName: "offlineBanner"
            visible: root.isOfflineMode
            width: parent.width
            height: topMenuItem.height * 0.2
            color: "#F5222D"
            Text {
                anchors.centerIn: parent
                color: "white"
                font.pixelSize: 20
                text: "磨课中..."
            }
        }

        Menu.TopMenu {
            id: topMenuItem
            objectName: "topMenuItem"
            x: 0
            y: offlineBanner.visible ? offlineBanner.height : 1
            width: teachingAssistant.x
            visible: !root.isShareScreenMode
            hoverPanelManager: hoverPanelManager
            isLowPriceCourse: root.isLowPriceCourse
            onHeightChanged: {
                // The window's size handling is not in every build.
                if (height > 5 * root.normalTextHeight && typeof videoWindow.contentSizeChange === "function")
                    videoWindow.contentSizeChange(userListLayout.width + teachingAssistant.width, height,
                                                  root.normalTextHeight)
            }
        }

        UserListLayout {
            id: userListLayout
            objectName: "userListLayout"
            x: 0
            y: root.isShareScreenMode ? 0 : topMenuItem.y + topMenuItem.height
            height: parent.height - y
            boardArea: drawArea
            topMenuBottom: topMenuItem.y + topMenuItem.height
            assistantLeft: teachingAssistant.x
            hidePhone: root.isOrgCourse
        }

        TeachingAssistant.TeachingAssistant {
            id: teachingAssistant
            objectName: "teachingAssistant"
            isWxClassCourse: root.isWxClassCourse
            anchors.right: parent.right
            y: offlineBanner.visible ? offlineBanner.height : 0
            height: parent.height - y
            visible: !root.isShareScreenMode
        }

        Item {
            id: drawArea
            objectName: "drawArea"
            x: userListLayout.x + userListLayout.width + 2
            y: topMenuItem.y + topMenuItem.height + 2
            width: teachingAssistant.x - 2 - x
            height: parent.height - 4 - y
            visible: !root.isShareScreenMode

            // The largest 820 : 520 board that fits the area.
            readonly property bool heightLimited: width * 520 > height * 820

            ViewLiveClassDrawLayout {
                id: drawLayout
                objectName: "drawLayout"
                width: drawArea.heightLimited ? drawArea.height * 820 / 520 : drawArea.width
                height: drawArea.heightLimited ? drawArea.height : drawArea.width * 520 / 820
                anchors.centerIn: parent
            }

            Text {
                id: drawAreaText
                objectName: "drawAreaText"
                anchors.centerIn: parent
                font.pointSize: 16
                color: "#ff6321"
                text: "正在初始化..."
            }

            Panel.LiveScroll {
                id: liveScroll
                objectName: "liveScroll"
                x: drawLayout.x + drawLayout.width
                width: root.normalTextHeight / 2
                height: drawArea.height
                onGoToScrollY: videoWindow.scrollTo(buttonY, bgHeight)
            }

            ViewLiveClassDrawLayoutSubContent {
                objectName: "drawLayoutSubContent"
                anchors.fill: drawLayout
                textSmallIcon: "qrc:/res/type_text/text_small.png"
                textMiddleIcon: "qrc:/res/type_text/text_middle.png"
                textBigIcon: "qrc:/res/type_text/text_big.png"
            }

            TeacherVideoPlayer {
                id: teacherVideoPlayer
                objectName: "teacherVideoPlayer"
                visible: false
                width: 820
                height: 520
                anchors.centerIn: parent
            }

            // Moved with the board's scrolling, inside the board's frame.
            Item {
                x: drawLayout.x
                y: drawLayout.y
                width: drawLayout.width
                height: drawLayout.height
                clip: true

                TeacherPPTPlayer {
                    id: teacherPPTPlayer
                    objectName: "teacherPPTPlayer"
                    visible: false
                    width: parent.width
                    height: parent.height
                }
            }

            PPTVideoControl {
                objectName: "pptVideoControl"
                x: 10
                y: 10
                width: root.normalTextHeight
                height: root.normalTextHeight
                visible: teacherPPTPlayer.visible
            }

            ViewLiveClassPageControl {
                id: pageControl
                objectName: "pageControl"
                anchors.horizontalCenter: parent.horizontalCenter
                anchors.bottom: parent.bottom
                anchors.bottomMargin: 10
                z: 200
                visible: root.needPageControlShow
            }

            StudentLivePlayer {
                id: studentLivePlayer
                objectName: "studentLivePlayer"
                anchors.fill: parent
                z: 201
                visible: liveStatus > 0
            }

            Panel.AwardPanel {
                objectName: "awardPanel"
                visible: false
            }
        }

        Image {
            id: nailButton
            objectName: "nailButton"
            source: "qrc:/res/live_menu/icon_show_teaching_assistant.png"
            height: 6 * root.normalTextHeight
            width: height / 2
            x: teachingAssistant.x - width
            anchors.verticalCenter: parent.verticalCenter
            visible: !root.isShareScreenMode && teachingAssistant.nailVisible

            MouseArea {
                anchors.fill: parent
                onClicked: teachingAssistant.nailButtonStateChange()
            }

            Rectangle {
                objectName: "newMessageDot"
                width: root.normalTextHeight
                height: width
                radius: width / 2
                color: "#ff6321"
                visible: teachingAssistant.hasNewMessage && teachingAssistant.width === 0
            }
        }

        Image {
            id: dragHandle
            objectName: "dragHandle"
            source: "qrc:/res/live_menu/live_drag_move.png"
            width: 3 * root.normalTextHeight
            height: 2 * width
            x: 16 * root.normalTextHeight
            anchors.verticalCenter: parent.verticalCenter
            visible: !root.isShareScreenMode
            onXChanged: {
                if (dragArea.drag.active)
                    userListLayout.width = x
            }

            MouseArea {
                id: dragArea
                anchors.fill: parent
                drag.target: dragHandle
                drag.axis: Drag.XAxis
                drag.minimumX: 10 * root.normalTextHeight
                drag.maximumX: 30 * root.normalTextHeight
                onReleased: videoWindow.drawAreaSizeChanged()
            }
        }
    }

    Panel.AllPanel {
        objectName: "allPanel"
        anchors.fill: parent
        userListRight: userListLayout.x + userListLayout.width
        topMenuBottom: topMenuItem.y + topMenuItem.height
    }

    Rectangle {
        id: shareScreenShadow
        objectName: "shareScreenShadow"
        anchors.fill: parent
        visible: false
        z: 1000
        color: "#44000000"

        Text {
            anchors.centerIn: parent
            color: "white"
            font.pointSize: 23
            text: "正在分享屏幕中，暂时不能写板书"
        }

        // Nothing reaches the board while the screen is shared.
        MouseArea {
            anchors.fill: parent
            onPressed: mouse.accepted = true
            onReleased: mouse.accepted = true
            onClicked: mouse.accepted = true
        }
    }

    HoverPanel.HoverPanelManager {
        id: hoverPanelManager
        objectName: "hoverPanelManager"
        anchors.fill: parent
    }

    Rectangle {
        id: toastItem
        objectName: "toastItem"
        property alias text: toastText.text
        visible: false
        anchors.centerIn: parent
        width: toastText.implicitWidth + 2 * root.normalTextHeight
        height: toastText.implicitHeight + root.normalTextHeight
        radius: root.normalTextHeight / 2
        color: "#CC000000"
        Text {
            id: toastText
            anchors.centerIn: parent
            color: "white"
        }
    }

    // Counts the seconds of the wait until the course detail arrives.
    Timer {
        id: initTimer
        objectName: "initTimer"
        interval: 1000
        repeat: true
        triggeredOnStart: true
        onTriggered: {
            root.initTimeLength += 1
            drawAreaText.text = "初始化中(" + root.initTimeLength + "s)"
        }
    }

    Connections {
        target: videoWindow

        function onUpdateUserInfo_signal(joUser) {
            if (!(joUser.userID in userListLayout.userMap))
                userListLayout.userMap[joUser.userID] = joUser
            userListLayout.studentInfoInit(joUser.userID)
        }
        function onResize_signal(width, height, isDone) {
            root.width = width
            root.height = height
            if (isDone) {
                teacherVideoPlayer.handleParentSizeChanged()
                teacherPPTPlayer.handleParentSizeChanged()
            }
        }
        function onPageChange(materialID, pageNumber, pageCount) {
            var storedCount = teachingAssistant.setMaterialCurrentPage(materialID, pageNumber)
            pageControl.pageIndex = pageNumber + 1
            pageControl.pageCount = storedCount > 0 ? storedCount : pageCount
        }
        function onRecordVideoTimeUpdate_signal(timeSec) {
            topMenuItem.updateRecordTimeSec(timeSec)
        }
        function onRecordVideoRecordState_signal(recording) {
            topMenuItem.updateRecordVideoState(recording)
            userListLayout.updateRecordVideoState(recording)
        }
        function onCourseDetailInitDonw_signal() {
            root.needPageControlShow = true
            drawAreaText.visible = false
            initTimer.stop()
        }
        function onUpdateScrollBarPosition_signal(yPos, totalHeight) {
            liveScroll.setyPos(yPos, totalHeight)
        }
        function onUpdateTopOffset_signal(yPos) {
            teacherPPTPlayer.y = -yPos
        }
        function onClosed() {
            teacherVideoPlayer.normalStop()
        }
        function onSwitchScreenShareUI(isScreenShare) {
            root.isShareScreenMode = isScreenShare
        }
        function onDisableAssistant_signal(disable) {
            if (disable)
                teachingAssistant.collapse()
            nailButton.enabled = !disable
        }
        function onToast(text) {
            toastItem.text = text
        }
        function onSetCourseType_signal(isLowPrice, isOrgCourse, isWxClassCourse) {
            console.log("set course type", isLowPrice, isOrgCourse, isWxClassCourse)
            root.isLowPriceCourse = isLowPrice
            root.isOrgCourse = isOrgCourse
            root.isWxClassCourse = isWxClassCourse
        }
        function onUpdateOfflineCourse_signal(isOffline) {
            root.isOfflineMode = isOffline
        }
    }
}

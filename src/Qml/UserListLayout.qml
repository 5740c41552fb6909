import QtQuick 2.12
import com.morvane.veltro.controls 1.0

// The student list beside the board: the teacher's camera, the search, the
// interactive area (the video room) as a grid of video tiles, the rotation
// and black-room boxes, and the listen area with one row per other student.
// Students on stage float over the board area, alone, in full screen or all
// together in a grid. "userListManager" says what to show; clicks go to
// "userListInterface". Tiles and rows are made only on the manager's signals,
// studentInfoInit and the listen-area resort.
Rectangle {
    id: userList

    property var userMap: ({})
    property var teacherUserID: typeof mainUser !== "undefined" && mainUser ? mainUser.userID : ""
    property int rotateUserCount: 0
    property int rotateSec: 0
    property int numberOfStudentsInBlackRoom: 0
    property int numberOfBystander: 0
    property int numberOfNormal: 0
    property bool isNowRecording: false
    readonly property var defaultUserAvatars: {
        var avatars = []
        for (var i = 0; i < 10; ++i)
            avatars.push("qrc:/res/default_avatar/default_avatar_" + i + ".png")
        return avatars
    }
    property var screeningStudentId: -1
    property int currentOnStageStudentCount: 0
    property bool isAllStudentFullscreen: false
    property var onStageList: []

    // Set by the page: where stage videos float, the page the teacher's
    // video moves onto, the top menu's bottom and the teaching assistant's
    // left edge, and whether phone numbers are hidden (organisation courses).
    property Item boardArea: null
    property Item pageItem: parent
    property real topMenuBottom: 0
    property real assistantLeft: pageItem ? pageItem.width : width
    property bool hidePhone: false

    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12
    readonly property int videoColumns: width > 27 * unit ? 3 : width > 18 * unit ? 2 : 1
    readonly property real singleUserVideoWidth: videoColumns === 3 ? (width - 2 * unit) / 3
                                               : videoColumns === 2 ? (width - unit) / 2 : width
    // The tiles of the video room and the rows of the listen area, in order.
    property var tiles: []
    property var rows: []
    property int tileCount: 0
    property int rowCount: 0
    readonly property string rotateText: rotateSec <= 0 ? rotateUserCount + "人在互动区，不轮换"
                                       : rotateUserCount > 0 ? "每" + Math.floor(rotateSec / 60) + "分钟，会有"
                                                               + rotateUserCount + "个学生轮换"
                                       : "不轮换"
    readonly property Item stageArea: stageLayer

    color: "#253544"
    width: unit * 16

    Component.onCompleted: userMap = {}

    onSingleUserVideoWidthChanged: {
        if (!teacherVideo.inList && !teacherVideo.fullScreenMode) {
            teacherVideo.width = singleUserVideoWidth
            teacherVideo.height = singleUserVideoWidth
            fitTeacherPreview("full")
        }
    }

    // --- helpers -----------------------------------------------------------

    function hasWindow(name) {
        return typeof videoWindow !== "undefined" && videoWindow && typeof videoWindow[name] === "function"
    }

    // The user's record from userMap, else asked of the window (stored when
    // it is complete, so that a later record from the server still lands).
    function userRecord(userID) {
        var record = userMap[userID]
        if (record)
            return { record: record, requested: false }
        record = hasWindow("requestCourseScheduleParticipant")
                ? videoWindow.requestCourseScheduleParticipant(userID) : null
        if (record && record.userID)
            userMap[userID] = record
        return { record: record, requested: true }
    }

    function tilesOf(userID) {
        return tiles.filter(function (t) { return t.userID == userID })
    }

    function rowsOf(userID) {
        return rows.filter(function (r) { return r.userID == userID })
    }

    function removeFrom(list, item) {
        var i = list.indexOf(item)
        if (i >= 0)
            list.splice(i, 1)
    }

    function stageButtonHeight() {
        return allOffStageButton.height
    }

    // The teacher's preview: "full", a centred "square" of the smaller side,
    // or the largest centred "4:3" picture.
    function fitTeacherPreview(mode) {
        var w = teacherVideo.width
        var h = teacherVideo.height
        if (mode === "square") {
            var side = Math.min(w, h)
            teacherPreview.width = side
            teacherPreview.height = side
        } else if (mode === "4:3") {
            if (w * 3 > h * 4) {
                teacherPreview.height = h
                teacherPreview.width = h * 4 / 3
            } else {
                teacherPreview.width = w
                teacherPreview.height = w * 3 / 4
            }
        } else {
            teacherPreview.width = w
            teacherPreview.height = h
        }
        teacherPreview.x = (w - teacherPreview.width) / 2
        teacherPreview.y = (h - teacherPreview.height) / 2
    }

    // The teacher's video on the page, one tile edge square, between the
    // list and the teaching assistant, below the top menu.
    function placeTeacherOnPage() {
        teacherVideo.parent = pageItem
        teacherVideo.inList = false
        teacherVideo.width = singleUserVideoWidth
        teacherVideo.height = singleUserVideoWidth
        var left = userList.x + userList.width
        teacherVideo.x = left + (assistantLeft - left - singleUserVideoWidth) / 2
        teacherVideo.y = topMenuBottom + singleUserVideoWidth
        fitTeacherPreview("full")
    }

    // --- video room ---------------------------------------------------------

    function makeStudentInVideoRoom(userID) {
        var existing = tilesOf(userID)
        if (existing.length > 0) {
            userListManager.setupRemoteVideo(userID, existing[0].video.videoWidget)
            return
        }
        var tile = studentTile.createObject(videoGrid, { userID: userID })
        tiles.push(tile)
        tileCount = tiles.length
        userListManager.setupRemoteVideo(userID, tile.video.videoWidget)
        userListManager.setStudentView(userID, tile)
    }

    function makeStudentOutVideoRoom(userID) {
        tilesOf(userID).forEach(function (tile) {
            // A video on stage goes with its tile: the stage forgets it.
            if (onStageList.indexOf(tile.video) >= 0) {
                removeFrom(onStageList, tile.video)
                var members = allStudentGrid.members
                removeFrom(members, tile.video)
                allStudentGrid.members = members
                currentOnStageStudentCount -= 1
            }
            if (screeningStudentId == userID)
                screeningStudentId = -1
            removeFrom(tiles, tile)
            tile.destroy()
        })
        tileCount = tiles.length
    }

    function sortStudentInVideoArea(indexes) {
        // Tiles keep their order of creation.
    }

    function updateStudentViewStatus(status) {
        console.log("update student view status", JSON.stringify(status))
        tilesOf(status.userID).forEach(function (tile) {
            tile.video.isAudioMuted = status.isAudioMuted
            tile.video.isVideoMuted = status.isVideoMuted
            tile.video.writingEnabled = status.writingEnabled
            tile.video.isInBackground = status.isInBackground
        })
    }

    function updateUserAudioVolume(json) {
        var speaks = json && json.speaks ? json.speaks : []
        tiles.forEach(function (tile) {
            for (var i = 0; i < speaks.length; ++i) {
                if (speaks[i].userID == tile.userID) {
                    tile.video.audioVolume = speaks[i].volume
                    break
                }
            }
        })
    }

    // --- listen area -----------------------------------------------------------

    function createRow(values) {
        var row = listenRow.createObject(listenColumn, values)
        rows.push(row)
        rowCount = rows.length
        return row
    }

    function makeStudentInListenRoom(userID) {
        if (rowsOf(userID).length > 0)
            return
        var found = userRecord(userID)
        var values = { userID: userID }
        if (found.record && found.record.userID) {
            values.userName = found.record.userName || ""
            values.mobilePhone = found.record.mobilePhone || ""
            values.imageServerPath = found.record.imageServerPath || ""
            if (found.requested)
                values.isOnline = !!found.record.isOnline
        }
        createRow(values)
    }

    function makeStudentOutListenRoom(userID) {
        rowsOf(userID).forEach(function (row) {
            removeFrom(rows, row)
            row.destroy()
        })
        rowCount = rows.length
    }

    function studentInfoInit(userID) {
        var record = userMap[userID]
        if (!record)
            return
        var copy = function (item) {
            item.userName = record.userName || ""
            item.mobilePhone = record.mobilePhone || ""
            item.imageServerPath = record.imageServerPath || ""
            item.isOnline = !!record.isOnline
        }
        tilesOf(userID).forEach(function (tile) { copy(tile.video) })
        var own = rowsOf(userID)
        own.forEach(copy)
        if (own.length === 0)
            makeStudentInListenRoom(userID)
    }

    function resortStudentInListenArea(list) {
        list = list || []
        var oldCount = rows.length
        var kept = []
        for (var i = 0; i < oldCount; ++i) {
            var row = rows[i]
            if (i < list.length) {
                row.userID = list[i].userID
                row.userName = list[i].userName || ""
                row.mobilePhone = list[i].mobilePhone || ""
                row.isOnline = !!list[i].isOnline
                row.isInBlackRoom = !!list[i].isInBlackRoom
                kept.push(row)
            } else {
                row.destroy()
            }
        }
        rows = kept
        for (var j = oldCount; j < list.length; ++j)
            createRow({ userID: list[j].userID, userName: list[j].userName || "",
                        mobilePhone: list[j].mobilePhone || "", isOnline: !!list[j].isOnline,
                        isInBlackRoom: !!list[j].isInBlackRoom })
        rowCount = rows.length
    }

    // --- stage ----------------------------------------------------------------

    function makeStudentOnStage(userID) {
        tilesOf(userID).forEach(function (tile) {
            if (tile.video.parent !== tile)
                return
            currentOnStageStudentCount += 1
            tile.video.isOnStage = true
            var offset = 2 * stageButtonHeight() * currentOnStageStudentCount
            tile.video.parent = stageLayer
            tile.video.x = offset
            tile.video.y = offset
            onStageList.push(tile.video)
            if (isAllStudentFullscreen)
                makeAllStudentFullscreen()
        })
    }

    function makeStudentOffStage(userID) {
        tilesOf(userID).forEach(function (tile) {
            var video = tile.video
            if (video.parent !== tile) {
                if (video.isFullscreen)
                    makeStudentExitFullscreen(userID)
                video.parent = tile
                video.x = 0
                video.y = 0
                video.isOnStage = false
                video.squareVideo = false
                video.width = Qt.binding(function () { return tile.width })
                video.height = Qt.binding(function () { return tile.height })
                currentOnStageStudentCount -= 1
                removeFrom(onStageList, video)
            } else {
                console.log("parent set ok")
            }
            userListManager.setupRemoteVideo(userID, video.videoWidget)
        })
    }

    function makeStudentFullscreen(userID) {
        var own = tilesOf(userID)
        var video = own.length > 0 ? own[own.length - 1].video : null
        if (!video || video.parent !== stageLayer) {
            console.log("fulls:the student not on stage")
            return
        }
        video.x = 0
        video.y = 0
        video.width = stageLayer.width
        video.height = stageLayer.height
        video.isFullscreen = true
        screeningStudentId = userID
    }

    function makeStudentExitFullscreen(userID) {
        tilesOf(userID).forEach(function (tile) {
            var video = tile.video
            if (video.parent !== stageLayer)
                return
            if (!video.isFullscreen)
                console.log("efulls:the student not fullscreen")
            video.x = stageLayer.width / 2
            video.y = stageLayer.height / 2
            video.width = singleUserVideoWidth
            video.height = singleUserVideoWidth
            video.isFullscreen = false
            screeningStudentId = -1
        })
    }

    function refillScreening() {
        if (screeningStudentId == -1)
            return
        var own = tilesOf(screeningStudentId)
        var video = own.length > 0 ? own[own.length - 1].video : null
        if (video && video.parent === stageLayer && video.isFullscreen) {
            video.width = stageLayer.width
            video.height = stageLayer.height
        }
    }

    function emptyAllStudentGrid() {
        allStudentGrid.members = []
    }

    function makeAllStudentFullscreen() {
        isAllStudentFullscreen = true
        emptyAllStudentGrid()
        var members = []
        if (teacherVideo.isOnStage) {
            teacherVideo.parent = allStudentGrid
            members.push(teacherVideo)
        }
        onStageList.forEach(function (video) {
            video.parent = allStudentGrid
            video.squareVideo = true
            members.push(video)
        })
        allStudentGrid.members = members
        layoutAllStudentGrid()
    }

    // Two columns; one row while at most two are on stage, else two rows.
    function layoutAllStudentGrid() {
        var twoRows = currentOnStageStudentCount > 2
        var cellWidth = allStudentGrid.width / 2
        var cellHeight = twoRows ? allStudentGrid.height / 2 : allStudentGrid.height
        allStudentGrid.members.forEach(function (member, i) {
            member.x = (i % 2) * cellWidth
            member.y = Math.floor(i / 2) * cellHeight
            member.width = cellWidth
            member.height = cellHeight
            if (member === teacherVideo)
                fitTeacherPreview("square")
        })
    }

    function exitAllStudentFullscreen() {
        isAllStudentFullscreen = false
        allStudentGrid.members.forEach(function (member, j) {
            if (member === teacherVideo) {
                placeTeacherOnPage()
                teacherVideo.fullScreenMode = false
            } else {
                member.parent = stageLayer
                member.width = singleUserVideoWidth
                member.height = singleUserVideoWidth
                member.x = stageLayer.width / 4 + 3 * stageButtonHeight() * j
                member.y = stageLayer.height / 2
                member.squareVideo = false
            }
        })
        emptyAllStudentGrid()
    }

    function makeTeacherOnStage(fullScreen) {
        teacherVideo.isOnStage = true
        if (fullScreen) {
            teacherVideo.parent = pageItem
            teacherVideo.inList = false
            teacherVideo.x = 0
            teacherVideo.y = 0
            teacherVideo.width = pageItem ? pageItem.width : width
            teacherVideo.height = pageItem ? pageItem.height : height
            fitTeacherPreview("4:3")
            teacherVideo.fullScreenMode = true
        } else {
            placeTeacherOnPage()
            teacherVideo.fullScreenMode = false
        }
        currentOnStageStudentCount += 1
        if (isAllStudentFullscreen)
            makeAllStudentFullscreen()
    }

    function makeTeacherOffStage() {
        var members = allStudentGrid.members
        removeFrom(members, teacherVideo)
        allStudentGrid.members = members
        teacherVideo.parent = userList
        teacherVideo.inList = true
        teacherVideo.x = 0
        teacherVideo.y = 1
        teacherVideo.width = Qt.binding(function () { return userList.width })
        teacherVideo.height = Qt.binding(function () { return userList.width })
        fitTeacherPreview("full")
        teacherVideo.fullScreenMode = false
        teacherVideo.isOnStage = false
        currentOnStageStudentCount -= 1
        if (isAllStudentFullscreen)
            layoutAllStudentGrid()
    }

    function updateRecordVideoState(recording) {
        isNowRecording = recording
    }

    Connections {
        target: typeof userListManager !== "undefined" ? userListManager : null

        function onAddUserInListenArea_signal(userID, userName) { userList.makeStudentInListenRoom(userID) }
        function onRemoveUserFromListenArea_signal(userID) { userList.makeStudentOutListenRoom(userID) }
        function onAddRemoteAgoraUserVideoItem_signal(userID, userName) {
            console.log("add remote agora user", userID)
            userList.makeStudentInVideoRoom(userID)
        }
        function onRemoveRemoteAgoraUserVideoItem_signal(userID) { userList.makeStudentOutVideoRoom(userID) }
        function onUpdateListenAreaStudents_signal(jsonUsers) { userList.resortStudentInListenArea(jsonUsers.students) }
        function onUpdateNumberOfStudentsInBlackRoom_signal(count) { userList.numberOfStudentsInBlackRoom = count }
        function onUpdateNumberOfStudents_signal(participantSize, bystanderSize) {
            userList.numberOfBystander = bystanderSize
            userList.numberOfNormal = participantSize
        }
        function onUpdateStudentViewStatus_signal(status) { userList.updateStudentViewStatus(status) }
        function onSortStudentViews_signal(indexes) { userList.sortStudentInVideoArea(indexes) }
        function onUpdateRotateSettingData_signal(userCount, timeSec) {
            userList.rotateUserCount = userCount
            userList.rotateSec = timeSec
        }
        function onSendStudentOnStage_signal(userID) { userList.makeStudentOnStage(userID) }
        function onSendStudentOffStage_signal(userID) { userList.makeStudentOffStage(userID) }
        function onSendTeacherOnStage_signal(fullScreen) { userList.makeTeacherOnStage(fullScreen) }
        function onSendTeacherOffStage_signal() { userList.makeTeacherOffStage() }
        function onUpdateUserVolume_signal(json) { userList.updateUserAudioVolume(json) }
        function onSendStudentFullscreen_signal(userID) { userList.makeStudentFullscreen(userID) }
        function onSendStudentExitFullscreen_signal(userID) { userList.makeStudentExitFullscreen(userID) }
        function onSendAllStudentFullscreen_signal(isFullscreen) {
            if (isFullscreen)
                userList.makeAllStudentFullscreen()
            else
                userList.exitAllStudentFullscreen()
        }
    }

    // --- the list --------------------------------------------------------------

    Rectangle {
        id: searchLine
        x: userList.unit / 2
        y: userList.width + 1 + userList.unit / 2
        width: userList.width - userList.unit
        height: userList.unit * 2
        radius: height / 2
        color: "#455464"

        function search() {
            userListInterface.userClickSearchIcon(searchInput.text.trim())
            searchInput.text = ""
        }

        Image {
            id: searchIcon
            objectName: "searchIcon"
            x: userList.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            height: parent.height * 0.6
            width: height
            source: "qrc:/res/live_menu/search.png"
            MouseArea {
                anchors.fill: parent
                onClicked: searchLine.search()
            }
        }
        TextInput {
            id: searchInput
            objectName: "searchInput"
            anchors.left: searchIcon.right
            anchors.leftMargin: userList.unit / 2
            anchors.right: parent.right
            anchors.rightMargin: userList.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            clip: true
            color: "#e0e0e0"
            font.pointSize: 10
            selectByMouse: true
            onAccepted: searchLine.search()
            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: searchInput.text === "" && !searchInput.activeFocus
                color: "#a0a0a0"
                font.pointSize: 10
                text: "搜索学生"
            }
        }
    }

    Flickable {
        id: scrollArea
        objectName: "userListScroll"
        y: searchLine.y + searchLine.height + userList.unit / 2
        width: userList.width
        height: Math.max(0, userList.height - y)
        clip: true
        contentWidth: width
        contentHeight: listColumn.height

        function report() {
            if (typeof userListManager !== "undefined" && userListManager)
                userListManager.setScrollY(contentY, height)
        }
        onContentYChanged: report()
        onHeightChanged: report()

        Column {
            id: listColumn
            width: userList.width
            spacing: userList.unit * 0.4

            Rectangle {
                width: parent.width
                height: userList.unit * 2
                color: "#455464"
                Text {
                    objectName: "videoRoomHeader"
                    x: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: "white"
                    font.pointSize: 12
                    text: "互动区(" + userList.tileCount + "人)"
                }
            }

            Rectangle {
                objectName: "emptyVideoRoom"
                visible: userList.tileCount === 0
                width: parent.width
                height: userList.unit * 5
                color: "#455464"
                Image {
                    id: emptyPicture
                    x: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    height: userList.unit * 4
                    width: height
                    source: "qrc:/res/defaultUser.png"
                }
                Text {
                    anchors.left: emptyPicture.right
                    anchors.leftMargin: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: "#C0C0C0"
                    text: "没有学生在互动区"
                }
            }

            Grid {
                id: videoGrid
                objectName: "videoGrid"
                columns: userList.videoColumns
                spacing: userList.unit
            }

            Rectangle {
                id: rotateBox
                objectName: "rotateBox"
                width: parent.width
                height: userList.unit * 4
                color: "#455464"
                Text {
                    id: rotateTitle
                    x: userList.unit / 2
                    y: userList.unit / 2
                    color: "white"
                    font.pointSize: 12
                    text: "互动人数轮换设置"
                }
                Text {
                    objectName: "rotateText"
                    x: userList.unit / 2
                    anchors.top: rotateTitle.bottom
                    width: parent.width - 3 * userList.unit
                    elide: Text.ElideRight
                    color: "#C0C0C0"
                    font.pointSize: 10
                    text: userList.rotateText
                }
                Image {
                    anchors.right: parent.right
                    anchors.rightMargin: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    height: userList.unit * 1.5
                    width: height
                    source: "qrc:/res/go_to_right.png"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: userListInterface.userClickRotateSettingIcon()
                }
            }

            Rectangle {
                objectName: "blackRoomBox"
                width: parent.width
                height: userList.unit * 2.5
                color: "#455464"
                Text {
                    objectName: "blackRoomText"
                    x: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: "white"
                    font.pointSize: 12
                    text: "黑屋学生(" + userList.numberOfStudentsInBlackRoom + ")"
                }
                Image {
                    anchors.right: parent.right
                    anchors.rightMargin: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    height: userList.unit * 1.5
                    width: height
                    source: "qrc:/res/go_to_right.png"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: userListInterface.blackRoomIconClicked(parent)
                }
            }

            Rectangle {
                width: parent.width
                height: userList.unit * 2
                color: "#455464"
                Text {
                    objectName: "listenHeader"
                    x: userList.unit / 2
                    anchors.verticalCenter: parent.verticalCenter
                    color: "white"
                    font.pointSize: 12
                    text: "听课区(" + userList.rowCount + "人)"
                }
            }

            Column {
                id: listenColumn
                objectName: "listenColumn"
                width: parent.width
            }
        }
    }

    // The teacher's camera: in the list, or on the page while on stage.
    Rectangle {
        id: teacherVideo
        objectName: "teacherVideo"

        property bool inList: true
        property bool isOnStage: false
        property bool fullScreenMode: false

        x: 0
        y: 1
        z: 10
        width: userList.width
        height: userList.width
        color: "black"
        clip: true

        onWidthChanged: if (inList) userList.fitTeacherPreview("full")
        onHeightChanged: if (inList) userList.fitTeacherPreview("full")

        TQPreviewView {
            id: teacherPreview
            objectName: "videoPreview"
            width: teacherVideo.width
            height: teacherVideo.height
        }

        MouseArea {
            anchors.fill: parent
            enabled: !teacherVideo.fullScreenMode
            drag.target: !teacherVideo.inList ? teacherVideo : null
            drag.minimumX: userList.x + userList.width
            drag.maximumX: userList.assistantLeft - teacherVideo.width
            drag.minimumY: userList.topMenuBottom
            drag.maximumY: (userList.pageItem ? userList.pageItem.height : userList.height) - teacherVideo.height
            onClicked: {
                var p = mapToItem(userList, mouse.x, mouse.y)
                userListInterface.teacherIconClicked(teacherVideo, p.x, p.y + userList.topMenuBottom)
            }
        }

        Rectangle {
            objectName: "bystanderBadge"
            visible: userList.numberOfBystander > 0
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: userList.unit / 2
            width: bystanderText.implicitWidth + userList.unit
            height: bystanderText.implicitHeight + userList.unit / 2
            radius: height / 2
            color: "#3A78E6"
            Text {
                id: bystanderText
                anchors.centerIn: parent
                color: "white"
                font.pointSize: 10
                text: "旁听生" + userList.numberOfBystander + "人"
            }
            MouseArea {
                anchors.fill: parent
                enabled: !teacherVideo.fullScreenMode
                onClicked: {
                    console.log("bystander icon clicked")
                    userListInterface.bystanderIconClicked(parent)
                }
            }
        }

        Rectangle {
            objectName: "recordingLight"
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: userList.unit / 2
            width: userList.unit
            height: width
            radius: width / 2
            color: userList.isNowRecording ? "#ff6321" : "#999999"
            border.color: "white"
            border.width: 2
        }

        Rectangle {
            objectName: "exitFullScreenButton"
            visible: teacherVideo.fullScreenMode
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: userList.unit * 2
            width: exitText.implicitWidth + 2 * userList.unit
            height: exitText.implicitHeight + userList.unit
            color: "#20000000"
            Text {
                id: exitText
                anchors.centerIn: parent
                color: "white"
                font.pointSize: 14
                text: "退出全屏模式"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    if (typeof topMenuObject !== "undefined" && topMenuObject)
                        topMenuObject.fullScreenVideoButtonClicked()
                    if (userList.hasWindow("switchCameraFullScreen"))
                        videoWindow.switchCameraFullScreen()
                }
            }
        }
    }

    // Over the board area: the stage, the all-students grid and its buttons.
    Item {
        id: stageLayer
        objectName: "stageLayer"
        parent: userList.boardArea ? userList.boardArea : userList
        anchors.fill: parent
        z: 100

        onWidthChanged: {
            userList.refillScreening()
            if (userList.isAllStudentFullscreen)
                userList.layoutAllStudentGrid()
        }
        onHeightChanged: userList.refillScreening()

        Rectangle {
            objectName: "allStudentBackdrop"
            anchors.fill: parent
            visible: userList.isAllStudentFullscreen
            color: "#565656"
            Rectangle {
                x: parent.width / 2
                width: 1
                height: parent.height
                color: "white"
            }
            Rectangle {
                y: parent.height / 2
                width: parent.width
                height: 1
                color: "white"
            }
        }

        Item {
            id: allStudentGrid
            objectName: "allStudentGrid"
            property var members: []
            anchors.fill: parent
            visible: userList.isAllStudentFullscreen
        }

        Rectangle {
            id: allOffStageButton
            objectName: "allOffStageButton"
            visible: userList.currentOnStageStudentCount > 1
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: userList.unit / 2
            z: 10
            width: allOffText.implicitWidth + userList.unit
            height: allOffText.implicitHeight + userList.unit / 2
            color: "#AA000000"
            Text {
                id: allOffText
                anchors.centerIn: parent
                color: "white"
                text: "全部下台"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: userListManager.setAllStudentOffStage()
            }
        }

        Rectangle {
            objectName: "allFullscreenButton"
            visible: userList.currentOnStageStudentCount > 1 || userList.isAllStudentFullscreen
            anchors.right: allOffStageButton.left
            anchors.rightMargin: userList.unit / 2
            anchors.top: allOffStageButton.top
            z: 10
            width: allFullText.implicitWidth + userList.unit
            height: allFullText.implicitHeight + userList.unit / 2
            color: "#AA000000"
            Text {
                id: allFullText
                objectName: "allFullscreenText"
                anchors.centerIn: parent
                color: "white"
                text: userList.isAllStudentFullscreen ? "退出全屏" : "多人全屏"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: userListManager.setAllStudentFullscreen(!userList.isAllStudentFullscreen)
            }
        }
    }

    // One student of the video room. Its video leaves the tile while the
    // student is on stage.
    Component {
        id: studentTile

        Item {
            id: tile
            objectName: "studentTile"

            property var userID: 0
            property alias video: video

            width: userList.singleUserVideoWidth
            height: width
            clip: true

            Component.onCompleted: {
                console.log("studentVideoItem Component.onCompleted")
                var found = userList.userRecord(userID)
                if (found.record && found.record.userID) {
                    video.userID = found.record.userID
                    video.userName = found.record.userName || ""
                    video.mobilePhone = found.record.mobilePhone || ""
                    video.imageServerPath = found.record.imageServerPath
                                            ? found.record.imageServerPath : "qrc:/res/defaultUser.png"
                }
            }

            Text {
                anchors.centerIn: parent
                visible: video.parent !== tile
                color: "#999999"
                font.pointSize: 16
                text: "学生在讲台上"
            }

            AVideoWidget {
                id: video
                objectName: "studentVideo"
                width: tile.width
                height: tile.height
                userID: tile.userID
                showVideo: true
                isTeacher: false
                isOnStage: false
                isFullscreen: false

                MouseArea {
                    anchors.fill: parent
                    drag.target: video.parent === stageLayer && !video.isFullscreen ? video : null
                    drag.minimumX: 0
                    drag.maximumX: stageLayer.width - video.width
                    drag.minimumY: 0
                    drag.maximumY: stageLayer.height - video.height
                    onClicked: {
                        if (userList.isAllStudentFullscreen)
                            return
                        userListInterface.studentIconClicked(tile, tile.userID)
                    }
                }

                Rectangle {
                    objectName: "stageBar"
                    visible: video.isOnStage && !userList.isAllStudentFullscreen
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: userList.unit * 2
                    color: "#49000000"
                    z: 5
                    Row {
                        anchors.centerIn: parent
                        spacing: userList.unit / 2
                        Text {
                            objectName: "fullscreenText"
                            anchors.verticalCenter: parent.verticalCenter
                            color: "white"
                            text: video.isFullscreen ? "退出全屏" : "单人全屏"
                            MouseArea {
                                anchors.fill: parent
                                onClicked: {
                                    if (video.isFullscreen)
                                        userListManager.setStudentExitFullscreen(tile.userID)
                                    else
                                        userListManager.setStudentFullscreen(tile.userID)
                                }
                            }
                        }
                        Rectangle {
                            anchors.verticalCenter: parent.verticalCenter
                            width: 2
                            height: userList.unit
                            color: "#49FFFFFF"
                        }
                        Text {
                            objectName: "offStageText"
                            anchors.verticalCenter: parent.verticalCenter
                            color: "white"
                            text: "下台"
                            MouseArea {
                                anchors.fill: parent
                                onClicked: userListManager.setStudentOffStage(tile.userID)
                            }
                        }
                    }
                }
            }
        }
    }

    // One student of the listen area.
    Component {
        id: listenRow

        Item {
            id: row
            objectName: "listenRow"

            property var userID: 0
            property string userName: ""
            property string mobilePhone: ""
            property string imageServerPath: ""
            property bool isOnline: false
            property bool isInBlackRoom: false
            property string avatar: userList.defaultUserAvatars[Math.abs(Number(userID) + Date.now()) % 10]

            width: listenColumn.width
            height: userList.unit * 5

            Image {
                id: avatarImage
                x: userList.unit / 2
                anchors.verticalCenter: parent.verticalCenter
                width: userList.unit * 4
                height: width
                source: row.avatar
                Rectangle {
                    objectName: "stateBand"
                    visible: !row.isOnline || row.isInBlackRoom
                    anchors.bottom: parent.bottom
                    width: parent.width
                    height: bandText.implicitHeight + 2
                    color: row.isInBlackRoom ? "#666666" : "#999999"
                    Text {
                        id: bandText
                        anchors.centerIn: parent
                        color: "white"
                        font.pointSize: 8
                        text: row.isInBlackRoom ? "黑屋中" : "离线"
                    }
                }
            }
            Text {
                objectName: "rowName"
                anchors.left: avatarImage.right
                anchors.leftMargin: userList.unit / 2
                anchors.right: parent.right
                y: parent.height / 2 - height
                elide: Text.ElideRight
                color: "white"
                font.pointSize: 10
                text: row.userName !== "" ? row.userName : "新来的同学"
            }
            Text {
                objectName: "rowPhone"
                anchors.left: avatarImage.right
                anchors.leftMargin: userList.unit / 2
                y: parent.height / 2
                visible: !userList.hidePhone
                color: "#c0c0c0"
                font.pointSize: 9
                text: row.mobilePhone
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: "#3A4858"
            }
            MouseArea {
                anchors.fill: parent
                onClicked: {
                    userListInterface.studentIconClicked(row, row.userID)
                    if (row.userName !== "")
                        return
                    var found = userList.userRecord(row.userID)
                    if (found.record && found.record.userID) {
                        row.userName = found.record.userName || ""
                        row.mobilePhone = found.record.mobilePhone || ""
                        row.userID = found.record.userID
                        row.isOnline = !!found.record.isOnline
                    }
                }
            }
        }
    }
}

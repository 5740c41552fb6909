import QtQuick 2.12
import "../CustomItem"

// The teaching assistant on the right of the page ("课堂助手"): the
// discussion, the students' private messages and raised hands, the course's
// materials, and the notes and previews of the current material. The native
// side is teachingAssistantObject; this file only shows what it reports.
Rectangle {
    id: assistant

    property bool hasNewMessage: false
    property bool nailVisible: true
    property bool isWxClassCourse: false
    property string teacherUserID: typeof mainUser !== "undefined" && mainUser ? String(mainUser.userID) : ""
    // material id -> material record
    property var materials: ({})
    // image URL -> local file path
    property var imageMap: ({})
    // image URLs already asked for
    property var imageWorkMap: ({})
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12
    readonly property real openWidth: unit * 24
    readonly property alias tabs: tabs

    color: "white"
    width: openWidth
    clip: true

    Behavior on width {
        NumberAnimation { duration: 500 }
    }

    function localUrl(path) {
        // Absolute paths here start with "/", drive paths elsewhere do not.
        return path.charAt(0) === "/" ? "file://" + path : "file:///" + path
    }

    // The local address of an image, "" while it is not here; the first
    // lookup of a URL asks for its download.
    function lookupImage(url) {
        if (!url)
            return ""
        if (url in imageMap)
            return localUrl(imageMap[url])
        if (!(url in imageWorkMap)) {
            imageWorkMap[url] = true
            teachingAssistantObject.downloadUrl(url)
        }
        return ""
    }

    // The page's nail: open or close, then let the board take the new width
    // once the animation is over.
    function nailButtonStateChange() {
        if (width > 0) {
            width = 0
            teachingAssistantObject.setCurrentPrivateMessageUserID(0)
        } else {
            width = openWidth
            teachingAssistantObject.setCurrentPrivateMessageUserID(Number(privateView.conversationUserID || 0))
        }
        nailVisible = false
        hasNewMessage = false
        settleTimer.restart()
    }

    function collapse() {
        width = 0
    }

    // Called on every page change; returns the material's page count (0 when
    // unknown).
    function setMaterialCurrentPage(materialID, currentPage) {
        materialView.setCurrent(materialID, currentPage)
        var material = materials[String(materialID)]
        if (!material)
            return 0
        if (commentsView.materialID !== String(materialID))
            commentsView.load(material)
        if (previewView.materialID !== String(materialID))
            previewView.load(material)
        return material.number_of_page > 0 ? Number(material.number_of_page) : 0
    }

    Timer {
        id: settleTimer
        interval: 600
        onTriggered: {
            assistant.nailVisible = true
            if (typeof videoWindow !== "undefined" && videoWindow)
                videoWindow.drawAreaSizeChanged()
        }
    }

    Rectangle {
        id: header
        width: assistant.openWidth
        height: assistant.unit * 3
        color: "#F9FBFD"

        Row {
            x: assistant.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            spacing: assistant.unit / 3
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: assistant.unit * 1.4
                height: width
                source: "/res/live_menu/teaching_assistant_icon.png"
            }
            StandardText {
                anchors.verticalCenter: parent.verticalCenter
                font.pointSize: 10
                color: "#252729"
                text: "课堂助手"
            }
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: assistant.unit * 0.8
                height: width
                source: "/res/live_menu/teaching_assistant_triangle.png"
            }
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: "#ececec"
        }
    }

    TabHeader1 {
        id: tabs
        objectName: "assistantTabs"
        anchors.top: header.bottom
        width: assistant.openWidth
        focusValue: 3
        focusColor: "white"
        normalColor: "#E7EAEF"
        model: [{ "text": "讨论区", "value": 1 }, { "text": "私信", "value": 2 }, { "text": "课件", "value": 3 },
                { "text": "教案", "value": 4 }, { "text": "预览", "value": 5 }]
    }

    Item {
        anchors.top: tabs.bottom
        anchors.bottom: parent.bottom
        width: assistant.openWidth

        ViewLiveClassPublicMessage {
            id: publicView
            objectName: "publicView"
            anchors.fill: parent
            visible: tabs.focusValue === 1
            unit: assistant.unit
            teacherUserID: assistant.teacherUserID
            isWxClassCourse: assistant.isWxClassCourse
            onVisibleChanged: teachingAssistantObject.onOpenPublicMessagePanel(visible)
        }
        ViewLiveClassPrivateMessage {
            id: privateView
            objectName: "privateView"
            anchors.fill: parent
            visible: tabs.focusValue === 2
            unit: assistant.unit
            teacherUserID: assistant.teacherUserID
        }
        ViewLiveClassCourseMaterial {
            id: materialView
            objectName: "materialView"
            anchors.fill: parent
            visible: tabs.focusValue === 3
            unit: assistant.unit
        }
        ViewLiveClassMaterialComments {
            id: commentsView
            objectName: "commentsView"
            anchors.fill: parent
            visible: tabs.focusValue === 4
            unit: assistant.unit
            assistant: assistant
        }
        ViewLiveClassMaterialPreview {
            id: previewView
            objectName: "previewView"
            anchors.fill: parent
            visible: tabs.focusValue === 5
            unit: assistant.unit
            assistant: assistant
        }
    }

    Connections {
        target: teachingAssistantObject

        function onAddPublicMessage_signal(jsonPublicMessage) {
            assistant.hasNewMessage = true
            publicView.addMessage(jsonPublicMessage)
            tabs.addUnreadCount(1, 1)
        }
        function onAddRaiseHandMessage_signal(jsonRaiseHandMessage) {
            assistant.hasNewMessage = true
            privateView.addRaiseHand(jsonRaiseHandMessage)
            tabs.addUnreadCount(2, 1)
        }
        function onAddPrivateMessage_signal(jsonPrivateMessage) {
            assistant.hasNewMessage = true
            privateView.addPrivateMessage(jsonPrivateMessage)
            tabs.addUnreadCount(2, 1)
        }
        function onAddMaterialDetail_signal(jsonMaterial) {
            assistant.materials[String(jsonMaterial.material_id)] = jsonMaterial
            materialView.addOrUpdate(jsonMaterial)
        }
        function onOpenPrivateMessaageToOne_signal(jsonMessages) {
            tabs.focusValue = 2
            tabs.resetUnreadCount(2)
            privateView.openConversation(jsonMessages)
        }
        function onImageFileDownloaded_signal(localFilePath, fileUrl) {
            assistant.imageMap[fileUrl] = localFilePath
            delete assistant.imageWorkMap[fileUrl]
            commentsView.imageReady(fileUrl, assistant.localUrl(localFilePath))
            previewView.imageReady(fileUrl, assistant.localUrl(localFilePath))
        }
        function onAddMessageList_signal(messageList) {
            for (var i = messageList.length - 1; i >= 0; --i) {
                var m = messageList[i]
                publicView.addMessage({ "userID": String(m.user_id), "fromSeqNum": String(m.microtime),
                                        "userName": String(m.user_id), "messageBody": m.body,
                                        "messageTime": Qt.formatTime(new Date(Number(m.microtime)), "HH:mm:ss") })
            }
        }
    }
}

import QtQuick 2.12
import "../CustomItem"

// A scrolling column of chat messages that follows the newest one.
Item {
    id: list

    property string teacherUserID: ""
    property real unit: 12
    property string emptyText: "暂无消息"
    readonly property int count: messages.count

    function add(json) {
        messages.append({ "message": json })
        view.positionViewAtEnd()
    }
    function clear() {
        messages.clear()
    }

    ListModel { id: messages }

    ListView {
        id: view
        anchors.fill: parent
        clip: true
        model: messages
        delegate: ItemLiveClassMessagePublicMessage {
            width: view.width
            unit: list.unit
            teacherUserID: list.teacherUserID
            message: model.message
        }
        onCountChanged: positionViewAtEnd()
    }
    StandardText {
        anchors.centerIn: parent
        visible: messages.count === 0
        color: "#98A4AF"
        font.pointSize: 9
        text: list.emptyText
    }
}

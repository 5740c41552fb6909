import QtQuick 2.12
import "../CustomItem"

// One chat message: the sender's name and the time, then the bubble. The
// teacher's own messages sit on the right in blue.
Item {
    id: item

    property var message: ({})
    property string teacherUserID: ""
    property real unit: 12
    readonly property bool mine: teacherUserID !== "" && String(message.userID) === teacherUserID

    function shortName(name) {
        var text = name ? String(name) : "学生"
        return text.length > 8 ? text.substring(0, 8) + "..." : text
    }

    height: title.height + bubble.height + unit * 0.8

    StandardText {
        id: title
        objectName: "messageTitle"
        anchors.left: item.mine ? undefined : parent.left
        anchors.right: item.mine ? parent.right : undefined
        anchors.margins: item.unit / 2
        y: item.unit * 0.2
        color: "#98A4AF"
        font.pointSize: 8
        text: item.shortName(item.message.userName) + " " + (item.message.messageTime || "")
    }
    ItemLiveClassMessageText {
        id: bubble
        anchors.left: item.mine ? undefined : parent.left
        anchors.right: item.mine ? parent.right : undefined
        anchors.margins: item.unit / 2
        y: title.y + title.height + item.unit * 0.2
        unit: item.unit
        maxWidth: item.width * 0.8
        fromRight: item.mine
        bubbleColor: item.mine ? "#3A78E6" : "#E7EAEF"
        textColor: item.mine ? "white" : "#252729"
        text: item.message.messageBody || ""
    }
}

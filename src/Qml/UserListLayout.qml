import QtQuick 2.12
import com.morvane.veltro.controls 1.0

// The student list beside the board. This build holds the teacher's camera
// preview and the records the page hands in; the tiles come later.
Rectangle {
    id: userList

    property var userMap: ({})
    property var teacherUserID: typeof mainUser !== "undefined" && mainUser ? mainUser.userID : ""
    property bool isNowRecording: false
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12

    color: "#F8FBFD"
    width: unit * 16

    function studentInfoInit(userID) {
    }

    function updateRecordVideoState(recording) {
        isNowRecording = recording
    }

    TQPreviewView {
        objectName: "videoPreview"
        width: parent.width
        height: width * 3 / 4
    }
}

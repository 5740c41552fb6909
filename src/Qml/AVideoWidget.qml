import QtQuick 2.12
import AVideoWidget 1.0 as Remote
import com.morvane.veltro.controls 1.0

// One user's video tile: the remote video (or his picture while it is off),
// his name, and small marks for writing, microphone, volume and a student
// app in the background. The student list sets the values; the tile only
// shows them.
Rectangle {
    id: tile

    property bool showVideo: true
    property bool showName: true
    property alias videoWidget: video
    property var userID: 0
    property string userName: "学生"
    property string mobilePhone: 'xxxxxxxxxxx'
    property string imageServerPath: ''
    property bool isTeacher: false
    property int handUpTimes: 0
    property int onSiteTimes: 0
    property int rewardTimes: 0
    property bool isOnline: false
    property bool isVideoMuted: true
    property bool isAudioMuted: false
    property bool writingEnabled: false
    property bool isInBackground: false
    property int networkLevel: 0
    property int audioLevel: 0
    property int audioVolume: 0
    property bool showOtherInfo: true
    property bool isTeacherLeaveRoom: false
    property bool isOnStage: false
    property bool isFullscreen: false
    property real contentWidth: 0
    property real contentHeight: 0
    property real displayContentWidth: 0
    property real displayContentHeight: 0
    // In the all-students grid the video is a centred square of the tile.
    property bool squareVideo: false

    color: "#000000"

    onIsAudioMutedChanged: console.log("user", userID, "audio changed", isAudioMuted)

    Remote.AVideoWidget {
        id: video
        objectName: "videoWidget"
        width: tile.squareVideo ? Math.min(tile.width, tile.height) : tile.width
        height: tile.squareVideo ? width : tile.height
        x: (tile.width - width) / 2
        y: (tile.height - height) / 2
        fillColor: tile.color
        visible: tile.showVideo
    }

    // Student snapshots arrive here once the list has some.
    TQPreviewView {
        objectName: "videoBitmapWidget"
        anchors.fill: parent
        visible: false
    }

    Image {
        objectName: "userPicture"
        anchors.fill: parent
        fillMode: Image.PreserveAspectCrop
        source: tile.imageServerPath
        visible: (tile.isVideoMuted || !tile.showVideo) && tile.showOtherInfo
    }

    Rectangle {
        anchors.fill: parent
        color: "white"
        visible: tile.isVideoMuted && tile.isInBackground && tile.showOtherInfo
        Text {
            anchors.centerIn: parent
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.Wrap
            text: "正在使用拍照或使用其他应用"
        }
    }

    Image {
        anchors.fill: parent
        z: 1001
        source: "qrc:/res/live_class_user_offline.png"
        visible: tile.isTeacherLeaveRoom
    }

    Image {
        objectName: "videoMutedMark"
        anchors.fill: parent
        fillMode: Image.PreserveAspectFit
        source: "qrc:/res/video_muted.png"
        visible: tile.isVideoMuted && !tile.isInBackground && !tile.isTeacher
    }

    Image {
        x: nameText.height / 2
        y: nameText.height / 2
        width: nameText.height * 2
        height: width
        source: "qrc:/res/live_student_menu/live_tip_write.png"
        visible: tile.writingEnabled
    }

    Image {
        x: parent.width - width - nameText.height / 2
        y: nameText.height / 2
        width: nameText.height * 2
        height: width
        source: "qrc:/res/live_student_menu/live_audio_muted.png"
        visible: tile.isAudioMuted
    }

    // Volume meter: the green part rises with the voice.
    Rectangle {
        id: volumeBar
        width: nameText.height
        height: parent.height * 0.6
        x: parent.width - width * 2.5
        anchors.bottom: parent.bottom
        border.width: 1
        border.color: "#40ececec"
        color: "#20999999"
        visible: !tile.isAudioMuted && tile.showOtherInfo && tile.audioVolume > 0
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: tile.audioVolume * volumeBar.height / 255
            color: "#00ff00"
            Behavior on height { NumberAnimation { duration: 500 } }
        }
    }

    Rectangle {
        objectName: "nameBar"
        width: parent.width
        height: nameText.height + 4
        y: tile.isOnStage ? 0 : parent.height - height
        color: "#40000000"
        visible: tile.showOtherInfo
        Text {
            id: nameText
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            elide: Text.ElideRight
            color: "white"
            font.pointSize: 14
            text: tile.showName ? (tile.userName !== "" ? tile.userName : "新加入的同学") : "同学"
        }
    }
}

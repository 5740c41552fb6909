import QtQuick 2.12

// The class page's tool bar. This build has no tool groups yet: the bar keeps
// a plain height, its state and the two recording functions the page calls.
Rectangle {
    id: topMenu

    property int menuItemSpacing: 4
    property string focusItemTag: ""
    property var hoverPanelManager: null
    property bool isForzen: false
    property int recordTimeSec: 0
    property bool isRecording: false
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12

    color: "#F8FBFD"
    height: unit * 4

    function updateRecordTimeSec(timeSec) {
        recordTimeSec = timeSec
    }

    function updateRecordVideoState(recording) {
        isRecording = recording
    }
}

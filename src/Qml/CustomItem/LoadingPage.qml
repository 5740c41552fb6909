import QtQuick 2.12

// A translucent overlay that swallows clicks and shows the loading animation
// with a text in a rounded box. It hides itself after frameMaxShow animation
// frames (never when frameMaxShow is 0); hiding stops it and clears the text.
Rectangle {
    id: root

    property color gifBgColor: "white"
    property real loadingItemWidth: 0
    property string loadingTextStr
    property color loadingTextColor: "#3A78E6"
    // 190 frames of the 80 ms picture: about 15 s, a safety net only; the
    // page hides the overlay when what it covers succeeds or fails.
    property int frameMaxShow: 190
    property int frameElapsed: 0

    anchors.fill: parent
    color: "#20000000"
    visible: false

    onVisibleChanged: {
        if (visible) {
            frameElapsed = 0
            gif.currentFrame = 0
            gif.playing = true
        } else {
            gif.playing = false
            loadingTextStr = ""
        }
    }

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    MouseArea {
        anchors.fill: parent
        hoverEnabled: true
        acceptedButtons: Qt.AllButtons
        onWheel: wheel.accepted = true
    }

    Rectangle {
        anchors.centerIn: parent
        width: Math.max(gif.width, label.visible ? label.implicitWidth : 0) + 2 * line.height
        height: content.height + 2 * line.height
        radius: line.height / 2
        color: root.gifBgColor

        Column {
            id: content
            anchors.centerIn: parent
            spacing: line.height / 2

            AnimatedImage {
                id: gif
                anchors.horizontalCenter: parent.horizontalCenter
                width: root.loadingItemWidth > 0 ? root.loadingItemWidth : 80
                height: width
                source: "qrc:/res/loading.gif"
                playing: false
                onCurrentFrameChanged: {
                    if (!playing)
                        return
                    root.frameElapsed += 1
                    if (root.frameMaxShow > 0 && root.frameElapsed >= root.frameMaxShow)
                        root.visible = false
                }
            }

            StandardText {
                id: label
                anchors.horizontalCenter: parent.horizontalCenter
                visible: text !== ""
                text: root.loadingTextStr
                color: root.loadingTextColor
            }
        }
    }
}

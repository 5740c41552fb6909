import QtQuick 2.12
import QtGraphicalEffects 1.12

// A picture clipped to the circle of this rectangle.
Rectangle {
    id: root

    property string img_src

    radius: width / 2
    color: "transparent"

    // The mask needs shader effects; the software scene graph has none, so
    // there the circle is painted on a canvas instead.
    Loader {
        anchors.fill: parent
        sourceComponent: GraphicsInfo.api === GraphicsInfo.Software ? paintedCircle : maskedCircle
    }

    Component {
        id: maskedCircle

        Item {
            Image {
                id: picture
                anchors.fill: parent
                source: root.img_src
                fillMode: Image.PreserveAspectCrop
                smooth: true
                visible: false
            }
            Rectangle {
                id: mask
                anchors.fill: parent
                radius: width / 2
                color: "black"
                visible: false
            }
            OpacityMask {
                anchors.fill: parent
                source: picture
                maskSource: mask
            }
        }
    }

    Component {
        id: paintedCircle

        Canvas {
            property string loaded: ""

            function reload() {
                if (loaded !== "")
                    unloadImage(loaded)
                loaded = root.img_src
                if (loaded !== "")
                    loadImage(loaded)
                requestPaint()
            }

            onPaint: {
                var ctx = getContext("2d")
                ctx.reset()
                if (loaded === "" || !isImageLoaded(loaded))
                    return
                ctx.beginPath()
                ctx.arc(width / 2, height / 2, Math.min(width, height) / 2, 0, 2 * Math.PI)
                ctx.closePath()
                ctx.clip()
                ctx.drawImage(loaded, 0, 0, width, height)
            }
            onImageLoaded: requestPaint()
            onWidthChanged: requestPaint()
            onHeightChanged: requestPaint()
            Component.onCompleted: reload()

            Connections {
                target: root
                function onImg_srcChanged() { reload() }
            }
        }
    }
}

import QtQuick 2.12

// A large top-menu item: the icon with a fifth of margin on each side and a
// wrapped name under it; as high as 1.25 times its width.
TopMenuItemBase {
    id: item

    width: 3.6 * unit
    height: width * 1.25

    Rectangle {
        anchors.fill: parent
        radius: 4
        color: item.highlighted ? "#30000000" : "white"
    }

    Image {
        id: image
        x: parent.width * 0.2
        y: parent.width * 0.1
        width: parent.width * 0.6
        height: width
        source: item.icon
        fillMode: Image.PreserveAspectFit
        smooth: true
    }

    Text {
        anchors.top: image.bottom
        anchors.topMargin: unit / 4
        width: parent.width
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.Wrap
        font.pointSize: 8
        color: "#252729"
        text: item.text
    }
}

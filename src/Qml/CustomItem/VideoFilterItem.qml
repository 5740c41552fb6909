import QtQuick 2.12

// A square preview four text lines wide with its label below; the check tag
// sits near the preview's bottom while selected.
Item {
    id: root

    property string source
    property string text
    property bool selected: false
    property real textPadding: line.height / 2
    property real selectTagPadding: line.height * 0.2
    property real setWidth: 0
    property real setHeight: 0
    property bool hasBorder: false

    signal itemClicked()

    implicitWidth: setWidth > 0 ? setWidth : preview.width
    implicitHeight: setHeight > 0 ? setHeight : preview.height + textPadding + label.implicitHeight

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    Rectangle {
        id: preview
        anchors.horizontalCenter: parent.horizontalCenter
        width: root.setWidth > 0 ? root.setWidth : line.height * 4
        height: width
        color: "transparent"
        border.color: "#999999"
        border.width: root.hasBorder ? 1 : 0

        Image {
            anchors.fill: parent
            anchors.margins: parent.border.width
            source: root.source
            fillMode: Image.PreserveAspectCrop
            smooth: true
            mipmap: true
        }

        Image {
            objectName: "selectTag"
            visible: root.selected
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            anchors.margins: root.selectTagPadding
            width: line.height * 1.2
            height: width
            source: "qrc:/res/choose_select.png"
            smooth: true
            mipmap: true
        }
    }

    StandardText {
        id: label
        anchors.horizontalCenter: parent.horizontalCenter
        y: preview.height + root.textPadding
        text: root.text
        color: "#252729"
    }

    ClickArea {
        onClicked: root.itemClicked()
    }
}

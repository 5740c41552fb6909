import QtQuick 2.12

// A round check box; a click toggles it only while it is selectable.
Rectangle {
    id: root

    property bool checked: false
    property bool selectAble: true

    signal checkStateChanged()

    implicitWidth: line.height * 1.4
    implicitHeight: implicitWidth
    radius: width / 2
    color: "white"
    border.color: "#999999"
    border.width: 1

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    Image {
        objectName: "checkMark"
        anchors.fill: parent
        visible: root.checked
        source: root.selectAble ? "qrc:/res/choose_select.png" : "qrc:/res/choose_select_disable.png"
        smooth: true
        mipmap: true
    }

    ClickArea {
        cursorShape: root.selectAble ? Qt.PointingHandCursor : Qt.ArrowCursor
        onClicked: {
            if (!root.selectAble)
                return
            root.checked = !root.checked
            root.checkStateChanged()
        }
    }
}

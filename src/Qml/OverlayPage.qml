import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// A page over the main window: a translucent backdrop whose click closes the
// page and a white box in its centre that holds the page's items. Pages that
// want it show the one-line legal notice at the bottom of the box.
Item {
    id: root

    property alias boxWidth: box.width
    property alias boxHeight: box.height
    property bool showLegalNotice: false
    // The box's children are the page's own items.
    default property alias boxContent: box.data

    Rectangle {
        anchors.fill: parent
        color: "#20000000"

        MouseArea {
            anchors.fill: parent
            onClicked: root.visible = false
        }
    }

    Rectangle {
        id: box
        objectName: "box"
        anchors.centerIn: parent
        radius: 6
        color: "white"

        // Clicks inside the box never close the page.
        MouseArea {
            anchors.fill: parent
        }

        StandardText {
            objectName: "legalNotice"
            anchors.bottom: parent.bottom
            anchors.bottomMargin: height
            anchors.horizontalCenter: parent.horizontalCenter
            visible: root.showLegalNotice
            text: "Copyright © 2026 Veltro. All rights reserved."
            color: "#999999"
            font.pointSize: 8
        }
    }
}

import QtQuick 2.12

// Left and right arrows; a click reports only while that side is enabled.
Row {
    id: root

    property bool leftAble: true
    property bool rightAble: true

    signal goToLeft()
    signal goToRight()

    component Arrow: Image {
        property bool able: true
        property string name
        signal clicked()

        width: line.height * 1.5
        height: width
        source: "qrc:/res/" + name + (able ? ".png" : "_disable.png")
        smooth: true
        mipmap: true

        ClickArea {
            cursorShape: parent.able ? Qt.PointingHandCursor : Qt.ArrowCursor
            onClicked: if (parent.able) parent.clicked()
        }
    }

    spacing: line.height / 2

    FontMetrics {
        id: line
        font.family: "SimSun"
    }

    Arrow {
        objectName: "left"
        name: "go_to_left"
        able: root.leftAble
        onClicked: root.goToLeft()
    }

    Arrow {
        objectName: "right"
        name: "go_to_right"
        able: root.rightAble
        onClicked: root.goToRight()
    }
}

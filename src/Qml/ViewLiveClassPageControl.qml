import QtQuick 2.12

// Page number of the board's current material, "page / pages".
Rectangle {
    property int pageIndex: 0
    property int pageCount: 0

    color: "#40000000"
    width: pageText.implicitWidth + height * 2
    height: pageText.implicitHeight * 2
    radius: height / 2

    Text {
        id: pageText
        objectName: "pageText"
        anchors.centerIn: parent
        color: "white"
        text: parent.pageIndex + "/" + parent.pageCount
    }
}

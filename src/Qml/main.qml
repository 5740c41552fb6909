import QtQuick 2.12

Rectangle {
    width: 1280
    height: 800
    color: "#FFFFFF"
}

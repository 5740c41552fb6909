import QtQuick 2.12

// A switch above its label.
TextToggleBase {
    switchAbove: true
}

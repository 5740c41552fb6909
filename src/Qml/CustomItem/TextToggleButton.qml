import QtQuick 2.12

// A label followed by a switch.
TextToggleBase {
    switchAbove: false
}

import QtQuick 2.12

// Blinks `lit` on and off while running; it rests off.
Timer {
    property bool lit: false

    interval: 500
    repeat: true
    onTriggered: lit = !lit
    onRunningChanged: if (!running) lit = false
}

import QtQuick 2.12

// The recorded lesson's player over the board; shown while it plays.
Item {
    // 0 stopped; above 0 while a stream is shown.
    property int liveStatus: 0
}

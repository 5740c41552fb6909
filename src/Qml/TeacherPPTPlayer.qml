import QtQuick 2.12

// The player of a PPT page's animation over the board. This build plays
// nothing yet.
Item {
    // The page's size settled.
    function handleParentSizeChanged() {
    }
}

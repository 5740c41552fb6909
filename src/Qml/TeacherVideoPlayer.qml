import QtQuick 2.12

// The video-card player over the board. This build plays nothing yet.
Item {
    // The page's size settled.
    function handleParentSizeChanged() {
    }

    function normalStop() {
    }
}

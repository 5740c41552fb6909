import QtQuick 2.12

// What every panel of the page's panel layer starts as: hidden until its
// owner shows it and places it.
Item {
    visible: false
}

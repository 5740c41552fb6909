import QtQuick 2.12

// The upgrade page. Filled in with its box.
Item {
    id: root

    property real unit: 12
}

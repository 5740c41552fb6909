import QtQuick 2.12

// The settings page. Filled in with its tabs.
Item {
    id: root

    property real unit: 12
    property var mainUser: ({})
}

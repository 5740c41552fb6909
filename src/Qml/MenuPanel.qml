import QtQuick 2.12

// The menu of the left bar's "更多" entry. Filled in with its entries.
Item {
    id: root

    property real unit: 12
    property real barWidth: 0
    property bool upgradeOffered: false

    signal settingsRequested()
    signal roleChangeRequested()
    signal aboutRequested()
    signal upgradeRequested()
    signal logoutRequested()
}

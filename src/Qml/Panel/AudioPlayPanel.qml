import QtQuick 2.12

// The player of an audio material.
PopupPanelBase {
}

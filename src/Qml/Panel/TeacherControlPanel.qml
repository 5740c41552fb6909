import QtQuick 2.12

// The teacher's own controls.
PopupPanelBase {
}

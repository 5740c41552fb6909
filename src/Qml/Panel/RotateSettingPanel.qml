import QtQuick 2.12

// The video room's rotation setting.
PopupPanelBase {
}

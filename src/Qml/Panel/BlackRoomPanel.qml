import QtQuick 2.12

// The students in the black room.
PopupPanelBase {
}

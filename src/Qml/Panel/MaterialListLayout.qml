import QtQuick 2.12

// The course's materials to choose from.
PopupPanelBase {
}

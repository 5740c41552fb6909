import QtQuick 2.12

// The bystanders of the class.
PopupPanelBase {
}

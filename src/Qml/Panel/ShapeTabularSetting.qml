import QtQuick 2.12

// Rows and columns of a new table.
PopupPanelBase {
}

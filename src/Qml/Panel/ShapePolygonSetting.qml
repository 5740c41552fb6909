import QtQuick 2.12

// Sides of a new regular polygon.
PopupPanelBase {
}

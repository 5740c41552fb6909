import QtQuick 2.12

// Angles of a new triangle.
PopupPanelBase {
}

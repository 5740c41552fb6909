import QtQuick 2.12

// The photo answers of the students.
PopupPanelBase {
}

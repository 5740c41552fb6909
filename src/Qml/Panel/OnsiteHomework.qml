import QtQuick 2.12

// The review of the students' onsite homework.
PopupPanelBase {
}

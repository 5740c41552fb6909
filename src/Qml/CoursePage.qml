import QtQuick 2.12

// The right-hand side of the main window: the course lists. The lists
// themselves (filter, order, card states) live in theMainWindow.courseLists.
Rectangle {
    id: root

    property real unit: 12
    property var pageModel: theMainWindow.courseLists

    // Asks the main page to show its loading overlay with the text.
    signal loadingRequested(string text)

    color: "#F4F7FC"

    function setUndergoingCourses(schedules) {
        pageModel.setUndergoingCourses(schedules)
        left.weekListArrived()
    }

    function setFinishedCourses(schedules) {
        pageModel.setFinishedCourses(schedules)
    }

    function cleanCourses() {
        pageModel.cleanCourses()
    }

    CoursePageLeft {
        id: left
        objectName: "coursePageLeft"
        anchors.fill: parent
        unit: root.unit
        pageModel: root.pageModel
        onLoadingRequested: root.loadingRequested(text)
    }
}

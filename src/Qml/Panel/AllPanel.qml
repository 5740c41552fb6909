import QtQuick 2.12

// The page's panel layer: every panel the class may open, hidden until its
// owner shows it. Some panels are kept clear of the student list and the top
// menu wherever their owner places them, so that they never hide the
// students or the tools.
Item {
    id: allPanel

    // Set by the page: the student list's right edge and the top menu's bottom.
    property real userListRight: 0
    property real topMenuBottom: 0
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12

    // Each entry: the panel and how far right of the list and below the menu
    // it stays, in text heights.
    readonly property var keptClear: [
        { panel: onsiteHomeWork, right: 2, below: 0 },
        { panel: teacherControlPanel, right: 6, below: 2 },
        { panel: materialListLayout, right: 6, below: 2 },
        { panel: audioPlayPanel, right: 6, below: 2 }
    ]

    function keepClear(entry) {
        var left = userListRight + entry.right * unit
        var top = topMenuBottom + entry.below * unit
        if (entry.panel.x < left)
            entry.panel.x = left
        if (entry.panel.y < top)
            entry.panel.y = top
    }

    function keepAllClear() {
        for (var i = 0; i < keptClear.length; ++i)
            keepClear(keptClear[i])
    }

    onUserListRightChanged: keepAllClear()
    onTopMenuBottomChanged: keepAllClear()
    onUnitChanged: keepAllClear()

    Component.onCompleted: {
        keptClear.forEach(function (entry) {
            entry.panel.xChanged.connect(function () { allPanel.keepClear(entry) })
            entry.panel.yChanged.connect(function () { allPanel.keepClear(entry) })
        })
        keepAllClear()
    }

    OnsiteHomework {
        id: onsiteHomeWork
        objectName: "onsiteHomeWork"
    }
    BlackRoomPanel {
        objectName: "blackRoomPanel"
    }
    BystanderPanel {
        objectName: "bystanderPanel"
    }
    RotateSettingPanel {
        objectName: "rotateSettingPanel"
    }
    TakePictureLayout {
        objectName: "takePictureLayout"
    }
    ShapeTabularSetting {
        objectName: "shapeTabularSetting"
    }
    ShapePolygonSetting {
        objectName: "shapePolygonSetting"
    }
    ShapeTriangleFixedAngleSetting {
        objectName: "shapeTriangleFixedAngleSetting"
    }
    TeacherControlPanel {
        id: teacherControlPanel
        objectName: "teacherControlPanel"
    }
    MaterialListLayout {
        id: materialListLayout
        objectName: "materialListLayout"
    }
    AudioPlayPanel {
        id: audioPlayPanel
        objectName: "audioPlayPanel"
    }
}

import QtQuick 2.12
import "qrc:/Qml/CustomItem"

// The organisation page. After a sign-in without a stored choice it covers
// the window until the teacher picks an organisation (or works as an
// individual teacher); from the menu it opens as a box to change the choice.
// The choice itself is kept by theMainWindow.
Item {
    id: root

    property real unit: 12
    // Opened from the menu: a box with "取消" and "确定"; otherwise the first
    // choice, where a click on an entry decides.
    property bool changeMode: false
    // The entry that shows the select tag, and the one last applied.
    property int selectedID: -1
    property int confirmedID: -1

    // Asks the main page to show its loading overlay with the text.
    signal loadingRequested(string text)

    visible: false

    // One entry per choice: orgID, title, orgName, roles, background.
    ListModel {
        id: entries
    }

    function initRoles(orgs, curOrgID, individual) {
        entries.clear()
        if (individual === 1) {
            entries.append({ orgID: 0, title: "个体老师", orgName: "", roles: "",
                             background: "qrc:/res/role/role_bg_1.png" })
        }
        var list = Array.isArray(orgs) ? orgs : []
        for (var i = 0; i < list.length; ++i) {
            var org = list[i] || {}
            var id = Number(org.org_id)
            // An organisation without a usable id cannot be chosen.
            if (!isFinite(id) || id <= 0 || Math.floor(id) !== id)
                continue
            var name = org.org_name !== undefined ? String(org.org_name) : ""
            entries.append({ orgID: id, title: name, orgName: name, roles: theMainWindow.orgRoleText(org),
                             background: i % 2 === 0 ? "qrc:/res/role/role_bg_2.png"
                                                      : "qrc:/res/role/role_bg_3.png" })
            // A choice found among the organisations is already applied by
            // theMainWindow with this sign-in (id, names and the course
            // lists), so it is only marked here, not sent again.
        }
        selectedID = curOrgID
        confirmedID = curOrgID
    }

    function setOrgID(orgID, orgName, orgRoleName) {
        theMainWindow.setSelectedOrgID(orgID, orgName, orgRoleName)
        loadingRequested("加载中...")
        theMainWindow.initCourseScheduleList()
    }

    function openForChange() {
        selectedID = confirmedID
        changeMode = true
        visible = true
    }

    function indexOfEntry(orgID) {
        for (var i = 0; i < entries.count; ++i) {
            if (entries.get(i).orgID === orgID)
                return i
        }
        return -1
    }

    function apply(index) {
        var entry = entries.get(index)
        selectedID = entry.orgID
        confirmedID = entry.orgID
        visible = false
        setOrgID(entry.orgID, entry.orgName, entry.roles)
    }

    function entryClicked(index) {
        if (changeMode)
            selectedID = entries.get(index).orgID
        else
            apply(index)
    }

    function cancel() {
        selectedID = confirmedID
        visible = false
    }

    function confirm() {
        var index = indexOfEntry(selectedID)
        if (index >= 0)
            apply(index)
    }

    // Translucent backdrop that keeps clicks from the pages below.
    Rectangle {
        anchors.fill: parent
        color: "#20000000"

        MouseArea {
            anchors.fill: parent
            acceptedButtons: Qt.AllButtons
            hoverEnabled: true
            onWheel: wheel.accepted = true
        }
    }

    Rectangle {
        id: panel
        objectName: "roleBox"
        anchors.centerIn: parent
        width: root.changeMode ? grid.width + 4 * root.unit : parent.width
        height: root.changeMode ? content.height + 4 * root.unit : parent.height
        radius: root.changeMode ? root.unit : 0
        color: root.changeMode ? "#FFFFFF" : "#F4F7FC"

        Column {
            id: content
            anchors.centerIn: parent
            spacing: 1.5 * root.unit

            Column {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: root.unit / 2

                StandardText {
                    objectName: "roleTitle"
                    anchors.horizontalCenter: parent.horizontalCenter
                    text: root.changeMode ? "切换身份" : "选择身份"
                    color: "#252729"
                    font.pointSize: root.changeMode ? 12 : 16
                    font.bold: true
                }

                StandardText {
                    objectName: "roleSubtitle"
                    anchors.horizontalCenter: parent.horizontalCenter
                    visible: !root.changeMode
                    text: "选择后可在【更多】处切换"
                    color: "#999999"
                    font.pointSize: 10
                }
            }

            GridView {
                id: grid
                objectName: "roleGrid"
                readonly property int columnCount: Math.max(1, Math.min(root.changeMode ? 2 : 3, entries.count))
                readonly property int rowCount: Math.ceil(entries.count / columnCount)

                anchors.horizontalCenter: parent.horizontalCenter
                width: columnCount * cellWidth
                // At most three rows at a time; more scroll.
                height: Math.max(1, Math.min(rowCount, 3)) * cellHeight
                cellWidth: 19 * root.unit
                cellHeight: 8.5 * root.unit
                clip: true
                interactive: rowCount > 3
                model: entries

                delegate: Item {
                    width: grid.cellWidth
                    height: grid.cellHeight

                    Image {
                        objectName: "roleEntry_" + model.orgID
                        readonly property int orgID: model.orgID
                        readonly property bool selected: model.orgID === root.selectedID

                        anchors.centerIn: parent
                        width: parent.width - root.unit
                        height: parent.height - root.unit
                        source: model.background
                        smooth: true
                        mipmap: true

                        Column {
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.verticalCenter: parent.verticalCenter
                            anchors.leftMargin: 1.5 * root.unit
                            anchors.rightMargin: 3 * root.unit
                            spacing: root.unit / 2

                            StandardText {
                                width: parent.width
                                text: model.title
                                color: "#FFFFFF"
                                font.pointSize: 12
                                font.bold: true
                                elide: Text.ElideRight
                            }

                            StandardText {
                                width: parent.width
                                visible: text !== ""
                                text: model.roles
                                color: "#E8F0FF"
                                font.pointSize: 10
                                elide: Text.ElideRight
                            }
                        }

                        Image {
                            objectName: "roleSelectTag"
                            anchors.right: parent.right
                            anchors.bottom: parent.bottom
                            anchors.margins: root.unit / 2
                            width: 2 * root.unit
                            height: width
                            visible: parent.selected
                            source: "qrc:/res/role/role_select_tag.png"
                            smooth: true
                            mipmap: true
                        }

                        MouseArea {
                            anchors.fill: parent
                            cursorShape: Qt.PointingHandCursor
                            onClicked: root.entryClicked(index)
                        }
                    }
                }
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: 2 * root.unit
                visible: root.changeMode

                CustomButton {
                    objectName: "roleCancelButton"
                    text: "取消"
                    bgColor: "#FFFFFF"
                    textColor: "#252729"
                    borderColor: "#D5D8DC"
                    radius: 4
                    horPadding: 3 * root.unit
                    verPadding: 0.6 * root.unit
                    onBtnClicked: root.cancel()
                }

                CustomButton {
                    objectName: "roleConfirmButton"
                    text: "确定"
                    bgColor: "#3A78E6"
                    textColor: "#FFFFFF"
                    radius: 4
                    horPadding: 3 * root.unit
                    verPadding: 0.6 * root.unit
                    onBtnClicked: root.confirm()
                }
            }
        }
    }

    Connections {
        target: theMainWindow

        // Shown as the first choice only while no organisation is chosen.
        function onInitOrgs_signal(orgs, curOrgID, individual) {
            root.initRoles(orgs, curOrgID, individual)
            root.changeMode = false
            root.visible = curOrgID < 0
        }
    }
}

import QtQuick 2.12
import "../CustomItem"

// The course's materials: "添加资料", then one row per material with its
// preview, name and pages; the current one carries "当前讲义".
Item {
    id: view

    property real unit: 12
    property string currentMaterialID: ""
    readonly property int count: rows.count

    function indexOf(materialID) {
        for (var i = 0; i < rows.count; ++i)
            if (rows.get(i).materialID === String(materialID))
                return i
        return -1
    }
    // A material already listed only gets its page count and preview updated.
    function addOrUpdate(json) {
        var id = String(json.material_id)
        var preview = json.preview_image && json.preview_image.file_url ? json.preview_image.file_url : ""
        var pages = Number(json.number_of_page || 0)
        var i = indexOf(id)
        if (i >= 0) {
            rows.setProperty(i, "pageCount", pages)
            rows.setProperty(i, "preview", preview)
            return
        }
        rows.append({ "materialID": id, "rawMaterialID": String(json.raw_material_id || "0"),
                      "name": json.material_name || "", "preview": preview, "pageCount": pages, "lastPage": -1 })
    }
    function setCurrent(materialID, page) {
        currentMaterialID = String(materialID)
        var i = indexOf(materialID)
        if (i >= 0)
            rows.setProperty(i, "lastPage", page)
    }
    function pagesText(lastPage, pageCount) {
        return lastPage >= 0 ? "讲到" + (lastPage + 1) + "页，共" + pageCount + "页" : "共" + pageCount + "页"
    }

    ListModel { id: rows }

    Rectangle {
        id: addRow
        width: parent.width
        height: view.unit * 2.6
        color: "white"
        StandardText {
            x: view.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            font.pointSize: 9
            color: "#252729"
            text: "添加资料"
        }
        Rectangle {
            objectName: "addMaterialButton"
            anchors.right: parent.right
            anchors.rightMargin: view.unit / 2
            anchors.verticalCenter: parent.verticalCenter
            width: view.unit * 1.6
            height: width
            radius: width / 2
            color: "#3A78E6"
            StandardText {
                anchors.centerIn: parent
                color: "white"
                font.pointSize: 10
                text: "+"
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: teachingAssistantObject.addMaterialClicked()
            }
        }
        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 1
            color: "#ececec"
        }
    }

    ListView {
        id: list
        objectName: "materials"
        anchors.top: addRow.bottom
        anchors.bottom: parent.bottom
        width: parent.width
        clip: true
        model: rows
        delegate: Rectangle {
            width: list.width
            height: view.unit * 5
            color: "white"

            Image {
                id: preview
                x: view.unit / 2
                anchors.verticalCenter: parent.verticalCenter
                height: parent.height - view.unit
                width: height * 8 / 5
                fillMode: Image.PreserveAspectFit
                source: model.preview
            }
            Column {
                anchors.left: preview.right
                anchors.leftMargin: view.unit / 2
                anchors.right: parent.right
                anchors.rightMargin: view.unit / 2
                anchors.verticalCenter: parent.verticalCenter
                spacing: view.unit / 4
                StandardText {
                    width: parent.width
                    font.pointSize: 12
                    color: "#252729"
                    wrapMode: Text.WrapAnywhere
                    maximumLineCount: 2
                    elide: Text.ElideRight
                    text: model.name
                }
                Row {
                    spacing: view.unit / 2
                    StandardText {
                        objectName: "materialPages"
                        font.pointSize: 8
                        color: "#98A4AF"
                        text: view.pagesText(model.lastPage, model.pageCount)
                    }
                    Rectangle {
                        visible: model.materialID === view.currentMaterialID
                        width: badge.width + view.unit / 2
                        height: badge.height + 2
                        radius: 3
                        color: "#ff6321"
                        StandardText {
                            id: badge
                            anchors.centerIn: parent
                            font.pointSize: 8
                            color: "white"
                            text: "当前讲义"
                        }
                    }
                }
            }
            Rectangle {
                anchors.bottom: parent.bottom
                width: parent.width
                height: 1
                color: "#ececec"
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: teachingAssistantObject.materialItemClicked(Number(model.materialID),
                                                                       Number(model.rawMaterialID),
                                                                       Math.max(0, model.lastPage))
            }
        }
    }
}

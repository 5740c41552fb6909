import QtQuick 2.12
import "../CustomItem"

// The pages of the current material, 40 at a time; a click opens the page.
Item {
    id: view

    property real unit: 12
    property var assistant: null
    property var material: null
    property string materialID: ""
    readonly property int count: items.count
    readonly property alias ranges: ranges

    function load(json) {
        material = json
        materialID = String(json.material_id)
        ranges.pageCount = (json.file_items || []).length
        ranges.selectedRange = 0
        build(0)
    }
    function build(range) {
        items.clear()
        if (!material)
            return
        var pages = material.file_items || []
        for (var p = ranges.firstPage(range); p < ranges.endPage(range); ++p) {
            var url = pages[p].file_url || ""
            items.append({ "page": p, "url": url, "local": view.assistant ? view.assistant.lookupImage(url) : "" })
        }
    }
    function imageReady(url, localUrl) {
        for (var i = 0; i < items.count; ++i)
            if (items.get(i).url === url)
                items.setProperty(i, "local", localUrl)
    }

    ListModel { id: items }

    ListView {
        id: list
        objectName: "previews"
        anchors.top: parent.top
        anchors.bottom: ranges.top
        anchors.bottomMargin: view.unit / 2
        width: parent.width
        clip: true
        spacing: view.unit / 2
        model: items
        delegate: Column {
            width: list.width
            Image {
                x: view.unit / 2
                width: parent.width - view.unit
                height: width * 5 / 8
                fillMode: Image.PreserveAspectFit
                source: model.local
                Rectangle {
                    anchors.fill: parent
                    color: "transparent"
                    border.color: "#ececec"
                }
                MouseArea {
                    anchors.fill: parent
                    cursorShape: Qt.PointingHandCursor
                    onClicked: teachingAssistantObject.materialPageItemClicked(
                                   Number(view.materialID), Number(view.material.raw_material_id || 0), model.page)
                }
            }
            StandardText {
                anchors.horizontalCenter: parent.horizontalCenter
                font.pointSize: 8
                color: "#98A4AF"
                text: "第" + (model.page + 1) + "页"
            }
        }
    }
    StandardText {
        anchors.centerIn: list
        visible: items.count === 0
        font.pointSize: 9
        color: "#98A4AF"
        text: "暂无预览"
    }
    PageRangeGrid {
        id: ranges
        objectName: "previewRanges"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: view.unit / 2
        x: view.unit / 2
        width: parent.width - view.unit
        unit: view.unit
        onRangeChosen: view.build(range)
    }
}

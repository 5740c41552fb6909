import QtQuick 2.12
import "../CustomItem"

// The lesson notes of the current material, 40 pages at a time. When the
// material is first shown only the notes of type 1 are listed; a chosen
// range lists every note of its pages.
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
        build(0, true)
    }
    function build(range, firstShow) {
        items.clear()
        if (!material)
            return
        var pages = material.file_items || []
        for (var p = ranges.firstPage(range); p < ranges.endPage(range); ++p) {
            var notes = pages[p].correlations || []
            for (var j = 0; j < notes.length; ++j) {
                if (firstShow && Number(notes[j].type) !== 1)
                    continue
                var data = notes[j].data || {}
                var w = Number(data.width || 0)
                var h = Number(data.height || 0)
                var url = data.file_url || ""
                items.append({ "page": p, "indexInPage": j, "url": url, "ratio": w > 0 && h > 0 ? h / w : 5 / 8,
                               "local": view.assistant ? view.assistant.lookupImage(url) : "" })
            }
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
        objectName: "notes"
        anchors.top: parent.top
        anchors.bottom: ranges.top
        anchors.bottomMargin: view.unit / 2
        width: parent.width
        clip: true
        spacing: view.unit / 2
        model: items
        delegate: Column {
            width: list.width
            StandardText {
                x: view.unit / 2
                font.pointSize: 9
                color: "#252729"
                text: "第" + (model.page + 1) + "页备注"
            }
            Image {
                x: view.unit / 2
                width: parent.width - view.unit
                height: width * model.ratio
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
                    onClicked: {
                        teachingAssistantObject.materialCommentClicked(Number(view.materialID),
                                                                       Number(view.material.raw_material_id || 0),
                                                                       model.page, model.indexInPage)
                        if (model.local === "")
                            teachingAssistantObject.downloadUrl(model.url)
                    }
                }
            }
        }
    }
    StandardText {
        anchors.centerIn: list
        visible: items.count === 0
        font.pointSize: 9
        color: "#98A4AF"
        text: "暂无教案"
    }
    PageRangeGrid {
        id: ranges
        objectName: "noteRanges"
        anchors.bottom: parent.bottom
        anchors.bottomMargin: view.unit / 2
        x: view.unit / 2
        width: parent.width - view.unit
        unit: view.unit
        onRangeChosen: view.build(range, false)
    }
}

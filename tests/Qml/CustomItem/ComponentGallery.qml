import QtQuick 2.12
import "qrc:/Qml/CustomItem"
import "qrc:/Qml/Util"

// Every shared component once, for looking at.
Rectangle {
    id: page
    width: 1080
    height: 720
    color: "white"

    readonly property string preview: "qrc:/gallery/gallery_preview.png"

    CommonFun { id: commonFun }

    component Cell: Column {
        property alias title: caption.text
        spacing: 8
        Text { id: caption; color: "#999999"; font.pixelSize: 11 }
    }

    Grid {
        x: 24
        y: 24
        columns: 4
        columnSpacing: 36
        rowSpacing: 28

        Cell {
            title: "StandardText"
            StandardText { text: "讲义区 Veltro"; font.pointSize: 10 }
            StandardText { text: "大一号 pointSizeMore 3"; font.pointSize: 10; pointSizeMore: 3 }
        }
        Cell {
            title: "CustomButton"
            Row {
                spacing: 10
                CustomButton { text: "开始上课"; padding: 6; radius: 4 }
                CustomButton { text: "渐变"; bgColor: "#3A78E6"; bgColor2: "#6FA3FF"; horPadding: 14; verPadding: 6; radius: 14 }
                CustomButton { text: "边框"; bgColor: "white"; textColor: "#252729"; borderColor: "#C0C0C0"; padding: 6 }
            }
        }
        Cell {
            title: "CustomButtonGroup"
            CustomButtonGroup {
                choosedValue: 60
                model: [{ text: "30秒", value: 30 }, { text: "1分钟", value: 60 }, { text: "2分钟", value: 120 }]
            }
            CustomButtonGroup {
                buttonCircle: true
                whEqual: true
                choosedValue: 2
                model: [{ text: "1", value: 1 }, { text: "2", value: 2 }, { text: "3", value: 3 }, { text: "4", value: 4 }]
            }
        }
        Cell {
            title: "CustomTextButton"
            Row {
                spacing: 10
                CustomTextButton { text: "取消"; borderColor: "#C0C0C0" }
                CustomTextButton { text: "确定"; bgColor: "#3A78E6"; textColor: "white" }
            }
        }
        Cell {
            title: "CustomRadioButton / CircleImage"
            CustomRadioButton { text: "老师"; checked: true }
            CustomRadioButton { text: "助教" }
            CustomRadioButton { text: "不可选"; enabled: false }
            CircleImage { width: 36; height: 36; img_src: page.preview }
        }
        Cell {
            title: "CountUpDown"
            CountUpDown { choosedValue: 0 }
            CountUpDown { choosedValue: 45 }
            CountUpDown { choosedValue: 100; setContentWidth: 90 }
        }
        Cell {
            title: "ToggleButton / TextToggle*"
            ToggleButton { width: 48; height: 24 }
            ToggleButton { width: 48; height: 24; state: "right" }
            TextToggleButton { text: "自动录屏"; state: "right" }
            TextToggleVerButton { text: "填充"; state: "left" }
        }
        Cell {
            title: "TabHeader1 / TabHeader2"
            TabHeader1 {
                id: tabs1
                width: 200
                focusValue: 3
                model: [{ text: "讨论区", value: 1 }, { text: "私信", value: 2 }, { text: "课件", value: 3 }]
                Component.onCompleted: addUnreadCount(1, 5)
            }
            TabHeader2 {
                focusValue: 0
                model: [{ text: "数学", value: 0 }, { text: "物理", value: 1 }, { text: "化学", value: 2 }]
            }
        }
        Cell {
            title: "ImageButton / ImageButton2"
            Row {
                spacing: 10
                ImageButton { width: 40; height: 40; normalSource: "qrc:/res/go_to_left.png"; imgWidth: 24; imgHeight: 24; radius: 6; bgColor: "#F0F2F5" }
                ImageButton { width: 40; height: 40; normalSource: "qrc:/res/go_to_left.png"; focusSrouce: "qrc:/res/go_to_right.png"; isFocus: true; focusColor: "#E3ECFC"; imgWidth: 24; imgHeight: 24; radius: 6 }
                ImageButton2 { normalSource: "qrc:/gallery/gallery_button.png"; text: "图片按钮"; textColor: "white" }
            }
        }
        Cell {
            title: "ImageTextItem / ImageTextItem2"
            Row {
                spacing: 10
                ImageTextItem { normalSource: "qrc:/res/choose_select.png"; text: "下方"; textColor: "#252729"; bgColor: "#F0F2F5"; radius: 4 }
                ImageTextItem { normalSource: "qrc:/res/choose_select.png"; text: "右侧"; textPosition: "right"; isFocus: true; bgColor: "#F0F2F5"; radius: 4; imgWidth: 20 }
                ImageTextItem2 { normalSource: "qrc:/res/go_to_right.png"; text: "选中"; isFocus: true; radius: 4 }
            }
        }
        Cell {
            title: "ImageTextRatio*"
            Row {
                spacing: 10
                ImageTextRatioHorItem { normalSource: "qrc:/res/go_to_left.png"; text: "横排"; borderColor: "#E7EAEF"; radius: 4 }
                ImageTextRatioHorItem { normalSource: "qrc:/res/go_to_right.png"; text: "聚焦"; isFocus: true; focusTextColor: "white"; radius: 4 }
                ImageTextRatioItem { normalSource: "qrc:/res/choose_select.png"; text: "竖排" }
                ImageTextRatioItem { normalSource: "qrc:/res/choose_select.png"; text: "聚焦"; isFocus: true }
            }
        }
        Cell {
            title: "VideoFilterItem / SelectItem"
            Row {
                spacing: 12
                VideoFilterItem { source: page.preview; text: "原图" }
                VideoFilterItem { source: page.preview; text: "美颜"; selected: true; hasBorder: true }
                Column {
                    spacing: 6
                    SelectItem {}
                    SelectItem { checked: true }
                    SelectItem { checked: true; selectAble: false }
                }
            }
        }
        Cell {
            title: "ForwardBackGroup / HorDragBar"
            ForwardBackGroup {}
            ForwardBackGroup { leftAble: false }
            HorDragBar { lineWidth: 180; buttonWidth: 14; runningPosition: 70 }
        }
        Cell {
            title: "ArrowItem"
            Item {
                width: 200
                height: 110
                ArrowItem {
                    y: 20
                    width: 200
                    height: 90
                    arrowPos: "top"
                    setX: 60
                    StandardText { anchors.centerIn: parent; text: "教学图形"; color: "#252729" }
                }
            }
        }
        Cell {
            title: "LoadingPage / CommonFun"
            Rectangle {
                width: 200
                height: 150
                border.color: "#E7EAEF"
                StandardText { x: 8; y: 6; text: "页面内容"; color: "#252729"; font.pointSize: 8 }
                LoadingPage { frameMaxShow: 0; loadingItemWidth: 40; Component.onCompleted: { visible = true; loadingTextStr = "加载中..." } }
            }
            StandardText { text: "max(3, 7) = " + commonFun.max(3, 7); color: "#252729" }
        }
    }
}

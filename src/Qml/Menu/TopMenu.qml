import QtQuick 2.12

// The class page's tool bar: seven groups of tools in a row, each calling
// one invokable of "topMenuObject". The bar keeps only what the page shows:
// the highlighted tool, the free-talk state and the recording state. Every
// item but "退出课堂" is disabled while the course is frozen.
Rectangle {
    id: topMenu

    property int menuItemSpacing: 4
    property string focusItemTag: ""
    property var hoverPanelManager: null
    property bool isForzen: false
    // The page's typing panel, toggled by "打字" when the page gives one.
    property var typingPanel: null
    property bool isLowPriceCourse: false
    property alias isRecording: classGroup.isRecording
    property alias recordTimeSec: classGroup.recordTimeSec
    readonly property var menuObject: typeof topMenuObject !== "undefined" ? topMenuObject : null
    readonly property real unit: typeof normalTextHeight !== "undefined" && normalTextHeight > 0
                                 ? normalTextHeight : 12

    color: "#F8FBFD"
    height: teachingTools.height

    function updateRecordTimeSec(timeSec) {
        recordTimeSec = timeSec
    }

    function updateRecordVideoState(recording) {
        isRecording = recording
    }

    // Focus on a tool, and the hover panel (if any) under it.
    function focusTool(item, hoverTag) {
        focusItemTag = item.tag
        if (hoverPanelManager && hoverTag !== "")
            hoverPanelManager.setLastEnteredTag(hoverTag, item.getPosInRect())
    }

    Connections {
        target: topMenu.menuObject
        ignoreUnknownSignals: true
        function onIsForzenTopMenu(forzen) { topMenu.isForzen = forzen }
        function onIsFreeTalkEnable_signal(isEnable) { classGroup.freeTalkOn = isEnable }
        function onIsEnableBackForwardButton_signal(isBackButtonEnable, isForwardButtonEnable) {
            backItem.icon = isBackButtonEnable ? "qrc:/res/live_menu/menu_houtui_enable.png"
                                               : "qrc:/res/live_menu/menu_houtui_disable.png"
            forwardItem.icon = isForwardButtonEnable ? "qrc:/res/live_menu/menu_qianjin_enable.png"
                                                     : "qrc:/res/live_menu/menu_qianjin_disable.png"
        }
    }

    Connections {
        target: topMenu.hoverPanelManager
        ignoreUnknownSignals: true
        function onEraserChosen() { topMenu.focusItemTag = "eraser" }
    }

    Row {
        id: groups
        height: parent.height

        TopMenuGroup {
            objectName: "interactionGroup"
            title: "教学互动"
            columns: 4
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            TopMenuItem {
                objectName: "choiceQuestionItem"
                text: "单选题"
                icon: "qrc:/res/live_menu/live_class_fast_track_choice_question_select.png"
                onClicked: topMenu.menuObject.choiceQuestionClicked()
            }
            TopMenuItem {
                objectName: "pictureAnswerItem"
                text: "拍照答题"
                icon: "qrc:/res/live_menu/live_class_fast_track_take_picture_answer_select.png"
                onClicked: topMenu.menuObject.pictureTheAnswerClicked()
            }
            TopMenuItem {
                objectName: "countDownItem"
                text: "倒计时"
                icon: "qrc:/res/live_menu/live_class_fast_track_count_down.png"
                onClicked: topMenu.menuObject.countDownClicked()
            }
            TopMenuItem {
                objectName: "multiChoiceQuestionItem"
                text: "多选题"
                icon: "qrc:/res/live_menu/live_class_fast_track_multi_choice_question_select.png"
                onClicked: topMenu.menuObject.multiChoiceQuestionClicked()
            }
            TopMenuItem {
                objectName: "randomSelectItem"
                text: "随机选"
                icon: "qrc:/res/live_menu/live_class_fast_track_random_select.png"
                onClicked: topMenu.menuObject.randomSelectClicked()
            }
            TopMenuItem {
                objectName: "signInItem"
                text: "签到"
                icon: "qrc:/res/live_menu/ic_sign_in.png"
                onClicked: topMenu.menuObject.signInClick()
            }
            TopMenuItem {
                objectName: "competitiveAnswerItem"
                text: "抢答"
                icon: "qrc:/res/live_menu/ic_competitive_answer.png"
                onClicked: topMenu.menuObject.competitiveAnswer()
            }
        }

        Rectangle { width: 1; height: topMenu.height; color: "#C4C8CC" }

        TopMenuGroup {
            id: teachingTools
            objectName: "teachingToolGroup"
            title: "教学工具"
            rows: 2
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            TopMenuItem {
                objectName: "barrierItem"
                text: "遮挡板"
                icon: "qrc:/res/live_menu/live_class_fast_track_baffle.png"
                onClicked: topMenu.menuObject.barrierClicked()
            }
            TopMenuItem {
                objectName: "copyPageItem"
                text: "复制本页"
                icon: "qrc:/res/live_menu/menu_fuzhi.png"
                onClicked: topMenu.menuObject.copyCurrentPageClicked()
            }
            TopMenuItem {
                objectName: "screenShotItem"
                text: "截图"
                icon: "qrc:/res/live_menu/live_class_writing_tools_menu_screenshot.png"
                onClicked: topMenu.menuObject.screenShotClicked()
            }
            TopMenuItem {
                objectName: "shareScreenItem"
                text: "屏幕共享"
                icon: "qrc:/res/live_menu/menu_share_screen.png"
                onClicked: topMenu.menuObject.launchShareScreen()
            }
        }

        Rectangle { width: 1; height: topMenu.height - 50; y: 40; color: "#C4C8CC" }

        TopMenuGroup {
            objectName: "insertGroup"
            title: "插入图形、图片"
            rows: 1
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            TopMenuItemBig {
                id: shapeItem
                objectName: "teachingShapeItem"
                text: "教学图形"
                icon: "qrc:/res/live_menu/menu_tuxing.png"
                onClicked: {
                    topMenu.menuObject.teachingShapeClicked()
                    if (topMenu.hoverPanelManager)
                        topMenu.hoverPanelManager.setLastEnteredTag("all_shape", getPosInRect())
                }
            }
            TopMenuItemBig {
                objectName: "insertPictureItem"
                text: "打开相册"
                icon: "qrc:/res/live_menu/menu_insert_picture.png"
                onClicked: topMenu.menuObject.openFileDialog()
            }
        }

        Rectangle { width: 1; height: topMenu.height - 50; y: 40; color: "#C4C8CC" }

        TopMenuGroup {
            objectName: "writingGroup"
            title: "写字"
            rows: 2
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            TopMenuItem {
                objectName: "typeWordItem"
                tag: "typeword"
                text: "打字"
                icon: "qrc:/res/live_menu/menu_dazi.png"
                focused: topMenu.typingPanel !== null && topMenu.typingPanel.visible
                onClicked: {
                    if (topMenu.typingPanel)
                        topMenu.typingPanel.visible = !topMenu.typingPanel.visible
                }
            }
            TopMenuItem {
                objectName: "linePenItem"
                tag: "line"
                text: "硬笔"
                icon: "qrc:/res/live_menu/menu_yingbi.png"
                focused: topMenu.focusItemTag === tag
                onClicked: {
                    topMenu.focusTool(this, tag)
                    topMenu.menuObject.penIconClicked(1)
                }
            }
            TopMenuItem {
                objectName: "penItem"
                tag: "pen"
                text: "钢笔"
                icon: "qrc:/res/live_menu/menu_pen.png"
                focused: topMenu.focusItemTag === tag
                onClicked: {
                    topMenu.focusTool(this, tag)
                    topMenu.menuObject.penIconClicked(2)
                }
            }
            TopMenuItem {
                objectName: "morePenItem"
                tag: "morePen"
                text: "更多"
                icon: "qrc:/res/live_menu/menu_more_brushes.png"
                onClicked: {
                    topMenu.menuObject.morePenClicked()
                    if (topMenu.hoverPanelManager)
                        topMenu.hoverPanelManager.setLastEnteredTag("more_pen", getPosInRect())
                }
            }
        }

        Rectangle { width: 1; height: topMenu.height - 50; y: 40; color: "#C4C8CC" }

        TopMenuGroup {
            objectName: "cursorGroup"
            title: "光标"
            rows: 2
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            Repeater {
                model: 4
                TopMenuItem {
                    objectName: "arrowItem" + (index + 1)
                    tag: "arrow" + (index + 1)
                    text: "箭头" + (index + 1)
                    icon: "qrc:/res/live_menu/arrow_" + (index + 1) + ".png"
                    focused: topMenu.focusItemTag === tag
                    onClicked: {
                        topMenu.focusItemTag = tag
                        topMenu.menuObject.cursorIconClicked(index + 1)
                    }
                }
            }
        }

        Rectangle { width: 1; height: topMenu.height - 50; y: 40; color: "#C4C8CC" }

        TopMenuGroup {
            objectName: "cleanGroup"
            title: "清除工具"
            rows: 2
            itemSpacing: topMenu.menuItemSpacing
            enabled: !topMenu.isForzen

            TopMenuItem {
                id: backItem
                objectName: "backItem"
                text: "后退"
                icon: "qrc:/res/live_menu/menu_houtui_disable.png"
                flickerEnabled: true
                onClicked: topMenu.menuObject.backClicked()
            }
            TopMenuItem {
                id: forwardItem
                objectName: "forwardItem"
                text: "前进"
                icon: "qrc:/res/live_menu/menu_qianjin_disable.png"
                flickerEnabled: true
                onClicked: topMenu.menuObject.forwardClicked()
            }
            TopMenuItem {
                objectName: "eraserItem"
                tag: "eraser"
                text: "橡皮"
                icon: "qrc:/res/live_menu/menu_xiangpi.png"
                focused: topMenu.focusItemTag === tag
                onClicked: {
                    topMenu.menuObject.eraseMenuClicked(2)
                    topMenu.focusTool(this, "eraser")
                }
            }
            TopMenuItem {
                objectName: "cleanPageItem"
                text: "清除本页"
                icon: "qrc:/res/live_menu/menu_qingchu.png"
                flickerEnabled: true
                onClicked: topMenu.menuObject.cleanCurrentPageClicked()
            }
        }

        Rectangle { width: 1; height: topMenu.height; color: "#C4C8CC" }

        MenuItemClass {
            id: classGroup
            objectName: "classGroup"
            width: Math.max(implicitWidth, topMenu.width - x)
            height: topMenu.height
            frozen: topMenu.isForzen
            cameraButtonVisible: !topMenu.isLowPriceCourse
            menuObject: topMenu.menuObject
        }
    }
}

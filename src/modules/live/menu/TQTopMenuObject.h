#pragma once

#include <QObject>

#include "modules/live/broadcast/TQLiveClassAccess.h"

class TQLiveBroadCastActivity;

// The class page's top menu ("topMenuObject"). Each item of Menu/TopMenu.qml
// calls one invokable; it becomes a popover response (popover type 3) for the
// class's popover interface, or an operation of the window, its board or its
// menus. The window is reached through the method service on every call.
// No parent; the window deletes it.
class TQTopMenuObject : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    // Every response the top menu sends carries this popover type.
    static constexpr int kPopoverType = 3;
    static constexpr int kToastMs = 3000;

    // Popover response codes of the menu's items.
    enum ResponseCode {
        kLeaveStage = 12,
        kMultiChoiceQuestion = 13,
        kPictureTheAnswer = 14,
        kRandomSelect = 15,
        kBarrier = 19,
        kChoiceQuestion = 20,
        kCountDown = 21,
        kSignIn = 22,
        kCompetitiveAnswer = 23,
        kEnterCameraFullScreen = 46,
        kLeaveCameraFullScreen = 47,
        kFreeTalkOn = 60,
        kFreeTalkOff = 61,
    };

    TQTopMenuObject(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);

    // Pointer style of the cursor items 1-4 (anything else: the second).
    static int pointerStyleFor(int item);
    // Eraser size of the eraser card's items 1 (large) to 3 (small).
    static int eraserSizeFor(int item);

    bool isFrozen() const { return mFrozen != 0; }
    // Set by the course-detail handling for a course played back from a
    // recorded stream; nothing clears it.
    void setFrozen(bool frozen);
    // Set by the class-size notice at class start.
    void setFreeTalkEnable(bool enable);

    Q_INVOKABLE void randomSelectClicked();
    Q_INVOKABLE void choiceQuestionClicked();
    Q_INVOKABLE void pictureTheAnswerClicked();
    Q_INVOKABLE void multiChoiceQuestionClicked();
    Q_INVOKABLE void countDownClicked();
    Q_INVOKABLE void teachingShapeClicked();
    Q_INVOKABLE void screenShotClicked();
    Q_INVOKABLE void forwardClicked();
    Q_INVOKABLE void backClicked();
    Q_INVOKABLE void barrierClicked();
    Q_INVOKABLE void copyCurrentPageClicked();
    Q_INVOKABLE void openFileDialog();
    Q_INVOKABLE void cursorIconClicked(int i);
    Q_INVOKABLE void penIconClicked(int i);
    Q_INVOKABLE void morePenClicked();
    Q_INVOKABLE void eraseIconClicked();
    Q_INVOKABLE void eraseMenuClicked(int i);
    Q_INVOKABLE void cleanCurrentPageClicked();
    Q_INVOKABLE void freeTalkSwitchButtonClicked(bool openTag);
    Q_INVOKABLE void exitClassButtonClicked();
    Q_INVOKABLE void fullScreenVideoButtonClicked();
    Q_INVOKABLE void launchShareScreen();
    Q_INVOKABLE void stopShareScreen();
    Q_INVOKABLE void signInClick();
    Q_INVOKABLE void typingIconClicked();
    Q_INVOKABLE void competitiveAnswer();

signals:
    void isEnableClearButton_signal(bool isEnable);
    void isEnableBackForwardButton_signal(bool isBackButtonEnable, bool isForwardButtonEnable);
    void isFreeTalkEnable_signal(bool isEnable);
    void isForzenTopMenu(bool forzen);

private:
    TQLiveBroadCastActivity *activity() const;
    // The teacher's own stage switch is the one response with a subject.
    void postPopoverResponse(int responseCode, int popoverType, int userId = 0);
    // True (and a toast) when the current course is a big class, where the
    // answer tools do not run.
    bool refusedInBigClass();
    void setEraserSize(int size);

    int mFrozen = 0;
};

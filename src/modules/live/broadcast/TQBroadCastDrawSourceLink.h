#pragma once

#include "modules/live/draws/TQBroadCastDrawDataSourceInterface.h"

class TQBroadCastMethodService;
class TQLiveBroadCastActivity;

// What the class board's data source reaches of the class around it: the
// student-control service (withdrawing and giving back the students' writing
// around a page turn), the window (toasts, page-turned notice, undo and
// redo buttons) and the window's draw manager (the turn's shade and
// timer). Every call asks the window anew, so a board made or freed later is
// seen. Neither the window nor the service is owned; the window frees the
// link after the data source.
class TQBroadCastDrawSourceLink : public TQBroadCastDrawDataSourceInterface::MethodService,
                                  public TQBroadCastDrawDataSourceInterface::Activity,
                                  public TQBroadCastDrawDataSourceInterface::DrawManager
{
public:
    TQBroadCastDrawSourceLink(TQLiveBroadCastActivity *window, TQBroadCastMethodService *service);

    // MethodService
    bool suspendAllStudentWriting(int reason) override;
    void restoreStudentWriting() override;
    Activity *getActivity() override;
    DrawManager *getDrawManager() override;

    // Activity
    QWidget *widget() override;
    TQBroadCastDrawDataSourceInterface::DrawLayout *getDrawLayout() override;
    TQTakePictureLayout *takePictureLayout() override;
    void uploadImageFile(const QString &path, int kind, int value) override;
    void enableBackForwardButton(bool canUndo, bool canRedo) override;
    void updateTopOffset(int y) override;
    void handleDrawLayoutTurnPage(int a, int b) override;

    // DrawManager
    void showWaitingShade(bool show, int tag, const std::string &text, int milliseconds) override;
    void startTurnPageTimer() override;
    void commitPendingTurnPage() override;

private:
    TQLiveBroadCastActivity *mWindow;
    TQBroadCastMethodService *mService;
};

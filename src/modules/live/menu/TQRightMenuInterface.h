#pragma once

class QQuickItem;

// What the right menu asks of the class when one of its entries is clicked.
// Every operation does nothing unless an implementation answers it.
class TQRightMenuInterface
{
public:
    virtual ~TQRightMenuInterface() = default;
    virtual void exitClassRoomIconClicked() {}
    virtual void classroomToolIconClicked(QQuickItem *pView) { (void)pView; }
    virtual void teachingToolsIconClicked() {}
    virtual void writingToolsIconClicked() {}
    virtual void messageIconClicked(QQuickItem *pView) { (void)pView; }
    virtual void classroomSettingIconClicked(QQuickItem *pView) { (void)pView; }
};

#pragma once

#include <QObject>

class TQPopoverInterface;
class TQPopoverRequestData;

// The native half of one popover panel of the class page. It owns the request
// record it shows; the interface is the class's and is not owned.
class TQBasePopupWindowPanel : public QObject
{
    Q_OBJECT

public:
    TQBasePopupWindowPanel(int popoverType, TQPopoverRequestData *requestData, int userId,
                           TQPopoverInterface *popoverInterface);
    ~TQBasePopupWindowPanel() override;

    int getUserId() const { return mUserId; }

signals:
    void popupWindowDismiss_signal();

protected:
    int mPopoverType;
    int mUserId;
    TQPopoverRequestData *m_pRequestData;
    TQPopoverInterface *m_pPopoverInterface;
};

#pragma once

#include <QObject>

class QQuickItem;
class TQRightMenuInterface;

// The right menu of the class page ("menuListLayout"): each entry is handed
// to the menu's interface unchanged. No parent; the window deletes it. The
// interface is the window's and is not owned.
class TQMenuListLayout : public QObject
{
    Q_OBJECT

public:
    explicit TQMenuListLayout(TQRightMenuInterface *rightMenuInterface);

    TQRightMenuInterface *rightMenuInterface() const { return m_pRightMenuInterface; }

    Q_INVOKABLE void exitClassRoomIconClicked();
    Q_INVOKABLE void classroomToolIconClicked(QQuickItem *pView);
    Q_INVOKABLE void teachingToolsIconClicked();
    Q_INVOKABLE void writingToolsIconClicked();
    Q_INVOKABLE void messageIconClicked(QQuickItem *pView);
    Q_INVOKABLE void classroomSettingIconClicked(QQuickItem *pView);

private:
    TQRightMenuInterface *const m_pRightMenuInterface;
};

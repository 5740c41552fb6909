#pragma once

#include <QObject>

class TQRightMenuInterface;

// The right menu of the class page ("menuListLayout"). No parent; the window
// deletes it. The menu's interface is the window's and is not owned.
class TQMenuListLayout : public QObject
{
    Q_OBJECT

public:
    explicit TQMenuListLayout(TQRightMenuInterface *rightMenuInterface);

    TQRightMenuInterface *rightMenuInterface() const { return m_pRightMenuInterface; }

private:
    TQRightMenuInterface *const m_pRightMenuInterface;
};

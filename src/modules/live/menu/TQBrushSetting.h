#pragma once

#include <QObject>
#include <QPointer>

class TQDrawManager;

// The pen menu of the class page ("brushSettingLayout"). No parent; the window
// deletes it.
class TQBrushSetting : public QObject
{
    Q_OBJECT

public:
    TQBrushSetting();

    // The board's controller, once the board exists.
    void setDrawManager(TQDrawManager *drawManager);
    TQDrawManager *drawManager() const;

private:
    // The draw layout owns the draw manager and may be torn down first.
    QPointer<QObject> m_pDrawManager;
};

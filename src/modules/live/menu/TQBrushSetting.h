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

    // The brush type of a pen menu index: 0, 2-7, 100 and 101 stand for
    // themselves, every other index is the hard pen (1).
    static int toPenType(int index);

    // The board's controller, once the board exists.
    void setDrawManager(TQDrawManager *drawManager);
    TQDrawManager *drawManager() const;

private:
    // The draw layout owns the draw manager and may be torn down first.
    QPointer<QObject> m_pDrawManager;
};

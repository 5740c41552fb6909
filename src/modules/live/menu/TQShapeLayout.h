#pragma once

#include <QJsonArray>
#include <QObject>
#include <QString>

#include "modules/live/broadcast/TQLiveClassAccess.h"

class TQShapeImageBean;

// The shape menu of the class page ("shapeLayout"): sends the catalogue and
// the recently used shapes to More/ShapeMenu.qml, records a picked shape as
// recently used and selects it on the board, asking first through a settings
// panel for the table, the polygon and the fixed-angle triangle. No parent;
// the window deletes it. GUI thread only.
class TQShapeLayout : public QObject, public TQLiveClassAccess
{
    Q_OBJECT

public:
    TQShapeLayout(TQBroadCastMethodService *methodService, TQLiveBroadCastContext *context);
    ~TQShapeLayout() override;

    // The menu's JSON: three subjects {"title", "categories"}, built once per run.
    static QJsonArray menuJson();

    // Opens the menu: the catalogue, then the recently used shapes.
    void show();
    void updateRecentShapesToQml();

    Q_INVOKABLE void menuShape(int type, int code, int toStudentCode, QString drawingImagePath,
                               QString qmlIconImagePath);
    Q_INVOKABLE void close();
    Q_INVOKABLE void shapeTabularClicked(int nRow, int nCol);
    Q_INVOKABLE void shapePolygonClicked(int polygonNumber);
    Q_INVOKABLE void shapeTriangleFixedAngleClicked(int angle1, int angle2);

signals:
    void showShapeLayout_signal(QJsonArray jaShapes);
    void updateRecentShapes_signal(QJsonArray jaShapes);
    void showShapeTabularSetting_signal();
    void showShapePolygonSetting_signal();
    void showShapeTriangleFixedAngle_signal();

protected:
    // Makes the item the board's tool. The item is only read.
    virtual void selectShape(TQShapeImageBean *item);
};

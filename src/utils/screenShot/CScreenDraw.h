#pragma once

#include "utils/screenShot/CScreenDrawShape.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>

#include <memory>
#include <vector>

class QMouseEvent;
class QPainter;
class QTextEdit;
class QWidget;
class CScreenDrawTool;

// The drawing engine of the full-screen annotation surfaces (the screenshot
// tool and the screen-share frame). An owner widget derives from a widget class
// and from this class, sets the background, calls initCanvas(), forwards its
// mouse and Shift key events and paints the layers over the background in its
// paint handler (paintLayers()). Positions are global: the owner covers the
// screen from its origin.
class CScreenDraw
{
public:
    enum DrawType {
        DRAW_RECT = 1,
        DRAW_ELLIPSE = 2,
        DRAW_LINE = 3,
        DRAW_ERASER = 4,
        DRAW_ARROW = 5,
        DRAW_TEXT = 6,
    };

    explicit CScreenDraw(QWidget *owner);
    ~CScreenDraw();

    CScreenDraw(const CScreenDraw &) = delete;
    CScreenDraw &operator=(const CScreenDraw &) = delete;

    // Creates the three transparent layers of the background's size.
    void initCanvas();
    void releaseCanvas();

    void setDrawType(int type);
    void setShiftPressed(bool pressed);

    void onMousePress(QMouseEvent *event);
    void onMouseMove(QMouseEvent *event);
    void onMouseRelease(QMouseEvent *event);

    void undo();
    // Removes every committed shape; the tool bar's undo state is left alone.
    void clearAll();
    // Repaints the stroke layer and, with all, rebuilds the result layer.
    void redraw(bool all);
    void commitText();
    // Flattens the committed annotations into the background pixmap.
    void paintTo();

    // The rectangle spanned by two points; with shift a square that keeps the
    // top-left corner. inner, when given, gets the rectangle 4 pixels inside,
    // or (-1, -1, 0, 0) when the rectangle is empty.
    static QRect getRect(const QPoint &p0, const QPoint &p1, bool shift, QRect *inner = nullptr);

    // Paints the result, copy and stroke layers, in that order, at the origin.
    void paintLayers(QPainter *painter) const;

protected:
    // A transparent pixmap of the background's size with its own painter.
    struct Layer {
        std::unique_ptr<QPixmap> pixmap;
        std::unique_ptr<QPainter> painter;

        void create(const QSize &size, bool antialiased);
        void release();
        void clear();
    };

    void forgetShape(const CScreenDrawShape *shape);
    void repaintOwner();

    QPixmap m_background;
    QImage m_backgroundImage;
    int m_screenHeight = 0;
    int m_screenWidth = 0;
    QRect m_selectRect;
    int m_drawType = DRAW_LINE;
    bool m_shiftPressed = false;
    QColor m_penColor;
    QPoint m_lastPoint;
    Layer m_copyLayer;
    Layer m_strokeLayer;
    Layer m_resultLayer;
    QTextEdit *m_pTextEdit = nullptr;
    CScreenDrawTool *m_pDrawTool = nullptr;
    std::vector<std::unique_ptr<CScreenDrawShape>> m_shapes;
    std::unique_ptr<CScreenDrawShape> m_pCurrentShape;
    // A committed text shape the owner is moving; cleared at release.
    CScreenDrawShape *m_pMovingShape = nullptr;
    QWidget *m_pOwner = nullptr;
    bool m_pressed = false;

private:
    // The moving shape the result layer was last rebuilt without, so that a
    // drag does not rebuild it on every move.
    const CScreenDrawShape *m_pRebuiltWithout = nullptr;
};

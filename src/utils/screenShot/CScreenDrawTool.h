#pragma once

#include <QWidget>

// Base of the tool bars that go with an annotation canvas. The canvas tells
// its tool bar when undo becomes possible or impossible and when a text was
// committed; the base ignores both.
class CScreenDrawTool : public QWidget
{
    Q_OBJECT

public:
    explicit CScreenDrawTool(QWidget *parent = nullptr);
    ~CScreenDrawTool() override;

    virtual void setUndoEnabled(bool enabled);
    virtual void onTextCommitted();
};

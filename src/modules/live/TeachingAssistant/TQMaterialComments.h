#pragma once

#include <QWidget>

// The notes window of a handout page. A top-level window without parent; the
// class window deletes it.
class TQMaterialComments : public QWidget
{
    Q_OBJECT

public:
    explicit TQMaterialComments(QWidget *parent = nullptr);
};

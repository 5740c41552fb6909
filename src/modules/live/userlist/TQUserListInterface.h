#pragma once

#include <QObject>

// What the student list asks of the class. Its hooks do nothing unless an
// implementation overrides them.
class TQUserListInterface : public QObject
{
    Q_OBJECT

public:
    explicit TQUserListInterface(QObject *parent = nullptr);
};

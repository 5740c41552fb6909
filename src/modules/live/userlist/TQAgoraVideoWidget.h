#pragma once

#include <QQuickPaintedItem>

// One user's remote video in the student list (QML type AVideoWidget).
class TQAgoraVideoWidget : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQAgoraVideoWidget(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;
};

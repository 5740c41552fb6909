#pragma once

#include <QQuickPaintedItem>
#include <QRect>

#include <string>

// The translucent grey cover that dims the board, except one clear
// rectangle, while the board waits for something; with a message it also
// shows the seconds left. Showing and hiding the item is the caller's business.
class TQDrawShadeView : public QQuickPaintedItem
{
    Q_OBJECT

public:
    explicit TQDrawShadeView(QQuickItem *parent = nullptr);

    void paint(QPainter *painter) override;

    // `message` is UTF-8; an empty one shows no text.
    void show(const QRect &clearRect, std::string message, int seconds);
    // One second less, down to 0.
    void tick();

    int seconds() const { return mSeconds; }
    QRect clearRect() const { return mClearRect; }
    std::string message() const { return mMessage; }
    // The line shown under the message ("" without a message).
    QString displayText() const;
    // Where the text goes in the item.
    QRect textRect(int textHeight) const;

private:
    std::string mMessage;
    int mSeconds = 0;
    QRect mClearRect;
};

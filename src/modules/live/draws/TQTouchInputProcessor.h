#pragma once

#include <memory>

class QMouseEvent;

// What the input processor says of one press, move or release. The board
// goes on with the event only while consumed is 0.
struct TQTouchInputResult
{
    int consumed = 0;
    int code = 0;
    float scale = 1.0f;
    int x = 0;
    int y = 0;
    int dx = 0;
    int dy = 0;
};

// The step between the touch view and the draw manager where gestures of the
// whole view would be recognised. The board has none: every event goes on
// unchanged, so each result is the neutral one.
class TQTouchInputProcessor
{
public:
    TQTouchInputProcessor(int width, int height);

    void setViewSize(int width, int height);
    int width() const { return mWidth; }
    int height() const { return mHeight; }

    // A new record for every press, move and release.
    std::unique_ptr<TQTouchInputResult> process(const QMouseEvent &event);
    // After a release; there is no gesture state to forget.
    void reset();

private:
    int mWidth = 0;
    int mHeight = 0;
};

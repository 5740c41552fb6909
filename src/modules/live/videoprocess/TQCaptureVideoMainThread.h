#pragma once

// The board-frame source of the class recorder and the RTMP publisher. The
// live-class window implements it: startCapture starts its frame tick,
// stopCapture stops it, and each tick's captureFrame asks the board for one
// picture of width x height.
class TQCaptureVideoMainThread
{
public:
    TQCaptureVideoMainThread() = default;
    virtual ~TQCaptureVideoMainThread();
    TQCaptureVideoMainThread(const TQCaptureVideoMainThread &) = delete;
    TQCaptureVideoMainThread &operator=(const TQCaptureVideoMainThread &) = delete;

    virtual void startCapture() = 0;
    virtual void stopCapture() = 0;
    virtual void captureFrame() = 0;

    int captureWidth() const { return mCaptureWidth; }
    int captureHeight() const { return mCaptureHeight; }
    int captureFrameRate() const { return mCaptureFrameRate; }
    // A recording segment states the rate it encodes at.
    void setCaptureFrameRate(int rate) { mCaptureFrameRate = rate; }

protected:
    int mCaptureWidth = 1280;
    int mCaptureHeight = 720;
    int mCaptureFrameRate = 10;
};

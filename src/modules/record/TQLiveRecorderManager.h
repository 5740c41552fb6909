#pragma once

#include <QObject>
#include <QPointer>

// Records the class into MP4 segments. It has no Qt parent so that a segment
// still being finished can outlive the class window; it deletes itself once
// the window is gone and nothing of the recording is left to finish.
class TQLiveRecorderManager : public QObject
{
    Q_OBJECT

public:
    explicit TQLiveRecorderManager(QObject *classWindow);

    // The window on which the recording signals are raised; null once it is
    // gone.
    QObject *classWindow() const { return m_pClassWindow; }

private:
    QPointer<QObject> m_pClassWindow;
};

#pragma once

#include <QWidget>

class QLabel;
class QTimer;

// A short notice: white text on a dark rounded panel that fades out over its
// duration and then closes itself. Shown through CDialogManager::toast, which
// gives it delete-on-close.
class CToast : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kDefaultDuration = 3000;
    static constexpr int kTickInterval = 100;

    // position: 1 top-left, 2 top-right, 3 bottom-right, 4 bottom-left of the
    // parent (or of the screen's work area without a parent); any other value
    // centres the toast over the parent, else over the window in use (the
    // active one, else a visible main window), else over the work area.
    CToast(QWidget *parent, const QString &text, int duration = kDefaultDuration, int position = 0);
    ~CToast() override;

public slots:
    void timeout_slot();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    // The rectangle, in screen coordinates, a toast is placed against.
    static QRect referenceArea(QWidget *reference);
    // The active window, else a visible main window; null when there is none.
    static QWidget *windowInUse();

    QLabel *m_pLabel = nullptr;
    QTimer *m_pTimer = nullptr;
    int mDuration = 0;
    int mElapsed = 0;
    int mPosition = 0;
};

#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>

class QLabel;
class QPushButton;
class QTimer;

// The program's one message dialog: a title, a message, one or two buttons and
// an optional count-down shown on one button. Run modally it answers 0 for the
// first button and for the end of the count-down, 1 for the second button, and
// kDismissed when the user dismissed it (Escape, the window's close request):
// callers put actions like "leave class" on the first button, so a dismissal
// must never look like that button.
class CMessageBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kDismissed = -1;

    // An empty second button text gives a one-button box. A count-down of 0 or
    // less means none; countDownButton 0 counts on the first button, 1 on the
    // second.
    CMessageBox(QWidget *parent, const QString &title, const QString &text, const QString &firstButtonText,
                const QString &secondButtonText = QString(), int countDownButton = 0, int countDownSeconds = -1);
    ~CMessageBox() override;

    int remainingSeconds() const { return m_remainingSeconds; }

public slots:
    void firstButtonClicked_slot();
    void secondButtonClicked_slot();
    void timeout_slot();
    void reject() override;
    void done(int result) override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void initView(const QString &title, const QString &text, const QString &firstButtonText,
                  const QString &secondButtonText);
    static QString countText(const QString &buttonText, int seconds);

    QLabel *m_pTitleLabel = nullptr;
    QLabel *m_pTextLabel = nullptr;
    QPushButton *m_pFirstButton = nullptr;
    QPushButton *m_pSecondButton = nullptr;
    QString mFirstButtonText;
    QString mSecondButtonText;
    QString mText;
    QPoint mDragPressPoint;
    bool mDragging = false;
    QTimer *m_pTimer = nullptr;
    int mUnit = 10;
    int m_remainingSeconds = -1;
    int mCountDownButton = 0;
};

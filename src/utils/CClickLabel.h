#pragma once

#include <QLabel>

class QPixmap;

// An image button of the tool bars: a label that shows a normal, a hover (also
// used while selected) and a disabled picture and reports presses. The
// pictures are always stretched to the label's size.
class CClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CClickLabel(QWidget *parent = nullptr);
    explicit CClickLabel(const QString &text, QWidget *parent = nullptr);
    ~CClickLabel() override;

    CClickLabel(const CClickLabel &) = delete;
    CClickLabel &operator=(const CClickLabel &) = delete;

    // An empty normal path keeps the normal picture loaded before; empty hover
    // and disabled paths drop theirs.
    void setPixmaps(const QString &normalImagePath, const QString &hoverImagePath, const QString &toolTip,
                    const QString &disabledImagePath = QString());
    void setEnableState(bool enabled);
    void setSelected(bool selected);

signals:
    void clicked_signal();

protected:
    bool event(QEvent *e) override;
    void enterEvent(QEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    void showPicture(const QPixmap *pixmap);

    QString m_normalImagePath;
    QString m_hoverImagePath;
    QString m_disabledImagePath;
    QPixmap *m_pNormalPixmap = nullptr;
    QPixmap *m_pHoverPixmap = nullptr;
    QPixmap *m_pDisabledPixmap = nullptr;
    bool m_bSelected = false;
    bool m_bEnabled = true;
};

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

class GlobalConfig;
class QQuickWidget;

// Base of the native windows that show one QML panel: a frameless, translucent
// window with a soft shadow and a rounded white panel holding a QQuickWidget.
// A subclass sets delete-on-close, calls init() once from its constructor and
// is shown with showSelf(). The panel calls contentSizeChange() whenever its
// root item changes size, and the window follows.
class CCommonDialog : public QWidget
{
    Q_OBJECT

public:
    explicit CCommonDialog(QWidget *parent = nullptr);
    ~CCommonDialog() override;

    // A negative margin or radius takes its default from the layout unit.
    void init(const QString &contextName, const QString &qmlSource, int margin = -1, int radius = -1);

    Q_INVOKABLE void contentSizeChange(int width, int height);

    void showSelf();
    void setPopup(bool popup);

    // Where showSelf() puts a window of the given geometry on a screen: a
    // window sticking out on the right goes to the screen's left edge, one
    // sticking out at the bottom is centred vertically, one left of or above
    // the screen goes to that edge.
    static QPoint keptOnScreen(const QRect &window, const QRect &screen);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    void applyWindowFlags();

    bool m_bShowing = false;
    QQuickWidget *m_pView = nullptr;
    std::unique_ptr<GlobalConfig> m_pConfig; // the panel's "config"
    QPoint m_dragPressPoint;
    QSize m_contentSize = QSize(0, 0);
    bool m_bDragging = false;
    int m_margin = 10;
    int m_radius = 4;
    QString m_contextName;
    QString m_qmlSource;
    bool m_bPopup = false;
};

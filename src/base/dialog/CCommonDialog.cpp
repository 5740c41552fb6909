#include "base/dialog/CCommonDialog.h"

#include "utils/CLog.h"
#include "utils/GlobalConfig.h"
#include "utils/TextMetrics.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QQmlContext>
#include <QQuickWidget>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

CCommonDialog::CCommonDialog(QWidget *parent)
    : QWidget(parent)
{
}

CCommonDialog::~CCommonDialog()
{
    // The panel's bindings may still read "config" while the view goes away.
    delete m_pView;
    m_pView = nullptr;
}

void CCommonDialog::init(const QString &contextName, const QString &qmlSource, int margin, int radius)
{
    if (m_pView) {
        CLog::error(QStringLiteral("already initialised with %1").arg(m_qmlSource),
                    QStringLiteral("%1 ").arg(QStringLiteral("CCommonDialog::init")));
        return;
    }
    setAttribute(Qt::WA_TranslucentBackground);
    applyWindowFlags();

    const int halfUnit = getTextSize(9, QString(), QString()).width() / 2;
    m_margin = margin >= 0 ? margin : halfUnit;
    if (radius >= 0)
        m_radius = radius;
    else
        m_radius = m_margin != 0 ? m_margin : halfUnit;

    m_contextName = contextName;
    m_qmlSource = qmlSource;

    m_pConfig = std::make_unique<GlobalConfig>();
    m_pView = new QQuickWidget();
    m_pView->rootContext()->setContextProperty(m_contextName, this);
    m_pView->rootContext()->setContextProperty(QStringLiteral("config"), m_pConfig.get());
    m_pView->setSource(QUrl(m_qmlSource));

    auto *layout = new QVBoxLayout();
    layout->setContentsMargins(m_margin, m_margin, m_margin, m_margin);
    layout->setSpacing(0);
    layout->addWidget(m_pView);
    setLayout(layout);
}

void CCommonDialog::contentSizeChange(int width, int height)
{
    setFixedSize(width + 2 * m_margin, height + 2 * m_margin);
    m_contentSize = size();
    if (m_pView && width > 0 && height > 0)
        m_pView->resize(width, height);
}

void CCommonDialog::showSelf()
{
    const QString tag = QStringLiteral("%1 ").arg(QStringLiteral("CCommonDialog::showSelf"));
    CLog::log(QStringLiteral("show for dialog"), tag);

    showNormal();
    if (m_pView)
        m_pView->resize(width() - 2 * m_margin, height() - 2 * m_margin);

    QScreen *screen = windowHandle() ? windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QPoint target = keptOnScreen(geometry(), screen->geometry());
        if (target != pos())
            move(target);
    }

    if (m_contentSize.height() > 0)
        setFixedHeight(height() == m_contentSize.height() ? m_contentSize.height() + 1 : m_contentSize.height());

    CLog::log(QStringLiteral("show for dialog done"), tag);
}

QPoint CCommonDialog::keptOnScreen(const QRect &window, const QRect &screen)
{
    int x = window.x();
    int y = window.y();
    if (x < screen.left() || x > screen.left() + screen.width() - window.width())
        x = screen.left();
    if (y < screen.top())
        y = screen.top();
    else if (y > screen.top() + screen.height() - window.height())
        y = screen.top() + (screen.height() - window.height()) / 2;
    return QPoint(x, y);
}

void CCommonDialog::setPopup(bool popup)
{
    m_bPopup = popup;
    applyWindowFlags();
}

void CCommonDialog::applyWindowFlags()
{
    setWindowFlags(Qt::FramelessWindowHint | (m_bPopup ? Qt::Popup : Qt::Tool));
}

void CCommonDialog::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (geometry().contains(event->globalPos())) {
        m_dragPressPoint = event->pos();
        m_bDragging = true;
    } else if (m_bPopup) {
        close();
    }
}

void CCommonDialog::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_bDragging = false;
}

void CCommonDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (m_bDragging)
        move(event->globalPos() - m_dragPressPoint);
}

void CCommonDialog::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (m_margin > 0) {
        const QColor shadow(QStringLiteral("#16000000"));
        painter.setPen(shadow);
        painter.setBrush(shadow);
        painter.drawRoundedRect(rect(), m_radius, m_radius);
    }
    painter.setPen(QColor(QStringLiteral("#C8C8C8")));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRect(m_margin / 2, m_margin / 2, width() - m_margin, height() - m_margin), m_radius,
                            m_radius);
    painter.end();
    QWidget::paintEvent(event);
}

void CCommonDialog::closeEvent(QCloseEvent *event)
{
    m_bShowing = false;
    QWidget::closeEvent(event);
}

void CCommonDialog::showEvent(QShowEvent *event)
{
    m_bShowing = true;
    QWidget::showEvent(event);
}

void CCommonDialog::hideEvent(QHideEvent *event)
{
    m_bShowing = false;
    QWidget::hideEvent(event);
}

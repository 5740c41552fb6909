#include "base/dialog/CToast.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {
// Longer texts wrap at the width of their first this many characters.
const int kLineChars = 20;
} // namespace

CToast::CToast(QWidget *parent, const QString &text, int duration, int position)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowFlags(Qt::FramelessWindowHint | Qt::Tool);
    mDuration = duration;
    mPosition = position;

    m_pLabel = new QLabel(this);
    QFont font; // the default family
    font.setPointSize(12);
    m_pLabel->setFont(font);
    m_pLabel->setText(text);
    m_pLabel->setStyleSheet(QStringLiteral("color:white"));
    const QFontMetrics metrics(m_pLabel->font());
    const int lineWidth = metrics.horizontalAdvance(text.left(kLineChars));
    const int lineHeight = metrics.height();
    m_pLabel->setFixedWidth(lineWidth);
    m_pLabel->setWordWrap(true);
    m_pLabel->adjustSize();
    m_pLabel->move(lineHeight, lineHeight);
    resize(m_pLabel->width() + 2 * lineHeight, m_pLabel->height() + 2 * lineHeight);
    place();

    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CToast::timeout_slot);
    m_pTimer->start(kTickInterval);
}

CToast::~CToast() = default; // the label and the timer are children

QWidget *CToast::windowInUse()
{
    QWidget *active = QApplication::activeWindow();
    if (active && !qobject_cast<CToast *>(active))
        return active;
    // Nothing active (the program in the background): its visible main window.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowType() == Qt::Window && !qobject_cast<CToast *>(widget))
            return widget;
    }
    return nullptr;
}

QRect CToast::referenceArea(QWidget *reference)
{
    if (reference) {
        if (!reference->isWindow())
            return QRect(reference->mapToGlobal(QPoint(0, 0)), reference->size());
        // The frame's top-left, shifted down by the frame's extra height (the title bar).
        return QRect(reference->x(), reference->y() + reference->frameGeometry().height() - reference->height(),
                     reference->width(), reference->height());
    }
    // The work area, not the whole screen: a task bar must not cover the toast.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect();
}

void CToast::place()
{
    QWidget *reference = parentWidget();
    if (mPosition < 1 || mPosition > 4) {
        // Centred where the teacher looks: over the parent, else over the
        // window in use. Left to the window system, a toast may land in a
        // corner of the screen.
        if (!reference)
            reference = windowInUse();
        const QRect area = referenceArea(reference);
        if (area.isValid())
            move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
        return;
    }
    const QRect area = referenceArea(reference);
    if (!area.isValid())
        return;
    const int margin = QFontMetrics(m_pLabel->font()).height();
    const int left = area.x() + margin;
    const int right = area.x() + area.width() - width() - margin;
    const int top = area.y() + margin;
    const int bottom = area.y() + area.height() - height() - margin;
    switch (mPosition) {
    case 1: move(left, top); break;
    case 2: move(right, top); break;
    case 3: move(right, bottom); break;
    default: move(left, bottom); break;
    }
}

void CToast::timeout_slot()
{
    mElapsed += kTickInterval;
    if (mElapsed < mDuration) {
        setWindowOpacity(double(mDuration - mElapsed) / double(mDuration));
        return;
    }
    m_pTimer->stop();
    close();
}

void CToast::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    painter.setBrush(QColor(0, 0, 0, 127));
    painter.drawRoundedRect(rect(), 4, 4);
    painter.end();
    QWidget::paintEvent(event);
}

#include "utils/CClickLabel.h"

#include <QEvent>
#include <QPixmap>

CClickLabel::CClickLabel(QWidget *parent)
    : QLabel(parent)
{
}

CClickLabel::CClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
}

CClickLabel::~CClickLabel()
{
    delete m_pNormalPixmap;
    delete m_pHoverPixmap;
    delete m_pDisabledPixmap;
}

void CClickLabel::setPixmaps(const QString &normalImagePath, const QString &hoverImagePath, const QString &toolTip,
                             const QString &disabledImagePath)
{
    setScaledContents(true);
    m_normalImagePath = normalImagePath;
    m_hoverImagePath = hoverImagePath;
    m_disabledImagePath = disabledImagePath;

    if (!normalImagePath.isEmpty()) {
        delete m_pNormalPixmap;
        m_pNormalPixmap = new QPixmap(normalImagePath);
        showPicture(m_pNormalPixmap);
    }

    delete m_pHoverPixmap;
    m_pHoverPixmap = hoverImagePath.isEmpty() ? nullptr : new QPixmap(hoverImagePath);

    delete m_pDisabledPixmap;
    m_pDisabledPixmap = disabledImagePath.isEmpty() ? nullptr : new QPixmap(disabledImagePath);

    setToolTip(toolTip);
}

void CClickLabel::setEnableState(bool enabled)
{
    if (!enabled && m_pDisabledPixmap)
        showPicture(m_pDisabledPixmap);
    else
        showPicture(m_pNormalPixmap);
    m_bEnabled = enabled;
}

void CClickLabel::setSelected(bool selected)
{
    if (selected == m_bSelected)
        return;
    m_bSelected = selected;
    if (!m_bEnabled)
        return;
    if (selected)
        showPicture(m_pHoverPixmap);
    else if (m_pHoverPixmap)
        showPicture(m_pNormalPixmap);
}

bool CClickLabel::event(QEvent *e)
{
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick) {
        emit clicked_signal();
        return true;
    }
    return QLabel::event(e);
}

void CClickLabel::enterEvent(QEvent *e)
{
    if (m_pHoverPixmap && m_bEnabled) {
        showPicture(m_pHoverPixmap);
        setCursor(Qt::PointingHandCursor);
    }
    QLabel::enterEvent(e);
}

void CClickLabel::leaveEvent(QEvent *e)
{
    if (m_pHoverPixmap && m_pNormalPixmap && !m_bSelected && m_bEnabled) {
        showPicture(m_pNormalPixmap);
        setCursor(Qt::ArrowCursor);
    }
    QLabel::leaveEvent(e);
}

// A picture that was never loaded leaves the label as it is.
void CClickLabel::showPicture(const QPixmap *pixmap)
{
    if (pixmap)
        setPixmap(*pixmap);
}

#include "modules/live/draws/TQDrawShadeView.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

TQDrawShadeView::TQDrawShadeView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

void TQDrawShadeView::show(const QRect &clearRect, std::string message, int seconds)
{
    mClearRect = clearRect;
    mMessage = std::move(message);
    mSeconds = seconds;
    update();
}

void TQDrawShadeView::tick()
{
    if (mSeconds <= 0)
        return;
    --mSeconds;
    update();
}

QString TQDrawShadeView::displayText() const
{
    return QStringLiteral("%1.请稍等 %2 秒...").arg(QString::fromStdString(mMessage)).arg(mSeconds);
}

QRect TQDrawShadeView::textRect(int textHeight) const
{
    // A hole too thin to sit a line on puts the text in the middle of the board.
    if (mClearRect.width() < 3 || mClearRect.height() < 3)
        return QRect(0, 0, int(width()), int(height()));
    return QRect(mClearRect.x(), mClearRect.bottom() - 2 * textHeight, mClearRect.width(), textHeight);
}

void TQDrawShadeView::paint(QPainter *painter)
{
    painter->setFont(QFont(QStringLiteral("Microsoft YaHei"), 14));
    const QString text = displayText();
    const int textHeight = painter->fontMetrics().boundingRect(text).height();

    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->fillRect(0, 0, int(width()), int(height()), QColor(169, 169, 169, 180));
    painter->setCompositionMode(QPainter::CompositionMode_Clear);
    painter->fillRect(mClearRect, QBrush(Qt::black, Qt::SolidPattern));

    if (mMessage.empty())
        return;
    painter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter->setPen(QColor(255, 99, 33, 255));
    painter->drawText(textRect(textHeight), Qt::AlignCenter, text);
}

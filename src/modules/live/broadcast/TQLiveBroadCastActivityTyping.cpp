// Typing text on the board: live text updates while the teacher types, and the
// finished text pasted as a picture.

#include "modules/live/broadcast/TQLiveBroadCastActivity.h"

#include "actions/TQActionHelpers.h"
#include "modules/live/draws/TQDrawLayout.h"
#include "modules/live/draws/TQDrawManager.h"
#include "modules/login/LoginManager.h"
#include "utils/CLog.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QTextOption>

namespace {

// The finished picture is this much taller than the text the panel measured,
// so that descenders of the last line are not cut off.
constexpr double kTypedHeightFactor = 1.2;
// A pasted text is saved as PNG, keeping its transparent background.
constexpr int kPngKind = 4;

// Panel pixels to canvas units: both directions use the width ratio.
float panelToCanvas(const TQDrawManager *manager)
{
    const int visible = manager->visibleSize().width();
    return visible > 0 ? float(manager->canvasSize().width()) / float(visible) : 1.0f;
}

int scaled(int value, float k)
{
    return int(float(value) * k);
}

} // namespace

void TQLiveBroadCastActivity::typingText(QString fontFamily, int pintFontSize, QString text, int inputWidth,
                                         int inputHeight, QString color, int leftMargin, int topMargin,
                                         int rightMargin, int bottomMargin, int lineHeight, int xPos, int yPos,
                                         bool isEnd)
{
    CLog::log(QStringLiteral("get text %1, \nlineHeight %2, fontsize %3, x:%4,width:%5, isEnd %6,margin %7,%8,%9,%10")
                  .arg(text)
                  .arg(lineHeight)
                  .arg(pintFontSize)
                  .arg(xPos)
                  .arg(inputWidth)
                  .arg(isEnd)
                  .arg(leftMargin)
                  .arg(topMargin)
                  .arg(rightMargin)
                  .arg(bottomMargin),
              QStringLiteral("TQLiveBroadCastActivity::typingText"));
    TQDrawManager *manager = m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
    if (!manager)
        return;
    if (isEnd) {
        setCursorMode(3);
        // The next text gets an element of its own.
        mTypingTextElementId = 0;
        typeText(fontFamily, pintFontSize, text, inputWidth, inputHeight, color, leftMargin, topMargin, rightMargin,
                 bottomMargin, xPos, yPos);
        return;
    }
    setCursorMode(2);
    const float k = panelToCanvas(manager);
    if (mTypingTextElementId == 0)
        mTypingTextElementId = nextSequenceNumber(true);
    TQDrawManager::TextRecord record;
    record.senderId = int(LoginManager::getUserID().toLong(nullptr, 10));
    record.canvasWidth = manager->canvasSize().width();
    record.canvasHeight = manager->canvasSize().height();
    record.materialId = manager->materialId();
    record.pageIndex = manager->pageIndex();
    record.x = scaled(xPos, k);
    record.y = scaled(yPos, k);
    record.topOffset = manager->topOffset();
    record.text = text;
    record.colour = color;
    record.fontFamily = fontFamily;
    record.width = scaled(inputWidth, k);
    record.height = scaled(inputHeight, k);
    // The live element is laid out by line height, not by point size.
    record.fontSize = scaled(lineHeight, k);
    record.elementId = mTypingTextElementId;
    record.publish = true;
    manager->queueDrawText(record);
}

void TQLiveBroadCastActivity::typeText(QString fontFamily, int fontSize, QString text, int width, int height,
                                       QString color, int leftMargin, int topMargin, int rightMargin, int bottomMargin,
                                       int xPos, int yPos)
{
    CLog::log(QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9")
                  .arg(fontFamily)
                  .arg(fontSize)
                  .arg(text)
                  .arg(width)
                  .arg(height)
                  .arg(leftMargin)
                  .arg(topMargin)
                  .arg(rightMargin)
                  .arg(bottomMargin),
              QStringLiteral("TQLiveBroadCastActivity::typeText"));
    if (text.trimmed().isEmpty())
        return;
    TQDrawManager *manager = m_pDrawLayout ? m_pDrawLayout->drawManager() : nullptr;
    height = int(height * kTypedHeightFactor);
    if (!manager || width <= 0 || height <= 0)
        return;

    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    {
        QPainter painter(&picture);
        painter.setFont(QFont(fontFamily, fontSize));
        painter.setPen(QColor(color));
        painter.drawText(QRectF(leftMargin, topMargin, width - rightMargin - leftMargin,
                                height - bottomMargin - topMargin),
                         text, QTextOption());
    }

    const float k = panelToCanvas(manager);
    TQDrawManager::PasteRequest request;
    request.picture = &picture;
    request.rect = QRect(scaled(xPos, k), scaled(yPos, k), scaled(width, k), scaled(height, k));
    request.filePath = QStringLiteral("lastTyped.png");
    request.kind = kPngKind;
    request.tag = 1;
    request.fromFile = false;
    request.extra = 0;
    // No waiting shade: the picture is drawn at once.
    request.waitMs = 0;
    request.preview = true;
    manager->uploadPasteArea(request);
}

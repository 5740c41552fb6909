#include "utils/CQrEncodeWidget.h"

#include "utils/CLog.h"

#include <QImage>
#include <QPainter>

#include <qrencode.h>

CQrEncodeWidget::CQrEncodeWidget(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
}

CQrEncodeWidget::~CQrEncodeWidget() = default;

QString CQrEncodeWidget::url() const
{
    return m_url;
}

void CQrEncodeWidget::setUrl(const QString &url)
{
    m_pSymbol.reset();
    m_pImage.reset();
    const bool changed = url != m_url;
    m_url = url;
    if (!url.isEmpty()) {
        const QByteArray bytes = url.toUtf8();
        QRcode *code = QRcode_encodeString(bytes.constData(), 1, QR_ECLEVEL_L, QR_MODE_8, 1);
        if (code) {
            m_pSymbol.reset(new Symbol);
            m_pSymbol->width = code->width;
            m_pSymbol->modules = QByteArray(reinterpret_cast<const char *>(code->data), code->width * code->width);
            QRcode_free(code);
            renderImage();
        } else {
            CLog::error(QStringLiteral("cannot encode %1 bytes as a QR code").arg(bytes.size()),
                        QStringLiteral("%1 ").arg(QStringLiteral("CQrEncodeWidget::setUrl")));
        }
    }
    update();
    if (changed)
        emit urlChanged();
}

QImage CQrEncodeWidget::image() const
{
    return m_pImage ? *m_pImage : QImage();
}

void CQrEncodeWidget::renderImage()
{
    const int modules = qMax(1, m_pSymbol->width);
    const int side = m_pSymbol->width * kModulePixels;
    if (side < 1)
        return;

    m_pImage.reset(new QImage(side, side, QImage::Format_Mono));
    QPainter painter(m_pImage.get());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRect(0, 0, side, side);

    const int cellWidth = side / modules;
    const int cellHeight = side / modules;
    painter.setBrush(Qt::black);
    const QByteArray &data = m_pSymbol->modules;
    for (int i = 0; i < modules; ++i) {
        for (int j = 0; j < modules; ++j) {
            if (data[i * modules + j] & 1)
                painter.drawRect(j * cellWidth, i * cellHeight, cellWidth, cellHeight);
        }
    }
}

void CQrEncodeWidget::paint(QPainter *painter)
{
    if (m_pImage)
        painter->drawImage(QRectF(0, 0, width(), height()), *m_pImage);
}

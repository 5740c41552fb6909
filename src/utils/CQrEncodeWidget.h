#pragma once

#include <QQuickPaintedItem>
#include <QByteArray>
#include <QString>

#include <memory>

class QImage;

// A QML item that paints the QR code of its url text, stretched over the
// whole item. The symbol is the smallest version that holds the UTF-8 bytes at
// error correction level L, drawn 10 pixels per module without a quiet zone.
class CQrEncodeWidget : public QQuickPaintedItem
{
    Q_OBJECT
    Q_PROPERTY(QString url READ url WRITE setUrl NOTIFY urlChanged)

public:
    static constexpr int kModulePixels = 10;

    explicit CQrEncodeWidget(QQuickItem *parent = nullptr);
    ~CQrEncodeWidget() override;

    QString url() const;
    void setUrl(const QString &url);

    // The rendered symbol; a null image when the url is empty or too long to
    // encode.
    QImage image() const;

    void paint(QPainter *painter) override;

signals:
    void urlChanged();

private:
    // The encoded symbol: modules per side and one byte per module, row by
    // row, whose lowest bit is set for a dark module.
    struct Symbol {
        int width = 0;
        QByteArray modules;
    };

    void renderImage();

    QString m_url;
    std::unique_ptr<QImage> m_pImage;
    std::unique_ptr<Symbol> m_pSymbol;
};

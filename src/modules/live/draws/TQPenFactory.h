#pragma once

#include "modules/live/draws/TQBrushStyle.h"

#include <QBrush>
#include <QPen>
#include <QString>

#include <map>
#include <memory>

// The pen a stroke is painted with: colour from the colour code, width from
// the width code scaled to the board width, dash style from the brush type,
// and for chalk a texture brush tinted in the stroke colour. The tinted
// textures are made once per colour and kept by the factory. GUI thread only.
class TQPenFactory
{
public:
    static constexpr float kDefaultWidth = 1.5f;

    TQPenFactory();
    ~TQPenFactory();

    TQPenFactory(const TQPenFactory &) = delete;
    TQPenFactory &operator=(const TQPenFactory &) = delete;

    QPen penForBrush(const TQBrushStyle &brush);
    void configurePen(QPen &pen, int colour, int type, int width);

    // The textures tinted in the colour text ("#AARRGGBB"); the brush stays
    // owned by the factory.
    QBrush *outerChalkBrush(const QString &colourText);
    QBrush *innerChalkBrush(const QString &colourText);

    int outerChalkCacheSize() const { return int(outerChalkCache.size()); }
    int innerChalkCacheSize() const { return int(innerChalkCache.size()); }

    // "#AARRGGBB" of a colour code (the table's fallback for unknown codes).
    static QString colourTextFor(int colour);
    // The texture with its red, green and blue replaced by those of the colour
    // text, its alpha kept.
    static QImage tintedTexture(const QString &texturePath, const QString &colourText);

    float defaultWidth = kDefaultWidth;

private:
    using BrushCache = std::map<QString, std::unique_ptr<QBrush>>;
    QBrush *chalkBrush(BrushCache &cache, const QString &texturePath, const QString &colourText);

    BrushCache outerChalkCache;
    BrushCache innerChalkCache;
};

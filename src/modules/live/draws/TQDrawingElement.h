#pragma once

#include <QString>

// An element of a page's background or foreground list: the page image, an
// image placed on the board (also cover boards), a copied board region, or an
// image from a local file. Allocated one by one and owned by the page that
// lists it.
class TQDrawingElement
{
public:
    enum Kind { PageImage = 0, PlacedImage = 1, BoardRegion = 2, LocalImage = 3 };

    explicit TQDrawingElement(int tag);

    bool operator==(const TQDrawingElement &other) const;
    bool operator!=(const TQDrawingElement &other) const { return !(*this == other); }

    int kind = PageImage;
    // Placement in pixels of the canvas canvasWidth wide, or, when canvasWidth
    // is 0, of a canvas as wide as the element; y grows down from the page top.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    // Image address; "NoURL" for cover boards.
    QString url;
    // Shown above the image (a student photo's author).
    QString caption;
    // Height of the caption band in board pixels; the image starts below it.
    int captionHeight = 0;
    int sourceValue = -1;
    // Both 1 for cover boards.
    int flag1 = 0;
    int flag2 = 0;
    int canvasWidth = 0;
    int canvasHeight = 0;
    // Unique element id (a sequence number) matched across restores and peers.
    int tag;
};

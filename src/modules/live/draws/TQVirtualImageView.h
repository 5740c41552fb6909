#pragma once

#include "modules/live/draws/TQVirtualView.h"

#include <QString>

#include <memory>

class QImage;

// A picture drawn scaled into the view's rectangle. The picture is loaded on
// first use and kept (also a path that did not load) until the path changes.
class TQVirtualImageView : public TQVirtualView
{
public:
    explicit TQVirtualImageView(TQVirtualView *parent = nullptr);
    ~TQVirtualImageView() override;

    void paint(QPainter *painter, int yOffset) override;

    // A resource path (":/res/...") or a local file.
    void setImagePath(const QString &path);
    QString imagePath() const { return mImagePath; }
    void setVisible(bool visible) { mVisible = visible; }
    bool isVisible() const { return mVisible; }
    // Loads the picture on first use; a null image when the path does not load.
    QImage *image();
    // Whether the picture has been loaded (or tried) since the last path change.
    bool isImageLoaded() const { return mImage != nullptr; }

private:
    QString mImagePath;
    bool mVisible = true;
    std::unique_ptr<QImage> mImage;
};

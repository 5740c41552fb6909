#pragma once

#include "TestPictures.h"

#include <QImage>
#include <QPainter>
#include <QString>

// A sheet of board pictures, four to a row at half size, each framed and
// labelled, saved as one test picture.
class GallerySheet
{
public:
    static constexpr int kColumns = 4;

    explicit GallerySheet(int count)
        : mSheet(kTile.width() * kColumns, kTile.height() * ((count + kColumns - 1) / kColumns), QImage::Format_RGB32)
    {
        mSheet.fill(Qt::white);
    }

    void place(int index, const QImage &board, const QString &label)
    {
        QPainter painter(&mSheet);
        const QPoint at(index % kColumns * kTile.width(), index / kColumns * kTile.height());
        painter.drawImage(QRect(at, kTile), board);
        painter.setPen(Qt::black);
        painter.drawRect(QRect(at, kTile).adjusted(0, 0, -1, -1));
        painter.drawText(at + QPoint(8, 20), label);
    }

    // The saved file's path, "" when it could not be written.
    QString save(const QString &name) const { return saveTestPicture(mSheet, name); }

private:
    static constexpr QSize kTile{500, 320};
    QImage mSheet;
};

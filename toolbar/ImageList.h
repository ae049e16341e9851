#pragma once

#include "platform/BitmapSquares.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPixmap>

class QUndoStack;

// The images of the toolbar's strip, 16 x 16 pixels each, drawn as they are: no colour is made
// transparent. Beside those the file holds, images may be added after the last one or drawn
// anew in place, each as a step on the editor's undo stack; numbers never move. What changed is
// written into the strip's file at OK.
class ImageList : public QObject
{
    Q_OBJECT

public:
    static constexpr int imageSize = 16;

    explicit ImageList(QObject* parent = nullptr);

    void clear();
    // The strip as its file holds it: its 16 x 16 squares left to right, taken from its top 16
    // rows; columns past the last whole square are not used. A strip narrower or lower than 16
    // pixels adds none.
    void addStrip(const QImage& strip);

    int count() const { return int(m_images.size()); }
    // Null for an index outside the list.
    QPixmap image(int index) const;
    QIcon icon(int index) const;

    // Where the steps that add and replace images go; without one they change the list at once.
    void setUndoStack(QUndoStack* steps) { m_steps = steps; }
    // Adds the images after the last one; replaces the image at index. One step each.
    void addImages(const QList<QImage>& images);
    void replaceImage(int index, const QImage& image);

    // What changed since the strip was read, for writing its file; empty when nothing did.
    BitmapSquares changes() const;
    bool isChanged() const;
    // The strip as it stands: the file's picture with the changes drawn in.
    QImage strip() const;
    // The file holds the strip as it stands now.
    void markWritten();
    // Counts the readings and writings of the strip: a step made before one does nothing after.
    int reading() const { return m_reading; }

    // The steps' own changes.
    void append(const QList<QImage>& images);
    void removeLast(int count);
    // Gives back the image that was there.
    QImage replace(int index, const QImage& image);

signals:
    void changed();

private:
    void appendImage(const QImage& image);

    QList<QPixmap> m_images;
    QList<QIcon> m_icons;
    QImage m_picture;
    int m_fileCount = 0;
    QMap<int, QImage> m_replacedFromFile;
    QUndoStack* m_steps = nullptr;
    int m_reading = 0;
};

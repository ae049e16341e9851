#pragma once

#include "support/Controls.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

// A strip whose image i is filled with stripColour(i, variant): a changed strip is another
// variant, so a test can tell the two apart by their pixels.
QColor stripColour(int index, int variant = 0);
QImage testStrip(int width, int height, int variant = 0);
void writeStrip(const QString& path, int width, int height, int variant = 0,
                const char* format = "BMP");

class QPushButton;

// Whether the button's picture and caption fit inside its frame, as the style draws them.
bool captionFits(const QPushButton& button);
// "x,y wxh", the geometry as the forms give it.
QString geometryOf(const QWidget& widget);

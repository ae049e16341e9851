#pragma once

#include <QImage>
#include <QString>

// A host profile for trying the program out: the host settings file under
// <folder>/config (to be used as XDG_CONFIG_HOME) and, in "<folder>/Tarvel Halvex", the three
// files with their built-in contents and an image strip. Files already there are kept, so
// edits made while trying survive the next start.
void writeDemoProfile(const QString& folder);

// Twelve 16 x 16 images side by side, one for each image that the built-in toolbar uses.
QImage drawDemoStrip();

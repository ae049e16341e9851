#pragma once

#include <QByteArrayView>

#include <stdexcept>

// Properties that must hold for any bytes a file may hold. Each check throws PropertyViolation
// when one does not; the fuzz targets turn that into a crash that libFuzzer keeps, and the
// corpus test into a failure.
struct PropertyViolation : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

void checkLineFile(QByteArrayView bytes);
void checkToolbarFile(QByteArrayView bytes);
void checkMimeTypesFile(QByteArrayView bytes);
void checkProcsFile(QByteArrayView bytes);
void checkHostSettings(QByteArrayView bytes);

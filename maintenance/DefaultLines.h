#pragma once

#include <QStringList>

// The built-in contents of the host's three files, as written by a reset.
QStringList defaultHTMLToolbarLines();
QStringList defaultCstProcsLines();
QStringList defaultMIMETypesLines();

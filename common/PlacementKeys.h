#pragma once

#include <QString>

// The names under which the windows keep their placement on disk. Every user's stored positions
// are found by them, so they stay as they are whatever the classes are called.
namespace PlacementKey {

inline const QString startWindow = QStringLiteral("TStartWindow");
inline const QString toolbarEditor = QStringLiteral("THTMLToolbarEditorWindow");
inline const QString proceduresEditor = QStringLiteral("TStdProcsPanelEditorWindow");
inline const QString mimeTypesEditor = QStringLiteral("TMIMETypesEditor");
inline const QString additionalFunctions = QStringLiteral("TAdditionalFunctionsWindow");

} // namespace PlacementKey

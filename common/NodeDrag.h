#pragma once

#include "common/NodeModel.h"

#include <QStringList>

#include <optional>

class QMimeData;

// A node dragged within one model's view: where it stood, and which model it belongs to, so that
// a drag from another window or another program is never taken for a move.
namespace NodeDrag {

QStringList mimeTypes();
QMimeData* mimeData(const QObject& model, TreePosition from);
std::optional<TreePosition> draggedFrom(const QObject& model, const QMimeData* data);

} // namespace NodeDrag

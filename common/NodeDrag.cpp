#include "common/NodeDrag.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace {

const QString nodeType = QStringLiteral("application/x-halvex-config-node");

} // namespace

namespace NodeDrag {

QStringList mimeTypes()
{
    return {nodeType};
}

QMimeData* mimeData(const QObject& model, TreePosition from)
{
    QByteArray encoded;
    QDataStream out(&encoded, QIODevice::WriteOnly);
    out << QCoreApplication::applicationPid() << quint64(quintptr(&model)) << from.top
        << from.child;
    auto* data = new QMimeData;
    data->setData(nodeType, encoded);
    return data;
}

std::optional<TreePosition> draggedFrom(const QObject& model, const QMimeData* data)
{
    if (!data || !data->hasFormat(nodeType))
        return std::nullopt;
    QDataStream in(data->data(nodeType));
    qint64 pid = 0;
    quint64 source = 0;
    TreePosition from;
    in >> pid >> source >> from.top >> from.child;
    if (in.status() != QDataStream::Ok || pid != QCoreApplication::applicationPid() ||
        source != quint64(quintptr(&model)))
        return std::nullopt;
    return from;
}

} // namespace NodeDrag

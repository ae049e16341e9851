#include "toolbar/ImageCandidatesModel.h"

#include "platform/AppError.h"
#include "toolbar/PictureSquares.h"

#include <QPixmap>

ImageCandidatesModel::ImageCandidatesModel(QObject* parent) : QAbstractListModel(parent)
{
}

void ImageCandidatesModel::append(const QString& name, Loader load)
{
    const int row = int(m_candidates.size());
    beginInsertRows({}, row, row);
    m_candidates.append({name, std::move(load), {}, false});
    endInsertRows();
}

void ImageCandidatesModel::setBackground(const QColor& background)
{
    m_background = background;
    if (!m_candidates.isEmpty())
        emit dataChanged(index(0), index(rowCount() - 1), {Qt::DecorationRole});
}

// A picture that cannot be read shows nothing and cannot be chosen.
const QImage& ImageCandidatesModel::picture(int row) const
{
    const Candidate& candidate = m_candidates[row];
    if (!candidate.loaded) {
        candidate.loaded = true;
        try {
            candidate.picture = candidate.load();
        } catch (const AppError&) {
            candidate.picture = QImage();
        }
    }
    return candidate.picture;
}

QImage ImageCandidatesModel::square(int row) const
{
    const QImage& source = picture(row);
    return source.isNull() ? QImage() : PictureSquares::squareOf(source, m_background);
}

int ImageCandidatesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_candidates.size());
}

QVariant ImageCandidatesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case NameRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole:
        return m_candidates[index.row()].name;
    case Qt::DecorationRole: {
        const QImage image = square(index.row());
        return image.isNull()
                   ? QVariant()
                   : QVariant(QPixmap::fromImage(image.scaled(
                         image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
    }
    default:
        return {};
    }
}

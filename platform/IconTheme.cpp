#include "platform/IconTheme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <compare>
#include <cstdlib>
#include <utility>

namespace {

const QString iconThemeGroup = QStringLiteral("Icon Theme");
const QString fallbackTheme = QStringLiteral("hicolor");
// Best first: the format taken when one folder has an icon in several.
const QStringList iconSuffixes = {QStringLiteral("png"), QStringLiteral("svg"),
                                  QStringLiteral("svgz"), QStringLiteral("xpm")};
const QStringList iconNameFilters = {QStringLiteral("*.png"), QStringLiteral("*.svg"),
                                     QStringLiteral("*.svgz"), QStringLiteral("*.xpm")};

// How well one file draws its icon; lower is better, the members weighed in order.
struct Rank
{
    bool scaled = false;
    int sizeDistance = 0;
    qsizetype directory = 0;
    qsizetype folder = 0;
    qsizetype suffix = 0;
    auto operator<=>(const Rank&) const = default;
};

struct Candidate
{
    QString path;
    Rank rank;
};

QStringList commaList(const QString& value)
{
    QStringList items = value.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (QString& item : items)
        item = item.trimmed();
    items.removeAll(QString());
    return items;
}

int intOr(const QHash<QString, QString>& group, const QString& key, int fallback)
{
    bool ok = false;
    const int value = group.value(key).toInt(&ok);
    return ok ? value : fallback;
}

int distanceOutside(int low, int high, int size)
{
    if (size < low)
        return low - size;
    return size > high ? size - high : 0;
}

// A folder is listed once, whatever the number of icons in it: themes have thousands.
void offerFolderFiles(const QString& folder, Rank rank, QHash<QString, Candidate>& best)
{
    const QStringList files =
        QDir(folder).entryList(iconNameFilters, QDir::Files | QDir::CaseSensitive, QDir::Unsorted);
    for (const QString& file : files) {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        if (dot <= 0)
            continue;
        rank.suffix = iconSuffixes.indexOf(file.sliced(dot + 1));
        const QString name = file.first(dot);
        const auto found = best.find(name);
        if (found == best.end())
            best.insert(name, {folder + QLatin1Char('/') + file, rank});
        else if (rank < found->rank)
            *found = {folder + QLatin1Char('/') + file, rank};
    }
}

} // namespace

IconTheme::IconTheme(QStringList searchPaths, QString theme) : m_searchPaths(std::move(searchPaths))
{
    QSet<QString> visited;
    addToChain(theme, visited);
    addToChain(fallbackTheme, visited);
}

QList<ThemeIcon> IconTheme::icons(int size) const
{
    QMap<QString, QString> chosen;
    for (const Theme& theme : m_chain)
        addBestFiles(theme, size, chosen);
    QList<ThemeIcon> icons;
    icons.reserve(chosen.size());
    for (auto it = chosen.cbegin(); it != chosen.cend(); ++it)
        icons.append({it.key(), it.value()});
    return icons;
}

QStringList IconTheme::themeChain() const
{
    QStringList names;
    for (const Theme& theme : m_chain)
        names.append(theme.name);
    return names;
}

// Read by hand: QSettings would split the comma lists and take '%' for an escape. Only a plain
// file is opened, as a fifo in its place would hang the program.
std::optional<IconTheme::IniGroups> IconTheme::readIniFile(const QString& path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QString text = QString::fromUtf8(file.readAll());
    IniGroups groups;
    QString group;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            group = line.sliced(1, line.size() - 2).toString();
        else if (!group.isEmpty() && !line.startsWith(QLatin1Char('#')) && equals > 0)
            groups[group].insert(line.first(equals).trimmed().toString(),
                                 line.sliced(equals + 1).trimmed().toString());
    }
    return groups;
}

// Nothing for a directory without a size, which no size could be matched against.
std::optional<IconTheme::IconDirectory> IconTheme::readDirectory(const QString& path,
                                                                 const IniGroup& group)
{
    bool hasSize = false;
    IconDirectory directory;
    directory.path = path;
    directory.size = group.value(QStringLiteral("Size")).toInt(&hasSize);
    if (!hasSize)
        return std::nullopt;
    directory.scale = intOr(group, QStringLiteral("Scale"), 1);
    directory.minSize = intOr(group, QStringLiteral("MinSize"), directory.size);
    directory.maxSize = intOr(group, QStringLiteral("MaxSize"), directory.size);
    directory.threshold = intOr(group, QStringLiteral("Threshold"), 2);
    const QString type = group.value(QStringLiteral("Type"));
    if (type.compare(QLatin1String("Fixed"), Qt::CaseInsensitive) == 0)
        directory.type = SizeType::Fixed;
    else if (type.compare(QLatin1String("Scalable"), Qt::CaseInsensitive) == 0)
        directory.type = SizeType::Scalable;
    return directory;
}

// Zero exactly where the directory matches the size.
int IconTheme::sizeDistance(const IconDirectory& directory, int size)
{
    switch (directory.type) {
    case SizeType::Fixed:
        return std::abs(directory.size - size);
    case SizeType::Scalable:
        return distanceOutside(directory.minSize, directory.maxSize, size);
    case SizeType::Threshold:
        break;
    }
    return distanceOutside(directory.size - directory.threshold,
                           directory.size + directory.threshold, size);
}

// Adds the names of theme that chosen does not have yet: a theme earlier in the chain wins
// whatever the sizes of its files.
void IconTheme::addBestFiles(const Theme& theme, int size, QMap<QString, QString>& chosen)
{
    QHash<QString, Candidate> best;
    for (qsizetype d = 0; d < theme.directories.size(); ++d) {
        const IconDirectory& directory = theme.directories[d];
        Rank rank{directory.scale != 1, sizeDistance(directory, size), d};
        for (rank.folder = 0; rank.folder < theme.folders.size(); ++rank.folder)
            offerFolderFiles(theme.folders[rank.folder] + QLatin1Char('/') + directory.path, rank,
                             best);
    }
    for (auto it = best.cbegin(); it != best.cend(); ++it) {
        if (!chosen.contains(it.key()))
            chosen.insert(it.key(), it->path);
    }
}

// The first index that can be read defines the theme.
std::optional<IconTheme::IniGroups> IconTheme::readThemeIndex(const QString& name) const
{
    for (const QString& base : m_searchPaths) {
        if (auto index =
                readIniFile(base + QLatin1Char('/') + name + QStringLiteral("/index.theme")))
            return index;
    }
    return std::nullopt;
}

IconTheme::Theme IconTheme::themeFrom(const QString& name, const IniGroups& index) const
{
    Theme theme{name, {}, {}};
    for (const QString& base : m_searchPaths) {
        const QString folder = QDir::cleanPath(base + QLatin1Char('/') + name);
        if (QFileInfo(folder).isDir())
            theme.folders.append(folder);
    }
    theme.folders.removeDuplicates();
    const IniGroup header = index.value(iconThemeGroup);
    QStringList paths = commaList(header.value(QStringLiteral("Directories"))) +
                        commaList(header.value(QStringLiteral("ScaledDirectories")));
    paths.removeDuplicates();
    for (const QString& path : paths) {
        if (const auto directory = readDirectory(path, index.value(path)))
            theme.directories.append(*directory);
    }
    return theme;
}

void IconTheme::addToChain(const QString& name, QSet<QString>& visited)
{
    if (name.isEmpty() || visited.contains(name))
        return;
    visited.insert(name);
    const std::optional<IniGroups> index = readThemeIndex(name);
    if (!index)
        return;
    m_chain.append(themeFrom(name, *index));
    const QString inherits = index->value(iconThemeGroup).value(QStringLiteral("Inherits"));
    for (const QString& parent : commaList(inherits))
        addToChain(parent, visited);
}

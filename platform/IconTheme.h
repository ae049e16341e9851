#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

// One icon of a theme: its name ("document-save") and the file that draws it best at the size
// asked for.
struct ThemeIcon
{
    QString name;
    QString path;
    friend bool operator==(const ThemeIcon&, const ThemeIcon&) = default;
};

// Every icon of a desktop icon theme, found by the freedesktop icon theme rules, for the window
// that lets the user pick one. The index files are read once, when the theme is made; the icon
// folders are listed again on each call to icons(), so icons added since are seen.
class IconTheme
{
public:
    // searchPaths: the folders that hold themes, first first (as QIcon::themeSearchPaths()
    // gives them); theme: the name of the current theme (a folder name, as QIcon::themeName()).
    IconTheme(QStringList searchPaths, QString theme);

    // Every icon of the theme, of the themes it inherits and of hicolor, each name once, sorted
    // by name, with the file that draws it best at size pixels.
    QList<ThemeIcon> icons(int size) const;

    // The themes looked through, in order: the theme, what it inherits (depth first, each once),
    // hicolor last. A theme that has no index.theme in any search path is left out.
    QStringList themeChain() const;

private:
    enum class SizeType { Fixed, Scalable, Threshold };

    struct IconDirectory
    {
        QString path;
        SizeType type = SizeType::Threshold;
        int size = 0;
        int scale = 1;
        int minSize = 0;
        int maxSize = 0;
        int threshold = 2;
    };

    struct Theme
    {
        QString name;
        // Every "<search path>/<name>" folder there is, as a theme may be spread over several.
        QStringList folders;
        QList<IconDirectory> directories;
    };

    using IniGroup = QHash<QString, QString>;
    using IniGroups = QHash<QString, IniGroup>;

    static std::optional<IniGroups> readIniFile(const QString& path);
    static std::optional<IconDirectory> readDirectory(const QString& path, const IniGroup& group);
    static int sizeDistance(const IconDirectory& directory, int size);
    static void addBestFiles(const Theme& theme, int size, QMap<QString, QString>& chosen);
    std::optional<IniGroups> readThemeIndex(const QString& name) const;
    Theme themeFrom(const QString& name, const IniGroups& index) const;
    void addToChain(const QString& name, QSet<QString>& visited);

    QStringList m_searchPaths;
    QList<Theme> m_chain;
};

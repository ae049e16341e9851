#pragma once

#include "common/HostFiles.h"
#include "platform/WholeFile.h"

#include <QString>

#include <functional>

class FileLines;
class HostOptions;
class LineSink;
class LineSource;
class QWidget;

// One of the host's files from the moment an editor reads it to the moment OK replaces it:
// which file was read, how much of it, and what it was like then. The save takes the path from
// the host once, asks what the file's state on disk calls for, and writes to the path it asked
// about. The three editors and the three resets all go through it.
class EditedFile
{
public:
    EditedFile(HostFile file, const HostOptions& options);

    // Reads the file that the host's settings name now: build gets its lines, makes the
    // document of them and says whether the document holds every line it was given. Throws when
    // the file cannot be read. Only once build returned does the file count as read; a file that
    // could not be read, or whose document could not be built, counts as not read (or as
    // missing, when there is none), so that OK can never mistake a failure for the file.
    using Build = std::function<bool(LineSource& lines)>;
    void read(const Build& build);

    // OK: refuses a file that is also another of the host's files, asks before replacing a file
    // that was read in part, that the settings name anew, or that changed on disk since it was
    // read, and replaces it with the lines that write gives. False when a question was answered
    // No: nothing written.
    using Write = std::function<void(LineSink& lines)>;
    bool save(QWidget* parent, const Write& write);

    // A reset: refuses a file that is also another of the host's files, asks question and
    // replaces the file with the lines that write gives, without reading it first. False when
    // the answer was No.
    static bool reset(QWidget* parent, HostFile file, const HostOptions& options,
                      const QString& question, const Write& write);

    // The command line's reset, where the command itself is the user's answer: as reset,
    // without the question. Returns the path written.
    static QString replaceWhole(HostFile file, const HostOptions& options, const Write& write);

    QString readPath() const { return m_readPath; }
    // Whether the last read took in every line of the file.
    bool readWhole() const { return m_state == State::Whole; }

private:
    enum class State { NotRead, Missing, Unread, Partial, Whole };

    bool buildWithin(FileLines& lines, const Build& build) const;
    QString questionBeforeSaving(const QString& path) const;
    bool changedOnDisk(const QString& path) const;
    static void replace(const QString& path, const Write& write);

    HostFile m_file;
    const HostOptions& m_options;
    State m_state = State::NotRead;
    QString m_readPath;
    WholeFile::Identity m_identity;
    quint64 m_hash = 0;
};

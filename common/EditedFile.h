#pragma once

#include "common/HostFiles.h"
#include "common/LineFile.h"
#include "platform/WholeFile.h"

#include <QString>

#include <functional>
#include <new>

class HostOptions;
class LineSink;
class LineSource;

// Writes one of the host's files whole, at a path decided before anything is written, after
// the question it names, if any, was answered Yes.
class FileReplacement
{
public:
    using Write = std::function<void(LineSink& lines)>;

    FileReplacement(HostFile file, const HostOptions& options, QString path, QString question);

    // The file that write replaces, as the host's settings named it when the replacement was
    // decided.
    const QString& path() const { return m_path; }
    // What the user must be asked before the file is replaced: empty when nothing on disk would
    // be lost. Losing what is on disk is the answer No guards against, so No is the default.
    const QString& question() const { return m_question; }

    // Replaces the file with the lines that write gives. Throws, and leaves the file as it was,
    // when the path is another of the host's files or the file cannot be written.
    void write(const Write& write) const;
    // The same with bytes of the file's own format.
    void write(const QByteArray& bytes) const;

private:
    HostFile m_file;
    const HostOptions& m_options;
    QString m_path;
    QString m_question;
};

// One of the host's files from the moment an editor reads it to the moment OK replaces it:
// which file was read, how much of it, and what it was like then. The editors, the resets and
// the command line all go through it.
class EditedFile
{
public:
    EditedFile(HostFile file, const HostOptions& options);
    HostFile file() const { return m_file; }
    // The path of the last read, also of one that failed.
    const QString& readPath() const { return m_readPath; }

    // Reads the file that the host's settings name now into a document. Throws when the file
    // cannot be read, or does not fit into memory. Only a read that returned counts as a read:
    // after a failure, the file counts as not read (or as missing, when there is none), so that
    // OK never mistakes a failure for the file.
    template <class Document>
    LineFileRead<Document> read(LineFileRead<Document> (*reader)(LineSource&))
    {
        WholeFile::Reader file(beginRead());
        FileLines lines(file);
        LineFileRead<Document> result;
        try {
            result = readLineFile(lines, reader);
        } catch (const std::bad_alloc&) {
            throw tooLargeToRead();
        }
        endRead(file, result.whole);
        return result;
    }
    // What the read said, once the document could not be taken for want of memory: the file
    // counts as not read.
    AppError tooLargeToRead();

    // Reads the whole file that the host's settings name now, as it is: a file that is no line
    // file (the image strip). Throws when it cannot be read.
    QByteArray readBytes();

    // The newest copy of the file's old content that a write cut short left behind; empty when
    // there is none.
    QString leftCopy() const;

    // OK: replacing the file with what the editor shows. Asks before replacing a file that was
    // read in part, that the settings name anew, or that changed on disk since it was read.
    // Throws when the settings name no file. The file's role is checked when it is written,
    // at the end of its links.
    FileReplacement replacement() const;

    // A reset: replacing the file without reading it first.
    static FileReplacement reset(HostFile file, const HostOptions& options);

private:
    enum class State { NotRead, Missing, Unread, Partial, Whole };

    // The path the host's settings name now, the file counted as not read yet.
    QString beginRead();
    // The rest of the file is read for its hash.
    void endRead(WholeFile::Reader& file, bool whole);
    QString questionBeforeWriting(const QString& path) const;
    bool changedOnDisk(const QString& path) const;

    HostFile m_file;
    const HostOptions& m_options;
    State m_state = State::NotRead;
    QString m_readPath;
    quint64 m_hash = 0;
};

#include "common/EditedFile.h"

#include "common/LineFile.h"
#include "platform/AppError.h"

#include <QCoreApplication>

#include <new>

namespace {

struct EditedFileMessages
{
    Q_DECLARE_TR_FUNCTIONS(EditedFile)
};

QString partlyReadQuestion(const QString& path)
{
    return EditedFileMessages::tr(
               "The file \"%1\" could not be read whole when this window opened, so "
               "it holds more than is shown here.\n\nReplace it with what is "
               "shown, and lose the part that was not read?")
        .arg(displayPath(path));
}

QString otherFileQuestion(const QString& path)
{
    return EditedFileMessages::tr("The host's settings now name \"%1\", which this window did not "
                                  "read.\n\nReplace it with what is shown here?")
        .arg(displayPath(path));
}

QString changedQuestion(const QString& path)
{
    return EditedFileMessages::tr(
               "The file \"%1\" was changed on disk after this window read it, by "
               "another program or another copy of this one.\n\nReplace it with "
               "what is shown here, and lose those changes?")
        .arg(displayPath(path));
}

QString createdQuestion(const QString& path)
{
    return EditedFileMessages::tr(
               "The file \"%1\" did not exist when this window opened, and it has "
               "been created since, by another program or another copy of this "
               "one.\n\nReplace it with what is shown here?")
        .arg(displayPath(path));
}

} // namespace

FileReplacement::FileReplacement(HostFile file, const HostOptions& options, QString path,
                                 QString question)
    : m_file(file), m_options(options), m_path(std::move(path)), m_question(std::move(question))
{
}

// The file may have been swapped for a link while the question was open: what is written is
// checked again, at the end of its links, just before it is written.
void FileReplacement::write(const Write& write) const
{
    WholeFile::write(
        m_path,
        [&](QIODevice& file) {
            FileLineWriter lines(m_path, file);
            write(lines);
            lines.finish();
        },
        [this](const QString& target) { requireOwnFile(m_file, target, m_options); });
}

void FileReplacement::write(const QByteArray& bytes) const
{
    WholeFile::write(
        m_path, [&](QIODevice& file) { WholeFile::writeAll(file, bytes, m_path); },
        [this](const QString& target) { requireOwnFile(m_file, target, m_options); });
}

EditedFile::EditedFile(HostFile file, const HostOptions& options) : m_file(file), m_options(options)
{
}

QString EditedFile::beginRead()
{
    m_readPath = hostFilePath(m_file, m_options);
    m_state = WholeFile::identity(m_readPath).exists ? State::Unread : State::Missing;
    return m_readPath;
}

// The rest of a file that a line or a NUL stopped is read for the hash: a file changed while it
// was read then differs in its hash, and OK asks.
void EditedFile::endRead(WholeFile::Reader& file, bool whole)
{
    file.drain();
    m_hash = file.hash();
    m_state = whole ? State::Whole : State::Partial;
}

// Running out of memory ends the read like any other failure, with a message that says why:
// the document made so far is gone, and the window shows nothing of the file.
AppError EditedFile::tooLargeToRead()
{
    if (m_state != State::Missing)
        m_state = State::Unread;
    return AppError(EditedFileMessages::tr("Cannot read \"%1\": the file is too large for the "
                                           "memory available. Nothing of it is shown, and OK asks "
                                           "before replacing it.")
                        .arg(displayPath(m_readPath)));
}

QByteArray EditedFile::readBytes()
{
    WholeFile::Reader file(beginRead());
    QByteArray bytes;
    while (const std::optional<QByteArrayView> piece = file.next())
        bytes.append(*piece);
    m_hash = file.hash();
    m_state = State::Whole;
    return bytes;
}

QString EditedFile::leftCopy() const
{
    return WholeFile::leftCopies(m_readPath).value(0);
}

FileReplacement EditedFile::replacement() const
{
    const QString path = hostFilePath(m_file, m_options);
    return FileReplacement(m_file, m_options, path, questionBeforeWriting(path));
}

FileReplacement EditedFile::reset(HostFile file, const HostOptions& options)
{
    return FileReplacement(file, options, hostFilePath(file, options), QString());
}

// Nothing is asked where nothing on disk would be lost: a file that is not there (any more) is
// simply written.
QString EditedFile::questionBeforeWriting(const QString& path) const
{
    if (!WholeFile::identity(path).exists)
        return {};
    if (m_state == State::NotRead || !WholeFile::sameFile(path, m_readPath))
        return otherFileQuestion(path);
    switch (m_state) {
    case State::Missing:
        return createdQuestion(path);
    case State::Unread:
        return partlyReadQuestion(path);
    case State::Partial:
        return changedOnDisk(path) ? changedQuestion(path) : partlyReadQuestion(path);
    case State::Whole:
        return changedOnDisk(path) ? changedQuestion(path) : QString();
    case State::NotRead:
        break;
    }
    return {};
}

// By the bytes alone: a file touched, or copied away and back, lost nothing, and a question
// that cries wolf teaches the user to answer Yes.
bool EditedFile::changedOnDisk(const QString& path) const
{
    const std::optional<quint64> hash = WholeFile::fileHash(path);
    return !hash || *hash != m_hash;
}

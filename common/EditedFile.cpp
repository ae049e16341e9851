#include "common/EditedFile.h"

#include "common/LineFile.h"
#include "common/Modal.h"
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

EditedFile::EditedFile(HostFile file, const HostOptions& options) : m_file(file), m_options(options)
{
}

// The rest of a file that a line or a NUL stopped is read for the hash, and the identity is taken
// again after the read: a file replaced while it was read then differs in its hash, and OK asks.
void EditedFile::read(const Build& build)
{
    m_readPath = hostFilePath(m_file, m_options);
    m_identity = WholeFile::identity(m_readPath);
    m_state = m_identity.exists ? State::Unread : State::Missing;
    WholeFile::Reader file(m_readPath);
    FileLines lines(file);
    const bool whole = buildWithin(lines, build);
    file.drain();
    m_hash = file.hash();
    m_identity = WholeFile::identity(m_readPath);
    m_state = whole ? State::Whole : State::Partial;
}

// Running out of memory ends the read like any other failure, with a message that says why:
// the document made so far is gone, and the window shows nothing of the file.
bool EditedFile::buildWithin(FileLines& lines, const Build& build) const
{
    try {
        return build(lines) && lines.whole();
    } catch (const std::bad_alloc&) {
        throw AppError(
            EditedFileMessages::tr("Cannot read \"%1\": the file is too large for the memory "
                                   "available. Nothing of it is shown, and OK asks before "
                                   "replacing it.")
                .arg(displayPath(m_readPath)));
    }
}

bool EditedFile::save(QWidget* parent, const Write& write)
{
    const QString path = hostFilePath(m_file, m_options);
    requireOwnFile(m_file, path, m_options);
    const QString question = questionBeforeSaving(path);
    if (!question.isEmpty() && !Modal::confirm(parent, question, Modal::Default::No))
        return false;
    replace(path, write);
    return true;
}

bool EditedFile::reset(QWidget* parent, HostFile file, const HostOptions& options,
                       const QString& question, const Write& write)
{
    const QString path = hostFilePath(file, options);
    requireOwnFile(file, path, options);
    if (!Modal::confirm(parent, question))
        return false;
    replace(path, write);
    return true;
}

QString EditedFile::replaceWhole(HostFile file, const HostOptions& options, const Write& write)
{
    const QString path = hostFilePath(file, options);
    requireOwnFile(file, path, options);
    replace(path, write);
    return path;
}

void EditedFile::replace(const QString& path, const Write& write)
{
    WholeFile::write(path, [&](QIODevice& file) {
        FileLineWriter lines(path, file);
        write(lines);
        lines.finish();
    });
}

// Nothing is asked where nothing on disk would be lost: a file that is not there (any more) is
// simply written.
QString EditedFile::questionBeforeSaving(const QString& path) const
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

bool EditedFile::changedOnDisk(const QString& path) const
{
    if (WholeFile::identity(path) != m_identity)
        return true;
    const std::optional<quint64> hash = WholeFile::fileHash(path);
    return !hash || *hash != m_hash;
}

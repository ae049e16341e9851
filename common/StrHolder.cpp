#include "common/StrHolder.h"

#include "common/LineFile.h"

void TStrHolder::saveToFile(const QString& path) const
{
    writeLineFile(path, m_lines);
}

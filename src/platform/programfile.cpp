// ProgramFile: facts about the running program's own file.
#include "programfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFile ProgramFile::current()
{
    return at(QCoreApplication::applicationFilePath());
}

ProgramFile ProgramFile::at(const QString& path)
{
    const QFileInfo info(path);
    QString folder = QDir::fromNativeSeparators(info.absolutePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return {QDir::fromNativeSeparators(info.absoluteFilePath()), folder, info.completeBaseName()};
}

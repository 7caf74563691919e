// ProgramFile: facts about the running program's own file, and where its data lies.
#include "programfile.h"

#include "product.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

ProgramFile ProgramFile::current()
{
    return at(QCoreApplication::applicationFilePath());
}

QStringList ProgramFile::installedDataFolders()
{
    return {QStringLiteral(TW_DATA_FROM_PROGRAM), QStringLiteral(TW_DATA_FOLDER)};
}

ProgramFile ProgramFile::at(const QString& path, const QStringList& dataFolders)
{
    const QFileInfo info(path);
    QString folder = QDir::fromNativeSeparators(info.absolutePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    ProgramFile program{QDir::fromNativeSeparators(info.absoluteFilePath()), folder,
                        info.completeBaseName(), folder + HelpPageName, folder};
    if (QFileInfo::exists(program.helpPage))
        return program;
    for (const QString& data : dataFolders) {
        const QString installed = QDir::cleanPath(QDir(folder).absoluteFilePath(data)) + '/';
        if (QFileInfo::exists(installed + HelpPageName)) {
            program.helpPage = installed + HelpPageName;
            program.sampleFolder = installed + QStringLiteral("pictures/");
            break;
        }
    }
    return program;
}

ProgramFile ProgramFile::inLanguage(const QString& language) const
{
    ProgramFile translated = *this;
    const QFileInfo english(helpPage);
    const QString page = english.dir().filePath(english.completeBaseName() +
                                                QStringLiteral(".%1.html").arg(language));
    if (!language.isEmpty() && QFileInfo::exists(page))
        translated.helpPage = page;
    return translated;
}

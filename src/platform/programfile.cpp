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

ProgramFile ProgramFile::at(const QString& path)
{
    const QFileInfo info(path);
    QString folder = QDir::fromNativeSeparators(info.absolutePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    ProgramFile program{QDir::fromNativeSeparators(info.absoluteFilePath()), folder,
                        info.completeBaseName(), folder + HelpPageName, folder};
    const QString installed =
        QDir::cleanPath(folder + QStringLiteral("../share/tilewright")) + QLatin1Char('/');
    if (!QFileInfo::exists(program.helpPage) && QFileInfo::exists(installed + HelpPageName)) {
        program.helpPage = installed + HelpPageName;
        program.sampleFolder = installed + QStringLiteral("pictures/");
    }
    return program;
}

// ProgramFile: facts about the running program's own file, and where its data lies.
#pragma once

#include <QStringList>

struct ProgramFile {
    QString path;     // full path of the program file
    QString folder;   // its folder, ending in a separator
    QString baseName; // file name without folder and extension
    // The help page and the sample pictures: beside the program in a build, or in the
    // installed data folder (pictures/ below it).
    QString helpPage;
    QString sampleFolder; // ends in a separator

    // The same, with the help page in that language ("de") where the page has a translation
    // beside it (Tilewright.de.html); the English page otherwise.
    ProgramFile inLanguage(const QString& language) const;

    // The running program, from the application object (which must exist).
    static ProgramFile current();
    // The data folders are tried in turn when the help page is not beside the program; a
    // relative one is taken from the program's folder.
    static ProgramFile at(const QString& path,
                          const QStringList& dataFolders = installedDataFolders());
    // Where an install puts the data: from the program's folder as installed, then the
    // folder the build was configured for (which a copy of the program elsewhere finds).
    static QStringList installedDataFolders();
};

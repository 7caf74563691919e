// Shell: opens documents and web pages with the desktop's default programs.
#include "shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

int DesktopShell::open(const QString& target)
{
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return FileNotFound;
    return QDesktopServices::openUrl(url) ? Opened : NoAssociation;
}

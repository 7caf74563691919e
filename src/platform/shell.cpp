// Shell: opens documents and web pages with the desktop's default programs.
#include "shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {
// xdg-open ends with 2 when the file is missing and 3 or 4 when no program could show it; it
// may also run the program to its end, so it is never waited for. It runs under a shell that
// only waits for it: when the game ends first, Qt ends that shell, and xdg-open with what it
// opened lives on.
bool openWithXdg(const QUrl& url, const Shell::LateFailure& failedLater)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return false;
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(QStringLiteral("/bin/sh"));
    process->setArguments({QStringLiteral("-c"), QStringLiteral("\"$0\" \"$1\"; exit $?"), opener,
                           url.toString(QUrl::FullyEncoded)});
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failedLater](int exitCode, QProcess::ExitStatus status) {
                         // A shell ended by the game's own end reports nothing.
                         if (status == QProcess::NormalExit && exitCode != 0 && failedLater)
                             failedLater(exitCode == 2 ? Shell::FileNotFound
                                                       : Shell::NoAssociation);
                         process->deleteLater();
                     });
    process->start();
    return true;
#else
    Q_UNUSED(url);
    Q_UNUSED(failedLater);
    return false;
#endif
}
} // namespace

int DesktopShell::open(const QString& target, const LateFailure& failedLater)
{
    const QUrl url = QUrl::fromUserInput(target);
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile()))
        return FileNotFound;
    if (openWithXdg(url, failedLater))
        return Opened;
    return QDesktopServices::openUrl(url) ? Opened : NoAssociation;
}

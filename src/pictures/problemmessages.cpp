// Problem messages: tells the player, one message box each, why a picture did not show.
#include "problemmessages.h"

#include "picture.h"
#include "platform/product.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>

namespace {
QString translated(const char* text)
{
    return QCoreApplication::translate("PictureProblem", text);
}
} // namespace

void reportProblems(QWidget* parent, const QStringList& problems)
{
    for (const QString& problem : problems)
        QMessageBox::information(parent, ProductName,
                                 QCoreApplication::translate("EntryProblem", problem.toUtf8()));
}

QString whyNotShown(const PictureLoad& load)
{
    switch (load.fault.value_or(PictureFault::Damaged)) {
    case PictureFault::Unreadable:
        return translated(QT_TRANSLATE_NOOP("PictureProblem", "The file cannot be read."));
    case PictureFault::UnknownFormat:
        return translated(
            QT_TRANSLATE_NOOP("PictureProblem", "Its format is not one the game reads."));
    case PictureFault::Damaged:
        return translated(QT_TRANSLATE_NOOP("PictureProblem", "The picture is damaged."));
    case PictureFault::TooLarge:
        if (load.pixels.isEmpty())
            return translated(
                       QT_TRANSLATE_NOOP("PictureProblem", "At %1 the file is too large to show."))
                .arg(
                    QLocale().formattedDataSize(load.bytes, 0, QLocale::DataSizeTraditionalFormat));
        return translated(QT_TRANSLATE_NOOP("PictureProblem",
                                            "At %1 x %2 pixels the picture is too large to show."))
            .arg(QLocale().toString(load.pixels.width()), QLocale().toString(load.pixels.height()));
    case PictureFault::NoPictures:
        return translated(
            QT_TRANSLATE_NOOP("PictureProblem", "The archive holds no picture the game reads."));
    }
    return {};
}

void reportUnshownPicture(QWidget* parent, const QString& name, const PictureLoad& load)
{
    QMessageBox::warning(
        parent, ProductName,
        translated(QT_TRANSLATE_NOOP("PictureProblem", "The picture cannot be shown:\n%1\n\n%2\n"
                                                       "The built-in picture is shown instead."))
            .arg(name, whyNotShown(load)));
}

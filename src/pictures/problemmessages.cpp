// Problem messages: tells the player, one message box each, why a picture did not show.
#include "problemmessages.h"

#include "platform/product.h"

#include <QCoreApplication>
#include <QMessageBox>

void reportProblems(QWidget* parent, const QStringList& problems)
{
    for (const QString& problem : problems)
        QMessageBox::information(parent, ProductName,
                                 QCoreApplication::translate("EntryProblem", problem.toUtf8()));
}

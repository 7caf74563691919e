// File dialogs: drives Qt's own file dialog as a player would, for tests.
#pragma once

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

// Shows the folder and waits until its file list has filled in the background.
inline void openFolderIn(QFileDialog& dialog, const QString& folder)
{
    auto* files = dialog.findChild<QFileSystemModel*>();
    QSignalSpy loaded(files, &QFileSystemModel::directoryLoaded);
    dialog.setDirectory(folder);
    if (!dialog.isVisible())
        dialog.show();
    loaded.wait(5000);
}

// Clicks the file, or folder, of that path in the dialog's list.
inline void clickFileIn(QFileDialog& dialog, const QString& path)
{
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    const QModelIndex index = dialog.findChild<QFileSystemModel*>()->index(path);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// Types a name into the dialog's file name box, as a player would.
inline void typeFileNameIn(QFileDialog& dialog, const QString& name)
{
    auto* box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    box->clear();
    QTest::keyClicks(box, name);
}

// Clicks the dialog's Open or Save button.
inline void clickAcceptIn(QFileDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    QAbstractButton* accept = buttons->button(QDialogButtonBox::Open);
    QTest::mouseClick(accept != nullptr ? accept : buttons->button(QDialogButtonBox::Save),
                      Qt::LeftButton);
}

// barewindow: the least a Qt Widgets game window can be (a menu bar, a toolbar and a 640 x 480
// label), for the start-up comparison.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* title : {"&File", "&View", "&Game", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
    QToolBar* tools = window.addToolBar(QStringLiteral("Tools"));
    for (const QStyle::StandardPixmap icon : {QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon})
        tools->addAction(app.style()->standardIcon(icon), QStringLiteral("Tool"));
    auto* label = new QLabel(QStringLiteral("Bare window"));
    label->setFixedSize(640, 480);
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}

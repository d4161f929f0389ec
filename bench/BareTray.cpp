// The least a Qt tray application with one window costs: the yardstick that
// scripts/bench-start measures Horavia's start against. A tray icon and a
// 720 × 600 window holding a line edit and a list.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::darkCyan);
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.show();
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLineEdit);
    auto* list = new QListWidget;
    list->addItems({QStringLiteral("One"), QStringLiteral("Two"), QStringLiteral("Three")});
    layout->addWidget(list);
    window.resize(720, 600);
    window.show();
    return app.exec();
}

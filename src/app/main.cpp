#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString title = QStringLiteral("Raroda TOLMO Dudovavidira 2.01");
    QApplication::setApplicationDisplayName(QString());
    QMainWindow window;
    window.setWindowTitle(title);
    window.setMinimumSize(518, 300);
    window.showMaximized();
    return app.exec();
}

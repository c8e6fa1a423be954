// A bare Qt Widgets window of the start window's size, and nothing else: what any Qt program costs.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("finestra nuda"));
    finestra.resize(792, 554);
    finestra.show();
    return app.exec();
}

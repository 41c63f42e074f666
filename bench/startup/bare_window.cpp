// The yardstick for Velmora's start-up: a bare Qt Widgets program that shows one window of the
// title window's size with one line of text, and nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Velmora"));
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(660, 465);
    window.show();
    return QApplication::exec();
}

// The yardstick for Velmora's start-up: a bare Qt Widgets program that shows one empty window of
// the title window's size, and nothing else. With --texts it also shows the title window's texts
// in the faces the title window uses (a Japanese gothic on the buttons and the exit sign, a serif
// for the titles), to tell the cost of drawing those texts from the cost of the rest.
#include <QApplication>
#include <QLabel>
#include <QWidget>

namespace {

void AddText(QWidget& window, const QString& text, const QString& family, int pixels, int top) {
    auto* label = new QLabel(text, &window);
    QFont font(family);
    font.setPixelSize(pixels);
    label->setFont(font);
    label->move(20, top);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(660, 465);
    if (QApplication::arguments().contains(QStringLiteral("--texts"))) {
        AddText(window, QStringLiteral("Stopping-Power for Positrons"),
                QStringLiteral("Liberation Serif"), 37, 20);
        AddText(window, QStringLiteral("質量阻止能・飛程"), QStringLiteral("IPAPGothic"), 19, 200);
        AddText(window, QStringLiteral("データ出典・文献"), QStringLiteral("IPAPGothic"), 19, 260);
        AddText(window, QStringLiteral("非常口"), QStringLiteral("IPAPGothic"), 10, 320);
    }
    window.show();
    return QApplication::exec();
}

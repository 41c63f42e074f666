// Font stand-ins for faces that only Windows ships.
#include "toolkit/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora {
namespace {

// The first of the candidates that is installed, followed by the rest as further fallbacks.
QStringList InstalledFirst(const QStringList& candidates) {
    const QStringList families = QFontDatabase::families();
    QStringList ordered;
    for (const QString& name : candidates) {
        if (families.contains(name, Qt::CaseInsensitive)) {
            ordered.append(name);
        }
    }
    return ordered.isEmpty() ? candidates : ordered;
}

}  // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(kFontMsGothic,
                               InstalledFirst({"IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP",
                                               "DejaVu Sans Mono", "Monospace"}));
    QFont::insertSubstitutions(kFontMeiryo, InstalledFirst({"IPAPGothic", "IPAPゴシック",
                                                            "Noto Sans CJK JP", "DejaVu Sans"}));
    QFont::insertSubstitutions(
        kFontHgMaruGothic,
        InstalledFirst({"Rounded M+ 1c", "MotoyaLMaru", "Motoya L Maruberi", "モトヤLマルベリ3等幅",
                        "MotoyaLMaru W3 mono", "IPAPGothic", "DejaVu Sans"}));
    QStringList serif = InstalledFirst({"Liberation Serif", "Tinos", "DejaVu Serif"});
    serif.append(InstalledFirst({"IPAMincho", "IPAPMincho", "IPA明朝"}));
    QFont::insertSubstitutions(kFontTimesNewRoman, serif);
}

QFont MakeFont(const QString& family, double points, bool italic, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setItalic(italic);
    font.setBold(bold);
    return font;
}

}  // namespace velmora

// Font names used by the windows and their stand-ins where a platform lacks them.
#pragma once

#include <QFont>
#include <QString>

namespace velmora {

inline const QString kFontMsGothic = QStringLiteral("ＭＳ ゴシック");
inline const QString kFontMeiryo = QStringLiteral("メイリオ");
inline const QString kFontHgMaruGothic = QStringLiteral("HG丸ｺﾞｼｯｸM-PRO");
inline const QString kFontTimesNewRoman = QStringLiteral("Times New Roman");

// Maps the Windows font names above to the nearest installed faces (IPAGothic, IPAPGothic, a
// rounded gothic, Liberation Serif with IPAMincho for kanji). Qt consults substitutes only when the
// named face itself is missing, so a machine that has the original fonts keeps them.
void InstallFontSubstitutions();

// A font of the given family and size in points.
QFont MakeFont(const QString& family, double points, bool italic = false, bool bold = false);

}  // namespace velmora

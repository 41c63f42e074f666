// Choosing the interface language and loading its translation from the program's resources.
#include "app/language.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>
#include <optional>

namespace velmora {
namespace {

const QString kOption = QStringLiteral("--language");
const QString kKnownNames = QStringLiteral("en or ja");
// Compiled from translations/velmora_en.ts at build time and embedded in the program.
const QString kEnglishTranslation = QStringLiteral(":/translations/velmora_en.qm");

// "en", "en_GB", "en-US", "en_US.UTF-8" and "en@euro" all name English.
std::optional<Language> LanguageNamed(const QString& name) {
    static const QRegularExpression separator(QStringLiteral("[_.@-]"));
    const QString primary = name.section(separator, 0, 0).toLower();
    if (primary == QLatin1String("en")) {
        return Language::English;
    }
    if (primary == QLatin1String("ja")) {
        return Language::Designed;
    }
    return std::nullopt;
}

LanguageChoice DesignedWithWarning(const QString& problem) {
    return {Language::Designed,
            QStringLiteral("velmora: %1; the default interface is shown.").arg(problem)};
}

QTranslator& Translator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

LanguageChoice ChooseLanguage(const QStringList& arguments, const QString& environmentValue) {
    std::optional<QString> requested;
    QString origin;
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == kOption) {
            if (i + 1 == arguments.size()) {
                return DesignedWithWarning(
                    QStringLiteral("%1 needs a language, %2").arg(kOption, kKnownNames));
            }
            requested = arguments[++i];
            origin = kOption;
        } else if (arguments[i].startsWith(kOption + QLatin1Char('='))) {
            requested = arguments[i].mid(kOption.size() + 1);
            origin = kOption;
        }
    }
    if (!requested && !environmentValue.isEmpty()) {
        requested = environmentValue;
        origin = QStringLiteral("VELMORA_LANGUAGE");
    }
    if (!requested) {
        return {};
    }
    if (const std::optional<Language> language = LanguageNamed(*requested)) {
        return {*language, QString()};
    }
    return DesignedWithWarning(QStringLiteral("unknown language \"%1\" in %2 (use %3)")
                                   .arg(*requested, origin, kKnownNames));
}

bool UseLanguage(Language language) {
    QTranslator& translator = Translator();
    QCoreApplication::removeTranslator(&translator);
    if (language == Language::Designed) {
        return true;
    }
    return translator.load(kEnglishTranslation) && QCoreApplication::installTranslator(&translator);
}

}  // namespace velmora

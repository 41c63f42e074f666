// Choosing the interface language from the command line and VELMORA_LANGUAGE, and loading it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <tuple>

#include "app/language.h"

namespace velmora {
namespace {

TEST(LanguageTest, TheOptionWinsOverTheVariableAndAnUnknownNameGivesTheDesignedTexts) {
    constexpr auto kDesigned = Language::Designed;
    constexpr auto kEnglish = Language::English;
    // The arguments after the program, VELMORA_LANGUAGE, the language chosen and a part of the
    // warning (empty when there must be none).
    const std::tuple<QStringList, const char*, Language, const char*> cases[] = {
        {{}, "", kDesigned, ""},
        {{"--language", "en"}, "", kEnglish, ""},
        {{"--language=en"}, "", kEnglish, ""},
        {{}, "en", kEnglish, ""},
        {{}, "en_GB.UTF-8", kEnglish, ""},
        {{"--language", "EN-us"}, "", kEnglish, ""},
        {{"--language", "ja"}, "en", kDesigned, ""},
        {{"--language", "en", "--language=ja"}, "", kDesigned, ""},  // the last one counts
        {{"--language", "en"}, "fr", kEnglish, ""},
        {{"-platform", "offscreen"}, "", kDesigned, ""},  // other arguments are not ours
        {{"--language", "fr"}, "en", kDesigned, "unknown language \"fr\" in --language"},
        {{}, "english", kDesigned, "unknown language \"english\" in VELMORA_LANGUAGE"},
        {{"--language="}, "", kDesigned, "unknown language \"\""},
        {{"--language"}, "en", kDesigned, "--language needs a language, en or ja"},
    };
    for (const auto& [arguments, variable, language, part] : cases) {
        SCOPED_TRACE((arguments.join(' ') + " / " + variable).toStdString());
        const LanguageChoice choice =
            ChooseLanguage(QStringList{"velmora"} + arguments, QString::fromUtf8(variable));
        EXPECT_EQ(choice.language, language);
        const QString& w = choice.warning;
        EXPECT_TRUE(*part ? w.startsWith("velmora: ") && w.contains(QString::fromUtf8(part)) &&
                                w.endsWith("the default interface is shown.") && !w.contains('\n')
                          : w.isEmpty())
            << w.toStdString();
    }
}

TEST(LanguageTest, EnglishIsLoadedFromTheProgramAndTheDesignedTextsComeBack) {
    const char* start = "質量阻止能・飛程";
    // Choosing English again changes nothing.
    for (const auto& [language, shown] : {std::pair{Language::English, "Stopping powers"},
                                          {Language::English, "Stopping powers"},
                                          {Language::Designed, start}}) {
        ASSERT_TRUE(UseLanguage(language));
        EXPECT_EQ(QCoreApplication::translate("velmora::TitleWindow", start),
                  QString::fromUtf8(shown));
    }
}

}  // namespace
}  // namespace velmora

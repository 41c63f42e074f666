// Choosing the interface language from the command line and VELMORA_LANGUAGE, and loading it.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/language.h"

namespace velmora {
namespace {

TEST(LanguageTest, TheOptionWinsOverTheVariableAndAnUnknownNameGivesTheDesignedTexts) {
    constexpr auto kDesigned = Language::Designed;
    constexpr auto kEnglish = Language::English;
    struct Case {
        QStringList arguments;  // after the program
        const char* variable;
        Language language;
        const char* warning;  // a part of it; empty when there must be none
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const QString variable = QString::fromUtf8(c.variable);
        SCOPED_TRACE((c.arguments.join(' ') + " / " + variable).toStdString());
        const LanguageChoice choice =
            ChooseLanguage(QStringList{"velmora"} + c.arguments, variable);
        EXPECT_EQ(choice.language, c.language);
        if (*c.warning == '\0') {
            EXPECT_TRUE(choice.warning.isEmpty()) << choice.warning.toStdString();
        } else {
            EXPECT_TRUE(choice.warning.startsWith("velmora: ") &&
                        choice.warning.contains(QString::fromUtf8(c.warning)) &&
                        choice.warning.endsWith("the default interface is shown.") &&
                        !choice.warning.contains('\n'))
                << choice.warning.toStdString();
        }
    }
}

TEST(LanguageTest, EnglishIsLoadedFromTheProgramAndTheDesignedTextsComeBack) {
    const auto startButton = [] {
        return QCoreApplication::translate("velmora::TitleWindow", "質量阻止能・飛程");
    };
    ASSERT_TRUE(UseLanguage(Language::English));
    EXPECT_EQ(startButton(), "Stopping powers");
    ASSERT_TRUE(UseLanguage(Language::English));  // choosing it again changes nothing
    EXPECT_EQ(startButton(), "Stopping powers");
    ASSERT_TRUE(UseLanguage(Language::Designed));
    EXPECT_EQ(startButton(), QStringLiteral("質量阻止能・飛程"));
}

}  // namespace
}  // namespace velmora

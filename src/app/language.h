// The interface language: the designed texts by default, English on request.
#pragma once

#include <QString>
#include <QStringList>

namespace velmora {

enum class Language {
    Designed,  // the texts as designed: Japanese where they were designed in Japanese
    English,
};

struct LanguageChoice {
    Language language = Language::Designed;
    QString warning;  // one line for the standard error when the request was not understood
};

// The language asked for by "--language NAME" or "--language=NAME" among the program's arguments
// (as QCoreApplication::arguments() gives them, the program first; the last option counts),
// otherwise by the value of VELMORA_LANGUAGE. "en" asks for English and "ja" for the designed
// texts, also followed by a region or an encoding ("en_GB", "en-US", "en_US.UTF-8"); an empty
// variable asks for nothing. A name not understood, or the option without a name, gives the
// designed texts and a warning.
LanguageChoice ChooseLanguage(const QStringList& arguments, const QString& environmentValue);

// Puts the language's translation in place for the texts of windows created afterwards; the
// designed texts need none. Returns false, leaving the designed texts, when the translation cannot
// be loaded.
bool UseLanguage(Language language);

}  // namespace velmora

// The English interface: every window's texts in English where they were designed in Japanese,
// the same where they were English already, each within its control; and every message the
// program can show, in both languages.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QStyleOptionButton>
#include <QTranslator>
#include <functional>
#include <optional>

#include "app/language.h"
#include "graph/graph_window.h"
#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "interval_table/interval_table_window.h"
#include "support/program_test.h"
#include "toolkit/picture_box.h"
#include "toolkit/pictures.h"

namespace velmora::testing {
namespace {

// Kana, kanji, Japanese punctuation (the ideographic space included) and full-width forms.
bool HasJapanese(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x3000 && u <= 0x30FF) || (u >= 0x31F0 && u <= 0x31FF) ||
               (u >= 0x3400 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF) ||
               (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// The windows as a run that loaded a material and opened every window shows them.
std::vector<QWidget*> EveryWindow() {
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    mainWindow().elementList->setCurrentRow(0);
    mainWindow().okButton->click();
    return {&titleWindow(), &referenceWindow(), &termWindow(),
            &mainWindow(),  &graphWindow(),     &intervalTableWindow()};
}

// Each text of a window that a person sees or a screen reader speaks, named by where it stands:
// the caption, then per control its text, tool tip, accessible name and description, and what the
// graphs print. List rows and text boxes hold data, not texts of the program.
std::vector<std::pair<std::string, QString>> TextsOf(const QWidget& window) {
    std::vector<std::pair<std::string, QString>> texts = {{"caption", window.windowTitle()}};
    int index = 0;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const std::string where =
            widget->metaObject()->className() + (" " + std::to_string(index++));
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        for (const auto& [kind, text] :
             {std::pair{"text", label    ? label->text()
                                : button ? button->text()
                                         : QString()},
              std::pair{"tip", widget->toolTip()}, std::pair{"name", widget->accessibleName()},
              std::pair{"description", widget->accessibleDescription()}}) {
            if (!text.isEmpty()) {
                texts.emplace_back(where + " " + kind, text);
            }
        }
        if (const auto* graph = qobject_cast<const PictureBox*>(widget)) {
            for (const PrintedText& printed : graph->PrintedTexts()) {
                texts.emplace_back(where + " print", printed.text);
            }
        }
    }
    return texts;
}

// What a label's or button's text lacks of room, in pixels: a label's text must fit inside the
// label and the label inside its window; a button's icon, the gap after it and its text inside the
// button's frame.
std::string Crowded(const QWidget& window) {
    std::string crowded;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        const int lacking =
            std::max(label->fontMetrics().horizontalAdvance(label->text()) - label->width(),
                     label->geometry().right() - window.width() + 1);
        if (!label->text().isEmpty() && lacking > 0) {
            crowded += label->text().toStdString() + " lacks " + std::to_string(lacking) + "; ";
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const int lacking = icon + button->fontMetrics().horizontalAdvance(button->text()) - room;
        if (!button->text().isEmpty() && lacking > 0) {
            crowded += "button " + button->text().toStdString() + " lacks " +
                       std::to_string(lacking) + "; ";
        }
    }
    return crowded;
}

// Puts every text it is asked for in brackets: a text that shows without them did not go through
// the translation.
class BracketingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        return '[' + QString::fromUtf8(source) + ']';
    }
};

enum class Interface { Designed, English, Bracketed };

// The interface for the windows created while it lives; the designed texts again afterwards.
class InterfaceIn {
  public:
    explicit InterfaceIn(Interface chosen) {
        ResetProgramState();
        if (chosen == Interface::English) {
            EXPECT_TRUE(UseLanguage(Language::English));
        } else if (chosen == Interface::Bracketed) {
            QCoreApplication::installTranslator(&brackets_);
        }
    }
    ~InterfaceIn() {
        ResetProgramState();
        QCoreApplication::removeTranslator(&brackets_);
        UseLanguage(Language::Designed);
    }
    InterfaceIn(const InterfaceIn&) = delete;
    InterfaceIn& operator=(const InterfaceIn&) = delete;

  private:
    BracketingTranslator brackets_;
};

using EnglishInterfaceTest = ProgramTest;

TEST_F(EnglishInterfaceTest, EveryWindowIsInEnglishKeepsItsEnglishTextsAndFitsThem) {
    std::vector<std::vector<std::pair<std::string, QString>>> designed;
    std::vector<std::string> designedCrowded;
    for (QWidget* window : EveryWindow()) {
        designed.push_back(TextsOf(*window));
        designedCrowded.push_back(Crowded(*window));
    }
    const QImage designedExitSign = ExitSignPicture().toImage();
    const InterfaceIn english(Interface::English);
    const std::vector<QWidget*> windows = EveryWindow();
    ASSERT_EQ(windows.size(), designed.size());
    for (size_t w = 0; w < windows.size(); ++w) {
        const auto texts = TextsOf(*windows[w]);
        SCOPED_TRACE(texts.front().second.toStdString());
        ASSERT_EQ(texts.size(), designed[w].size());
        for (size_t i = 0; i < texts.size(); ++i) {
            const auto& [where, text] = texts[i];
            EXPECT_EQ(where, designed[w][i].first);
            EXPECT_FALSE(HasJapanese(text)) << where << ": " << text.toStdString();
            if (!HasJapanese(designed[w][i].second)) {
                EXPECT_EQ(text, designed[w][i].second) << where;
            }
        }
        // Only texts that stay as designed may stay as tight as designed (a pixel or two where
        // the stand-in fonts are wider than the original ones).
        EXPECT_EQ(Crowded(*windows[w]), designedCrowded[w]);
    }
    // The exit signs carry the English word instead of the Japanese one.
    EXPECT_NE(titleWindow().exitButton->icon().pixmap(kPictureSize).toImage(), designedExitSign);
    EXPECT_NE(mainWindow().backButton->icon().pixmap(kPictureSize).toImage(), designedExitSign);
}

// Every caption, label, button caption and tool tip is looked up in the translation, English ones
// too; the raised exponents and the arrow are signs, not words.
TEST_F(EnglishInterfaceTest, EveryTextGoesThroughTheTranslation) {
    const InterfaceIn bracketed(Interface::Bracketed);
    for (QWidget* window : EveryWindow()) {
        for (const auto& [where, text] : TextsOf(*window)) {
            const bool translatable =
                where == "caption" || where.ends_with(" text") || where.ends_with(" tip");
            EXPECT_TRUE(!translatable || (text.startsWith('[') && text.endsWith(']')) ||
                        text == "2" || text == "3" || text == QStringLiteral("⇒"))
                << where << ": " << text.toStdString();
        }
    }
}

// How a message is compared: whole, by its start (the rest depends on the system or on the
// arithmetic), or whole and never translated (the refusals of material files stay English).
enum class Compared { Whole, Start, Untranslated };

// One way of making the program show a message, and the message in both languages.
struct MessageCase {
    const char* what;
    std::function<void()> act;
    const char* designed;
    const char* english;  // nullptr: as designed, the message is English already
    Compared compared = Compared::Whole;
};

void Choose(FileListBox& list, const char* fileName) {
    const auto matches = list.findItems(QString::fromUtf8(fileName), Qt::MatchExactly);
    ASSERT_EQ(matches.size(), 1) << fileName;
    list.setCurrentRow(list.row(matches.first()));
}

// The table window over a loaded material, with the start, end and interval boxes typed.
IntervalTableWindow& TableWindowWith(const char* start, const char* end, const char* interval) {
    Choose(*mainWindow().elementList, "m.qrv");
    mainWindow().okButton->click();
    mainWindow().intervalTableButton->click();
    IntervalTableWindow& window = intervalTableWindow();
    window.startEnergyBox->SetText(start);
    window.endEnergyBox->SetText(end);
    window.intervalBox->SetText(interval);
    return window;
}

void Calculate(const char* start, const char* end, const char* interval) {
    TableWindowWith(start, end, interval).calculateButton->click();
}

void SaveAs(const char* name) {
    IntervalTableWindow& window = TableWindowWith("0.1", "10", "0.1");
    window.fileNameBox->SetText(QString::fromUtf8(name));
    window.saveButton->click();
}

TEST_F(EnglishInterfaceTest, EveryMessageIsInTheChosenLanguage) {
    TestMaterial badHead = SmoothMaterial(), badRow = SmoothMaterial();
    badHead.lineOverrides[4] = "  density 7.8";
    badRow.lineOverrides[57] = "   1.000E-1 garbage 1.0 1.0 1.0";
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    WriteRawFile("p_QRV", "big.qrv", std::string(4 * 1024 * 1024 + 1, ' '));
    WriteMaterialFile("p_STC", "head.stc", badHead);
    WriteMaterialFile("p_STC", "row.stc", badRow);
    QDir().mkdir("folder.csv");
    const MessageCase cases[] = {
        {"OK with no file chosen", [] { mainWindow().okButton->click(); },
         "元素または物質を選択して下さい", "Please choose an element, a compound or a mixture."},
        {"a file too large to read", [] { Choose(*mainWindow().elementList, "big.qrv"); },
         "\"p_QRV\\big.qrv\": the file cannot be read (the file is too large to be a material "
         "table).",
         nullptr, Compared::Untranslated},
        {"a head that is not a material's", [] { Choose(*mainWindow().compoundList, "head.stc"); },
         "\"p_STC\\head.stc\", line 4: \"density\" is not a number where the density belongs.",
         nullptr, Compared::Untranslated},
        {"a row that is not a material's",
         [] {
             Choose(*mainWindow().compoundList, "row.stc");
             mainWindow().okButton->click();
         },
         "\"p_STC\\row.stc\", line 57: \"garbage\" is not a number where the collision stopping "
         "power of row 47 belongs.",
         nullptr, Compared::Untranslated},
        {"an energy out of range",
         [] {
             Choose(*mainWindow().elementList, "m.qrv");
             mainWindow().okButton->click();
             mainWindow().energyBox->SetText("1500");
             mainWindow().energyBox->onKeyPress(13);
         },
         "This energy is out of range.", nullptr},
        {"an empty box", [] { Calculate("0.1", "", "0.1"); }, "入力されていない項目があります",
         "Some boxes have not been filled in."},
        {"no file name", [] { SaveAs(""); }, "入力されていない項目があります",
         "Some boxes have not been filled in."},
        {"a name with a slash", [] { SaveAs("a/b"); },
         "The file name must not contain \\ / : * ? \" < > | or control characters.", nullptr},
        {"no material",
         [] {
             IntervalTableWindow& window = TableWindowWith("0.1", "10", "0.1");
             SharedMaterialTable() = MaterialTable{};
             window.calculateButton->click();
         },
         "No material table has been loaded.", nullptr},
        {"a huge energy", [] { Calculate("1e400", "10", "0.1"); },
         "The energies entered are too large to compute with.", nullptr},
        {"a zero interval", [] { Calculate("0.1", "10", "0"); },
         "The energy interval must not be zero.", nullptr},
        {"a zero start", [] { Calculate("0", "10", "0.1"); },
         "The start and end energies must be greater than 0 MeV.", nullptr},
        // (1e-297 keV - 3000 keV) / -1000 keV rounds to 3: row 4 falls on 0 MeV.
        {"a row at 0 MeV", [] { Calculate("3", "1e-300", "-1"); },
         "Every energy of the table must be greater than 0 MeV (row 4 of the table would be at 0 "
         "MeV).",
         nullptr},
        {"an end above the table", [] { Calculate("500", "2000", "100"); },
         "The energies must not exceed the last energy of the material's table, 1000 MeV (row 7 "
         "of the table would be at 1100 MeV).",
         nullptr},
        // Log-log below the table: the radiative stopping power (0.01 E) underflows to zero.
        {"an energy without stopping powers", [] { Calculate("1e-322", "1e-322", "1"); },
         "The stopping powers cannot be computed at this energy (row 1 of the table would be at ",
         nullptr, Compared::Start},
        {"a save", [] { SaveAs("table"); }, "ファイルを保存しました", "The file has been saved."},
        {"a save onto a folder", [] { SaveAs("folder"); }, "The file could not be saved:\n",
         nullptr, Compared::Start},
    };
    for (const Interface chosen : {Interface::Designed, Interface::English, Interface::Bracketed}) {
        const InterfaceIn in(chosen);
        for (const MessageCase& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in interface " +
                         std::to_string(static_cast<int>(chosen)));
            ResetProgramState();
            recorder_.Clear();
            c.act();
            ASSERT_EQ(recorder_.Messages().size(), 1u);
            const QString shown = recorder_.Messages()[0].text;
            QString expected = QString::fromUtf8(c.designed);
            if (chosen == Interface::English && c.english) {
                expected = QString::fromUtf8(c.english);
            } else if (chosen == Interface::Bracketed && c.compared != Compared::Untranslated) {
                expected = '[' + expected + (c.compared == Compared::Whole ? "]" : "");
            }
            EXPECT_TRUE(c.compared == Compared::Start ? shown.startsWith(expected)
                                                      : shown == expected)
                << shown.toStdString();
            EXPECT_FALSE(chosen == Interface::English && HasJapanese(shown)) << shown.toStdString();
        }
    }
}

}  // namespace
}  // namespace velmora::testing

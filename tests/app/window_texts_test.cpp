// Every text the program shows, as designed and in English: the windows' fixed texts, each within
// its control, the graphs' printed labels and cursor lines, and every message.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTranslator>
#include <functional>

#include "app/language.h"
#include "graph/graph_window.h"
#include "info_windows/reference_window.h"
#include "info_windows/term_window.h"
#include "info_windows/title_window.h"
#include "interval_table/interval_table_window.h"
#include "support/program_test.h"
#include "toolkit/line_control.h"
#include "toolkit/picture_box.h"
#include "toolkit/pictures.h"

namespace velmora::testing {
namespace {

// Kana, kanji, Japanese punctuation (the ideographic space included) and full-width forms.
bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QString::fromUtf16(u"[\u3000-\u30FF\u31F0-\u31FF\u3400-\u9FFF\uF900-\uFAFF\uFF00-\uFFEF]"));
    return text.contains(japanese);
}

// The windows as a run that loaded a material and opened every window shows them.
std::vector<QWidget*> EveryWindow() {
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    mainWindow().elementList->setCurrentRow(0);
    mainWindow().okButton->click();
    return {&titleWindow(), &referenceWindow(), &termWindow(),
            &mainWindow(),  &graphWindow(),     &intervalTableWindow()};
}

// Each text of a window that a person sees or a screen reader speaks, named by where it stands.
// List rows and text boxes hold data, not texts of the program.
using Texts = std::vector<std::pair<std::string, QString>>;
Texts TextsOf(const QWidget& window) {
    Texts texts = {{"caption", window.windowTitle()}};
    int index = 0;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const std::string where = w->metaObject()->className() + (" " + std::to_string(index++));
        const auto* label = qobject_cast<const QLabel*>(w);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        const QString text = label ? label->text() : button ? button->text() : QString();
        for (const auto& [kind, t] :
             {std::pair{label ? " label" : " button", text}, std::pair{" tip", w->toolTip()},
              std::pair{" name", w->accessibleName()},
              std::pair{" description", w->accessibleDescription()}}) {
            if (!t.isEmpty())
                texts.emplace_back(where + kind, t);
        }
        if (const auto* graph = qobject_cast<const PictureBox*>(w)) {
            for (const PrintedText& printed : graph->PrintedTexts())
                texts.emplace_back(where + " print", printed.text);
        }
    }
    return texts;
}

std::string CaptionThenSorted(QStringList texts) {
    std::sort(texts.begin() + 1, texts.end());
    return texts.join('|').toStdString();
}

// The caption, then the labels, button captions ("button ...") and tool tips ("tip ...") sorted.
std::string FixedTexts(const Texts& texts, bool withLabels) {
    QStringList fixed = {texts.front().second};
    for (const auto& [where, text] : texts) {
        const std::string kind = where.substr(where.rfind(' ') + 1);
        if (kind == "tip" || (withLabels && kind == "button"))
            fixed.append(QString::fromStdString(kind) + ' ' + text);
        else if (withLabels && kind == "label")
            fixed.append(text);
    }
    return CaptionThenSorted(fixed);
}

// What texts lack of room, in pixels: a label's text inside the label and the label inside its
// window; a button's icon, the gap after it and its text inside the button's frame.
std::string Crowded(const QWidget& window) {
    std::string crowded;
    const auto note = [&crowded](const char* kind, const QString& text, int lacking) {
        if (!text.isEmpty() && lacking > 0)
            crowded += kind + text.toStdString() + " lacks " + std::to_string(lacking) + "; ";
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        note("", label->text(),
             std::max(label->fontMetrics().horizontalAdvance(label->text()) - label->width(),
                      label->geometry().right() - window.width() + 1));
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const int room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        note("button ", button->text(),
             icon + button->fontMetrics().horizontalAdvance(button->text()) - room);
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
struct InterfaceIn {
    explicit InterfaceIn(Interface chosen) {
        ResetProgramState();
        EXPECT_TRUE(chosen != Interface::English || UseLanguage(Language::English));
        if (chosen == Interface::Bracketed)
            QCoreApplication::installTranslator(&brackets);
    }
    ~InterfaceIn() {
        ResetProgramState();
        QCoreApplication::removeTranslator(&brackets);
        UseLanguage(Language::Designed);
    }
    BracketingTranslator brackets;
};

using WindowTextsTest = ProgramTest;

TEST_F(WindowTextsTest, DesignedTextsExactlyAndFittingAndInEnglishWithoutJapanese) {
    // Of the main window only the caption and the tool tips; the graph window's caption names the
    // material.
    const char16_t* const exactly[] = {
        u"  Velmora|button 質量阻止能・飛程|button データ出典・文献|tip  bye |"
        u"Nuttallanthus canadensis|Stopping-Power for Positrons|Stopping-Power for Positrons|"
        u"© 2026 Velmora developers",
        u"    Data reference|データ出典および文献|"
        u"M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons|"
        u"and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982).|"
        u"ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984).|"
        u"button 閉",
        u"   Meaning of the term|meaning of the term|(cited from ICRU 37)|"
        u"collision stopping power|the average energy loss per unit pathlength due to "
        u"inelastic Coulomb collisions.|radiative stopping power|the average energy loss per "
        u"init pathlength due to the emission of bremsstrahlung |in the field of the atomic "
        u"nucleus and of the atomic electrons.|csda range (continuous-slowing-down-approximation)|"
        u"the average pathlength traveled by an positron as it slows down from an initial|"
        u"energy to a final energy.|button Close",
        u"Mass Stopping Powers and  csda range data|tip  任意エネルギー入力  　|tip  bye |"
        u"tip  用語の説明 ",
        nullptr,
        u"Data Table (Unrestricted)|等エネルギー間隔データの作成|（阻止能データのみ）|"
        u"（エクセルの csv 形式で保存）|エネルギー範囲|Max. 1000 MeV|～|MeV|MeV|エネルギー間隔|"
        u"Kinetic|energy|MeV|Stopping-Power|Collision|Radiative|MeVcm|2|/g|MeVcm|2|/g|"
        u"保存ファイル|ファイル名（拡張子なしで入力）|button Calculation|button Save|button "
        u"Cancel"};
    std::vector<Texts> designed;
    std::vector<std::string> designedCrowded;
    for (QWidget* window : EveryWindow()) {
        const size_t w = designed.size();
        designed.push_back(TextsOf(*window));
        designedCrowded.push_back(Crowded(*window));
        if (exactly[w]) {
            EXPECT_EQ(FixedTexts(designed[w], window != &mainWindow()),
                      CaptionThenSorted(QString::fromUtf16(exactly[w]).split('|')));
        }
        // The table window's are a pixel or two tight where the stand-in fonts are wider.
        EXPECT_TRUE(window == &intervalTableWindow() || designedCrowded[w].empty())
            << designedCrowded[w];
    }
    const QImage designedExitSign = ExitSignPicture().toImage();
    const InterfaceIn english(Interface::English);
    const std::vector<QWidget*> windows = EveryWindow();
    for (size_t w = 0; w < windows.size(); ++w) {
        const Texts texts = TextsOf(*windows[w]);
        SCOPED_TRACE(texts.front().second.toStdString());
        ASSERT_EQ(texts.size(), designed[w].size());
        for (size_t i = 0; i < texts.size(); ++i) {
            const auto& [where, text] = texts[i];
            EXPECT_EQ(where, designed[w][i].first);
            EXPECT_FALSE(HasJapanese(text)) << where << ": " << text.toStdString();
            EXPECT_TRUE(HasJapanese(designed[w][i].second) || text == designed[w][i].second)
                << where;
        }
        // Only texts that stay as designed may stay as tight as designed.
        EXPECT_EQ(Crowded(*windows[w]), designedCrowded[w]);
    }
    // The exit signs carry the English word instead of the Japanese one.
    EXPECT_NE(titleWindow().exitButton->icon().pixmap(kPictureSize).toImage(), designedExitSign);
    EXPECT_NE(mainWindow().backButton->icon().pixmap(kPictureSize).toImage(), designedExitSign);
}

// What a graph printed: "text@x,y/points", joined by "|"; "~" for the x of a text that continues
// the line just right of the one before it (its x depends on the font's widths).
QString Printed(const PictureBox& graph) {
    QStringList printed;
    double previousX = 0, previousY = 0;
    for (const PrintedText& text : graph.PrintedTexts()) {
        const bool continues = text.y == previousY && text.x > previousX && text.x < previousX + 1;
        const QString x = continues ? QStringLiteral("~") : QString::number(text.x);
        printed.append(
            QStringLiteral("%1@%2,%3/%4").arg(text.text, x).arg(text.y).arg(text.points));
        previousX = text.x;
        previousY = text.y;
    }
    return printed.join('|');
}

TEST_F(WindowTextsTest, GraphsPrintTheirLabelsAtTheirPlacesAndTheCursorLinesHaveFixedEnds) {
    EveryWindow();
    const GraphWindow& g = graphWindow();
    EXPECT_EQ(Printed(*g.stoppingPowerGraph).toStdString(),
              "Mass Stopping Power@2.5,12.8/14|Mass Collision Stopping Power@2.5,11.8/14|"
              "Mass Radiation Stopping Power@2.5,10.8/14|"
              "10@-0.4,-0.1/14|-2@~,-0.1/8|10@1.9,-0.1/14|-1@~,-0.1/8|10@4.2,-0.1/14|0@~,-0.1/8|"
              "10@6.5,-0.1/14|1@~,-0.1/8|10@8.8,-0.1/14|2@~,-0.1/8|10@11.1,-0.1/14|3@~,-0.1/8|"
              "Electron kinetic energy,    MeV@3,-0.8/14|"
              "10@-0.8,0.4/14|-3@~,0.4/8|10@-0.8,2.6/14|-2@~,2.6/8|10@-0.8,4.9/14|-1@~,4.9/8|"
              "10@-0.8,7.2/14|0@~,7.2/8|10@-0.8,9.5/14|1@~,9.5/8|10@-0.8,11.8/14|2@~,11.8/8|"
              "10@-0.8,14.1/14|3@~,14.1/8|MeV@-1.3,11/14|cm@-1.3,10.5/14|2@~,10.5/8|/g@~,10.5/14");
    EXPECT_EQ(Printed(*g.rangeGraph).toStdString(),
              "10@-0.8,0.8/14|-4@~,0.8/8|10@-0.8,4.9/14|-2@~,4.9/8|10@-0.8,9.5/14|0@~,9.5/8|"
              "10@-0.8,14.1/14|2@~,14.1/8|csda@-1.3,12.6/14|g@-1.3,11.2/14|/cm@~,11.2/14|"
              "2@~,11.2/8");

    // Colour, the fixed ends (the moving coordinate as 0) and whether the line is vertical.
    const std::tuple<LineControl*, QColor, QLineF, bool> lines[] = {
        {g.stoppingEnergyLine, QColor(0, 255, 255), QLineF(0, 13.76f, 0, 0), true},
        {g.collisionLine, QColor(255, 255, 0), QLineF(-0.06f, 0, 11.44f, 0), false},
        {g.radiativeLine, QColor(255, 0, 0), QLineF(0, 0, 11.5f, 0), false},
        {g.totalLine, QColor(255, 255, 255), QLineF(0, 0, 11.5f, 0), false},
        {g.rangeEnergyLine, QColor(0, 255, 255), QLineF(0, 13.75f, 0, 0), true},
        {g.rangeLine, QColor(255, 255, 0), QLineF(0, 0, 11.5f, 0), false}};
    mainWindow().tableList->SetListIndex(40);  // moves every line to row 41
    for (const auto& [line, colour, ends, vertical] : lines) {
        EXPECT_EQ(line->Color(), colour);
        const QLineF now(line->X1(), line->Y1(), line->X2(), line->Y2());
        EXPECT_EQ(vertical ? QLineF(0, now.y1(), 0, now.y2()) : QLineF(now.x1(), 0, now.x2(), 0),
                  ends);
        EXPECT_TRUE(vertical ? now.x1() == now.x2() && now.x1() != 0
                             : now.y1() == now.y2() && now.y1() != 0);
    }
    // The energy lines stand in their own graph: each box shows its vertical cyan line.
    for (const auto& [box, line] : {std::pair{g.stoppingPowerGraph, g.stoppingEnergyLine},
                                    std::pair{g.rangeGraph, g.rangeEnergyLine}}) {
        EXPECT_EQ(box->Composite().pixelColor(box->ToPixel(line->X1(), 1.0)), QColor(0, 255, 255));
    }
}

// Every caption, label, button caption and tool tip is looked up in the translation, English ones
// too; the raised exponents and the arrow are signs, not words.
TEST_F(WindowTextsTest, EveryTextGoesThroughTheTranslation) {
    const InterfaceIn bracketed(Interface::Bracketed);
    for (QWidget* window : EveryWindow()) {
        for (const auto& [where, text] : TextsOf(*window)) {
            const bool translatable = where == "caption" || where.ends_with(" label") ||
                                      where.ends_with(" button") || where.ends_with(" tip");
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
    std::function<void()> act;
    const char* designed;
    const char* english = nullptr;  // nullptr: as designed, the message is English already
    Compared compared = Compared::Whole;
};

void Choose(FileListBox& list, const char* fileName) {
    const auto matches = list.findItems(QString::fromUtf8(fileName), Qt::MatchExactly);
    ASSERT_EQ(matches.size(), 1) << fileName;
    list.setCurrentRow(list.row(matches.first()));
}

// The table window over a loaded material with the boxes typed, then Calculation, or Save with the
// file name when one is given.
void Table(const char* start, const char* end, const char* interval, const char* save = nullptr) {
    Choose(*mainWindow().elementList, "m.qrv");
    mainWindow().okButton->click();
    mainWindow().intervalTableButton->click();
    IntervalTableWindow& window = intervalTableWindow();
    window.startEnergyBox->SetText(start);
    window.endEnergyBox->SetText(end);
    window.intervalBox->SetText(interval);
    window.fileNameBox->SetText(QString::fromUtf8(save ? save : ""));
    (save ? window.saveButton : window.calculateButton)->click();
}

TEST_F(WindowTextsTest, EveryMessageIsInTheChosenLanguage) {
    TestMaterial badHead = SmoothMaterial(), badRow = SmoothMaterial();
    badHead.lineOverrides[4] = "  density 7.8";
    badRow.lineOverrides[57] = "   1.000E-1 garbage 1.0 1.0 1.0";
    WriteMaterialFile("p_QRV", "m.qrv", SmoothMaterial());
    WriteRawFile("p_QRV", "big.qrv", std::string(4 * 1024 * 1024 + 1, ' '));
    WriteMaterialFile("p_STC", "head.stc", badHead);
    WriteMaterialFile("p_STC", "row.stc", badRow);
    QDir().mkdir("folder.csv");
    const MessageCase cases[] = {
        {[] { mainWindow().okButton->click(); }, "元素または物質を選択して下さい",
         "Please choose an element, a compound or a mixture."},
        {[] { Choose(*mainWindow().elementList, "big.qrv"); },
         "\"p_QRV\\big.qrv\": the file cannot be read (the file is too large to be a material "
         "table).",
         nullptr, Compared::Untranslated},
        {[] { Choose(*mainWindow().compoundList, "head.stc"); },
         "\"p_STC\\head.stc\", line 4: \"density\" is not a number where the density belongs.",
         nullptr, Compared::Untranslated},
        {[] {
             Choose(*mainWindow().compoundList, "row.stc");
             mainWindow().okButton->click();
         },
         "\"p_STC\\row.stc\", line 57: \"garbage\" is not a number where the collision stopping "
         "power of row 47 belongs.",
         nullptr, Compared::Untranslated},
        {[] {
             Choose(*mainWindow().elementList, "m.qrv");
             mainWindow().okButton->click();
             mainWindow().energyBox->SetText("1500");
             mainWindow().energyBox->onKeyPress(13);
         },
         "This energy is out of range."},
        {[] { Table("0.1", "", "0.1"); }, "入力されていない項目があります",
         "Some boxes have not been filled in."},
        {[] { Table("0.1", "10", "0.1", ""); }, "入力されていない項目があります",
         "Some boxes have not been filled in."},
        {[] { Table("0.1", "10", "0.1", "a/b"); },
         "The file name must not contain \\ / : * ? \" < > | or control characters."},
        {[] {
             Table("0.1", "10", "0.1");
             SharedMaterialTable() = MaterialTable{};
             intervalTableWindow().calculateButton->click();
         },
         "No material table has been loaded."},
        {[] { Table("1e400", "10", "0.1"); },
         "The energies entered are too large to compute with."},
        {[] { Table("0.1", "10", "0"); }, "The energy interval must not be zero."},
        // (1e-297 keV - 3000 keV) / -1000 keV rounds to 3: row 4 falls on 0 MeV.
        {[] { Table("3", "1e-300", "-1"); },
         "Every energy of the table must be greater than 0 MeV (row 4 of the table would be at 0 "
         "MeV)."},
        {[] { Table("500", "2000", "100"); },
         "The energies must not exceed the last energy of the material's table, 1000 MeV (row 7 "
         "of the table would be at 1100 MeV)."},
        // Log-log below the table: the radiative stopping power (0.01 E) underflows to zero.
        {[] { Table("1e-322", "1e-322", "1"); },
         "The stopping powers cannot be computed at this energy (row 1 of the table would be at ",
         nullptr, Compared::Start},
        {[] { Table("0.1", "10", "0.1", "table"); }, "ファイルを保存しました",
         "The file has been saved."},
        {[] { Table("0.1", "10", "0.1", "folder"); }, "The file could not be saved:\n", nullptr,
         Compared::Start},
    };
    for (const Interface chosen : {Interface::Designed, Interface::English, Interface::Bracketed}) {
        const InterfaceIn in(chosen);
        for (const MessageCase& c : cases) {
            SCOPED_TRACE(std::string(c.designed) + " in interface " +
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

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>velmora::EmittersWindow</name>
    <message>
        <source>陽電子放出核種の飛程</source>
        <translation>Ranges of positron emitters</translation>
    </message>
    <message>
        <source>核種</source>
        <translation>Nuclide</translation>
    </message>
    <message>
        <source>半減期</source>
        <translation>Half-life</translation>
    </message>
    <message>
        <source>陽電子
/100壊変</source>
        <translation>Positrons
per 100 decays</translation>
    </message>
    <message>
        <source>最大エネルギー
MeV</source>
        <translation>Endpoint
MeV</translation>
    </message>
    <message>
        <source>平均エネルギー
MeV</source>
        <translation>Mean energy
MeV</translation>
    </message>
    <message>
        <source>平均csda飛程
g/cm2</source>
        <translation>Mean csda range
g/cm2</translation>
    </message>
    <message>
        <source>平均csda飛程
mm</source>
        <translation>Mean csda range
mm</translation>
    </message>
    <message>
        <source>厚さ</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>選んだ核種の最大エネルギーと平均エネルギーを、グラフに紫の縦線で示します（右が最大、左が平均）。</source>
        <translation>The chosen nuclide's endpoint and mean energies are marked on the graphs by magenta lines (the endpoint right, the mean left).</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>厚さは正の数 (mm) で入力して下さい</source>
        <translation>Please type the thickness as a positive number of millimetres.</translation>
    </message>
    <message>
        <source>あなたの核種リストは読み込めませんでした（同梱のリストを使います）：%1</source>
        <translation>Your nuclide list was not read (the bundled list is used): %1</translation>
    </message>
    <message>
        <source>主画面で物質を読み込むと、その物質での飛程を示します。</source>
        <translation>Load a material in the main window to see the ranges in it.</translation>
    </message>
    <message>
        <source>この物質の表からは %1 の飛程を求められません。</source>
        <translation>The table of this material cannot give the ranges of %1.</translation>
    </message>
    <message>
        <source>* あなたの核種リスト %1 から</source>
        <translation>* from your nuclide list %1</translation>
    </message>
    <message>
        <source>%1（密度 %2 g/cm3、陽電子の csda 飛程）</source>
        <translation>%1 (density %2 g/cm3, csda ranges of positrons)</translation>
    </message>
    <message>
        <source>%1（密度 %2 g/cm3、同じエネルギーの電子の csda 飛程）</source>
        <translation>%1 (density %2 g/cm3, csda ranges of electrons of the same energies)</translation>
    </message>
    <message>
        <source>飛程の表</source>
        <translation>Range tables</translation>
    </message>
    <message>
        <source>陽電子</source>
        <translation>Positrons</translation>
    </message>
    <message>
        <source>電子（文献との比較）</source>
        <translation>Electrons (to compare with the literature)</translation>
    </message>
    <message>
        <source>%1 mm を超える
割合 %</source>
        <translation>Beyond %1 mm
%</translation>
    </message>
    <message>
        <source>csda 飛程は道のりで深さではないため、この割合は厚さ %1 mm を通り抜ける陽電子の割合の上限です。</source>
        <translation>The csda range is a path length, not a depth: this share is an upper bound on the positrons that get through %1 mm.</translation>
    </message>
</context>
<context>
    <name>velmora::ExitSignPicture</name>
    <message>
        <source>非常口</source>
        <translation>EXIT</translation>
    </message>
</context>
<context>
    <name>velmora::GraphWindow</name>
    <message>
        <source>There is no electron table for this material.</source>
        <translation>There is no electron table for this material.</translation>
    </message>
    <message>
        <source>There is no electron table for this material: %1 cannot be read (%2).</source>
        <translation>There is no electron table for this material: %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>The electron table cannot be used: %1</source>
        <translation>The electron table cannot be used: %1</translation>
    </message>
    <message>
        <source>The electron table %1 is for &quot;%2&quot;, not for &quot;%3&quot;.</source>
        <translation>The electron table %1 is for &quot;%2&quot;, not for &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Mass Stopping Power</source>
        <translation>Mass Stopping Power</translation>
    </message>
    <message>
        <source>Mass Collision Stopping Power</source>
        <translation>Mass Collision Stopping Power</translation>
    </message>
    <message>
        <source>Mass Radiation Stopping Power</source>
        <translation>Mass Radiation Stopping Power</translation>
    </message>
    <message>
        <source>Electron kinetic energy,    MeV</source>
        <translation>Electron kinetic energy,    MeV</translation>
    </message>
    <message>
        <source>csda</source>
        <translation>csda</translation>
    </message>
    <message>
        <source>Positrons</source>
        <translation>Positrons</translation>
    </message>
    <message>
        <source>Electrons</source>
        <translation>Electrons</translation>
    </message>
    <message>
        <source>  %1     Density = %2[g/cm3]     (S/ρ)</source>
        <translation>  %1     Density = %2[g/cm3]     (S/ρ)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>PNG image, twice the size (*.png)</source>
        <translation>PNG image, twice the size (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing, text as text (*.svg)</source>
        <translation>SVG drawing, text as text (*.svg)</translation>
    </message>
    <message>
        <source>Save graphs as</source>
        <translation>Save graphs as</translation>
    </message>
    <message>
        <source>The graphs could not be saved:
%1
%2</source>
        <translation>The graphs could not be saved:
%1
%2</translation>
    </message>
    <message>
        <source>Compare with electrons</source>
        <translation>Compare with electrons</translation>
    </message>
    <message>
        <source>Save graphs as...</source>
        <translation>Save graphs as...</translation>
    </message>
    <message>
        <source>Copy table</source>
        <translation>Copy table</translation>
    </message>
    <message>
        <source>No material is shown yet.</source>
        <translation>No material is shown yet.</translation>
    </message>
    <message>
        <source>Draws the electron curves dashed beside the positron curves.</source>
        <translation>Draws the electron curves dashed beside the positron curves.</translation>
    </message>
    <message>
        <source>Positron emitters...</source>
        <translation>Positron emitters...</translation>
    </message>
</context>
<context>
    <name>velmora::IntervalCalculation</name>
    <message>
        <source>No material table has been loaded.</source>
        <translation>No material table has been loaded.</translation>
    </message>
    <message>
        <source>The energies entered are too large to compute with.</source>
        <translation>The energies entered are too large to compute with.</translation>
    </message>
    <message>
        <source>The energy interval must not be zero.</source>
        <translation>The energy interval must not be zero.</translation>
    </message>
    <message>
        <source>Every energy of the table must be greater than 0 MeV (row %1 of the table would be at %2 MeV).</source>
        <translation>Every energy of the table must be greater than 0 MeV (row %1 of the table would be at %2 MeV).</translation>
    </message>
    <message>
        <source>The energies must not exceed the last energy of the material&apos;s table, %1 MeV (row %2 of the table would be at %3 MeV).</source>
        <translation>The energies must not exceed the last energy of the material&apos;s table, %1 MeV (row %2 of the table would be at %3 MeV).</translation>
    </message>
    <message>
        <source>The stopping powers cannot be computed at this energy (row %1 of the table would be at %2 MeV).</source>
        <translation>The stopping powers cannot be computed at this energy (row %1 of the table would be at %2 MeV).</translation>
    </message>
</context>
<context>
    <name>velmora::IntervalTableWindow</name>
    <message>
        <source>入力されていない項目があります</source>
        <translation>Some boxes have not been filled in.</translation>
    </message>
    <message>
        <source>ファイルを保存しました</source>
        <translation>The file has been saved.</translation>
    </message>
    <message>
        <source>The file name must not contain \ / : * ? &quot; &lt; &gt; | or control characters.</source>
        <translation>The file name must not contain \ / : * ? &quot; &lt; &gt; | or control characters.</translation>
    </message>
    <message>
        <source>The file could not be saved:
%1
%2</source>
        <translation>The file could not be saved:
%1
%2</translation>
    </message>
    <message>
        <source>MeVcm</source>
        <translation>MeVcm</translation>
    </message>
    <message>
        <source>/g</source>
        <translation>/g</translation>
    </message>
    <message>
        <source>Data Table (Unrestricted)</source>
        <translation>Data Table (Unrestricted)</translation>
    </message>
    <message>
        <source>等エネルギー間隔データの作成</source>
        <translation>Data at equal energy intervals</translation>
    </message>
    <message>
        <source>（阻止能データのみ）</source>
        <translation>(stopping powers only)</translation>
    </message>
    <message>
        <source>（エクセルの csv 形式で保存）</source>
        <translation>(saved as an Excel csv file)</translation>
    </message>
    <message>
        <source>エネルギー範囲</source>
        <translation>Energy range</translation>
    </message>
    <message>
        <source>Max. 1000 MeV</source>
        <translation>Max. 1000 MeV</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>MeV</source>
        <translation>MeV</translation>
    </message>
    <message>
        <source>エネルギー間隔</source>
        <translation>Energy interval</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Stopping-Power</source>
        <translation>Stopping-Power</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Kinetic</translation>
    </message>
    <message>
        <source>energy</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Radiative</source>
        <translation>Radiative</translation>
    </message>
    <message>
        <source>保存ファイル</source>
        <translation>File to save</translation>
    </message>
    <message>
        <source>ファイル名（拡張子なしで入力）</source>
        <translation>File name (without extension)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>This energy is out of range.</source>
        <translation>This energy is out of range.</translation>
    </message>
    <message>
        <source>元素または物質を選択して下さい</source>
        <translation>Please choose an element, a compound or a mixture.</translation>
    </message>
    <message>
        <source>Mass Stopping Powers and  csda range data</source>
        <translation>Mass Stopping Powers and  csda range data</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>Elements</translation>
    </message>
    <message>
        <source>Compounds and Mixtures</source>
        <translation>Compounds and Mixtures</translation>
    </message>
    <message>
        <source>Material name</source>
        <translation>Material name</translation>
    </message>
    <message>
        <source>density (g/cm  )</source>
        <extracomment>The two blanks before &quot;)&quot; make room for a raised 3.</extracomment>
        <translation>density (g/cm  )</translation>
    </message>
    <message>
        <source>mean excitation energy</source>
        <translation>mean excitation energy</translation>
    </message>
    <message>
        <source>Kinetic</source>
        <translation>Kinetic</translation>
    </message>
    <message>
        <source>energy</source>
        <translation>energy</translation>
    </message>
    <message>
        <source>MeV</source>
        <translation>MeV</translation>
    </message>
    <message>
        <source>Mass Stopping Powers</source>
        <translation>Mass Stopping Powers</translation>
    </message>
    <message>
        <source>Collision</source>
        <translation>Collision</translation>
    </message>
    <message>
        <source>Radiative</source>
        <translation>Radiative</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>MeV cm</source>
        <translation>MeV cm</translation>
    </message>
    <message>
        <source>/g</source>
        <translation>/g</translation>
    </message>
    <message>
        <source>csda</source>
        <translation>csda</translation>
    </message>
    <message>
        <source>range</source>
        <translation>range</translation>
    </message>
    <message>
        <source>g/cm</source>
        <translation>g/cm</translation>
    </message>
    <message>
        <source>Energy</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>csda range</source>
        <translation>csda range</translation>
    </message>
    <message>
        <source> 任意エネルギー入力  &#x3000;</source>
        <translation> Type any energy </translation>
    </message>
    <message>
        <source> bye </source>
        <translation> bye </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>等エネルギー間隔データ表作成</source>
        <translation>Make an equal-interval data table</translation>
    </message>
    <message>
        <source> 用語の説明 </source>
        <translation> Explanation of terms </translation>
    </message>
</context>
<context>
    <name>velmora::ReferenceWindow</name>
    <message>
        <source>    Data reference</source>
        <translation>    Data reference</translation>
    </message>
    <message>
        <source>データ出典および文献</source>
        <translation>Data sources and references</translation>
    </message>
    <message>
        <source>M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons</source>
        <translation>M. J. Berger and S. M. Seltzer : Stopping Powers and Ranges of Electrons</translation>
    </message>
    <message>
        <source>and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982).</source>
        <translation>and Positrons. NBSIR 82-2550, National Bureau of Standards, (1982).</translation>
    </message>
    <message>
        <source>ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984).</source>
        <translation>ICRU Report 37 : Stopping powers for electrons and positrons.. ICRU, (1984).</translation>
    </message>
    <message>
        <source>閉</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velmora::TermWindow</name>
    <message>
        <source>   Meaning of the term</source>
        <translation>   Meaning of the term</translation>
    </message>
    <message>
        <source>meaning of the term</source>
        <translation>meaning of the term</translation>
    </message>
    <message>
        <source>(cited from ICRU 37)</source>
        <translation>(cited from ICRU 37)</translation>
    </message>
    <message>
        <source>collision stopping power</source>
        <translation>collision stopping power</translation>
    </message>
    <message>
        <source>the average energy loss per unit pathlength due to inelastic Coulomb collisions.</source>
        <translation>the average energy loss per unit pathlength due to inelastic Coulomb collisions.</translation>
    </message>
    <message>
        <source>radiative stopping power</source>
        <translation>radiative stopping power</translation>
    </message>
    <message>
        <source>the average energy loss per init pathlength due to the emission of bremsstrahlung </source>
        <translation>the average energy loss per init pathlength due to the emission of bremsstrahlung </translation>
    </message>
    <message>
        <source>in the field of the atomic nucleus and of the atomic electrons.</source>
        <translation>in the field of the atomic nucleus and of the atomic electrons.</translation>
    </message>
    <message>
        <source>csda range (continuous-slowing-down-approximation)</source>
        <translation>csda range (continuous-slowing-down-approximation)</translation>
    </message>
    <message>
        <source>the average pathlength traveled by an positron as it slows down from an initial</source>
        <translation>the average pathlength traveled by an positron as it slows down from an initial</translation>
    </message>
    <message>
        <source>energy to a final energy.</source>
        <translation>energy to a final energy.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velmora::TitleWindow</name>
    <message>
        <source>  Velmora</source>
        <translation>  Velmora</translation>
    </message>
    <message>
        <source>質量阻止能・飛程</source>
        <translation>Stopping powers</translation>
    </message>
    <message>
        <source> bye </source>
        <translation> bye </translation>
    </message>
    <message>
        <source>データ出典・文献</source>
        <translation>Data references</translation>
    </message>
    <message>
        <source>Nuttallanthus canadensis</source>
        <translation>Nuttallanthus canadensis</translation>
    </message>
    <message>
        <source>Stopping-Power for Positrons</source>
        <translation>Stopping-Power for Positrons</translation>
    </message>
    <message>
        <source>© 2026 Velmora developers</source>
        <translation>© 2026 Velmora developers</translation>
    </message>
</context>
</TS>

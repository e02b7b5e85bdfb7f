#pragma once
// Texts of the about box, the notice dialog and the periphery dialogs
// (advertising and support).

#include "i18n/WordTable.h"

namespace tavlira::words {

// The caption of the notice dialog.
inline constexpr WordTable Attention{{"Attention", "Внимание", "Achtung", "Attention", "Atención",
                                      "注意", "Attenzione", "Upozornění", "注意", "알림"}};

// The about box.
inline constexpr WordTable SeparateThanks{
    {"Separate thank you:", "Отдельное спасибо:", "Besonderer Dank an:",
     "Remerciements particuliers:", "Agradecimientos especiales:", "特別感謝：",
     "Un ringraziamento speciale:", "Zvláštní poděkování:", "スペシャルサンクス：",
     "특별히 감사드립니다:"}};
inline constexpr WordTable FragmentsThanks{
    {"In the program many graphic, sound and musical fragments were used.\n\r"
     "Thank you to their authors.",
     "В программе использовано много графических, звуковых и музыкальных фрагментов.\n\r"
     "Спасибо их авторам.",
     "Im Programm wurden viele Grafik-, Ton- und Musikfragmente verwendet.\n\r"
     "Danke an ihre Urheber.",
     "Le programme utilise de nombreux fragments graphiques, sonores et musicaux.\n\r"
     "Merci à leurs auteurs.",
     "El programa usa muchos fragmentos gráficos, sonoros y musicales.\n\r"
     "Gracias a sus autores.",
     "本程式使用了許多圖像、音效和音樂素材。\n\r"
     "感謝它們的作者。",
     "Nel programma sono stati usati molti frammenti grafici, sonori e musicali.\n\r"
     "Grazie ai loro autori.",
     "V programu bylo použito mnoho grafických, zvukových a hudebních prvků.\n\r"
     "Děkujeme jejich autorům.",
     "このプログラムでは多くの画像・効果音・音楽素材を使用しています。\n\r"
     "作者の皆様に感謝します。",
     "이 프로그램에는 많은 그래픽, 사운드, 음악 자료가 사용되었습니다.\n\r"
     "원작자분들께 감사드립니다."}};
// What the game is built on, under "Separate thank you:", and its licence.
inline constexpr WordTable BuiltOnCredits{{"Qt 6, the library of the windows (LGPL-3.0);\n\r"
                                           "giflib, the writer of the animations (MIT);\n\r"
                                           "the card themes of gnome-cards-data (GPL-3+);\n\r"
                                           "the DejaVu and WenQuanYi Micro Hei fonts.",
                                           "Qt 6 — библиотека окон (LGPL-3.0);\n\r"
                                           "giflib — запись анимаций (MIT);\n\r"
                                           "колоды карт из gnome-cards-data (GPL-3+);\n\r"
                                           "шрифты DejaVu и WenQuanYi Micro Hei.",
                                           "Qt 6, die Bibliothek der Fenster (LGPL-3.0);\n\r"
                                           "giflib, das die Animationen schreibt (MIT);\n\r"
                                           "die Kartenmotive aus gnome-cards-data (GPL-3+);\n\r"
                                           "die Schriften DejaVu und WenQuanYi Micro Hei.",
                                           "Qt 6, la bibliothèque des fenêtres (LGPL-3.0);\n\r"
                                           "giflib, qui écrit les animations (MIT);\n\r"
                                           "les jeux de cartes de gnome-cards-data (GPL-3+);\n\r"
                                           "les polices DejaVu et WenQuanYi Micro Hei.",
                                           "Qt 6, la biblioteca de las ventanas (LGPL-3.0);\n\r"
                                           "giflib, que escribe las animaciones (MIT);\n\r"
                                           "las barajas de gnome-cards-data (GPL-3+);\n\r"
                                           "las fuentes DejaVu y WenQuanYi Micro Hei.",
                                           "Qt 6：視窗函式庫（LGPL-3.0）；\n\r"
                                           "giflib：動畫的寫入（MIT）；\n\r"
                                           "gnome-cards-data 的紙牌圖案（GPL-3+）；\n\r"
                                           "DejaVu 與文泉驛微米黑字型。",
                                           "Qt 6, la libreria delle finestre (LGPL-3.0);\n\r"
                                           "giflib, che scrive le animazioni (MIT);\n\r"
                                           "i mazzi di gnome-cards-data (GPL-3+);\n\r"
                                           "i caratteri DejaVu e WenQuanYi Micro Hei.",
                                           "Qt 6, knihovna oken (LGPL-3.0);\n\r"
                                           "giflib, zápis animací (MIT);\n\r"
                                           "karetní motivy z gnome-cards-data (GPL-3+);\n\r"
                                           "písma DejaVu a WenQuanYi Micro Hei.",
                                           "Qt 6：ウィンドウのライブラリ（LGPL-3.0）；\n\r"
                                           "giflib：アニメーションの書き出し（MIT）；\n\r"
                                           "gnome-cards-data のカードデザイン（GPL-3+）；\n\r"
                                           "DejaVu と WenQuanYi Micro Hei フォント。",
                                           "Qt 6: 창 라이브러리 (LGPL-3.0);\n\r"
                                           "giflib: 애니메이션 기록 (MIT);\n\r"
                                           "gnome-cards-data의 카드 디자인 (GPL-3+);\n\r"
                                           "DejaVu 및 WenQuanYi Micro Hei 글꼴."}};
inline constexpr WordTable LicenceNote{
    {"Free software under the GNU General Public License,\n\rversion 3 or later "
     "(GPL-3.0-or-later).",
     "Свободная программа под лицензией GNU General Public License\n\r"
     "версии 3 или более поздней (GPL-3.0-or-later).",
     "Freie Software unter der GNU General Public License,\n\r"
     "Version 3 oder neuer (GPL-3.0-or-later).",
     "Logiciel libre sous licence GNU General Public License,\n\r"
     "version 3 ou ultérieure (GPL-3.0-or-later).",
     "Software libre bajo la GNU General Public License,\n\r"
     "versión 3 o posterior (GPL-3.0-or-later).",
     "自由軟體，依 GNU 通用公共授權條款\n\r第 3 版或更新版本（GPL-3.0-or-later）發布。",
     "Software libero sotto la GNU General Public License,\n\r"
     "versione 3 o successiva (GPL-3.0-or-later).",
     "Svobodný software pod licencí GNU General Public License\n\r"
     "verze 3 nebo novější (GPL-3.0-or-later).",
     "GNU 一般公衆利用許諾書 バージョン 3 "
     "以降の\n\rもとで配布される自由ソフトウェアです（GPL-3.0-or-later）。",
     "GNU 일반 공중 사용 허가서 버전 3 이상에 따른\n\r자유 소프트웨어입니다 (GPL-3.0-or-later)."}};
inline constexpr WordTable MoreInHelp{
    {"More in detail in the help", "Подробнее в справке", "Mehr dazu in der Hilfe",
     "Plus de détails dans l`aide", "Más detalles en la ayuda", "詳情請參閱說明",
     "Maggiori dettagli nella guida", "Podrobnosti v nápovědě", "詳しくはヘルプをご覧ください",
     "자세한 내용은 도움말을 참고하세요"}};

// The advertising and support dialogs.
inline constexpr WordTable Advertising{{"Advertising", "Реклама", "Werbung", "Publicité",
                                        "Publicidad", "廣告", "Pubblicità", "Reklama", "広告",
                                        "광고"}};
inline constexpr WordTable OurGames{{"Our games", "Наши игры", "Unsere Spiele", "Nos jeux",
                                     "Nuestros juegos", "我們的遊戲", "I nostri giochi", "Naše hry",
                                     "私たちのゲーム", "저희 게임"}};
// What the advertising dialog says about the games under "Our games".
inline constexpr WordTable GameFamilyFeatures{
    {"Tavlira-Duo, the capture card game for two:\n\r"
     "- play against a computer that thinks ahead;\n\r"
     "- a club of players with a top ten, history and general count;\n\r"
     "- ten languages and help pages of its own.",
     "Тавлира-Дуо — карточная игра для двоих, где карты берут со стола:\n\r"
     "- игра с компьютером, который думает наперёд;\n\r"
     "- клуб игроков с чемпионами, историей и общим счётом;\n\r"
     "- десять языков и собственная справка.",
     "Tavlira-Duo, das Kartenspiel für zwei, in dem man Tischkarten erbeutet:\n\r"
     "- gegen einen Computer, der vorausdenkt;\n\r"
     "- ein Spielerclub mit Bestenliste, Verlauf und Gesamtstand;\n\r"
     "- zehn Sprachen und eine eigene Hilfe.",
     "Tavlira-Duo, le jeu de cartes à deux où l`on capture les cartes de la table:\n\r"
     "- contre un ordinateur qui réfléchit à l`avance;\n\r"
     "- un club de joueurs avec top dix, historique et score général;\n\r"
     "- dix langues et une aide à lui.",
     "Tavlira-Duo, el juego de cartas para dos en que se capturan las de la mesa:\n\r"
     "- contra un ordenador que piensa por adelantado;\n\r"
     "- un club de jugadores con campeones, historial y puntuación;\n\r"
     "- diez idiomas y una ayuda propia.",
     "Tavlira-Duo，兩人對戰、從桌面吃牌的紙牌遊戲：\n\r"
     "- 與會預先思考的電腦對戰；\n\r"
     "- 玩家俱樂部，含前十名、歷史與總比分；\n\r"
     "- 十種語言與專屬說明頁面。",
     "Tavlira-Duo, il gioco di carte per due in cui si prendono le carte dal tavolo:\n\r"
     "- contro un computer che pensa in anticipo;\n\r"
     "- un club di giocatori con campioni, cronologia e punteggio;\n\r"
     "- dieci lingue e una guida tutta sua.",
     "Tavlira-Duo, karetní hra pro dva, v níž se berou karty ze stolu:\n\r"
     "- proti počítači, který myslí dopředu;\n\r"
     "- klub hráčů se šampiony, historií a celkovým skóre;\n\r"
     "- deset jazyků a vlastní nápověda.",
     "Tavlira-Duo、場の札を取り合う二人用カードゲーム：\n\r"
     "- 先を読むコンピューターと対戦；\n\r"
     "- トップ10・履歴・総合スコアのあるプレーヤークラブ；\n\r"
     "- 10 の言語と独自のヘルプ。",
     "Tavlira-Duo, 테이블의 카드를 따먹는 2인용 카드 게임:\n\r"
     "- 앞을 내다보는 컴퓨터와 대결;\n\r"
     "- 탑텐, 기록, 전체 점수가 있는 플레이어 클럽;\n\r"
     "- 10개 언어와 자체 도움말."}};
inline constexpr WordTable Support{{"Support", "Поддержка", "Unterstützung", "Soutien", "Apoyo",
                                    "支持", "Sostegno", "Podpora", "サポート", "후원"}};
inline constexpr WordTable WorkedLongOnThisGame{
    {"We have been working on this game for a long time", "Мы долго работали над этой игрой",
     "Wir haben lange an diesem Spiel gearbeitet", "Nous avons longtemps travaillé sur ce jeu",
     "Llevamos mucho tiempo trabajando en este juego", "我們為這款遊戲投入了很長的時間",
     "Abbiamo lavorato a lungo a questo gioco", "Na této hře jsme dlouho pracovali",
     "私たちは長い時間をかけてこのゲームを作ってきました",
     "저희는 오랫동안 이 게임을 만들어 왔습니다"}};
inline constexpr WordTable HappyForFinancialSupport{
    {"and we will be happy to get the financial support!", "и будем рады финансовой поддержке!",
     "und freuen uns über finanzielle Unterstützung!",
     "et nous serons heureux de recevoir un soutien financier!",
     "¡y nos alegrará recibir su apoyo económico!", "期待您的資金支持！",
     "e saremo felici di ricevere un sostegno economico!", "a budeme rádi za finanční podporu!",
     "ご支援いただけるとうれしいです！", "재정적으로 후원해 주시면 기쁘겠습니다!"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* AboutWords[] = {
    &Attention,          &SeparateThanks, &FragmentsThanks,      &BuiltOnCredits,
    &LicenceNote,        &MoreInHelp,     &Advertising,          &OurGames,
    &GameFamilyFeatures, &Support,        &WorkedLongOnThisGame, &HappyForFinancialSupport};

} // namespace tavlira::words

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
    &Attention,  &SeparateThanks,       &FragmentsThanks,
    &MoreInHelp, &Advertising,          &OurGames,
    &Support,    &WorkedLongOnThisGame, &HappyForFinancialSupport};

} // namespace tavlira::words

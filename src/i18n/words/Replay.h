#pragma once
// Texts of watching a finished game again and of the expert's hint at the table.

#include "i18n/WordTable.h"

namespace tavlira::words {

// The pop-up menu's item that plays the last finished game again.
inline constexpr WordTable ReplayLastGame{
    {"Replay last game", "Повтор последней партии", "Letztes Spiel nachspielen",
     "Revoir la dernière partie", "Ver de nuevo la última partida", "重播上一局",
     "Rivedi l`ultima partita", "Přehrát poslední hru", "前のゲームを再生", "지난 게임 다시 보기"}};
// The replay's controls: hold it, and make one move while it is held.
inline constexpr WordTable PauseReplay{{"Pause", "Пауза", "Pause", "Pause", "Pausa", "暫停",
                                        "Pausa", "Pozastavit", "一時停止", "일시 정지"}};
inline constexpr WordTable NextMove{{"Next move", "Следующий ход", "Nächster Zug", "Coup suivant",
                                     "Siguiente jugada", "下一步", "Mossa successiva", "Další tah",
                                     "次の手", "다음 수"}};
inline constexpr WordTable NoGameToReplay{
    {"No finished game to replay yet.", "Ещё нет сыгранной партии для повтора.",
     "Noch kein beendetes Spiel zum Nachspielen.", "Aucune partie terminée à revoir.",
     "Aún no hay ninguna partida terminada para ver.", "還沒有可重播的已完成牌局。",
     "Nessuna partita conclusa da rivedere.", "Zatím žádná dohraná hra k přehrání.",
     "再生できる終了したゲームはまだありません。", "다시 볼 수 있는 끝난 게임이 아직 없습니다."}};
// Followed by the reason, in one of the texts below.
inline constexpr WordTable ReplayRefused{
    {"The last game cannot be replayed: ", "Последнюю партию нельзя повторить: ",
     "Das letzte Spiel kann nicht nachgespielt werden: ",
     "La dernière partie ne peut pas être revue : ", "La última partida no se puede ver de nuevo: ",
     "無法重播上一局：", "L`ultima partita non può essere rivista: ",
     "Poslední hru nelze přehrát: ", "前のゲームを再生できません：",
     "지난 게임을 다시 볼 수 없습니다: "}};

// The reasons under it; %1 is a line of the game's file.
inline constexpr WordTable ReplayFileUnreadable{
    {"Its file cannot be read.", "Её файл не удаётся прочитать.",
     "Seine Datei kann nicht gelesen werden.", "Son fichier ne peut pas être lu.",
     "Su archivo no se puede leer.", "無法讀取它的檔案。", "Il suo file non può essere letto.",
     "Její soubor nelze přečíst.", "ファイルを読み込めません。", "파일을 읽을 수 없습니다."}};
inline constexpr WordTable ReplayFileDamagedAt{
    {"Its file is damaged at line %1.", "Её файл повреждён в строке %1.",
     "Seine Datei ist in Zeile %1 beschädigt.", "Son fichier est endommagé à la ligne %1.",
     "Su archivo está dañado en la línea %1.", "它的檔案在第 %1 行損壞。",
     "Il suo file è danneggiato alla riga %1.", "Její soubor je poškozen na řádku %1.",
     "ファイルの %1 行目が壊れています。", "파일의 %1번째 줄이 손상되었습니다."}};
inline constexpr WordTable ReplayMoveAgainstRulesAt{
    {"The move at line %1 of its file breaks the rules.",
     "Ход в строке %1 её файла нарушает правила.",
     "Der Zug in Zeile %1 seiner Datei verstößt gegen die Regeln.",
     "Le coup à la ligne %1 de son fichier enfreint les règles.",
     "La jugada de la línea %1 de su archivo incumple las reglas.",
     "它的檔案第 %1 行的出牌違反規則。", "La mossa alla riga %1 del suo file viola le regole.",
     "Tah na řádku %1 jejího souboru porušuje pravidla.",
     "ファイルの %1 行目の手がルールに反しています。",
     "파일의 %1번째 줄의 수가 규칙에 맞지 않습니다."}};
inline constexpr WordTable ReplayOtherResult{
    {"Its moves do not lead to the result its file records.",
     "Её ходы не приводят к результату, записанному в файле.",
     "Seine Züge führen nicht zum Ergebnis, das seine Datei festhält.",
     "Ses coups ne mènent pas au résultat que son fichier indique.",
     "Sus jugadas no llevan al resultado que indica su archivo.",
     "它的出牌無法得出檔案記錄的結果。",
     "Le sue mosse non portano al risultato registrato nel file.",
     "Její tahy nevedou k výsledku zapsanému v souboru.",
     "手の記録がファイルに記された結果になりません。",
     "수의 기록이 파일에 적힌 결과와 맞지 않습니다."}};

// The pop-up menu's item that shows the expert's move at the person's turn.
inline constexpr WordTable Hint{{"Hint", "Подсказка", "Tipp", "Conseil", "Pista", "提示",
                                 "Suggerimento", "Nápověda", "ヒント", "힌트"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* ReplayWords[] = {&ReplayLastGame,
                                                   &PauseReplay,
                                                   &NextMove,
                                                   &NoGameToReplay,
                                                   &ReplayRefused,
                                                   &ReplayFileUnreadable,
                                                   &ReplayFileDamagedAt,
                                                   &ReplayMoveAgainstRulesAt,
                                                   &ReplayOtherResult,
                                                   &Hint};

} // namespace tavlira::words

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
// Followed by the reason, as the move log's reader gives it.
inline constexpr WordTable ReplayRefused{
    {"The last game cannot be replayed: ", "Последнюю партию нельзя повторить: ",
     "Das letzte Spiel kann nicht nachgespielt werden: ",
     "La dernière partie ne peut pas être revue : ", "La última partida no se puede ver de nuevo: ",
     "無法重播上一局：", "L`ultima partita non può essere rivista: ",
     "Poslední hru nelze přehrát: ", "前のゲームを再生できません：",
     "지난 게임을 다시 볼 수 없습니다: "}};

// The pop-up menu's item that shows the expert's move at the person's turn.
inline constexpr WordTable Hint{{"Hint", "Подсказка", "Tipp", "Conseil", "Pista", "提示",
                                 "Suggerimento", "Nápověda", "ヒント", "힌트"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* ReplayWords[] = {&ReplayLastGame, &PauseReplay,   &NextMove,
                                                   &NoGameToReplay, &ReplayRefused, &Hint};

} // namespace tavlira::words

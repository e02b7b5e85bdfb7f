#pragma once
// Texts of the game table: its two buttons, the player panels, the game plate
// and the speech bubbles.

#include "i18n/WordTable.h"

namespace tavlira::words {

// The two table buttons, by state of the game.
inline constexpr WordTable ToBegin{{"To Begin", "Начать", "Beginnen", "Commencer", "Empezar",
                                    "開始", "Inizia", "Začít", "開始", "시작"}};
inline constexpr WordTable Take{
    {"Take", "Взять", "Nehmen", "Prendre", "Tomar", "吃牌", "Prendi", "Vzít", "取る", "가져가기"}};
inline constexpr WordTable Score{
    {"Score", "Счёт", "Punkte", "Score", "Puntos", "比分", "Punteggio", "Skóre", "スコア", "점수"}};
inline constexpr WordTable NextGame{{"Next game", "Следующая партия", "Nächstes Spiel",
                                     "Partie suivante", "Siguiente partida", "下一局",
                                     "Prossima partita", "Další hra", "次のゲーム", "다음 게임"}};
inline constexpr WordTable ExitToMenu{
    {"Exit to menu", "Выход в меню", "Zurück ins Menü", "Retour au menu", "Salir al menú",
     "返回菜單", "Esci dal menu", "Návrat do menu", "メニューに戻る", "메뉴로 나가기"}};

// The bubble of a seat that has no legal move.
inline constexpr WordTable NoMove{{"No move", "Нет хода", "Kein Zug", "Aucun coup", "Sin jugada",
                                   "無牌可出", "Nessuna mossa", "Žádný tah", "打つ手なし",
                                   "낼 카드 없음"}};

// Hints of the player panels: match points above, the game's tallies below.
inline constexpr WordTable PointsOfCurrentRound{
    {"Points of a current Round", "Очки текущего раунда", "Punkte der aktuellen Runde",
     "Points de la manche en cours", "Puntos de la ronda actual", "本輪得分",
     "Punti del round attuale", "Body aktuálního kola", "現在のラウンドのポイント",
     "현재 라운드 점수"}};
inline constexpr WordTable Numbers{{"Numbers", "Подсчёт", "Zählung", "Décompte", "Recuento", "計數",
                                    "Conteggio", "Počty", "枚数", "카드 수"}};

// The game plate and its balloon.
inline constexpr WordTable Game{
    {"Game", "Партия", "Spiel", "Partie", "Partida", "牌局", "Partita", "Hra", "ゲーム", "게임"}};
inline constexpr WordTable CurrentGame{
    {"Current game", "Текущая партия", "Aktuelles Spiel", "Partie en cours", "Partida actual",
     "目前牌局", "Partita in corso", "Aktuální hra", "現在のゲーム", "현재 게임"}};
inline constexpr WordTable GeneralNumberOfGames{
    {"General number of game:", "Общее число партий:", "Gesamtzahl der Spiele:",
     "Nombre total de parties:", "Número total de partidas:", "總局數：",
     "Numero totale di partite:", "Celkový počet her:", "総ゲーム数：", "전체 게임 수:"}};
inline constexpr WordTable GameInCurrentCycle{
    {"Number of round in a current cycle:", "Номер партии в текущем цикле:",
     "Spiel im aktuellen Zyklus:", "Partie du cycle en cours:", "Partida del ciclo actual:",
     "本循環中的局數：", "Partita del ciclo attuale:", "Hra v aktuálním cyklu:",
     "現在のサイクルのゲーム：", "현재 사이클의 게임:"}};
inline constexpr WordTable GameInCurrentSession{
    {"Number of round in a current session:", "Номер партии в текущей сессии:",
     "Spiel in der aktuellen Sitzung:", "Partie de la session en cours:",
     "Partida de la sesión actual:", "本場次中的局數：", "Partita della sessione attuale:",
     "Hra v aktuální sérii:", "現在のセッションのゲーム：", "현재 세션의 게임:"}};
inline constexpr WordTable GamesInCycle{{"Games in cycle", "Партий в цикле", "Spiele im Zyklus",
                                         "Parties du cycle", "Partidas del ciclo", "循環局數",
                                         "Partite nel ciclo", "Her v cyklu", "サイクル内のゲーム数",
                                         "사이클 게임 수"}};

// Network play at the table.
inline constexpr WordTable WaitingForServer{{"Expectation of the server...", "Ожидание сервера...",
                                             "Warten auf den Server...", "Attente du serveur...",
                                             "Esperando al servidor...", "等待伺服器...",
                                             "In attesa del server...", "Čekání na server...",
                                             "サーバーを待っています...", "서버 대기 중..."}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* TableWords[] = {&ToBegin,
                                                  &Take,
                                                  &Score,
                                                  &NextGame,
                                                  &ExitToMenu,
                                                  &NoMove,
                                                  &PointsOfCurrentRound,
                                                  &Numbers,
                                                  &Game,
                                                  &CurrentGame,
                                                  &GeneralNumberOfGames,
                                                  &GameInCurrentCycle,
                                                  &GameInCurrentSession,
                                                  &GamesInCycle,
                                                  &WaitingForServer};

} // namespace tavlira::words

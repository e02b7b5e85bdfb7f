#pragma once
// Texts of the online services: the account and profile dialogs, the world top
// ten and statistics, the tournament, the chat and the menu's statistics board.

#include "i18n/WordTable.h"

namespace tavlira::words {

// Hints of the statistics board on the menu.
inline constexpr WordTable DynamicIqForWindows{
    {"Dynamic IQ for Windows (percent)", "Динамический IQ для Windows (в процентах)",
     "Dynamischer IQ für Windows (Prozent)", "QI dynamique pour Windows (pourcentage)",
     "CI dinámico para Windows (porcentaje)", "Windows 動態智商（百分比）",
     "QI dinamico per Windows (percentuale)", "Dynamické IQ pro Windows (procenta)",
     "Windows の動的 IQ（パーセント）", "Windows 동적 IQ (퍼센트)"}};
inline constexpr WordTable GamesPlayedWithPc{
    {"Games played with PC", "Сыграно партий с компьютером", "Spiele gegen den PC",
     "Parties jouées contre le PC", "Partidas jugadas contra el PC", "與電腦對戰局數",
     "Partite giocate contro il PC", "Odehrané hry s počítačem", "PC との対戦数",
     "PC와 한 게임 수"}};
inline constexpr WordTable BestWindowsPlayer{
    {"Best Windows Player: ", "Лучший игрок Windows: ", "Bester Windows-Spieler: ",
     "Meilleur joueur Windows: ", "Mejor jugador de Windows: ", "最佳 Windows 玩家：",
     "Miglior giocatore Windows: ", "Nejlepší hráč Windows: ", "Windows の最優秀プレーヤー：",
     "최고의 Windows 플레이어: "}};
inline constexpr WordTable BestAndroidPlayer{
    {"Best Android Player: ", "Лучший игрок Android: ", "Bester Android-Spieler: ",
     "Meilleur joueur Android: ", "Mejor jugador de Android: ", "最佳 Android 玩家：",
     "Miglior giocatore Android: ", "Nejlepší hráč Android: ", "Android の最優秀プレーヤー：",
     "최고의 Android 플레이어: "}};
inline constexpr WordTable BestAccountPlayer{
    {"The best player of games from under the account: ", "Лучший игрок среди аккаунтов: ",
     "Bester Spieler mit Konto: ", "Meilleur joueur avec compte: ", "Mejor jugador con cuenta: ",
     "最佳帳號玩家：", "Miglior giocatore con account: ", "Nejlepší hráč s účtem: ",
     "アカウントの最優秀プレーヤー：", "최고의 계정 플레이어: "}};
inline constexpr WordTable Qels{
    {"Qels", "Qels", "Qels", "Qels", "Qels", "Qels", "Qels", "Qels", "Qels", "Qels"}};
inline constexpr WordTable ClubMembers{{"Club members: ", "Членов клуба: ", "Clubmitglieder: ",
                                        "Membres du club: ", "Miembros del club: ", "俱樂部成員：",
                                        "Membri del club: ", "Členů klubu: ", "クラブ会員数：",
                                        "클럽 회원 수: "}};
inline constexpr WordTable NoConnectHint{
    {"NO CONNECT", "НЕТ СВЯЗИ", "KEINE VERBINDUNG", "PAS DE CONNEXION", "SIN CONEXIÓN", "無法連線",
     "NESSUNA CONNESSIONE", "BEZ SPOJENÍ", "接続なし", "연결 없음"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* OnlineWords[] = {&DynamicIqForWindows, &GamesPlayedWithPc,
                                                   &BestWindowsPlayer,   &BestAndroidPlayer,
                                                   &BestAccountPlayer,   &Qels,
                                                   &ClubMembers,         &NoConnectHint};

} // namespace tavlira::words

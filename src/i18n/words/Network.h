#pragma once
// Texts of network play: the connection part of the login dialog, the wait
// dialog, a duel that breaks off and the online table game.

#include "i18n/WordTable.h"

namespace tavlira::words {

// The connection part of the login dialog.
inline constexpr WordTable ServerOrClient{{"Server / Client", "Сервер / Клиент", "Server / Client",
                                           "Serveur / Client", "Servidor / Cliente",
                                           "伺服器 / 用戶端", "Server / Client", "Server / Klient",
                                           "サーバー / クライアント", "서버 / 클라이언트"}};
inline constexpr WordTable ServerCreatesGame{
    {"Server create the game", "Сервер создаёт игру", "Server erstellt das Spiel",
     "Le serveur crée la partie", "El servidor crea la partida", "伺服器建立遊戲",
     "Il server crea la partita", "Server vytvoří hru", "サーバーがゲームを作成",
     "서버 - 게임 만들기"}};
inline constexpr WordTable ClientJoinsGame{
    {"Client enters to game", "Клиент входит в игру", "Client tritt dem Spiel bei",
     "Le client rejoint la partie", "El cliente se une a la partida", "用戶端加入遊戲",
     "Il client entra nella partita", "Klient se připojí ke hře", "クライアントがゲームに参加",
     "클라이언트 - 게임 참가"}};
inline constexpr WordTable EnterServerIp{
    {"Enter IP of server:", "Введите IP сервера:", "IP des Servers eingeben:",
     "Entrez l`IP du serveur:", "Introduzca la IP del servidor:", "輸入伺服器 IP：",
     "Inserisci l`IP del server:", "Zadejte IP serveru:", "サーバーの IP を入力：",
     "서버 IP 입력:"}};
inline constexpr WordTable EnterServerPort{
    {"Enter Port of server:", "Введите порт сервера:", "Port des Servers eingeben:",
     "Entrez le port du serveur:", "Introduzca el puerto del servidor:", "輸入伺服器連接埠：",
     "Inserisci la porta del server:", "Zadejte port serveru:", "サーバーのポートを入力：",
     "서버 포트 입력:"}};
inline constexpr WordTable NumberOfGamesLabel{
    {"Number games:", "Число партий:", "Anzahl der Spiele:", "Nombre de parties:",
     "Número de partidas:", "局數：", "Numero di partite:", "Počet her:", "ゲーム数：",
     "게임 수:"}};
inline constexpr WordTable GetIpAddresses{
    {"To receive the IP-addresses", "Получить IP-адреса", "IP-Adressen ermitteln",
     "Obtenir les adresses IP", "Obtener las direcciones IP", "取得 IP 位址",
     "Ottieni gli indirizzi IP", "Zjistit IP adresy", "IP アドレスを取得", "IP 주소 가져오기"}};
inline constexpr WordTable LoopbackHint{{"Loop", "Локальная петля", "Loopback", "Boucle locale",
                                         "Bucle local", "本機迴路", "Loopback", "Smyčka",
                                         "ループバック", "루프백"}};
inline constexpr WordTable IncorrectIpAddress{
    {"Incorrect IP-address!", "Неверный IP-адрес!", "Ungültige IP-Adresse!",
     "Adresse IP incorrecte!", "¡Dirección IP incorrecta!", "IP 位址無效！",
     "Indirizzo IP non valido!", "Neplatná IP adresa!", "IP アドレスが正しくありません！",
     "IP 주소가 올바르지 않습니다!"}};
inline constexpr WordTable IncorrectPort{
    {"Incorrect Port!", "Неверный порт!", "Ungültiger Port!", "Port incorrect!",
     "¡Puerto incorrecto!", "連接埠無效！", "Porta non valida!", "Neplatný port!",
     "ポートが正しくありません！", "포트가 올바르지 않습니다!"}};

// The wait dialog while the two sides find each other.
inline constexpr WordTable WaitingForPlayers{
    {"Expectation of connection of other players...", "Ожидание подключения других игроков...",
     "Warten auf andere Spieler...", "Attente de la connexion des autres joueurs...",
     "Esperando la conexión de otros jugadores...", "等待其他玩家連線...",
     "In attesa della connessione di altri giocatori...", "Čekání na připojení dalších hráčů...",
     "他のプレーヤーの接続を待っています...", "다른 플레이어의 접속을 기다리는 중..."}};
inline constexpr WordTable WaitingForGame{{"Expectation of game...", "Ожидание игры...",
                                           "Warten auf das Spiel...", "Attente de la partie...",
                                           "Esperando la partida...", "等待遊戲...",
                                           "In attesa della partita...", "Čekání na hru...",
                                           "ゲームを待っています...", "게임을 기다리는 중..."}};
inline constexpr WordTable SecondPlayerConnected{
    {"The second player was connected...", "Второй игрок подключился...",
     "Der zweite Spieler ist verbunden...", "Le deuxième joueur est connecté...",
     "El segundo jugador se ha conectado...", "第二位玩家已連線...",
     "Il secondo giocatore si è connesso...", "Druhý hráč se připojil...",
     "2 人目のプレーヤーが接続しました...", "두 번째 플레이어가 접속했습니다..."}};
inline constexpr WordTable ThirdPlayerConnected{
    {"The third player was connected...", "Третий игрок подключился...",
     "Der dritte Spieler ist verbunden...", "Le troisième joueur est connecté...",
     "El tercer jugador se ha conectado...", "第三位玩家已連線...",
     "Il terzo giocatore si è connesso...", "Třetí hráč se připojil...",
     "3 人目のプレーヤーが接続しました...", "세 번째 플레이어가 접속했습니다..."}};
inline constexpr WordTable FourthPlayerConnected{
    {"The fourth player was connected...", "Четвёртый игрок подключился...",
     "Der vierte Spieler ist verbunden...", "Le quatrième joueur est connecté...",
     "El cuarto jugador se ha conectado...", "第四位玩家已連線...",
     "Il quarto giocatore si è connesso...", "Čtvrtý hráč se připojil...",
     "4 人目のプレーヤーが接続しました...", "네 번째 플레이어가 접속했습니다..."}};
inline constexpr WordTable NoGamesAvailable{
    {"There are no accessible games", "Нет доступных игр", "Keine verfügbaren Spiele",
     "Aucune partie disponible", "No hay partidas disponibles", "沒有可加入的遊戲",
     "Nessuna partita disponibile", "Žádné dostupné hry", "参加できるゲームがありません",
     "참가할 수 있는 게임이 없습니다"}};

// A duel that the other side breaks off: "Client" or "Server", a blank, then
// "has interrupted game!". "Server" also titles the tournament server's balloon,
// so it is a bare noun in every language.
inline constexpr WordTable Client{{"Client", "Клиент", "Client", "Client", "Cliente", "用戶端",
                                   "Client", "Klient", "クライアント", "클라이언트"}};
inline constexpr WordTable Server{{"Server", "Сервер", "Server", "Serveur", "Servidor", "伺服器",
                                   "Server", "Server", "サーバー", "서버"}};
inline constexpr WordTable HasInterruptedGame{
    {"has interrupted game!", "прервал игру!", "hat das Spiel abgebrochen!",
     ": partie interrompue!", "- ¡partida interrumpida!", "已中斷遊戲！", "- partita interrotta!",
     "přerušil hru!", "がゲームを中断しました！", "측에서 게임을 중단했습니다!"}};
inline constexpr WordTable PressOkForMainMenu{
    {"Press OK for exit to the main menu...", "Нажмите OK для выхода в главное меню...",
     "OK drücken, um ins Hauptmenü zurückzukehren...",
     "Appuyez sur OK pour revenir au menu principal...",
     "Pulse OK para volver al menú principal...", "按 OK 返回主菜單...",
     "Premi OK per tornare al menu principale...", "Stiskněte OK pro návrat do hlavního menu...",
     "OK を押すとメインメニューに戻ります...", "OK를 누르면 메인 메뉴로 돌아갑니다..."}};

// The online table: "Player", a blank, the opponent's name, a blank, then
// "interrupted the game!" or "time is up!".
inline constexpr WordTable Player{{"Player", "Игрок", "Spieler", "Joueur", "Jugador", "玩家",
                                   "Giocatore", "Hráč", "プレーヤー", "플레이어"}};
inline constexpr WordTable InterruptedTheGame{
    {"interrupted the game!", "прервал игру!", "hat das Spiel abgebrochen!",
     "a interrompu la partie!", "ha interrumpido la partida!", "已中斷遊戲！",
     "ha interrotto la partita!", "přerušil hru!", "がゲームを中断しました！",
     "님이 게임을 중단했습니다!"}};
inline constexpr WordTable TimeIsUp{{"time is up!", "исчерпал время!", "hat keine Zeit mehr!",
                                     "n`a plus de temps!", "se quedó sin tiempo!", "時間已到！",
                                     "ha esaurito il tempo!", "už nemá čas!",
                                     "の持ち時間が切れました！", "님의 시간이 다 되었습니다!"}};
inline constexpr WordTable YourTimeIsUp{
    {"Your time is up!", "Ваше время вышло!", "Ihre Zeit ist abgelaufen!",
     "Votre temps est écoulé!", "¡Se acabó su tiempo!", "您的時間已到！", "Il tuo tempo è scaduto!",
     "Váš čas vypršel!", "持ち時間が切れました！", "시간이 다 되었습니다!"}};
inline constexpr WordTable YouWon{{"You won!", "Вы выиграли!", "Sie haben gewonnen!",
                                   "Vous avez gagné!", "¡Ha ganado!", "您贏了！", "Hai vinto!",
                                   "Vyhráli jste!", "あなたの勝ちです！", "이겼습니다!"}};
inline constexpr WordTable YouLose{{"You lose!", "Вы проиграли!", "Sie haben verloren!",
                                    "Vous avez perdu!", "¡Ha perdido!", "您輸了！", "Hai perso!",
                                    "Prohráli jste!", "あなたの負けです！", "졌습니다!"}};
inline constexpr WordTable LostConnectionWithServer{
    {"Lost connection with the server!", "Потеряна связь с сервером!",
     "Verbindung zum Server verloren!", "Connexion au serveur perdue!",
     "¡Se perdió la conexión con el servidor!", "與伺服器的連線中斷！",
     "Connessione al server persa!", "Spojení se serverem bylo ztraceno!",
     "サーバーとの接続が切れました！", "서버와의 연결이 끊어졌습니다!"}};
inline constexpr WordTable ServerConnectionError{
    {"Server connection error!", "Ошибка соединения с сервером!",
     "Fehler bei der Verbindung zum Server!", "Erreur de connexion au serveur!",
     "¡Error de conexión con el servidor!", "伺服器連線錯誤！", "Errore di connessione al server!",
     "Chyba připojení k serveru!", "サーバー接続エラー！", "서버 연결 오류!"}};

// The tables of the tournament and their seat buttons.
inline constexpr WordTable Table{
    {"Table", "Стол", "Tisch", "Table", "Mesa", "牌桌", "Tavolo", "Stůl", "テーブル", "테이블"}};
inline constexpr WordTable TakeThePlace{
    {"Take the place of", "Занять место", "Platz nehmen", "Prendre place", "Ocupar el puesto",
     "入座", "Prendi posto", "Obsadit místo", "着席する", "자리에 앉기"}};
inline constexpr WordTable Free{
    {"Free", "Свободно", "Frei", "Libre", "Libre", "空位", "Libero", "Volno", "空席", "빈자리"}};
inline constexpr WordTable LogOff{{"Log off", "Покинуть место", "Platz verlassen",
                                   "Quitter la place", "Dejar el puesto", "離座", "Lascia il posto",
                                   "Opustit místo", "離席する", "자리 떠나기"}};
inline constexpr WordTable ServerOn{{"Server On", "Сервер включён", "Server an", "Serveur actif",
                                     "Servidor encendido", "伺服器上線", "Server acceso",
                                     "Server zapnut", "サーバー稼働中", "서버 켜짐"}};
inline constexpr WordTable ServerOff{
    {"Server Off", "Сервер выключен", "Server aus", "Serveur arrêté", "Servidor apagado",
     "伺服器離線", "Server spento", "Server vypnut", "サーバー停止中", "서버 꺼짐"}};
inline constexpr WordTable On{
    {"On", "Вкл.", "An", "Actif", "Encendido", "上線", "Acceso", "Zapnuto", "稼働中", "켜짐"}};
inline constexpr WordTable Off{
    {"Off", "Выкл.", "Aus", "Arrêté", "Apagado", "離線", "Spento", "Vypnuto", "停止中", "꺼짐"}};
inline constexpr WordTable Rules{{"Rules", "Правила", "Regeln", "Règles", "Reglas", "規則",
                                  "Regole", "Pravidla", "ルール", "규칙"}};
inline constexpr WordTable NoOptions{{"No Options", "Без опций", "Keine Optionen", "Aucune option",
                                      "Sin opciones", "無選項", "Nessuna opzione", "Bez možností",
                                      "オプションなし", "옵션 없음"}};
inline constexpr WordTable TableTakenFromYourIp{
    {"This table is already occupied by a player with your IP!",
     "Этот стол уже занят игроком с Вашим IP!",
     "Dieser Tisch ist bereits von einem Spieler mit Ihrer IP besetzt!",
     "Cette table est déjà occupée par un joueur avec votre IP!",
     "¡Esta mesa ya está ocupada por un jugador con su IP!", "此牌桌已被與您相同 IP 的玩家佔用！",
     "Questo tavolo è già occupato da un giocatore con il tuo IP!",
     "Tento stůl už obsadil hráč s vaší IP!",
     "このテーブルはあなたと同じ IP のプレーヤーが使用中です！",
     "이 테이블은 같은 IP의 플레이어가 이미 사용 중입니다!"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* NetworkWords[] = {&ServerOrClient,
                                                    &ServerCreatesGame,
                                                    &ClientJoinsGame,
                                                    &EnterServerIp,
                                                    &EnterServerPort,
                                                    &NumberOfGamesLabel,
                                                    &GetIpAddresses,
                                                    &LoopbackHint,
                                                    &IncorrectIpAddress,
                                                    &IncorrectPort,
                                                    &WaitingForPlayers,
                                                    &WaitingForGame,
                                                    &SecondPlayerConnected,
                                                    &ThirdPlayerConnected,
                                                    &FourthPlayerConnected,
                                                    &NoGamesAvailable,
                                                    &Client,
                                                    &Server,
                                                    &HasInterruptedGame,
                                                    &PressOkForMainMenu,
                                                    &Player,
                                                    &InterruptedTheGame,
                                                    &TimeIsUp,
                                                    &YourTimeIsUp,
                                                    &YouWon,
                                                    &YouLose,
                                                    &LostConnectionWithServer,
                                                    &ServerConnectionError,
                                                    &Table,
                                                    &TakeThePlace,
                                                    &Free,
                                                    &LogOff,
                                                    &ServerOn,
                                                    &ServerOff,
                                                    &On,
                                                    &Off,
                                                    &Rules,
                                                    &NoOptions,
                                                    &TableTakenFromYourIp};

} // namespace tavlira::words

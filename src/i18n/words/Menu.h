#pragma once
// Texts of the title screen, the main menu screen and the window's pop-up menu.

#include "i18n/WordTable.h"

namespace tavlira::words {

// The window caption and the title screen.
inline constexpr WordTable GameTitle{{"Tavlira-Duo", "Тавлира-Дуо", "Tavlira-Duo", "Tavlira-Duo",
                                      "Tavlira-Duo", "Tavlira-Duo", "Tavlira-Duo", "Tavlira-Duo",
                                      "Tavlira-Duo", "Tavlira-Duo"}};
inline constexpr WordTable TitleReleaseLine{
    {"Released in 2026", "Выпущено в 2026 году", "Erschienen 2026", "Sorti en 2026",
     "Publicado en 2026", "2026年發行", "Pubblicato nel 2026", "Vydáno v roce 2026",
     "2026年リリース", "2026년 출시"}};
inline constexpr WordTable TitleAuthorLine{{"Made by the Tavlira team", "Создано командой Tavlira",
                                            "Vom Tavlira-Team", "Par l`équipe Tavlira",
                                            "Hecho por el equipo Tavlira", "Tavlira 團隊製作",
                                            "Realizzato dal team Tavlira", "Vytvořil tým Tavlira",
                                            "Tavlira チーム制作", "Tavlira 팀 제작"}};

// The title screen's own lines: the title in capitals (its letters stand on
// a fixed pitch, so it has at most ten) and a credit short enough to stand
// between the two logos.
inline constexpr WordTable TitleScreenTitle{{"TAVLIRA", "ТАВЛИРА", "TAVLIRA", "TAVLIRA", "TAVLIRA",
                                             "TAVLIRA", "TAVLIRA", "TAVLIRA", "TAVLIRA",
                                             "TAVLIRA"}};
inline constexpr WordTable TitleCreditLine{{"© Tavlira", "© Tavlira", "© Tavlira", "© Tavlira",
                                            "© Tavlira", "© Tavlira", "© Tavlira", "© Tavlira",
                                            "© Tavlira", "© Tavlira"}};

// The second caption of the menu screen: games against the computer count
// for the elite club, network duels for the network club.
inline constexpr WordTable EliteClubCaption{
    {"Elite Club", "Элитный клуб", "Elite-Club", "Club d`élite", "Club de élite", "精英俱樂部",
     "Club esclusivo", "Elitní klub", "エリートクラブ", "엘리트 클럽"}};
inline constexpr WordTable NetworkClubCaption{
    {"Network Club", "Сетевой клуб", "Netzwerk-Club", "Club en réseau", "Club en red", "網路俱樂部",
     "Club in rete", "Síťový klub", "ネットワーククラブ", "네트워크 클럽"}};

// Buttons of the menu screen.
inline constexpr WordTable NewPlayer{
    {"New Player", "Новый Игрок", "Neuer Spieler", "Nouveau joueur", "Nuevo jugador", "新玩家",
     "Nuovo giocatore", "Nový hráč", "新しいプレーヤー", "새 플레이어"}};
inline constexpr WordTable TopTen{{"Top Ten", "Чемпионы", "Die Meister", "Top dix", "Campeones",
                                   "前十名", "Campioni", "Šampioni", "トップ10", "탑텐"}};
inline constexpr WordTable Options{{"Options", "Опции", "Optionen", "Options", "Opciones", "選項",
                                    "Opzioni", "Možnosti", "オプション", "옵션"}};
inline constexpr WordTable Exit{
    {"Exit", "Выход", "Beenden", "Quitter", "Salir", "退出", "Esci", "Konec", "終了", "종료"}};
inline constexpr WordTable History{{"History", "История", "Verlauf", "Historique", "Historial",
                                    "歷史", "Cronologia", "Historie", "履歴", "기록"}};
inline constexpr WordTable Mode{
    {"Mode", "Режим", "Modus", "Mode", "Modo", "模式", "Modalità", "Režim", "モード", "모드"}};
// The hint of a menu button whose feature this version does not have yet.
inline constexpr WordTable NotAvailableYet{
    {"Not available in this version", "Недоступно в этой версии",
     "In dieser Version nicht verfügbar", "Non disponible dans cette version",
     "No disponible en esta versión", "此版本尚未提供", "Non disponibile in questa versione",
     "V této verzi není k dispozici", "このバージョンでは利用できません",
     "이 버전에서는 사용할 수 없습니다"}};

// Items of the pop-up menu.
inline constexpr WordTable GeneralScore{
    {"General score", "Общий счёт", "Gesamtstand", "Score général", "Puntuación general", "總比分",
     "Punteggio generale", "Celkové skóre", "総合スコア", "전체 점수"}};
inline constexpr WordTable ChangeName{{"To change a name", "Сменить имя", "Namen ändern",
                                       "Changer de nom", "Cambiar el nombre", "更改名稱",
                                       "Cambia nome", "Změnit jméno", "名前を変更", "이름 변경"}};
inline constexpr WordTable Speed{{"Speed", "Скорость", "Tempo", "Vitesse", "Velocidad", "速度",
                                  "Velocità", "Rychlost", "速度", "속도"}};
inline constexpr WordTable Help{
    {"Help", "Помощь", "Hilfe", "Aide", "Ayuda", "說明", "Aiuto", "Nápověda", "ヘルプ", "도움말"}};
inline constexpr WordTable About{{"About", "О программе", "Über", "À propos", "Acerca de", "關於",
                                  "Informazioni", "O programu", "バージョン情報", "정보"}};
inline constexpr WordTable Radio{
    {"Radio", "Радио", "Radio", "Radio", "Radio", "電台", "Radio", "Rádio", "ラジオ", "라디오"}};
inline constexpr WordTable Comment{{"Comment", "Отзыв", "Kommentar", "Commentaire", "Comentario",
                                    "意見", "Commento", "Komentář", "コメント", "의견"}};
inline constexpr WordTable Chat{
    {"Chat", "Чат", "Chat", "Chat", "Chat", "聊天", "Chat", "Chat", "チャット", "채팅"}};

// The help item when the help file has no English pages.
inline constexpr WordTable Excuse{{"Excuse!", "Извините!", "Entschuldigung!", "Désolé!",
                                   "¡Disculpe!", "抱歉！", "Scusate!", "Omlouváme se!",
                                   "申し訳ありません！", "죄송합니다!"}};
inline constexpr WordTable HelpNotInEnglish{
    {"The file of the help is not translated to the English language.",
     "Файл справки не переведён на английский язык.",
     "Die Hilfedatei ist nicht ins Englische übersetzt.",
     "Le fichier d`aide n`est pas traduit en anglais.",
     "El archivo de ayuda no está traducido al inglés.", "說明檔案尚未翻譯成英文。",
     "Il file della guida non è tradotto in inglese.",
     "Soubor nápovědy není přeložen do angličtiny.", "ヘルプファイルは英語に翻訳されていません。",
     "도움말 파일은 영어로 번역되어 있지 않습니다."}};

// Leaving the table or the game before the match is over.
inline constexpr WordTable LeaveToMainMenuQuestion{
    {"You want to leave in the main menu?", "Вы хотите выйти в главное меню?",
     "Wollen Sie ins Hauptmenü zurückkehren?", "Voulez-vous revenir au menu principal?",
     "¿Quiere volver al menú principal?", "要返回主菜單嗎？", "Vuoi tornare al menu principale?",
     "Chcete se vrátit do hlavního menu?", "メインメニューに戻りますか？",
     "메인 메뉴로 나가시겠습니까?"}};
inline constexpr WordTable AllDataWillBeLost{
    {"All datas for want of it will be lost!", "Все данные при этом будут потеряны!",
     "Dabei gehen alle Daten verloren!", "Toutes les données seront perdues!",
     "¡Se perderán todos los datos!", "所有資料都將遺失！", "Tutti i dati andranno persi!",
     "Všechna data budou ztracena!", "すべてのデータが失われます！", "모든 데이터가 사라집니다!"}};
inline constexpr WordTable LeaveGameQuestion{
    {"You want to leave from game?", "Вы хотите выйти из игры?", "Wollen Sie das Spiel verlassen?",
     "Voulez-vous quitter le jeu?", "¿Quiere salir del juego?", "要離開遊戲嗎？",
     "Vuoi uscire dal gioco?", "Chcete ukončit hru?", "ゲームを終了しますか？",
     "게임을 종료하시겠습니까?"}};

// Banners and notices over the menu.
inline constexpr WordTable PleaseWait{
    {"Please, wait...", "Пожалуйста, подождите...", "Bitte warten...", "Veuillez patienter...",
     "Espere, por favor...", "請稍候...", "Attendere prego...", "Čekejte prosím...",
     "お待ちください...", "잠시 기다려 주세요..."}};
inline constexpr WordTable NameChanged{
    {"Your name and/or the password were successfully changed!\n\r"
     "New name: ",
     "Ваше имя и/или пароль успешно изменены!\n\r"
     "Новое имя: ",
     "Ihr Name und/oder Passwort wurde erfolgreich geändert!\n\r"
     "Neuer Name: ",
     "Votre nom et/ou mot de passe ont été modifiés!\n\r"
     "Nouveau nom: ",
     "¡Su nombre y/o contraseña se han cambiado!\n\r"
     "Nuevo nombre: ",
     "您的名稱和/或密碼已成功更改！\n\r"
     "新名稱：",
     "Il nome e/o la password sono stati cambiati!\n\r"
     "Nuovo nome: ",
     "Vaše jméno a/nebo heslo bylo úspěšně změněno!\n\r"
     "Nové jméno: ",
     "名前またはパスワードを変更しました！\n\r"
     "新しい名前：",
     "이름 및/또는 비밀번호가 변경되었습니다!\n\r"
     "새 이름: "}};
inline constexpr WordTable CreatingGif{
    {"Creating a GIF...", "Создание GIF...", "GIF wird erstellt...", "Création du GIF...",
     "Creando el GIF...", "正在建立 GIF...", "Creazione della GIF...", "Vytváření GIF...",
     "GIF を作成中...", "GIF 만드는 중..."}};
inline constexpr WordTable Repeat{{"Repeat?", "Повторить?", "Wiederholen?", "Réessayer?",
                                   "¿Reintentar?", "重試？", "Riprovare?", "Opakovat?",
                                   "再試行しますか？", "다시 시도할까요?"}};

// Icons beside the menu and their hints.
inline constexpr WordTable MoreGames{{"More games!", "Больше игр!", "Mehr Spiele!", "Plus de jeux!",
                                      "¡Más juegos!", "更多遊戲！", "Altri giochi!", "Další hry!",
                                      "その他のゲーム！", "더 많은 게임!"}};
inline constexpr WordTable Download{{"Download", "Скачать", "Herunterladen", "Télécharger",
                                     "Descargar", "下載", "Scarica", "Stáhnout", "ダウンロード",
                                     "다운로드"}};
inline constexpr WordTable OnGooglePlay{
    {"on Google Play!", "в Google Play!", "bei Google Play!", "sur Google Play!",
     "¡en Google Play!", "在 Google Play 上！", "su Google Play!", "na Google Play!",
     "Google Play で！", "Google Play에서!"}};
inline constexpr WordTable OnlineTournament{
    {"Online-Tournament", "Онлайн-турнир", "Online-Turnier", "Tournoi en ligne", "Torneo en línea",
     "線上錦標賽", "Torneo online", "Online turnaj", "オンライン大会", "온라인 토너먼트"}};
inline constexpr WordTable SupportUs{
    {"Support us!", "Поддержите нас!", "Unterstützen Sie uns!", "Soutenez-nous!", "¡Apóyenos!",
     "支持我們！", "Sostienici!", "Podpořte nás!", "応援してください！", "저희를 후원해 주세요!"}};
inline constexpr WordTable WorldTopTen{
    {"World Top 10", "Мировая десятка", "Welt-Top-10", "Top 10 mondial", "Top 10 mundial",
     "世界前十名", "Top 10 mondiale", "Světová top 10", "世界トップ10", "세계 톱 10"}};
inline constexpr WordTable Statistics{{"Statistics", "Статистика", "Statistik", "Statistiques",
                                       "Estadísticas", "統計", "Statistiche", "Statistiky", "統計",
                                       "통계"}};
inline constexpr WordTable NotLoggedIn{
    {"You are not logged in to your account!", "Вы не вошли в свой аккаунт!",
     "Sie sind nicht in Ihrem Konto angemeldet!", "Vous n`êtes pas connecté à votre compte!",
     "¡No ha iniciado sesión en su cuenta!", "您尚未登入帳號！",
     "Non hai effettuato l`accesso al tuo account!", "Nejste přihlášeni ke svému účtu!",
     "アカウントにログインしていません！", "계정에 로그인하지 않았습니다!"}};
inline constexpr WordTable LoggedIn{
    {"You are logged in to your account!", "Вы вошли в свой аккаунт!",
     "Sie sind in Ihrem Konto angemeldet!", "Vous êtes connecté à votre compte!",
     "¡Ha iniciado sesión en su cuenta!", "您已登入帳號！",
     "Hai effettuato l`accesso al tuo account!", "Jste přihlášeni ke svému účtu!",
     "アカウントにログインしています！", "계정에 로그인했습니다!"}};
inline constexpr WordTable RatedGameOn{
    {"There is a game on the rating!", "Идёт игра на рейтинг!",
     "Es läuft ein Spiel um die Wertung!", "Une partie classée est en cours!",
     "¡Se juega por la clasificación!", "正在進行排名賽！",
     "È in corso una partita per la classifica!", "Hraje se o hodnocení!",
     "レーティング戦の最中です！", "랭킹 게임 중입니다!"}};
inline constexpr WordTable PlayOurOtherGames{
    {"Play our other games", "Играйте в другие наши игры", "Spielen Sie unsere anderen Spiele",
     "Jouez à nos autres jeux", "Juegue a nuestros otros juegos", "試試我們的其他遊戲",
     "Gioca ai nostri altri giochi", "Hrajte naše další hry", "他のゲームもどうぞ",
     "저희의 다른 게임도 즐겨 보세요"}};
inline constexpr WordTable ThanksForSupport{
    {"Thank you for Your support!", "Спасибо за Вашу поддержку!", "Danke für Ihre Unterstützung!",
     "Merci pour votre soutien!", "¡Gracias por su apoyo!", "感謝您的支持！",
     "Grazie per il vostro sostegno!", "Děkujeme za vaši podporu!", "ご支援ありがとうございます！",
     "후원해 주셔서 감사합니다!"}};

// Headings of the club list on the menu, in score mode and in rating mode. They
// are drawn in a fixed-pitch font: each column word ends where the column of the
// member lines below it ends, 39 cells in all (a Chinese, Japanese or Korean
// character takes two cells).
inline constexpr WordTable ClubHeadingScore{
    {" The members of club    Games    Score ", " Члены клуба           Партии     Очки ",
     " Die Clubmitglieder    Spiele   Punkte ", " Membres du club      Parties    Score ",
     " Miembros del club   Partidas   Puntos ", " 俱樂部成員              局數     得分 ",
     " Membri del club      Partite    Punti ", " Členové klubu            Hry    Skóre ",
     " クラブメンバー        ゲーム   スコア ", " 클럽 회원               게임     점수 "}};
inline constexpr WordTable ClubHeadingRating{
    {" The members of club    Games   Rating ", " Члены клуба           Партии  Рейтинг ",
     " Die Clubmitglieder    Spiele  Wertung ", " Membres du club      Parties     Cote ",
     " Miembros del club   Partidas   Rating ", " 俱樂部成員              局數     評分 ",
     " Membri del club      Partite   Rating ", " Členové klubu            Hry   Rating ",
     " クラブメンバー        ゲーム   レート ", " 클럽 회원               게임   레이팅 "}};

// The club heading of a display mode: 1 score, 2 rating.
constexpr const WordTable& ClubListHeading(int clubListMode) {
    return clubListMode == 2 ? ClubHeadingRating : ClubHeadingScore;
}

// Every table above, for the checks that run over all texts.// The notice of an online feature
// opened without a logged-in account.
inline constexpr WordTable LogInToYourAccount{
    {"Log in to your account!", "Войдите в свою учётную запись!",
     "Melden Sie sich bei Ihrem Konto an!", "Connectez-vous à votre compte !",
     "¡Inicie sesión en su cuenta!", "請登入您的帳戶！", "Accedi al tuo account!",
     "Přihlaste se ke svému účtu!", "アカウントにログインしてください！", "계정에 로그인하세요!"}};

inline constexpr const WordTable* MenuWords[] = {&GameTitle,
                                                 &TitleReleaseLine,
                                                 &TitleAuthorLine,
                                                 &TitleScreenTitle,
                                                 &TitleCreditLine,
                                                 &EliteClubCaption,
                                                 &NetworkClubCaption,
                                                 &NewPlayer,
                                                 &TopTen,
                                                 &Options,
                                                 &Exit,
                                                 &History,
                                                 &Mode,
                                                 &NotAvailableYet,
                                                 &LogInToYourAccount,
                                                 &GeneralScore,
                                                 &ChangeName,
                                                 &Speed,
                                                 &Help,
                                                 &About,
                                                 &Radio,
                                                 &Comment,
                                                 &Chat,
                                                 &Excuse,
                                                 &HelpNotInEnglish,
                                                 &LeaveToMainMenuQuestion,
                                                 &AllDataWillBeLost,
                                                 &LeaveGameQuestion,
                                                 &PleaseWait,
                                                 &NameChanged,
                                                 &CreatingGif,
                                                 &Repeat,
                                                 &MoreGames,
                                                 &Download,
                                                 &OnGooglePlay,
                                                 &OnlineTournament,
                                                 &SupportUs,
                                                 &WorldTopTen,
                                                 &Statistics,
                                                 &NotLoggedIn,
                                                 &LoggedIn,
                                                 &RatedGameOn,
                                                 &PlayOurOtherGames,
                                                 &ThanksForSupport,
                                                 &ClubHeadingScore,
                                                 &ClubHeadingRating};

} // namespace tavlira::words

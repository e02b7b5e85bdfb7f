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

// The account dialog: its pages and the account page.
inline constexpr WordTable MyAccount{{"My account", "Мой аккаунт", "Mein Konto", "Mon compte",
                                      "Mi cuenta", "我的帳號", "Il mio account", "Můj účet",
                                      "マイアカウント", "내 계정"}};
inline constexpr WordTable MyResults{{"My results", "Мои результаты", "Meine Ergebnisse",
                                      "Mes résultats", "Mis resultados", "我的成績",
                                      "I miei risultati", "Moje výsledky", "マイ成績", "내 성적"}};
inline constexpr WordTable TopTenShort{{"Top 10", "Топ-10", "Top 10", "Top 10", "Top 10",
                                        "前 10 名", "Top 10", "Top 10", "トップ10", "톱 10"}};
inline constexpr WordTable AboutMe{{"About me", "Обо мне", "Über mich", "À propos de moi",
                                    "Sobre mí", "關於我", "Su di me", "O mně", "自己紹介",
                                    "내 소개"}};
inline constexpr WordTable President{{"President", "Президент", "Präsident", "Président",
                                      "Presidente", "會長", "Presidente", "Prezident", "会長",
                                      "회장"}};
inline constexpr WordTable YourAccountInformation{
    {"Your account information", "Информация о Вашем аккаунте", "Ihre Kontodaten",
     "Informations sur votre compte", "Información de su cuenta", "您的帳號資訊",
     "Informazioni sul tuo account", "Informace o vašem účtu", "アカウント情報", "계정 정보"}};
inline constexpr WordTable Nick{{"Nick", "Ник", "Nick", "Pseudo", "Apodo", "暱稱", "Nick",
                                 "Přezdívka", "ニックネーム", "닉네임"}};
inline constexpr WordTable Password{{"Password", "Пароль", "Passwort", "Mot de passe", "Contraseña",
                                     "密碼", "Password", "Heslo", "パスワード", "비밀번호"}};
inline constexpr WordTable Country{
    {"Country", "Страна", "Land", "Pays", "País", "國家", "Paese", "Země", "国", "국가"}};
inline constexpr WordTable City{
    {"City", "Город", "Stadt", "Ville", "Ciudad", "城市", "Città", "Město", "都市", "도시"}};
inline constexpr WordTable Sex{
    {"Sex", "Пол", "Geschlecht", "Sexe", "Sexo", "性別", "Sesso", "Pohlaví", "性別", "성별"}};
inline constexpr WordTable EMail{{"E-Mail:", "E-Mail:", "E-Mail:", "E-mail:", "Correo:",
                                  "電子郵件：", "E-mail:", "E-mail:", "メール：", "이메일:"}};
inline constexpr WordTable Registration{{"Registration", "Регистрация", "Registrierung",
                                         "Inscription", "Registro", "註冊日期", "Registrazione",
                                         "Registrace", "登録日", "가입일"}};
inline constexpr WordTable HidePassword{{"Hide password", "Скрыть пароль", "Passwort verbergen",
                                         "Masquer le mot de passe", "Ocultar contraseña",
                                         "隱藏密碼", "Nascondi password", "Skrýt heslo",
                                         "パスワードを隠す", "비밀번호 숨기기"}};
inline constexpr WordTable PlayGlobalRating{
    {"Play global rating", "Играть на мировой рейтинг", "Um die Weltwertung spielen",
     "Jouer pour le classement mondial", "Jugar por la clasificación mundial", "參加全球排名",
     "Gioca per la classifica mondiale", "Hrát o světové hodnocení", "世界ランキングに参加",
     "세계 랭킹전 참가"}};
inline constexpr WordTable CreateAccount{{"Create an account", "Создать аккаунт", "Konto erstellen",
                                          "Créer un compte", "Crear una cuenta", "建立帳號",
                                          "Crea un account", "Vytvořit účet", "アカウントを作成",
                                          "계정 만들기"}};
inline constexpr WordTable LoginToAccount{{"Login to account", "Войти в аккаунт", "Anmelden",
                                           "Se connecter", "Iniciar sesión", "登入帳號", "Accedi",
                                           "Přihlásit se", "ログイン", "로그인"}};
inline constexpr WordTable SignOut{{"Sign out", "Выйти из аккаунта", "Abmelden", "Se déconnecter",
                                    "Cerrar sesión", "登出", "Esci dall`account", "Odhlásit se",
                                    "ログアウト", "로그아웃"}};
inline constexpr WordTable Save{{"Save", "Сохранить", "Speichern", "Enregistrer", "Guardar", "儲存",
                                 "Salva", "Uložit", "保存", "저장"}};
inline constexpr WordTable Delete{{"Delete", "Удалить", "Löschen", "Supprimer", "Eliminar", "刪除",
                                   "Elimina", "Smazat", "削除", "삭제"}};
inline constexpr WordTable AccountCreated{
    {"Your account has been successfully created!", "Ваш аккаунт успешно создан!",
     "Ihr Konto wurde erfolgreich erstellt!", "Votre compte a été créé!",
     "¡Su cuenta se ha creado con éxito!", "您的帳號已成功建立！", "Il tuo account è stato creato!",
     "Váš účet byl úspěšně vytvořen!", "アカウントを作成しました！", "계정이 만들어졌습니다!"}};
inline constexpr WordTable NickAlreadyTaken{
    {"The club already has a player with the same Nick!", "В клубе уже есть игрок с таким ником!",
     "Im Club gibt es bereits einen Spieler mit diesem Nick!",
     "Le club a déjà un joueur avec ce pseudo!", "¡Ya hay un jugador con ese apodo en el club!",
     "俱樂部已有使用相同暱稱的玩家！", "Nel club c`è già un giocatore con lo stesso nick!",
     "V klubu už je hráč se stejnou přezdívkou!", "同じニックネームのプレーヤーがすでにいます！",
     "같은 닉네임의 플레이어가 이미 있습니다!"}};
inline constexpr WordTable CouldNotCreateAccount{
    {"Could not create account!", "Не удалось создать аккаунт!",
     "Konto konnte nicht erstellt werden!", "Impossible de créer le compte!",
     "¡No se pudo crear la cuenta!", "無法建立帳號！", "Impossibile creare l`account!",
     "Účet se nepodařilo vytvořit!", "アカウントを作成できませんでした！",
     "계정을 만들 수 없습니다!"}};
inline constexpr WordTable LoginFailed{
    {"Login failed!", "Не удалось войти!", "Anmeldung fehlgeschlagen!", "Échec de la connexion!",
     "¡Error al iniciar sesión!", "登入失敗！", "Accesso non riuscito!", "Přihlášení se nezdařilo!",
     "ログインに失敗しました！", "로그인에 실패했습니다!"}};
inline constexpr WordTable Male{
    {"Male", "Мужской", "Männlich", "Homme", "Hombre", "男", "Maschio", "Muž", "男性", "남성"}};
inline constexpr WordTable Female{
    {"Female", "Женский", "Weiblich", "Femme", "Mujer", "女", "Femmina", "Žena", "女性", "여성"}};
inline constexpr WordTable Man{
    {"Man", "Мужчина", "Mann", "Homme", "Hombre", "男", "Uomo", "Muž", "男性", "남성"}};
inline constexpr WordTable Woman{
    {"Woman", "Женщина", "Frau", "Femme", "Mujer", "女", "Donna", "Žena", "女性", "여성"}};

// Continents of the country lists, in list order.
inline constexpr WordTable Europe{{"Europe", "Европа", "Europa", "Europe", "Europa", "歐洲",
                                   "Europa", "Evropa", "ヨーロッパ", "유럽"}};
inline constexpr WordTable Asia{
    {"Asia", "Азия", "Asien", "Asie", "Asia", "亞洲", "Asia", "Asie", "アジア", "아시아"}};
inline constexpr WordTable NorthAmerica{
    {"North America", "Северная Америка", "Nordamerika", "Amérique du Nord", "América del Norte",
     "北美洲", "America del Nord", "Severní Amerika", "北アメリカ", "북아메리카"}};
inline constexpr WordTable SouthAmerica{
    {"South America", "Южная Америка", "Südamerika", "Amérique du Sud", "América del Sur", "南美洲",
     "America del Sud", "Jižní Amerika", "南アメリカ", "남아메리카"}};
inline constexpr WordTable Oceania{{"Oceania", "Океания", "Ozeanien", "Océanie", "Oceanía",
                                    "大洋洲", "Oceania", "Oceánie", "オセアニア", "오세아니아"}};
inline constexpr WordTable Africa{{"Africa", "Африка", "Afrika", "Afrique", "África", "非洲",
                                   "Africa", "Afrika", "アフリカ", "아프리카"}};

// The results page and the boards of results.
inline constexpr WordTable InformationAboutYourGames{
    {"Information about your games", "Информация о Ваших играх", "Informationen zu Ihren Spielen",
     "Informations sur vos parties", "Información sobre sus partidas", "您的對局資訊",
     "Informazioni sulle tue partite", "Informace o vašich hrách", "あなたのゲーム情報",
     "내 게임 정보"}};
inline constexpr WordTable Place{
    {"Place", "Место", "Platz", "Place", "Puesto", "名次", "Posizione", "Místo", "順位", "순위"}};
inline constexpr WordTable PlayedGames{
    {"Played games", "Сыграно партий", "Gespielte Spiele", "Parties jouées", "Partidas jugadas",
     "已玩局數", "Partite giocate", "Odehrané hry", "プレイしたゲーム", "플레이한 게임"}};
inline constexpr WordTable MyBestScore{
    {"My best score", "Мой лучший счёт", "Mein bester Punktestand", "Mon meilleur score",
     "Mi mejor puntuación", "我的最佳成績", "Il mio miglior punteggio", "Moje nejlepší skóre",
     "自己ベスト", "내 최고 점수"}};
inline constexpr WordTable PlayedCycles{
    {"Played cycles", "Сыграно циклов", "Gespielte Zyklen", "Cycles joués", "Ciclos jugados",
     "已玩循環", "Cicli giocati", "Odehrané cykly", "プレイしたサイクル", "플레이한 사이클"}};
inline constexpr WordTable CurrentDeal{
    {"Current Deal", "Текущая партия", "Aktuelles Spiel", "Partie en cours", "Partida actual",
     "目前牌局", "Partita attuale", "Aktuální hra", "現在のゲーム", "현재 게임"}};
inline constexpr WordTable CurrentScore{
    {"Current Score", "Текущий счёт", "Aktueller Punktestand", "Score actuel", "Puntuación actual",
     "目前比分", "Punteggio attuale", "Aktuální skóre", "現在のスコア", "현재 점수"}};
inline constexpr WordTable Rating{{"Rating", "Рейтинг", "Wertung", "Cote", "Rating", "評分",
                                   "Rating", "Rating", "レーティング", "레이팅"}};
inline constexpr WordTable Games{{"Games", "Партии", "Spiele", "Parties", "Partidas", "局數",
                                  "Partite", "Hry", "ゲーム数", "게임 수"}};
inline constexpr WordTable TopTenBestRated{
    {"Top 10 best rated players", "10 лучших игроков по рейтингу",
     "Die 10 besten Spieler nach Wertung", "Les 10 meilleurs joueurs au classement",
     "Los 10 mejores jugadores por rating", "評分最高的前 10 名玩家",
     "I 10 migliori giocatori per rating", "10 nejlepších hráčů podle ratingu",
     "レーティング上位10人", "레이팅 상위 10명"}};
inline constexpr WordTable NumberOfGames{
    {"Number of games", "Количество партий", "Anzahl der Spiele", "Nombre de parties",
     "Número de partidas", "對局數", "Numero di partite", "Počet her", "ゲーム数", "게임 수"}};
inline constexpr WordTable YourScore{{"Your score", "Ваш счёт", "Ihr Punktestand", "Votre score",
                                      "Su puntuación", "您的得分", "Il tuo punteggio", "Vaše skóre",
                                      "あなたのスコア", "내 점수"}};
inline constexpr WordTable YourPlace{{"Your place", "Ваше место", "Ihr Platz", "Votre place",
                                      "Su puesto", "您的名次", "La tua posizione", "Vaše místo",
                                      "あなたの順位", "내 순위"}};
inline constexpr WordTable Refresh{{"Refresh", "Обновить", "Aktualisieren", "Actualiser",
                                    "Actualizar", "重新整理", "Aggiorna", "Obnovit", "更新",
                                    "새로 고침"}};
inline constexpr WordTable Close{{"Close", "Закрыть", "Schließen", "Fermer", "Cerrar", "關閉",
                                  "Chiudi", "Zavřít", "閉じる", "닫기"}};
// Entry 0 of every continent's country list.
inline constexpr WordTable UnknownCountry{{"Unknown", "Неизвестно", "Unbekannt", "Inconnu",
                                           "Desconocido", "未知", "Sconosciuto", "Neznámá", "不明",
                                           "알 수 없음"}};
inline constexpr WordTable NoConnect{
    {"No Connect", "Нет связи", "Keine Verbindung", "Pas de connexion", "Sin conexión", "無法連線",
     "Nessuna connessione", "Bez spojení", "接続なし", "연결 없음"}};
inline constexpr WordTable CouldNotConnectToServer{
    {"Could not connect to server!", "Не удалось подключиться к серверу!",
     "Verbindung zum Server fehlgeschlagen!", "Impossible de se connecter au serveur!",
     "¡No se pudo conectar con el servidor!", "無法連線到伺服器！",
     "Impossibile connettersi al server!", "Nepodařilo se připojit k serveru!",
     "サーバーに接続できませんでした！", "서버에 연결할 수 없습니다!"}};
inline constexpr WordTable UnableToWriteResult{
    {"Unable to write the result of the game!", "Не удалось записать результат игры!",
     "Das Spielergebnis konnte nicht gespeichert werden!",
     "Impossible d`enregistrer le résultat de la partie!",
     "¡No se pudo guardar el resultado de la partida!", "無法記錄對局結果！",
     "Impossibile salvare il risultato della partita!", "Výsledek hry se nepodařilo zapsat!",
     "ゲームの結果を記録できませんでした！", "게임 결과를 기록할 수 없습니다!"}};
inline constexpr WordTable Send{{"Send", "Отправить", "Senden", "Envoyer", "Enviar", "傳送",
                                 "Invia", "Odeslat", "送信", "보내기"}};
inline constexpr WordTable WorldTopTenUnavailable{
    {"World Top Ten Tournament is temporarily unavailable!", "Мировая десятка временно недоступна!",
     "Die Welt-Top-10 ist vorübergehend nicht verfügbar!",
     "Le Top 10 mondial est temporairement indisponible!",
     "¡El Top 10 mundial no está disponible por ahora!", "世界前十名暫時無法使用！",
     "La Top 10 mondiale è temporaneamente non disponibile!",
     "Světová top 10 je dočasně nedostupná!", "世界トップ10は一時的に利用できません！",
     "세계 톱 10을 일시적으로 사용할 수 없습니다!"}};

// Titles of the world boards, the tournament and the statistics dialog.
inline constexpr WordTable WorldTopTenTitle{
    {"World Top Ten", "Мировая десятка", "Welt-Top-10", "Top 10 mondial", "Top 10 mundial",
     "世界前十名", "Top 10 mondiale", "Světová top 10", "世界トップ10", "세계 톱 10"}};
inline constexpr WordTable WorldStatsTitle{{"WORLD STATS", "МИРОВАЯ СТАТИСТИКА", "WELTSTATISTIK",
                                            "STATISTIQUES MONDIALES", "ESTADÍSTICAS MUNDIALES",
                                            "世界統計", "STATISTICHE MONDIALI",
                                            "SVĚTOVÉ STATISTIKY", "世界統計", "세계 통계"}};
inline constexpr WordTable WorldOnlineTournamentTitle{
    {"WORLD ONLINE TOURNAMENT", "МИРОВОЙ ОНЛАЙН-ТУРНИР", "WELTWEITES ONLINE-TURNIER",
     "TOURNOI MONDIAL EN LIGNE", "TORNEO MUNDIAL EN LÍNEA", "世界線上錦標賽",
     "TORNEO MONDIALE ONLINE", "SVĚTOVÝ ONLINE TURNAJ", "世界オンライン大会",
     "세계 온라인 토너먼트"}};
inline constexpr WordTable TournamentTopTen{
    {"Tournament Top Ten", "Десятка турнира", "Turnier-Top-10", "Top 10 du tournoi",
     "Top 10 del torneo", "錦標賽前十名", "Top 10 del torneo", "Top 10 turnaje", "大会トップ10",
     "토너먼트 톱 10"}};
inline constexpr WordTable OnlineTopTenTitle{
    {"ONLINE TOP TEN", "ОНЛАЙН-ДЕСЯТКА", "ONLINE-TOP-10", "TOP 10 EN LIGNE", "TOP 10 EN LÍNEA",
     "線上前十名", "TOP 10 ONLINE", "ONLINE TOP 10", "オンライントップ10", "온라인 톱 10"}};

// The world statistics dialog.
inline constexpr WordTable NumberOfStarts{{"Number of starts", "Число запусков",
                                           "Anzahl der Starts", "Nombre de lancements",
                                           "Número de inicios", "啟動次數", "Numero di avvii",
                                           "Počet spuštění", "起動回数", "실행 횟수"}};
inline constexpr WordTable NumberOfUniqueStarts{
    {"Number of unique starts", "Число уникальных запусков", "Anzahl der Erststarts",
     "Nombre de lancements uniques", "Número de inicios únicos", "不重複啟動次數",
     "Numero di avvii unici", "Počet jedinečných spuštění", "ユニーク起動回数", "고유 실행 횟수"}};
inline constexpr WordTable Likes{{"Likes", "Лайки", "Likes", "J`aime", "Me gusta", "讚", "Mi piace",
                                  "Líbí se", "いいね", "좋아요"}};
inline constexpr WordTable LastLike{
    {"Last Like", "Последний лайк", "Letztes Like", "Dernier J`aime", "Último Me gusta", "最近的讚",
     "Ultimo Mi piace", "Poslední Líbí se", "最新のいいね", "최근 좋아요"}};
inline constexpr WordTable ILikeThisGame{
    {"I like this game!", "Мне нравится эта игра!", "Mir gefällt dieses Spiel!", "J`aime ce jeu!",
     "¡Me gusta este juego!", "我喜歡這個遊戲！", "Mi piace questo gioco!", "Tahle hra se mi líbí!",
     "このゲームが好き！", "이 게임이 좋아요!"}};
inline constexpr WordTable StatisticsSinceVersion{
    {"This statistic is maintained since version 5.2",
     "Эта статистика ведется начиная с версии 5.2", "Diese Statistik wird seit Version 5.2 geführt",
     "Ces statistiques sont tenues depuis la version 5.2",
     "Estas estadísticas se llevan desde la versión 5.2", "此統計自 5.2 版起開始記錄",
     "Queste statistiche sono tenute dalla versione 5.2", "Tato statistika se vede od verze 5.2",
     "この統計はバージョン 5.2 から記録しています", "이 통계는 버전 5.2부터 집계합니다"}};
inline constexpr WordTable CyclesPlayedWithPc{
    {"Cycles played with PC", "Сыграно циклов с компьютером", "Zyklen gegen den PC",
     "Cycles joués contre le PC", "Ciclos jugados contra el PC", "與電腦對戰循環數",
     "Cicli giocati contro il PC", "Odehrané cykly s počítačem", "PC との対戦サイクル数",
     "PC와 한 사이클 수"}};
inline constexpr WordTable PeopleWonAgainstPc{
    {"Winning people (game with PC)", "Победы людей (игра с компьютером)",
     "Siege der Menschen (gegen den PC)", "Victoires des joueurs (contre le PC)",
     "Victorias de personas (contra el PC)", "玩家勝場（對戰電腦）",
     "Vittorie delle persone (contro il PC)", "Výhry lidí (hra s počítačem)", "人間の勝ち（PC 戦）",
     "사람의 승리 (PC 게임)"}};
inline constexpr WordTable PeopleLostAgainstPc{
    {"Loss of people (game with PC)", "Поражения людей (игра с компьютером)",
     "Niederlagen der Menschen (gegen den PC)", "Défaites des joueurs (contre le PC)",
     "Derrotas de personas (contra el PC)", "玩家敗場（對戰電腦）",
     "Sconfitte delle persone (contro il PC)", "Prohry lidí (hra s počítačem)",
     "人間の負け（PC 戦）", "사람의 패배 (PC 게임)"}};
inline constexpr WordTable GamesPlayedNet{
    {"Games played Net", "Сыграно партий по сети", "Spiele im Netzwerk", "Parties jouées en réseau",
     "Partidas jugadas en red", "區域網路對戰局數", "Partite giocate in rete",
     "Odehrané hry po síti", "ネット対戦数", "네트워크 게임 수"}};
inline constexpr WordTable GamesPlayedOnline{
    {"Games played Online", "Сыграно партий онлайн", "Spiele online", "Parties jouées en ligne",
     "Partidas jugadas en línea", "線上對戰局數", "Partite giocate online", "Odehrané hry online",
     "オンライン対戦数", "온라인 게임 수"}};

// The profile dialog.
inline constexpr WordTable ProfileVisibleToMembers{
    {"This information may be visible to other club members.",
     "Эта информация может быть видна другим членам клуба.",
     "Diese Angaben können für andere Clubmitglieder sichtbar sein.",
     "Ces informations peuvent être visibles par les autres membres du club.",
     "Esta información puede ser visible para otros miembros del club.",
     "這些資訊可能會被其他俱樂部成員看到。",
     "Queste informazioni possono essere visibili agli altri membri del club.",
     "Tyto informace mohou vidět ostatní členové klubu.",
     "この情報は他のクラブ会員に表示される場合があります。",
     "이 정보는 다른 클럽 회원에게 보일 수 있습니다."}};
inline constexpr WordTable YourName{{"Your name", "Ваше имя", "Ihr Vorname", "Votre prénom",
                                     "Su nombre", "您的名字", "Il tuo nome", "Vaše jméno", "名",
                                     "이름"}};
inline constexpr WordTable YourLastName{{"Your last name", "Ваша фамилия", "Ihr Nachname",
                                         "Votre nom", "Sus apellidos", "您的姓氏", "Il tuo cognome",
                                         "Vaše příjmení", "姓", "성"}};
inline constexpr WordTable BriefInformationAboutYou{
    {"Brief information about you", "Коротко о себе", "Kurz über Sie", "Quelques mots sur vous",
     "Breve información sobre usted", "簡短自我介紹", "Due parole su di te", "Krátce o vás",
     "簡単な自己紹介", "간단한 자기소개"}};
inline constexpr WordTable YourPhoneNumber{
    {"Your phone number", "Ваш телефон", "Ihre Telefonnummer", "Votre numéro de téléphone",
     "Su número de teléfono", "您的電話號碼", "Il tuo numero di telefono", "Vaše telefonní číslo",
     "電話番号", "전화번호"}};
inline constexpr WordTable YourEMail{{"Your e-mail", "Ваш e-mail", "Ihre E-Mail", "Votre e-mail",
                                      "Su correo electrónico", "您的電子郵件", "La tua e-mail",
                                      "Váš e-mail", "メールアドレス", "이메일"}};
inline constexpr WordTable YourWebSite{{"Your web site", "Ваш сайт", "Ihre Website",
                                        "Votre site web", "Su sitio web", "您的網站",
                                        "Il tuo sito web", "Váš web", "ウェブサイト", "웹사이트"}};
inline constexpr WordTable YourSkype{{"Your skype", "Ваш Skype", "Ihr Skype", "Votre Skype",
                                      "Su Skype", "您的 Skype", "Il tuo Skype", "Váš Skype",
                                      "Skype アカウント", "Skype 계정"}};
inline constexpr WordTable YourOk{{"Your OK", "Ваши Одноклассники", "Ihr OK", "Votre OK", "Su OK",
                                   "您的 OK", "Il tuo OK", "Váš OK", "OK アカウント", "OK 계정"}};
inline constexpr WordTable YourVk{{"Your VK", "Ваш ВКонтакте", "Ihr VK", "Votre VK", "Su VK",
                                   "您的 VK", "Il tuo VK", "Váš VK", "VK アカウント", "VK 계정"}};
inline constexpr WordTable YourTelegram{
    {"Your Telegram", "Ваш Telegram", "Ihr Telegram", "Votre Telegram", "Su Telegram",
     "您的 Telegram", "Il tuo Telegram", "Váš Telegram", "Telegram アカウント", "Telegram 계정"}};
inline constexpr WordTable YourFacebook{
    {"Your Facebook", "Ваш Facebook", "Ihr Facebook", "Votre Facebook", "Su Facebook",
     "您的 Facebook", "Il tuo Facebook", "Váš Facebook", "Facebook アカウント", "Facebook 계정"}};
inline constexpr WordTable YourTwitter{
    {"Your Twitter", "Ваш Twitter", "Ihr Twitter", "Votre Twitter", "Su Twitter", "您的 Twitter",
     "Il tuo Twitter", "Váš Twitter", "Twitter アカウント", "Twitter 계정"}};
inline constexpr WordTable YourInstagram{{"Your Instagram", "Ваш Instagram", "Ihr Instagram",
                                          "Votre Instagram", "Su Instagram", "您的 Instagram",
                                          "Il tuo Instagram", "Váš Instagram",
                                          "Instagram アカウント", "Instagram 계정"}};
inline constexpr WordTable YourYouTube{
    {"Your YouTube", "Ваш YouTube", "Ihr YouTube", "Votre YouTube", "Su YouTube", "您的 YouTube",
     "Il tuo YouTube", "Váš YouTube", "YouTube チャンネル", "YouTube 채널"}};
inline constexpr WordTable UpdateInfo{{"Update info", "Обновить информацию",
                                       "Angaben aktualisieren", "Mettre à jour", "Actualizar datos",
                                       "更新資料", "Aggiorna i dati", "Aktualizovat údaje",
                                       "情報を更新", "정보 업데이트"}};
inline constexpr WordTable RefreshPhoto{
    {"Refresh photo", "Обновить фото", "Foto aktualisieren", "Changer la photo", "Actualizar foto",
     "更新相片", "Aggiorna foto", "Aktualizovat fotku", "写真を更新", "사진 업데이트"}};
inline constexpr WordTable PhotoFormatRequired{
    {"The photo must be in jpg format 200x250 pixels in size!",
     "Фото должно быть в формате jpg размером 200x250 пикселей!",
     "Das Foto muss im JPG-Format mit 200x250 Pixeln sein!",
     "La photo doit être au format jpg de 200x250 pixels!",
     "¡La foto debe estar en formato jpg de 200x250 píxeles!",
     "相片必須是 200x250 像素的 jpg 格式！", "La foto deve essere in formato jpg di 200x250 pixel!",
     "Fotka musí být ve formátu jpg o velikosti 200x250 pixelů!",
     "写真は 200x250 ピクセルの jpg 形式にしてください！",
     "사진은 200x250 픽셀 크기의 jpg 형식이어야 합니다!"}};
inline constexpr WordTable PhotoUploadFailed{
    {"Failed to upload photo to server!", "Не удалось загрузить фото на сервер!",
     "Das Foto konnte nicht hochgeladen werden!", "Échec de l`envoi de la photo au serveur!",
     "¡No se pudo subir la foto al servidor!", "無法將相片上傳到伺服器！",
     "Impossibile caricare la foto sul server!", "Fotku se nepodařilo nahrát na server!",
     "写真をサーバーにアップロードできませんでした！", "사진을 서버에 올리지 못했습니다!"}};
inline constexpr WordTable CopiedToClipboard{
    {"Copied to clipboard!", "Скопировано в буфер обмена!", "In die Zwischenablage kopiert!",
     "Copié dans le presse-papiers!", "¡Copiado al portapapeles!", "已複製到剪貼簿！",
     "Copiato negli appunti!", "Zkopírováno do schránky!", "クリップボードにコピーしました！",
     "클립보드에 복사했습니다!"}};
inline constexpr WordTable Passport{{"Passport", "Личные данные", "Pass", "Profil", "Pasaporte",
                                     "個人資料", "Profilo", "Profil", "プロフィール", "프로필"}};
inline constexpr WordTable MyPassport{
    {"My Passport", "Мои личные данные", "Mein Pass", "Mon profil", "Mi pasaporte", "我的個人資料",
     "Il mio profilo", "Můj profil", "マイプロフィール", "내 프로필"}};

// The chat dialog and the menu indicators for news and chat.
inline constexpr WordTable QelGamesChat{{"Qel Games Chat", "Чат Qel Games", "Qel Games Chat",
                                         "Chat Qel Games", "Chat de Qel Games", "Qel Games 聊天室",
                                         "Chat di Qel Games", "Chat Qel Games",
                                         "Qel Games チャット", "Qel Games 채팅"}};
inline constexpr WordTable QelNews{{"Qel News!", "Новости Qel!", "Qel-Neuigkeiten!",
                                    "Nouvelles Qel!", "¡Noticias de Qel!", "Qel 新聞！",
                                    "Novità Qel!", "Novinky Qel!", "Qel ニュース！", "Qel 뉴스!"}};
inline constexpr WordTable QelChat{{"Qel Chat!", "Чат Qel!", "Qel-Chat!", "Chat Qel!",
                                    "¡Chat de Qel!", "Qel 聊天！", "Chat Qel!", "Chat Qel!",
                                    "Qel チャット！", "Qel 채팅!"}};
inline constexpr WordTable UnableToSendMessage{
    {"Unable to send a message!", "Не удалось отправить сообщение!",
     "Die Nachricht konnte nicht gesendet werden!", "Impossible d`envoyer le message!",
     "¡No se pudo enviar el mensaje!", "無法傳送訊息！", "Impossibile inviare il messaggio!",
     "Zprávu se nepodařilo odeslat!", "メッセージを送信できませんでした！",
     "메시지를 보낼 수 없습니다!"}};
inline constexpr WordTable LastMessageAtBottom{
    {"Last message at the bottom", "Последнее сообщение внизу", "Neueste Nachricht unten",
     "Dernier message en bas", "Último mensaje abajo", "最新訊息在下方",
     "Ultimo messaggio in basso", "Poslední zpráva dole", "最新のメッセージを下に",
     "최신 메시지를 아래에"}};
inline constexpr WordTable OpenOnNewMessage{
    {"Open this window when a new message", "Открывать это окно при новом сообщении",
     "Dieses Fenster bei neuer Nachricht öffnen", "Ouvrir cette fenêtre à chaque nouveau message",
     "Abrir esta ventana con cada mensaje nuevo", "有新訊息時開啟此視窗",
     "Apri questa finestra a ogni nuovo messaggio", "Otevřít toto okno při nové zprávě",
     "新着メッセージでこの画面を開く", "새 메시지가 오면 이 창 열기"}};
inline constexpr WordTable ChatUnavailable{
    {"Chat is temporarily unavailable!", "Чат временно недоступен!",
     "Der Chat ist vorübergehend nicht verfügbar!", "Le chat est temporairement indisponible!",
     "¡El chat no está disponible por ahora!", "聊天室暫時無法使用！",
     "La chat è temporaneamente non disponibile!", "Chat je dočasně nedostupný!",
     "チャットは一時的に利用できません！", "채팅을 일시적으로 사용할 수 없습니다!"}};

inline constexpr WordTable NewMessage{
    {"New", "Новое", "Neu", "Nouveau", "Nuevo", "新", "Nuovo", "Nové", "新着", "새 글"}};
inline constexpr WordTable ProfileSaved{{"Information updated!", "Информация обновлена!",
                                         "Angaben aktualisiert!", "Informations mises à jour!",
                                         "¡Información actualizada!", "資訊已更新！",
                                         "Informazioni aggiornate!", "Informace aktualizovány!",
                                         "情報を更新しました！", "정보가 업데이트되었습니다!"}};
inline constexpr WordTable PhotoUploaded{
    {"Photo updated!", "Фото обновлено!", "Foto aktualisiert!", "Photo mise à jour!",
     "¡Foto actualizada!", "照片已更新！", "Foto aggiornata!", "Fotka aktualizována!",
     "写真を更新しました！", "사진이 업데이트되었습니다!"}};

// Headings of the boards of results. They are shown in English in every
// language; the last two head the local lists of the top-ten dialog.
inline constexpr EnglishOnlyHeading AccountRatingAllGames{{{"ACCOUNT. RATING. ALL GAMES"}}};
inline constexpr EnglishOnlyHeading AccountScoreGamesInCycle{{{"ACCOUNT. SCORE. GAMES IN CYCLE"}}};
inline constexpr EnglishOnlyHeading WindowsScoreGamesInCycle{{{"WINDOWS. SCORE. GAMES IN CYCLE"}}};
inline constexpr EnglishOnlyHeading AndroidScoreGamesInCycle{{{"ANDROID. SCORE. GAMES IN CYCLE"}}};
inline constexpr EnglishOnlyHeading WindowsOnlineTournament{{{"WINDOWS. ONLINE TOURNAMENT"}}};
inline constexpr EnglishOnlyHeading WindowsLocalGamesWithPc{{{"WINDOWS. LOCAL GAMES WITH PC"}}};
inline constexpr EnglishOnlyHeading WindowsNetGames{{{"WINDOWS. NET GAMES"}}};

// The board headings in board order (boards 1 to 7).
inline constexpr const EnglishOnlyHeading* BoardHeadings[] = {
    &AccountRatingAllGames,    &AccountScoreGamesInCycle, &WindowsScoreGamesInCycle,
    &AndroidScoreGamesInCycle, &WindowsOnlineTournament,  &WindowsLocalGamesWithPc,
    &WindowsNetGames,
};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* OnlineWords[] = {&DynamicIqForWindows,
                                                   &GamesPlayedWithPc,
                                                   &BestWindowsPlayer,
                                                   &BestAndroidPlayer,
                                                   &BestAccountPlayer,
                                                   &Qels,
                                                   &ClubMembers,
                                                   &NoConnectHint,
                                                   &MyAccount,
                                                   &MyResults,
                                                   &TopTenShort,
                                                   &AboutMe,
                                                   &President,
                                                   &YourAccountInformation,
                                                   &Nick,
                                                   &Password,
                                                   &Country,
                                                   &City,
                                                   &Sex,
                                                   &EMail,
                                                   &Registration,
                                                   &HidePassword,
                                                   &PlayGlobalRating,
                                                   &CreateAccount,
                                                   &LoginToAccount,
                                                   &SignOut,
                                                   &Save,
                                                   &Delete,
                                                   &AccountCreated,
                                                   &NickAlreadyTaken,
                                                   &CouldNotCreateAccount,
                                                   &LoginFailed,
                                                   &Male,
                                                   &Female,
                                                   &Man,
                                                   &Woman,
                                                   &Europe,
                                                   &Asia,
                                                   &NorthAmerica,
                                                   &SouthAmerica,
                                                   &Oceania,
                                                   &Africa,
                                                   &InformationAboutYourGames,
                                                   &Place,
                                                   &PlayedGames,
                                                   &MyBestScore,
                                                   &PlayedCycles,
                                                   &CurrentDeal,
                                                   &CurrentScore,
                                                   &Rating,
                                                   &Games,
                                                   &TopTenBestRated,
                                                   &NumberOfGames,
                                                   &YourScore,
                                                   &YourPlace,
                                                   &Refresh,
                                                   &Close,
                                                   &UnknownCountry,
                                                   &NoConnect,
                                                   &CouldNotConnectToServer,
                                                   &UnableToWriteResult,
                                                   &Send,
                                                   &WorldTopTenUnavailable,
                                                   &WorldTopTenTitle,
                                                   &WorldStatsTitle,
                                                   &WorldOnlineTournamentTitle,
                                                   &TournamentTopTen,
                                                   &OnlineTopTenTitle,
                                                   &NumberOfStarts,
                                                   &NumberOfUniqueStarts,
                                                   &Likes,
                                                   &LastLike,
                                                   &ILikeThisGame,
                                                   &StatisticsSinceVersion,
                                                   &CyclesPlayedWithPc,
                                                   &PeopleWonAgainstPc,
                                                   &PeopleLostAgainstPc,
                                                   &GamesPlayedNet,
                                                   &GamesPlayedOnline,
                                                   &ProfileVisibleToMembers,
                                                   &YourName,
                                                   &YourLastName,
                                                   &BriefInformationAboutYou,
                                                   &YourPhoneNumber,
                                                   &YourEMail,
                                                   &YourWebSite,
                                                   &YourSkype,
                                                   &YourOk,
                                                   &YourVk,
                                                   &YourTelegram,
                                                   &YourFacebook,
                                                   &YourTwitter,
                                                   &YourInstagram,
                                                   &YourYouTube,
                                                   &UpdateInfo,
                                                   &RefreshPhoto,
                                                   &PhotoFormatRequired,
                                                   &PhotoUploadFailed,
                                                   &CopiedToClipboard,
                                                   &Passport,
                                                   &MyPassport,
                                                   &QelGamesChat,
                                                   &QelNews,
                                                   &QelChat,
                                                   &UnableToSendMessage,
                                                   &LastMessageAtBottom,
                                                   &OpenOnNewMessage,
                                                   &ChatUnavailable,
                                                   &NewMessage,
                                                   &ProfileSaved,
                                                   &PhotoUploaded};

} // namespace tavlira::words

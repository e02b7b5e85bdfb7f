#pragma once
// Texts of the records: file errors, the end-of-game dialog, the game history
// and the general count.

#include "i18n/WordTable.h"

namespace tavlira::words {

// Errors of the settings, record and history files. The attribute warning is
// "The file", a blank, the quoted path, then its second half.
inline constexpr WordTable CantFindTheFile{
    {"Can`t find the file", "Не найден файл", "Datei nicht gefunden", "Fichier introuvable",
     "No se encuentra el archivo", "找不到檔案", "File non trovato", "Soubor nenalezen",
     "ファイルが見つかりません", "파일을 찾을 수 없습니다"}};
inline constexpr WordTable IncorrectFile{{"The incorrect file", "Неверный файл",
                                          "Fehlerhafte Datei", "Fichier incorrect",
                                          "Archivo incorrecto", "檔案損毀", "File non valido",
                                          "Chybný soubor", "不正なファイル", "잘못된 파일"}};
inline constexpr WordTable AttributeWarningStart{{"The file", "Файл", "Die Datei", "Le fichier",
                                                  "El archivo", "檔案", "Il file", "Soubor",
                                                  "ファイル", "파일"}};
inline constexpr WordTable AttributeWarningEnd{{" has incorrect attributes!\n\r"
                                                "The work of the program will be incorrect!",
                                                " имеет неверные атрибуты!\n\r"
                                                "Программа будет работать неправильно!",
                                                " hat falsche Attribute!\n\r"
                                                "Das Programm wird nicht richtig funktionieren!",
                                                " a des attributs incorrects!\n\r"
                                                "Le programme ne fonctionnera pas correctement!",
                                                " tiene atributos incorrectos.\n\r"
                                                "¡El programa no funcionará correctamente!",
                                                " 的屬性不正確！\n\r"
                                                "程式將無法正常運作！",
                                                " ha attributi non validi!\n\r"
                                                "Il programma non funzionerà correttamente!",
                                                " má nesprávné atributy!\n\r"
                                                "Program nebude fungovat správně!",
                                                " の属性が正しくありません！\n\r"
                                                "プログラムが正しく動作しません！",
                                                " 속성이 올바르지 않습니다!\n\r"
                                                "프로그램이 제대로 작동하지 않습니다!"}};
inline constexpr WordTable ErrorOfDiskWriting{
    {"Error of disk writing!", "Ошибка записи на диск!",
     "Fehler beim Schreiben auf den Datenträger!", "Erreur d`écriture sur le disque!",
     "¡Error al escribir en el disco!", "磁碟寫入錯誤！", "Errore di scrittura su disco!",
     "Chyba zápisu na disk!", "ディスク書き込みエラー！", "디스크 쓰기 오류!"}};
inline constexpr WordTable CantSaveHistory{
    {"Cann`t save history!", "Не могу сохранить историю!", "Verlauf kann nicht gespeichert werden!",
     "Impossible d`enregistrer l`historique!", "¡No se puede guardar el historial!",
     "無法儲存歷史！", "Impossibile salvare la cronologia!", "Historii nelze uložit!",
     "履歴を保存できません！", "기록을 저장할 수 없습니다!"}};

// The end-of-game dialog at the end of a cycle.
inline constexpr WordTable CompletionOfGame{{"The completion of game", "Завершение игры",
                                             "Spielende", "Fin de la partie", "Fin de la partida",
                                             "對局結束", "Fine della partita", "Konec hry",
                                             "ゲーム終了", "게임 종료"}};
inline constexpr WordTable Congratulations{
    {"CONGRATULATIONS!!!", "ПОЗДРАВЛЯЕМ!!!", "HERZLICHEN GLÜCKWUNSCH!!!", "FÉLICITATIONS!!!",
     "¡¡¡ENHORABUENA!!!", "恭喜！！！", "CONGRATULAZIONI!!!", "GRATULUJEME!!!",
     "おめでとうございます！！！", "축하합니다!!!"}};
inline constexpr WordTable YourResultTheBest{
    {"Your result - the best!", "Ваш результат - лучший!", "Ihr Ergebnis ist das beste!",
     "Votre résultat est le meilleur!", "¡Su resultado es el mejor!", "您的成績是最好的！",
     "Il tuo risultato è il migliore!", "Váš výsledek je nejlepší!", "あなたの成績が最高です！",
     "최고 기록입니다!"}};
inline constexpr WordTable GoodResult{
    {"Good result!", "Хороший результат!", "Guter Endstand!", "Bon résultat!", "¡Buen resultado!",
     "好結果！", "Buon risultato!", "Dobrý výsledek!", "良い結果です！", "좋은 결과!"}};
inline constexpr WordTable EnteredTopTen{
    {"You have hitted in top ten players!", "Вы попали в десятку лучших игроков!",
     "Sie sind unter den zehn besten Spielern!", "Vous êtes parmi les dix meilleurs joueurs!",
     "¡Está entre los diez mejores jugadores!", "您已進入前十名！",
     "Sei tra i dieci migliori giocatori!", "Jste mezi deseti nejlepšími hráči!",
     "トップ10入りしました！", "상위 10명에 들었습니다!"}};
inline constexpr WordTable OurRegrets{{"Our regrets...", "Увы...", "Leider...", "Dommage...",
                                       "Lo sentimos...", "很遺憾...", "Peccato...", "Bohužel...",
                                       "残念...", "아쉽네요..."}};
inline constexpr WordTable ResultCouldBeBetter{
    {"Your result keeps to wish best", "Ваш результат оставляет желать лучшего",
     "Ihr Ergebnis lässt zu wünschen übrig", "Votre résultat laisse à désirer",
     "Su resultado deja que desear", "您的成績還有進步空間", "Il tuo risultato lascia a desiderare",
     "Váš výsledek má ještě rezervy", "まだまだ上を目指せます", "아직 더 잘할 수 있어요"}};
inline constexpr WordTable NotInTopTen{
    {"You have not hitted in ten best players...", "Вы не попали в десятку лучших...",
     "Sie sind nicht unter den zehn Besten...", "Vous n`êtes pas parmi les dix meilleurs...",
     "No está entre los diez mejores...", "您未能進入前十名...", "Non sei tra i dieci migliori...",
     "Nejste mezi deseti nejlepšími...", "トップ10には入れませんでした...",
     "상위 10명에 들지 못했습니다..."}};
inline constexpr WordTable ResultLabel{
    {"Result: ", "Результат: ", "Ergebnis: ", "Résultat: ", "Resultado: ", "成績：",
     "Risultato: ", "Výsledek: ", "成績：", "결과: "}};
inline constexpr WordTable PlaceLabel{{"Place: ", "Место: ", "Platz: ", "Place: ", "Puesto: ",
                                       "名次：", "Posizione: ", "Místo: ", "順位：", "순위: "}};
inline constexpr WordTable BecomeVicePresident{
    {"You become the Vice-President of the order!", "Вы стали Вице-президентом ордена!",
     "Sie werden Vizepräsident des Ordens!", "Vous devenez Vice-président de l`ordre!",
     "¡Se convierte en Vicepresidente de la orden!", "您成為騎士團副會長！",
     "Diventi Vicepresidente dell`ordine!", "Stáváte se viceprezidentem řádu!",
     "騎士団の副会長になりました！", "기사단의 부회장이 되었습니다!"}};
inline constexpr WordTable BecomeMaster{
    {"You become a Master of the Order!", "Вы стали Магистром ордена!",
     "Sie werden Meister des Ordens!", "Vous devenez Maître de l`ordre!",
     "¡Se convierte en Maestre de la orden!", "您成為騎士團大團長！",
     "Diventi Maestro dell`ordine!", "Stáváte se velmistrem řádu!",
     "騎士団のマスターになりました！", "기사단의 단장이 되었습니다!"}};
inline constexpr WordTable BecomeBachelor{
    {"You become a Bachelor of the Order!", "Вы стали Бакалавром ордена!",
     "Sie werden Knappe des Ordens!", "Vous devenez Bachelier de l`ordre!",
     "¡Se convierte en Bachiller de la orden!", "您成為騎士團見習騎士！",
     "Diventi Baccelliere dell`ordine!", "Stáváte se panošem řádu!",
     "騎士団の見習い騎士になりました！", "기사단의 견습 기사가 되었습니다!"}};
inline constexpr WordTable YouGet{{"You get", "Вы получаете", "Sie erhalten", "Vous recevez",
                                   "Recibe", "您獲得", "Ricevi", "Získáváte", "獲得", "획득"}};

// The history dialog.
inline constexpr WordTable HistoryOfGames{{"History of games", "История игр", "Spielverlauf",
                                           "Historique des parties", "Historial de partidas",
                                           "對局歷史", "Cronologia delle partite", "Historie her",
                                           "ゲーム履歴", "게임 기록"}};
inline constexpr WordTable HistoryFile{{"File I", "Файл I", "Datei I", "Fichier I", "Archivo I",
                                        "檔案 I", "File I", "Soubor I", "ファイル I", "파일 I"}};
inline constexpr WordTable NoHistoryFiles{{"No History Files", "Нет файлов истории",
                                           "Keine Verlaufsdateien", "Aucun fichier d`historique",
                                           "No hay archivos de historial", "沒有歷史檔案",
                                           "Nessun file di cronologia", "Žádné soubory historie",
                                           "履歴ファイルがありません", "기록 파일 없음"}};
inline constexpr WordTable Time{
    {"Time", "Время", "Zeit", "Heure", "Hora", "時間", "Ora", "Čas", "時刻", "시간"}};
inline constexpr WordTable Date{
    {"Date", "Дата", "Datum", "Date", "Fecha", "日期", "Data", "Datum", "日付", "날짜"}};
inline constexpr WordTable Result{{"Result", "Результат", "Ergebnis", "Résultat", "Resultado",
                                   "結果", "Risultato", "Výsledek", "結果", "결과"}};
inline constexpr WordTable Type{
    {"Type", "Тип", "Art", "Type", "Tipo", "類型", "Tipo", "Typ", "種類", "유형"}};
inline constexpr WordTable KindLocal{{"Local", "Локальная", "Lokal", "Locale", "Local", "本機",
                                      "Locale", "Místní", "ローカル", "로컬"}};
inline constexpr WordTable KindNet{
    {"Net", "Сеть", "Netzwerk", "Réseau", "Red", "區域網路", "Rete", "Síť", "ネット", "네트워크"}};
inline constexpr WordTable KindAccount{{"Account", "Аккаунт", "Konto", "Compte", "Cuenta", "帳號",
                                        "Account", "Účet", "アカウント", "계정"}};
inline constexpr WordTable KindTourney{{"Tourney", "Турнир", "Turnier", "Tournoi", "Torneo",
                                        "錦標賽", "Torneo", "Turnaj", "大会", "토너먼트"}};

// The general count dialog.
inline constexpr WordTable InformationAboutGame{
    {"Information about game", "Информация об игре", "Spielinformationen",
     "Informations sur la partie", "Información de la partida", "對局資訊",
     "Informazioni sulla partita", "Informace o hře", "ゲーム情報", "게임 정보"}};
inline constexpr WordTable InitialScore{
    {"The initial score:", "Начальный счёт:", "Anfangsstand:", "Score initial:",
     "Puntuación inicial:", "初始得分：",
     "Punteggio iniziale:", "Počáteční skóre:", "開始時のスコア：", "시작 점수:"}};
inline constexpr WordTable CurrentScoreLabel{
    {"The current score:", "Текущий счёт:", "Aktueller Stand:", "Score actuel:",
     "Puntuación actual:", "目前得分：", "Punteggio attuale:", "Aktuální skóre:", "現在のスコア：",
     "현재 점수:"}};
inline constexpr WordTable GeneralScoreLabel{
    {"The general score:", "Общий счёт:", "Gesamtstand:", "Score total:", "Puntuación total:",
     "總得分：", "Punteggio totale:", "Celkové skóre:", "合計スコア：", "총점:"}};
inline constexpr WordTable InitialRating{
    {"The initial rating:", "Начальный рейтинг:", "Anfangswertung:", "Cote initiale:",
     "Rating inicial:", "初始評分：",
     "Rating iniziale:", "Počáteční rating:", "開始時のレーティング：", "시작 레이팅:"}};
inline constexpr WordTable CurrentRating{
    {"The current rating:", "Текущий рейтинг:", "Aktuelle Wertung:", "Cote actuelle:",
     "Rating actual:", "目前評分：", "Rating attuale:", "Aktuální rating:", "現在のレーティング：",
     "현재 레이팅:"}};
inline constexpr WordTable Info{
    {"INFO", "ИНФО", "INFO", "INFO", "INFO", "資訊", "INFO", "INFO", "情報", "정보"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* RecordsWords[] = {&CantFindTheFile,
                                                    &IncorrectFile,
                                                    &AttributeWarningStart,
                                                    &AttributeWarningEnd,
                                                    &ErrorOfDiskWriting,
                                                    &CantSaveHistory,
                                                    &CompletionOfGame,
                                                    &Congratulations,
                                                    &YourResultTheBest,
                                                    &GoodResult,
                                                    &EnteredTopTen,
                                                    &OurRegrets,
                                                    &ResultCouldBeBetter,
                                                    &NotInTopTen,
                                                    &ResultLabel,
                                                    &PlaceLabel,
                                                    &BecomeVicePresident,
                                                    &BecomeMaster,
                                                    &BecomeBachelor,
                                                    &YouGet,
                                                    &HistoryOfGames,
                                                    &HistoryFile,
                                                    &NoHistoryFiles,
                                                    &Time,
                                                    &Date,
                                                    &Result,
                                                    &Type,
                                                    &KindLocal,
                                                    &KindNet,
                                                    &KindAccount,
                                                    &KindTourney,
                                                    &InformationAboutGame,
                                                    &InitialScore,
                                                    &CurrentScoreLabel,
                                                    &GeneralScoreLabel,
                                                    &InitialRating,
                                                    &CurrentRating,
                                                    &Info};

} // namespace tavlira::words

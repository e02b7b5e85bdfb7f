#pragma once
// Texts of the options dialog and the speed dialog, with the names of the card
// decks, card backs, table backgrounds and window designs.

#include "i18n/WordTable.h"

namespace tavlira::words {

// Tab pages and groups.
inline constexpr WordTable General{{"General", "Общие", "Allgemein", "Général", "General", "一般",
                                    "Generale", "Obecné", "全般", "일반"}};
inline constexpr WordTable Multimedia{{"Multimedia", "Мультимедиа", "Multimedia", "Multimédia",
                                       "Multimedia", "多媒體", "Multimedia", "Multimédia",
                                       "マルチメディア", "멀티미디어"}};
inline constexpr WordTable Sound{
    {"Sound", "Звук", "Ton", "Son", "Sonido", "音效", "Suono", "Zvuk", "効果音", "효과음"}};
inline constexpr WordTable Music{
    {"Music", "Музыка", "Musik", "Musique", "Música", "音樂", "Musica", "Hudba", "音楽", "음악"}};
inline constexpr WordTable Cards{
    {"Cards", "Карты", "Karten", "Cartes", "Cartas", "紙牌", "Carte", "Karty", "カード", "카드"}};
inline constexpr WordTable Decks{{"Decks", "Рубашки", "Rückseiten", "Dos", "Reversos", "牌背",
                                  "Dorsi", "Rubové strany", "裏面", "카드 뒷면"}};
inline constexpr WordTable Fonts{{"Fonts", "Шрифты", "Schriften", "Polices", "Fuentes", "字型",
                                  "Caratteri", "Písma", "フォント", "글꼴"}};
inline constexpr WordTable Main{{"Main", "Основные", "Grundregeln", "Principales", "Principales",
                                 "主要", "Principali", "Hlavní", "基本", "기본"}};
inline constexpr WordTable Minor{{"Minor", "Дополнительные", "Zusatzregeln", "Secondaires",
                                  "Secundarias", "次要", "Secondarie", "Vedlejší", "追加", "추가"}};
inline constexpr WordTable Multiplayer{{"Multiplayer", "Сетевая игра", "Mehrspieler", "Multijoueur",
                                        "Multijugador", "多人遊戲", "Multigiocatore", "Hra po síti",
                                        "マルチプレイ", "멀티플레이"}};
inline constexpr WordTable Modification{{"Modification", "Смена рубашек", "Wechsel", "Changement",
                                         "Cambio", "更換方式", "Cambio", "Výměna", "変更方法",
                                         "변경 방식"}};
inline constexpr WordTable Design{{"Design", "Оформление", "Design", "Apparence", "Diseño", "外觀",
                                   "Aspetto", "Vzhled", "デザイン", "디자인"}};
inline constexpr WordTable Buttons{{"Buttons", "Кнопки", "Schaltflächen", "Boutons", "Botones",
                                    "按鈕", "Pulsanti", "Tlačítka", "ボタン", "버튼"}};
inline constexpr WordTable BG{
    {"BG", "Фон", "HG", "Fond", "Fondo", "背景", "Sfondo", "Pozadí", "背景", "배경"}};
inline constexpr WordTable Background{{"Background", "Фон", "Hintergrund", "Fond", "Fondo", "背景",
                                       "Sfondo", "Pozadí", "背景", "배경"}};
inline constexpr WordTable Libraries{
    {"DLL", "DLL", "DLL", "DLL", "DLL", "程式庫", "DLL", "DLL", "ライブラリ", "라이브러리"}};

// The general page.
inline constexpr WordTable GifAnimation{
    {"Gif-animation", "GIF-анимация", "GIF-Animation", "Animation GIF", "Animación GIF", "GIF 動畫",
     "Animazione GIF", "GIF animace", "GIF アニメーション", "GIF 애니메이션"}};
inline constexpr WordTable FlyingCardsOption{
    {"\"Fly\" cards", "«Летающие» карты", "„Fliegende“ Karten", "Cartes «volantes»",
     "Cartas «voladoras»", "「飛行」紙牌", "Carte «volanti»", "„Létající“ karty",
     "カードを「飛ばす」", "카드 \"날리기\""}};
inline constexpr WordTable RedMouseCursor{{"Red mouse cursor", "Красный курсор мыши",
                                           "Roter Mauszeiger", "Curseur rouge", "Cursor rojo",
                                           "紅色滑鼠游標", "Cursore rosso", "Červený kurzor myši",
                                           "赤いマウスカーソル", "빨간 마우스 커서"}};
inline constexpr WordTable NewButtons{
    {"New buttons", "Новые кнопки", "Neue Schaltflächen", "Nouveaux boutons", "Botones nuevos",
     "新式按鈕", "Nuovi pulsanti", "Nová tlačítka", "新しいボタン", "새 버튼"}};

// Window sizes, in list order.
inline constexpr WordTable SmallWindow{
    {"Small window", "Маленькое окно", "Kleines Fenster", "Petite fenêtre", "Ventana pequeña",
     "小視窗", "Finestra piccola", "Malé okno", "小さいウィンドウ", "작은 창"}};
inline constexpr WordTable FullScreen{{"Full screen", "Полный экран", "Vollbild", "Plein écran",
                                       "Pantalla completa", "全螢幕", "Schermo intero",
                                       "Celá obrazovka", "全画面", "전체 화면"}};
inline constexpr WordTable AverageWindow1{
    {"Average window 1", "Среднее окно 1", "Mittleres Fenster 1", "Fenêtre moyenne 1",
     "Ventana mediana 1", "中視窗 1", "Finestra media 1", "Střední okno 1",
     "中くらいのウィンドウ 1", "중간 창 1"}};
inline constexpr WordTable AverageWindow2{
    {"Average window 2", "Среднее окно 2", "Mittleres Fenster 2", "Fenêtre moyenne 2",
     "Ventana mediana 2", "中視窗 2", "Finestra media 2", "Střední okno 2",
     "中くらいのウィンドウ 2", "중간 창 2"}};
inline constexpr WordTable LargeWindow{
    {"Large window", "Большое окно", "Großes Fenster", "Grande fenêtre", "Ventana grande", "大視窗",
     "Finestra grande", "Velké okno", "大きいウィンドウ", "큰 창"}};

// The rule option of this game.
inline constexpr WordTable FiguresHavePoints{
    {"Figures has points", "Фигуры имеют очки", "Bildkarten zählen", "Figures avec points",
     "Figuras con puntos", "人頭牌計點", "Figure con punti", "Figury mají body", "絵札に点数あり",
     "그림 카드에 점수"}};

// The card back change.
inline constexpr WordTable ToChangeDecks{{"To change decks", "Менять рубашки",
                                          "Rückseiten wechseln", "Changer de dos",
                                          "Cambiar reversos", "更換牌背", "Cambia dorsi",
                                          "Měnit rubové strany", "裏面を変える", "뒷면 바꾸기"}};
inline constexpr WordTable AlwaysOne{
    {"Always one", "Всегда одна", "Immer dieselbe", "Toujours le même", "Siempre el mismo",
     "固定一種", "Sempre lo stesso", "Vždy stejná", "常に同じ", "항상 같은 뒷면"}};
inline constexpr WordTable Random{{"Random", "Случайно", "Zufällig", "Au hasard", "Al azar", "隨機",
                                   "Casuale", "Náhodně", "ランダム", "무작위"}};

// The fonts page; the special font is followed by " 1" or " 2".
inline constexpr WordTable LargeFont{
    {"Large font", "Крупный шрифт", "Große Schrift", "Grande police", "Fuente grande", "大字型",
     "Carattere grande", "Velké písmo", "大きいフォント", "큰 글꼴"}};
inline constexpr WordTable SmallFont{
    {"Small font", "Мелкий шрифт", "Kleine Schrift", "Petite police", "Fuente pequeña", "小字型",
     "Carattere piccolo", "Malé písmo", "小さいフォント", "작은 글꼴"}};
inline constexpr WordTable SpecialFont{
    {"Special font", "Особый шрифт", "Spezialschrift", "Police spéciale", "Fuente especial",
     "特殊字型", "Carattere speciale", "Zvláštní písmo", "特殊フォント", "특수 글꼴"}};
inline constexpr WordTable ScalePercent{{"Scale, %", "Масштаб, %", "Größe, %", "Échelle, %",
                                         "Escala, %", "縮放，%", "Scala, %", "Měřítko, %",
                                         "倍率、%", "배율, %"}};
inline constexpr WordTable Default{{"Default", "По умолчанию", "Standard", "Par défaut",
                                    "Predeterminado", "預設", "Predefinito", "Výchozí", "既定値",
                                    "기본값"}};
inline constexpr WordTable FontsWarning{
    {"Attention!\n\r"
     "These installations should be changed only in case of incorrect map of fonts",
     "Внимание!\n\r"
     "Эти настройки следует менять только при неправильном отображении шрифтов",
     "Achtung!\n\r"
     "Diese Einstellungen nur ändern, wenn Schriften falsch dargestellt werden",
     "Attention!\n\r"
     "Ne modifiez ces réglages que si les polices s`affichent mal",
     "¡Atención!\n\r"
     "Cambie estos ajustes solo si las fuentes se ven mal",
     "注意！\n\r"
     "只有在字型顯示不正確時才需要更改這些設定",
     "Attenzione!\n\r"
     "Modifica queste impostazioni solo se i caratteri non vengono visualizzati correttamente",
     "Pozor!\n\r"
     "Tato nastavení měňte jen při chybném zobrazení písem",
     "注意！\n\r"
     "フォントが正しく表示されない場合にのみ変更してください",
     "주의!\n\r"
     "글꼴이 올바르게 표시되지 않을 때만 이 설정을 바꾸세요"}};

// Saving games as pictures.
inline constexpr WordTable SaveGames{
    {"Save games", "Запись игр", "Spiele speichern", "Enregistrement", "Guardar partidas",
     "儲存對局", "Salva partite", "Ukládání her", "ゲームの保存", "게임 저장"}};
inline constexpr WordTable SaveGamesAsGifs{
    {"Save games as GIFs", "Сохранять игры в GIF", "Spiele als GIF speichern",
     "Enregistrer les parties en GIF", "Guardar partidas como GIF", "將對局儲存為 GIF",
     "Salva le partite come GIF", "Ukládat hry jako GIF", "ゲームを GIF で保存",
     "게임을 GIF로 저장"}};
inline constexpr WordTable SaveMainWindowOnly{
    {"Save contents of only the main window", "Сохранять только главное окно",
     "Nur das Hauptfenster speichern", "Enregistrer seulement la fenêtre principale",
     "Guardar solo la ventana principal", "僅儲存主視窗內容", "Salva solo la finestra principale",
     "Ukládat jen hlavní okno", "メインウィンドウのみ保存", "메인 창만 저장"}};
inline constexpr WordTable SaveScreenContents{
    {"Save screen contents", "Сохранять весь экран", "Den ganzen Bildschirm speichern",
     "Enregistrer tout l`écran", "Guardar toda la pantalla", "儲存整個螢幕",
     "Salva tutto lo schermo", "Ukládat celou obrazovku", "画面全体を保存", "화면 전체 저장"}};
inline constexpr WordTable DelayBetweenFrames{
    {"Delay between frames, msec.", "Пауза между кадрами, мс", "Pause zwischen Bildern, ms",
     "Délai entre images, ms", "Pausa entre fotogramas, ms", "影格間隔（毫秒）",
     "Pausa tra i fotogrammi, ms", "Prodleva mezi snímky, ms", "フレーム間隔（ミリ秒）",
     "프레임 간격 (밀리초)"}};

// Where the list of radio stations comes from.
inline constexpr WordTable ReadingRadioList{
    {"Reading the list of radio stations", "Чтение списка радиостанций",
     "Liste der Radiosender laden", "Lecture de la liste des radios",
     "Lectura de la lista de emisoras", "讀取電台清單", "Lettura dell`elenco delle radio",
     "Načítání seznamu stanic", "ラジオ局リストの読み込み", "라디오 방송국 목록 읽기"}};
inline constexpr WordTable FromTheServer{{"From the server", "С сервера", "Vom Server",
                                          "Depuis le serveur", "Desde el servidor", "從伺服器",
                                          "Dal server", "Ze serveru", "サーバーから", "서버에서"}};
inline constexpr WordTable FromDisk{{"From disk", "С диска", "Von der Festplatte",
                                     "Depuis le disque", "Desde el disco", "從磁碟", "Dal disco",
                                     "Z disku", "ディスクから", "디스크에서"}};

// Window designs.
inline constexpr WordTable MainMenuDesign{{"Main Menu Design", "Оформление главного меню",
                                           "Design des Hauptmenüs", "Apparence du menu principal",
                                           "Diseño del menú principal", "主菜單外觀",
                                           "Aspetto del menu principale", "Vzhled hlavního menu",
                                           "メインメニューのデザイン", "메인 메뉴 디자인"}};
inline constexpr WordTable GameTableDesign{
    {"Game Table Design", "Оформление игрового стола", "Design des Spieltisches",
     "Apparence de la table de jeu", "Diseño de la mesa de juego", "牌桌外觀",
     "Aspetto del tavolo da gioco", "Vzhled herního stolu", "ゲームテーブルのデザイン",
     "게임 테이블 디자인"}};
inline constexpr WordTable AuxiliaryWindowDesign{
    {"Auxiliary Window Design", "Оформление вспомогательных окон", "Design der Nebenfenster",
     "Apparence des fenêtres secondaires", "Diseño de las ventanas auxiliares", "輔助視窗外觀",
     "Aspetto delle finestre secondarie", "Vzhled pomocných oken", "補助ウィンドウのデザイン",
     "보조 창 디자인"}};
inline constexpr WordTable Customizable{
    {"Customizable", "Настраиваемое", "Anpassbar", "Personnalisable", "Personalizable", "自訂",
     "Personalizzabile", "Nastavitelný", "カスタム", "사용자 지정"}};
inline constexpr WordTable Purple{{"Purple", "Фиолетовое", "Lila", "Violet", "Morado", "紫色",
                                   "Viola", "Fialový", "パープル", "보라색"}};
inline constexpr WordTable GrayConcise{{"Gray concise", "Серое строгое", "Grau schlicht",
                                        "Gris sobre", "Gris sobrio", "簡約灰", "Grigio sobrio",
                                        "Šedý střídmý", "グレー（シンプル）", "회색 단순형"}};
inline constexpr WordTable GrayAristocratic{
    {"Gray aristocratic", "Серое аристократическое", "Grau aristokratisch", "Gris aristocratique",
     "Gris aristocrático", "典雅灰", "Grigio aristocratico", "Šedý aristokratický",
     "グレー（上品）", "회색 고급형"}};
inline constexpr WordTable GrayWithRedRibbons{
    {"Gray with red ribbons", "Серое с красными лентами", "Grau mit roten Bändern",
     "Gris à rubans rouges", "Gris con cintas rojas", "灰色紅緞帶", "Grigio con nastri rossi",
     "Šedý s červenými stuhami", "グレー（赤いリボン）", "회색 빨간 리본형"}};
inline constexpr WordTable Salute{{"Salute", "Салют", "Feuerwerk", "Feu d`artifice",
                                   "Fuegos artificiales", "煙火", "Fuochi d`artificio", "Ohňostroj",
                                   "花火", "불꽃놀이"}};

// The speed dialog.
inline constexpr WordTable ChoiceOfSpeed{{"Choice of speed", "Выбор скорости", "Tempo wählen",
                                          "Choix de la vitesse", "Elección de velocidad",
                                          "選擇速度", "Scelta della velocità", "Volba rychlosti",
                                          "速度の選択", "속도 선택"}};
inline constexpr WordTable SelectFlightSpeed{
    {"Select a flight speed of cards:", "Выберите скорость полёта карт:",
     "Wählen Sie das Flugtempo der Karten:", "Choisissez la vitesse de vol des cartes:",
     "Elija la velocidad de vuelo de las cartas:", "選擇紙牌的飛行速度：",
     "Scegli la velocità di volo delle carte:", "Zvolte rychlost letu karet:",
     "カードが飛ぶ速度を選んでください：", "카드가 날아가는 속도를 고르세요:"}};

// Error box of a failed settings save.
inline constexpr WordTable CantSaveOptions{
    {"Can`t save options!", "Не могу сохранить опции!", "Optionen können nicht gespeichert werden!",
     "Impossible d`enregistrer les options!", "¡No se pueden guardar opciones!", "無法保存選項！",
     "Impossibile salvare le opzioni!", "Možnosti nelze uložit!", "オプションを保存できません！",
     "옵션을 저장할 수 없습니다!"}};

// Card decks, in list order. The first two and Medieval-2 also name card back
// designs.
inline constexpr WordTable Classical1{{"Classical-1", "Классика-1", "Klassisch-1", "Classique-1",
                                       "Clásica-1", "經典-1", "Classica-1", "Klasická-1",
                                       "クラシック-1", "클래식-1"}};
inline constexpr WordTable Medieval1{{"Medieval-1", "Средневековье-1", "Mittelalter-1",
                                      "Médiéval-1", "Medieval-1", "中世紀-1", "Medievale-1",
                                      "Středověká-1", "中世-1", "중세-1"}};
inline constexpr WordTable DeckModern{{"Modern", "Современная", "Modern", "Moderne", "Moderna",
                                       "現代", "Moderna", "Moderní", "モダン", "모던"}};
inline constexpr WordTable DeckAncientEgypt{
    {"Ancient Egypt", "Древний Египет", "Altes Ägypten", "Égypte ancienne", "Antiguo Egipto",
     "古埃及", "Antico Egitto", "Starověký Egypt", "古代エジプト", "고대 이집트"}};
inline constexpr WordTable DeckBaronesse{{"Baronesse", "Баронесса", "Baronesse", "Baronne",
                                          "Baronesa", "男爵夫人", "Baronessa", "Baronka",
                                          "男爵夫人", "남작 부인"}};
inline constexpr WordTable DeckCeltic{{"Celtic", "Кельтская", "Keltisch", "Celtique", "Celta",
                                       "凱爾特", "Celtica", "Keltská", "ケルト", "켈트"}};
inline constexpr WordTable DeckCorona{{"Corona", "Корона", "Corona", "Corona", "Corona", "科羅娜",
                                       "Corona", "Corona", "コロナ", "코로나"}};
inline constexpr WordTable DeckCrown{{"Crown", "Венец", "Krone", "Couronne", "Diadema", "皇冠",
                                      "Diadema", "Koruna", "クラウン", "크라운"}};
inline constexpr WordTable DeckEnglishPattern{
    {"English Pattern", "Английский узор", "Englisches Bild", "Portrait anglais", "Patrón inglés",
     "英式牌面", "Modello inglese", "Anglický vzor", "イングリッシュパターン", "잉글리시 패턴"}};
inline constexpr WordTable DeckFrankfurt{{"Frankfurt", "Франкфурт", "Frankfurt", "Francfort",
                                          "Fráncfort", "法蘭克福", "Francoforte", "Frankfurt",
                                          "フランクフルト", "프랑크푸르트"}};
inline constexpr WordTable DeckHistoricalCostumes{
    {"Historical costumes", "Исторические костюмы", "Historische Kostüme", "Costumes historiques",
     "Trajes históricos", "歷史服飾", "Costumi storici", "Historické kostýmy", "歴史衣装",
     "역사 의상"}};
inline constexpr WordTable DeckNativeAmericans{
    {"Native Americans", "Индейцы", "Indianer", "Amérindiens", "Nativos americanos", "美洲原住民",
     "Nativi americani", "Indiáni", "ネイティブアメリカン", "아메리카 원주민"}};
inline constexpr WordTable DeckOldGardenRoses{
    {"Old Garden Roses", "Старинные розы", "Alte Gartenrosen", "Roses anciennes", "Rosas antiguas",
     "古典玫瑰", "Rose antiche", "Staré růže", "オールドローズ", "올드 로즈"}};
inline constexpr WordTable DeckParrots{{"Parrots", "Попугаи", "Papageien", "Perroquets", "Loros",
                                        "鸚鵡", "Pappagalli", "Papoušci", "オウム", "앵무새"}};
inline constexpr WordTable DeckRoyal{{"Royal", "Королевская", "Königlich", "Royal", "Real", "皇家",
                                      "Reale", "Královská", "ロイヤル", "로열"}};
inline constexpr WordTable DeckShakespeare{{"Shakespeare", "Шекспир", "Shakespeare", "Shakespeare",
                                            "Shakespeare", "莎士比亞", "Shakespeare", "Shakespeare",
                                            "シェイクスピア", "셰익스피어"}};
inline constexpr WordTable DeckBigBen{{"Big Ben", "Биг-Бен", "Big Ben", "Big Ben", "Big Ben",
                                       "大笨鐘", "Big Ben", "Big Ben", "ビッグ・ベン", "빅벤"}};
inline constexpr WordTable DeckFourReigns{
    {"Four Reigns of English History", "Четыре царствования Англии", "Vier Epochen Englands",
     "Quatre règnes anglais", "Cuatro reinados ingleses", "英國歷史四朝", "Quattro regni inglesi",
     "Čtyři anglické vlády", "英国史の四つの治世", "영국사의 네 왕조"}};
inline constexpr WordTable DeckLargePrintLondon{
    {"Large Print London", "Лондон, крупные индексы", "London Großdruck", "Londres gros indices",
     "Londres letra grande", "倫敦大字版", "Londra caratteri grandi", "Londýn velké písmo",
     "ロンドン大型インデックス", "런던 큰 글씨"}};
inline constexpr WordTable DeckClassical2{{"Classical-2", "Классика-2", "Klassisch-2",
                                           "Classique-2", "Clásica-2", "經典-2", "Classica-2",
                                           "Klasická-2", "クラシック-2", "클래식-2"}};
inline constexpr WordTable DeckHearts{{"Hearts", "Сердца", "Herzen", "Cœurs", "Corazones", "紅心",
                                       "Cuori", "Srdce", "ハート", "하트"}};
inline constexpr WordTable DeckSeasons{{"Seasons", "Времена года", "Jahreszeiten", "Saisons",
                                        "Estaciones", "四季", "Stagioni", "Roční období", "四季",
                                        "사계절"}};
inline constexpr WordTable DeckRhineStyle{{"Rhine Style", "Рейнская", "Rheinisch", "Style rhénan",
                                           "Estilo renano", "萊茵風格", "Stile renano",
                                           "Rýnský styl", "ライン風", "라인 스타일"}};
inline constexpr WordTable Medieval2{{"Medieval-2", "Средневековье-2", "Mittelalter-2",
                                      "Médiéval-2", "Medieval-2", "中世紀-2", "Medievale-2",
                                      "Středověká-2", "中世-2", "중세-2"}};
inline constexpr WordTable DeckDoods{{"Doods", "Каракули", "Kritzeleien", "Gribouillis",
                                      "Garabatos", "塗鴉", "Scarabocchi", "Čmáranice", "落書き",
                                      "낙서"}};
inline constexpr WordTable DeckPlayboy{{"Playboy", "Плейбой", "Playboy", "Playboy", "Playboy",
                                        "花花公子", "Playboy", "Playboy", "プレイボーイ",
                                        "플레이보이"}};
inline constexpr WordTable DeckEpic{{"Epic", "Эпическая", "Episch", "Épique", "Épica", "史詩",
                                     "Epica", "Epická", "叙事詩", "서사시"}};
inline constexpr WordTable DeckUssr{
    {"USSR", "СССР", "UdSSR", "URSS", "URSS", "蘇聯", "URSS", "SSSR", "ソ連", "소련"}};
inline constexpr WordTable DeckPlastic{{"Plastic", "Пластиковая", "Plastik", "Plastique",
                                        "Plástico", "塑膠", "Plastica", "Plastová", "プラスチック",
                                        "플라스틱"}};
inline constexpr WordTable DeckSkatGermanSuits{
    {"Skat - German suits", "Скат - немецкие масти", "Skat - deutsches Blatt",
     "Skat - enseignes allemandes", "Skat - palos alemanes", "斯卡特 - 德式花色",
     "Skat - semi tedeschi", "Skat - německé barvy", "スカート - ドイツ式スート",
     "스카트 - 독일식 무늬"}};
inline constexpr WordTable DeckSkatTournamentSuits{
    {"Skat - Tournament suits", "Скат - турнирные масти", "Skat - Turnierbild",
     "Skat - enseignes de tournoi", "Skat - palos de torneo", "斯卡特 - 比賽花色",
     "Skat - semi da torneo", "Skat - turnajové barvy", "スカート - トーナメント式スート",
     "스카트 - 대회용 무늬"}};
inline constexpr WordTable DeckSkatFrenchSuits{
    {"Skat - French suits", "Скат - французские масти", "Skat - französisches Blatt",
     "Skat - enseignes françaises", "Skat - palos franceses", "斯卡特 - 法式花色",
     "Skat - semi francesi", "Skat - francouzské barvy", "スカート - フランス式スート",
     "스카트 - 프랑스식 무늬"}};
inline constexpr WordTable DeckWhitePalekh{
    {"White palekh", "Белый палех", "Weißes Palech", "Palekh blanc", "Palej blanco", "白色帕列赫",
     "Palech bianco", "Bílý Palech", "白いパレフ", "하얀 팔레흐"}};
inline constexpr WordTable DeckDiana{{"Diana", "Диана", "Diana", "Diane", "Diana", "黛安娜",
                                      "Diana", "Diana", "ダイアナ", "다이애나"}};
inline constexpr WordTable DeckPrincely{{"Princely", "Княжеская", "Fürstlich", "Princier",
                                         "Principesca", "王公", "Principesco", "Knížecí", "王侯",
                                         "왕족"}};
inline constexpr WordTable DeckForSolitaires{
    {"For solitaires", "Пасьянсная", "Für Patiencen", "Pour réussites", "Para solitarios",
     "接龍專用", "Per solitari", "Pro pasiáns", "ソリティア用", "솔리테어용"}};
inline constexpr WordTable DeckSatin{
    {"Satin", "Атласная", "Satin", "Satin", "Satén", "緞面", "Raso", "Saténová", "サテン", "새틴"}};
inline constexpr WordTable DeckSlavic{{"Slavic", "Славянская", "Slawisch", "Slave", "Eslava",
                                       "斯拉夫", "Slava", "Slovanská", "スラブ", "슬라브"}};
inline constexpr WordTable DeckMaya{
    {"Maya", "Майя", "Maya", "Maya", "Maya", "馬雅", "Maya", "Mayská", "マヤ", "마야"}};
inline constexpr WordTable DeckBast{{"Bast", "Лубок", "Lubok", "Loubok", "Lubok", "俄羅斯民間版畫",
                                     "Lubok", "Lubok", "ルボーク", "루보크"}};
inline constexpr WordTable DeckFrench{{"French", "Французская", "Französisch", "Française",
                                       "Francesa", "法式", "Francese", "Francouzská", "フランス式",
                                       "프랑스식"}};
inline constexpr WordTable DeckSpanish1{{"Spanish 1", "Испанская 1", "Spanisch 1", "Espagnole 1",
                                         "Española 1", "西班牙式 1", "Spagnola 1", "Španělská 1",
                                         "スペイン式 1", "스페인식 1"}};
inline constexpr WordTable DeckSpanish2{{"Spanish 2", "Испанская 2", "Spanisch 2", "Espagnole 2",
                                         "Española 2", "西班牙式 2", "Spagnola 2", "Španělská 2",
                                         "スペイン式 2", "스페인식 2"}};
inline constexpr WordTable DeckSpanish3{{"Spanish 3", "Испанская 3", "Spanisch 3", "Espagnole 3",
                                         "Española 3", "西班牙式 3", "Spagnola 3", "Španělská 3",
                                         "スペイン式 3", "스페인식 3"}};
inline constexpr WordTable DeckSpanish4{{"Spanish 4", "Испанская 4", "Spanisch 4", "Espagnole 4",
                                         "Española 4", "西班牙式 4", "Spagnola 4", "Španělská 4",
                                         "スペイン式 4", "스페인식 4"}};
inline constexpr WordTable DeckChinese{{"Chinese", "Китайская", "Chinesisch", "Chinoise", "China",
                                        "中式", "Cinese", "Čínská", "中国式", "중국식"}};
inline constexpr WordTable DeckItalian{{"Italian", "Итальянская", "Italienisch", "Italienne",
                                        "Italiana", "義大利式", "Italiana", "Italská", "イタリア式",
                                        "이탈리아식"}};
inline constexpr WordTable DeckCzech{{"Czech", "Чешская", "Tschechisch", "Tchèque", "Checa",
                                      "捷克式", "Ceca", "Česká", "チェコ式", "체코식"}};

// Card back designs besides those named after decks; Carpet is also a background.
inline constexpr WordTable Carpet{{"Carpet", "Ковёр", "Teppich", "Tapis", "Alfombra", "地毯",
                                   "Tappeto", "Koberec", "じゅうたん", "카펫"}};
inline constexpr WordTable BackCross{
    {"Cross", "Крест", "Kreuz", "Croix", "Cruz", "十字", "Croce", "Kříž", "十字", "십자"}};
inline constexpr WordTable BackChess{{"Chess", "Шахматы", "Schach", "Échecs", "Ajedrez", "西洋棋",
                                      "Scacchi", "Šachy", "チェス", "체스"}};
inline constexpr WordTable BackDiamond{{"Diamond", "Ромб", "Raute", "Losange", "Rombo", "菱形",
                                        "Rombo", "Kosočtverec", "ダイヤ", "다이아몬드"}};
inline constexpr WordTable BackKnightly{{"Knightly", "Рыцарская", "Ritterlich", "Chevaleresque",
                                         "Caballeresca", "騎士", "Cavalleresca", "Rytířská", "騎士",
                                         "기사"}};
inline constexpr WordTable BackAnimals{{"Animals", "Животные", "Tiere", "Animaux", "Animales",
                                        "動物", "Animali", "Zvířata", "動物", "동물"}};
inline constexpr WordTable BackFlowers{
    {"Flowers", "Цветы", "Blumen", "Fleurs", "Flores", "花卉", "Fiori", "Květiny", "花", "꽃"}};
inline constexpr WordTable BackPlaces{
    {"Places", "Места", "Orte", "Lieux", "Lugares", "名勝", "Luoghi", "Místa", "名所", "명소"}};
inline constexpr WordTable BackOther{{"Other", "Разное", "Sonstiges", "Divers", "Otros", "其他",
                                      "Altro", "Ostatní", "その他", "기타"}};
inline constexpr WordTable BackRussian{{"Russian", "Русская", "Russisch", "Russe", "Rusa", "俄式",
                                        "Russa", "Ruská", "ロシア式", "러시아식"}};

// Table background designs and colours.
inline constexpr WordTable BackgroundSun{
    {"Sun", "Солнце", "Sonne", "Soleil", "Sol", "太陽", "Sole", "Slunce", "太陽", "태양"}};
inline constexpr WordTable BackgroundFelt{
    {"Felt", "Сукно", "Filz", "Feutre", "Fieltro", "毛氈", "Feltro", "Plsť", "フェルト", "펠트"}};
inline constexpr WordTable BackgroundGradient{{"Gradient", "Градиент", "Farbverlauf", "Dégradé",
                                               "Degradado", "漸層", "Sfumatura", "Přechod",
                                               "グラデーション", "그라데이션"}};
inline constexpr WordTable BackgroundCloth{
    {"Cloth", "Ткань", "Stoff", "Tissu", "Tela", "布料", "Tessuto", "Látka", "布", "천"}};
inline constexpr WordTable BackgroundTree{
    {"Tree", "Дерево", "Holz", "Bois", "Madera", "木紋", "Legno", "Dřevo", "木目", "나무"}};
inline constexpr WordTable BackgroundCasino{{"Casino", "Казино", "Kasino", "Casino", "Casino",
                                             "賭場", "Casinò", "Kasino", "カジノ", "카지노"}};
inline constexpr WordTable BackgroundPattern{
    {"Pattern", "Узор", "Muster", "Motif", "Patrón", "圖案", "Motivo", "Vzor", "模様", "무늬"}};
inline constexpr WordTable BackgroundSilk{
    {"Silk", "Шёлк", "Seide", "Soie", "Seda", "絲綢", "Seta", "Hedvábí", "シルク", "실크"}};
inline constexpr WordTable BackgroundOrnament{{"Ornament", "Орнамент", "Ornament", "Ornement",
                                               "Ornamento", "花紋", "Ornamento", "Ornament", "装飾",
                                               "장식"}};
inline constexpr WordTable ColourGreen{
    {"Green", "Зелёный", "Grün", "Vert", "Verde", "綠色", "Verde", "Zelená", "緑", "초록"}};
inline constexpr WordTable ColourRed{
    {"Red", "Красный", "Rot", "Rouge", "Rojo", "紅色", "Rosso", "Červená", "赤", "빨강"}};
inline constexpr WordTable ColourOrange{{"Orang", "Оранжевый", "Orange", "Orange", "Naranja",
                                         "橙色", "Arancione", "Oranžová", "オレンジ", "주황"}};
inline constexpr WordTable ColourYellow{
    {"Yellow", "Жёлтый", "Gelb", "Jaune", "Amarillo", "黃色", "Giallo", "Žlutá", "黄", "노랑"}};
inline constexpr WordTable ColourLightBlue{{"Light-Blue", "Голубой", "Hellblau", "Bleu clair",
                                            "Azul claro", "淺藍", "Azzurro", "Světle modrá", "水色",
                                            "하늘색"}};
inline constexpr WordTable ColourDarkBlue{{"Dark Blue", "Синий", "Dunkelblau", "Bleu foncé",
                                           "Azul oscuro", "深藍", "Blu scuro", "Tmavě modrá", "紺",
                                           "남색"}};
inline constexpr WordTable ColourViolet{{"Violet", "Фиолетовый", "Violett", "Violet", "Violeta",
                                         "紫羅蘭", "Viola", "Fialová", "紫", "보라"}};

// The deck list, item = deck number 0..47.
inline constexpr const WordTable* DeckNames[] = {&Classical1,
                                                 &Medieval1,
                                                 &DeckModern,
                                                 &DeckAncientEgypt,
                                                 &DeckBaronesse,
                                                 &DeckCeltic,
                                                 &DeckCorona,
                                                 &DeckCrown,
                                                 &DeckEnglishPattern,
                                                 &DeckFrankfurt,
                                                 &DeckHistoricalCostumes,
                                                 &DeckNativeAmericans,
                                                 &DeckOldGardenRoses,
                                                 &DeckParrots,
                                                 &DeckRoyal,
                                                 &DeckShakespeare,
                                                 &DeckBigBen,
                                                 &DeckFourReigns,
                                                 &DeckLargePrintLondon,
                                                 &DeckClassical2,
                                                 &DeckHearts,
                                                 &DeckSeasons,
                                                 &DeckRhineStyle,
                                                 &Medieval2,
                                                 &DeckDoods,
                                                 &DeckPlayboy,
                                                 &DeckEpic,
                                                 &DeckUssr,
                                                 &DeckPlastic,
                                                 &DeckSkatGermanSuits,
                                                 &DeckSkatTournamentSuits,
                                                 &DeckSkatFrenchSuits,
                                                 &DeckWhitePalekh,
                                                 &DeckDiana,
                                                 &DeckPrincely,
                                                 &DeckForSolitaires,
                                                 &DeckSatin,
                                                 &DeckSlavic,
                                                 &DeckMaya,
                                                 &DeckBast,
                                                 &DeckFrench,
                                                 &DeckSpanish1,
                                                 &DeckSpanish2,
                                                 &DeckSpanish3,
                                                 &DeckSpanish4,
                                                 &DeckChinese,
                                                 &DeckItalian,
                                                 &DeckCzech};
// The card back list, item = back design 0..12.
inline constexpr const WordTable* BackDesignNames[] = {
    &Classical1,   &Medieval1,   &Medieval2,   &Carpet,     &BackCross, &BackChess,  &BackDiamond,
    &BackKnightly, &BackAnimals, &BackFlowers, &BackPlaces, &BackOther, &BackRussian};
// The background list, item = design - 1.
inline constexpr const WordTable* BackgroundDesignNames[] = {
    &BackgroundSun,  &BackgroundFelt,   &BackgroundGradient, &BackgroundCloth, &Carpet,
    &BackgroundTree, &BackgroundCasino, &BackgroundPattern,  &BackgroundSilk,  &BackgroundOrnament};
// The background colours, item = colour 0..6.
inline constexpr const WordTable* BackgroundColourNames[] = {
    &ColourGreen,     &ColourRed,      &ColourOrange, &ColourYellow,
    &ColourLightBlue, &ColourDarkBlue, &ColourViolet};
// The window size list, item = size - 1.
inline constexpr const WordTable* WindowSizeNames[] = {&SmallWindow, &FullScreen, &AverageWindow1,
                                                       &AverageWindow2, &LargeWindow};

// Every table above that none of the lists above holds, for the checks that
// run over all texts.
inline constexpr const WordTable* OptionsWords[] = {&General,
                                                    &Multimedia,
                                                    &Sound,
                                                    &Music,
                                                    &Cards,
                                                    &Decks,
                                                    &Fonts,
                                                    &Main,
                                                    &Minor,
                                                    &Multiplayer,
                                                    &Modification,
                                                    &Design,
                                                    &Buttons,
                                                    &BG,
                                                    &Background,
                                                    &Libraries,
                                                    &GifAnimation,
                                                    &FlyingCardsOption,
                                                    &RedMouseCursor,
                                                    &NewButtons,
                                                    &FiguresHavePoints,
                                                    &ToChangeDecks,
                                                    &AlwaysOne,
                                                    &Random,
                                                    &LargeFont,
                                                    &SmallFont,
                                                    &SpecialFont,
                                                    &ScalePercent,
                                                    &Default,
                                                    &FontsWarning,
                                                    &SaveGames,
                                                    &SaveGamesAsGifs,
                                                    &SaveMainWindowOnly,
                                                    &SaveScreenContents,
                                                    &DelayBetweenFrames,
                                                    &ReadingRadioList,
                                                    &FromTheServer,
                                                    &FromDisk,
                                                    &MainMenuDesign,
                                                    &GameTableDesign,
                                                    &AuxiliaryWindowDesign,
                                                    &Customizable,
                                                    &Purple,
                                                    &GrayConcise,
                                                    &GrayAristocratic,
                                                    &GrayWithRedRibbons,
                                                    &Salute,
                                                    &ChoiceOfSpeed,
                                                    &SelectFlightSpeed,
                                                    &CantSaveOptions};

} // namespace tavlira::words

#pragma once
// Texts of sound and media: the music file, the internet radio and its list of
// countries.

#include "i18n/WordTable.h"

namespace tavlira::words {

// Music and radio messages. "Can`t find " is followed by the missing files.
inline constexpr WordTable CantCreateMusicFile{
    {"Can`t create music file!", "Не могу создать музыкальный файл!",
     "Musikdatei kann nicht erstellt werden!", "Impossible de créer le fichier musical!",
     "¡No se puede crear el archivo de música!", "無法建立音樂檔案！",
     "Impossibile creare il file musicale!", "Hudební soubor nelze vytvořit!",
     "音楽ファイルを作成できません！", "음악 파일을 만들 수 없습니다!"}};
inline constexpr WordTable CantFind{
    {"Can`t find ", "Не найдено: ", "Nicht gefunden: ", "Introuvable: ", "No se encuentra: ",
     "找不到：", "Impossibile trovare ", "Nenalezeno: ", "見つかりません：", "찾을 수 없음: "}};
inline constexpr WordTable QelInternetRadio{
    {"Qel Internet-Radio", "Интернет-радио Qel", "Qel Internetradio", "Radio Internet Qel",
     "Radio por Internet Qel", "Qel 網路電台", "Radio Internet Qel", "Internetové rádio Qel",
     "Qel インターネットラジオ", "Qel 인터넷 라디오"}};

// A stream being opened: the radio's station or a song of the music player.
inline constexpr WordTable StreamConnecting{
    {"Connecting...", "Соединение...", "Verbindung...", "Connexion...", "Conectando...",
     "連線中...", "Connessione...", "Připojování...", "接続中...", "연결 중..."}};

// Countries of the radio dialog, in list order.
inline constexpr WordTable RadioRussia{{"Russian Federation", "Россия", "Russland", "Russie",
                                        "Rusia", "俄羅斯", "Russia", "Rusko", "ロシア", "러시아"}};
inline constexpr WordTable RadioUkraine{{"Ukraine", "Украина", "Ukraine", "Ukraine", "Ucrania",
                                         "烏克蘭", "Ucraina", "Ukrajina", "ウクライナ",
                                         "우크라이나"}};
inline constexpr WordTable RadioBelarus{{"Belarus", "Беларусь", "Belarus", "Biélorussie",
                                         "Bielorrusia", "白俄羅斯", "Bielorussia", "Bělorusko",
                                         "ベラルーシ", "벨라루스"}};
inline constexpr WordTable RadioMoldova{{"Moldova", "Молдова", "Moldau", "Moldavie", "Moldavia",
                                         "摩爾多瓦", "Moldavia", "Moldavsko", "モルドバ",
                                         "몰도바"}};
inline constexpr WordTable RadioEstonia{{"Estonia", "Эстония", "Estland", "Estonie", "Estonia",
                                         "愛沙尼亞", "Estonia", "Estonsko", "エストニア",
                                         "에스토니아"}};
inline constexpr WordTable RadioLatvia{{"Latvia", "Латвия", "Lettland", "Lettonie", "Letonia",
                                        "拉脫維亞", "Lettonia", "Lotyšsko", "ラトビア",
                                        "라트비아"}};
inline constexpr WordTable RadioLithuania{{"Lithuania", "Литва", "Litauen", "Lituanie", "Lituania",
                                           "立陶宛", "Lituania", "Litva", "リトアニア",
                                           "리투아니아"}};
inline constexpr WordTable RadioArmenia{{"Armenia", "Армения", "Armenien", "Arménie", "Armenia",
                                         "亞美尼亞", "Armenia", "Arménie", "アルメニア",
                                         "아르메니아"}};
inline constexpr WordTable RadioGeorgia{{"Georgia", "Грузия", "Georgien", "Géorgie", "Georgia",
                                         "喬治亞", "Georgia", "Gruzie", "ジョージア", "조지아"}};
inline constexpr WordTable RadioAzerbaijan{{"Azerbaijan", "Азербайджан", "Aserbaidschan",
                                            "Azerbaïdjan", "Azerbaiyán", "亞塞拜然", "Azerbaigian",
                                            "Ázerbájdžán", "アゼルバイジャン", "아제르바이잔"}};
inline constexpr WordTable RadioKazakhstan{{"Kazakhstan", "Казахстан", "Kasachstan", "Kazakhstan",
                                            "Kazajistán", "哈薩克", "Kazakistan", "Kazachstán",
                                            "カザフスタン", "카자흐스탄"}};
inline constexpr WordTable RadioUzbekistan{{"Uzbekistan", "Узбекистан", "Usbekistan", "Ouzbékistan",
                                            "Uzbekistán", "烏茲別克", "Uzbekistan", "Uzbekistán",
                                            "ウズベキスタン", "우즈베키스탄"}};
inline constexpr WordTable RadioUsa{
    {"USA", "США", "USA", "États-Unis", "EE. UU.", "美國", "USA", "USA", "アメリカ", "미국"}};
inline constexpr WordTable RadioCanada{{"Canada", "Канада", "Kanada", "Canada", "Canadá", "加拿大",
                                        "Canada", "Kanada", "カナダ", "캐나다"}};
inline constexpr WordTable RadioUnitedKingdom{{"United Kingdom", "Великобритания", "Großbritannien",
                                               "Royaume-Uni", "Reino Unido", "英國", "Regno Unito",
                                               "Spojené království", "イギリス", "영국"}};
inline constexpr WordTable RadioAustralia{{"Australia", "Австралия", "Australien", "Australie",
                                           "Australia", "澳洲", "Australia", "Austrálie",
                                           "オーストラリア", "오스트레일리아"}};
inline constexpr WordTable RadioGermany{{"Deutschland", "Германия", "Deutschland", "Allemagne",
                                         "Alemania", "德國", "Germania", "Německo", "ドイツ",
                                         "독일"}};
inline constexpr WordTable RadioFrance{{"France", "Франция", "Frankreich", "France", "Francia",
                                        "法國", "Francia", "Francie", "フランス", "프랑스"}};
inline constexpr WordTable RadioItaly{{"Italy", "Италия", "Italien", "Italie", "Italia", "義大利",
                                       "Italia", "Itálie", "イタリア", "이탈리아"}};
inline constexpr WordTable RadioNetherlands{{"Netherlands", "Нидерланды", "Niederlande", "Pays-Bas",
                                             "Países Bajos", "荷蘭", "Paesi Bassi", "Nizozemsko",
                                             "オランダ", "네덜란드"}};
inline constexpr WordTable RadioSweden{{"Sweden", "Швеция", "Schweden", "Suède", "Suecia", "瑞典",
                                        "Svezia", "Švédsko", "スウェーデン", "스웨덴"}};
inline constexpr WordTable RadioCzechRepublic{{"Czech Republic", "Чехия", "Tschechien", "Tchéquie",
                                               "Chequia", "捷克", "Cechia", "Česko", "チェコ",
                                               "체코"}};
inline constexpr WordTable RadioSpain{{"Spain", "Испания", "Spanien", "Espagne", "España", "西班牙",
                                       "Spagna", "Španělsko", "スペイン", "스페인"}};
inline constexpr WordTable RadioBrazil{{"Brazil", "Бразилия", "Brasilien", "Brésil", "Brasil",
                                        "巴西", "Brasile", "Brazílie", "ブラジル", "브라질"}};
inline constexpr WordTable RadioIndia{
    {"India", "Индия", "Indien", "Inde", "India", "印度", "India", "Indie", "インド", "인도"}};
inline constexpr WordTable RadioChina{
    {"China", "Китай", "China", "Chine", "China", "中國", "Cina", "Čína", "中国", "중국"}};
inline constexpr WordTable RadioJapan{
    {"Japan", "Япония", "Japan", "Japon", "Japón", "日本", "Giappone", "Japonsko", "日本", "일본"}};
inline constexpr WordTable RadioSouthKorea{{"South Korea", "Южная Корея", "Südkorea",
                                            "Corée du Sud", "Corea del Sur", "南韓",
                                            "Corea del Sud", "Jižní Korea", "韓国", "대한민국"}};

// The radio dialog's country list, item = list index.
inline constexpr const WordTable* RadioCountryNames[] = {
    &RadioRussia,     &RadioUkraine,       &RadioBelarus,   &RadioMoldova, &RadioEstonia,
    &RadioLatvia,     &RadioLithuania,     &RadioArmenia,   &RadioGeorgia, &RadioAzerbaijan,
    &RadioKazakhstan, &RadioUzbekistan,    &RadioUsa,       &RadioCanada,  &RadioUnitedKingdom,
    &RadioAustralia,  &RadioGermany,       &RadioFrance,    &RadioItaly,   &RadioNetherlands,
    &RadioSweden,     &RadioCzechRepublic, &RadioSpain,     &RadioBrazil,  &RadioIndia,
    &RadioChina,      &RadioJapan,         &RadioSouthKorea};

// Every table above that none of the lists above holds, for the checks that
// run over all texts.
inline constexpr const WordTable* MediaWords[] = {&CantCreateMusicFile, &CantFind,
                                                  &QelInternetRadio, &StreamConnecting};

} // namespace tavlira::words

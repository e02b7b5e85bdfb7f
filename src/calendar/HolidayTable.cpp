#include "calendar/HolidayTable.h"

namespace tavlira {

// Each entry: the date rule (10 characters), the category (3), the picture in
// the calendar pack (9), the name in Russian, English, German, French,
// Spanish, Chinese, Italian, Czech, Japanese and Korean, and the countries
// that keep the day; fields separated by '#'. The table is in the order the
// pictures of one day are shown.
// clang-format off
const std::array<std::string_view, HolidayCount> HolidayEntries{{
    // Days kept everywhere.
    "01.01.0000#ALL#R_NEWYEAR#Новый год#New Year#Neujahr#Nouvel An#Año Nuevo#元旦#Capodanno#Nový rok#元日#새해#RUS,USA,FRA,ISP,ENG,DEU",
    "14.02.0000#ALL#R_VALENTN#День святого Валентина#Valentine`s Day#Valentinstag#Saint-Valentin#San Valentín#情人節#San Valentino#Svatý Valentýn#バレンタインデー#밸런타인데이#USA,ENG,FRA,ISP,DEU,RUS",
    "08.03.0000#ALL#R_WOMEN08#Международный женский день#International Women`s Day#Internationaler Frauentag#Journée internationale des femmes#Día Internacional de la Mujer#國際婦女節#Festa della donna#Mezinárodní den žen#国際女性デー#세계 여성의 날#RUS,FRA,ISP,DEU",
    "01.04.0000#ALL#R_FOOLS01#День смеха#April Fools` Day#Aprilscherz#Poisson d`avril#Día de los Inocentes de abril#愚人節#Pesce d`aprile#Apríl#エイプリルフール#만우절#RUS,USA,ENG,FRA,DEU",
    "22.04.1970#ALL#R_EARTH00#День Земли#Earth Day#Tag der Erde#Jour de la Terre#Día de la Tierra#世界地球日#Giornata della Terra#Den Země#アースデー#지구의 날#USA,RUS,FRA,ISP,ENG,DEU",
    "01.05.0000#ALL#R_MAYDAY0#Праздник Весны и Труда#Labour Day#Tag der Arbeit#Fête du Travail#Día del Trabajo#勞動節#Festa dei lavoratori#Svátek práce#メーデー#노동절#RUS,FRA,ISP,DEU",
    "01.06.0000#ALL#R_CHILDRN#День защиты детей#Children`s Day#Kindertag#Journée de l`enfance#Día del Niño#兒童節#Giornata dei bambini#Den dětí#子どもの日#어린이날#RUS",
    "05.10.0000#ALL#R_TEACHER#День учителя#Teachers` Day#Weltlehrertag#Journée des enseignants#Día del Docente#教師節#Giornata degli insegnanti#Den učitelů#教師の日#스승의 날#RUS,FRA,ISP,DEU,ENG",
    "31.10.0000#ALL#R_HALLOWN#Хэллоуин#Halloween#Halloween#Halloween#Halloween#萬聖夜#Halloween#Halloween#ハロウィン#핼러윈#USA,ENG",
    "31.12.0000#ALL#R_NEWEVE0#Канун Нового года#New Year`s Eve#Silvester#Saint-Sylvestre#Nochevieja#除夕#San Silvestro#Silvestr#大晦日#섣달 그믐날#RUS,USA,FRA,ISP,ENG,DEU",

    // The Orthodox Church.
    "07.01.0000#PRA#R_XMASPRA#Рождество Христово#Christmas#Weihnachten#Noël#Navidad#聖誕節#Natale#Vánoce#クリスマス#성탄절#RUS",
    "19.01.0000#PRA#R_BAPTISM#Крещение Господне#Epiphany#Taufe des Herrn#Théophanie#Bautismo del Señor#主顯節#Battesimo del Signore#Křest Páně#神現祭#주님 세례 축일#RUS",
    "15.02.0000#PRA#R_SRETENI#Сретение Господне#Presentation of the Lord#Darstellung des Herrn#Présentation au Temple#Presentación del Señor#獻主節#Presentazione del Signore#Uvedení Páně do chrámu#主の迎接祭#주님 봉헌 축일#RUS",
    "pasha.p-49#PRA#R_MASLEN0#Прощёное воскресенье#Forgiveness Sunday#Sonntag der Vergebung#Dimanche du Pardon#Domingo del Perdón#寬恕主日#Domenica del Perdono#Neděle odpuštění#赦罪の主日#용서의 주일#RUS",
    "07.04.0000#PRA#R_BLAGOVE#Благовещение#Annunciation#Mariä Verkündigung#Annonciation#Anunciación#天神報喜節#Annunciazione#Zvěstování Páně#生神女福音祭#성모 영보 대축일#RUS",
    "pasha.p-07#PRA#R_VERBAPR#Вербное воскресенье#Palm Sunday#Palmsonntag#Dimanche des Rameaux#Domingo de Ramos#聖枝主日#Domenica delle Palme#Květná neděle#聖枝祭#주님 수난 성지 주일#RUS",
    "pasha.p000#PRA#R_PASHAPR#Пасха#Easter#Ostern#Pâques#Pascua#復活節#Pasqua#Velikonoce#復活大祭#부활절#RUS",
    "pasha.p039#PRA#R_VOZNPRA#Вознесение Господне#Ascension Day#Christi Himmelfahrt#Ascension#Ascensión#耶穌升天節#Ascensione#Nanebevstoupení Páně#主の昇天祭#주님 승천 대축일#RUS",
    "pasha.p049#PRA#R_TROICA0#Троица#Trinity Sunday#Dreifaltigkeitsfest#Trinité#Santísima Trinidad#聖三一主日#Santissima Trinità#Svatá Trojice#聖三者祭#삼위일체 대축일#RUS",
    "19.08.0000#PRA#R_SPASPRA#Преображение Господне#Transfiguration#Verklärung des Herrn#Transfiguration#Transfiguración#主顯聖容節#Trasfigurazione#Proměnění Páně#主の顕栄祭#주님의 거룩한 변모 축일#RUS",
    "28.08.0000#PRA#R_USPENIE#Успение Богородицы#Dormition of the Mother of God#Mariä Entschlafung#Dormition#Dormición de la Virgen#聖母安息節#Dormizione di Maria#Zesnutí Bohorodičky#生神女就寝祭#성모 안식 축일#RUS",
    "21.09.0000#PRA#R_ROZHDBO#Рождество Богородицы#Nativity of the Mother of God#Mariä Geburt#Nativité de Marie#Natividad de la Virgen#聖母誕辰#Natività di Maria#Narození Panny Marie#生神女誕生祭#성모 성탄 축일#RUS",
    "14.10.0000#PRA#R_POKROV0#Покров Пресвятой Богородицы#Intercession of the Mother of God#Mariä Schutz und Fürbitte#Protection de la Mère de Dieu#Protección de la Madre de Dios#聖母帡幪節#Protezione della Madre di Dio#Ochrana Matky Boží#生神女庇護祭#성모 보호 축일#RUS",
    "04.12.0000#PRA#R_VVEDENI#Введение во храм Богородицы#Presentation of the Mother of God#Mariä Tempelgang#Présentation de Marie au Temple#Presentación de la Virgen#聖母進堂節#Presentazione di Maria#Uvedení Bohorodičky do chrámu#生神女進堂祭#성모 봉헌 축일#RUS",

    // The Catholic and Protestant churches.
    "06.01.0000#KAT#R_KINGS00#Богоявление (Три короля)#Epiphany (Three Kings)#Heilige Drei Könige#Épiphanie#Día de Reyes#主顯節 (三王來朝)#Epifania#Tři králové#公現祭#주님 공현 대축일#ISP,DEU,FRA",
    "17.03.0000#KAT#R_PATRICK#День святого Патрика#St Patrick`s Day#St. Patrick`s Day#Saint-Patrick#Día de San Patricio#聖派翠克節#San Patrizio#Den svatého Patrika#聖パトリックの祝日#성 패트릭의 날#ENG,USA",
    "25.03.0000#KAT#R_ANNUNCI#Благовещение#Annunciation#Mariä Verkündigung#Annonciation#Anunciación#聖母領報節#Annunciazione#Zvěstování Páně#神のお告げ#주님 탄생 예고 대축일#FRA,ISP,DEU",
    "pasha.k-46#KAT#R_ASHWEDN#Пепельная среда#Ash Wednesday#Aschermittwoch#Mercredi des Cendres#Miércoles de Ceniza#聖灰星期三#Mercoledì delle Ceneri#Popeleční středa#灰の水曜日#재의 수요일#DEU,FRA,ISP,ENG,USA",
    "pasha.k-07#KAT#R_PALMSUN#Вербное воскресенье#Palm Sunday#Palmsonntag#Dimanche des Rameaux#Domingo de Ramos#棕枝主日#Domenica delle Palme#Květná neděle#枝の主日#주님 수난 성지 주일#DEU,FRA,ISP,ENG,USA",
    "pasha.k-02#KAT#R_GOODFRI#Страстная пятница#Good Friday#Karfreitag#Vendredi saint#Viernes Santo#耶穌受難日#Venerdì santo#Velký pátek#聖金曜日#성금요일#DEU,ISP,ENG",
    "pasha.k000#KAT#R_PASHAKT#Пасха#Easter#Ostern#Pâques#Pascua#復活節#Pasqua#Velikonoce#復活祭#부활절#DEU,FRA,ISP,ENG,USA",
    "pasha.k001#KAT#R_EASTMON#Пасхальный понедельник#Easter Monday#Ostermontag#Lundi de Pâques#Lunes de Pascua#復活節星期一#Lunedì dell`Angelo#Velikonoční pondělí#復活祭の月曜日#부활절 월요일#DEU,FRA,ENG",
    "pasha.k039#KAT#R_ASCENSI#Вознесение Господне#Ascension Day#Christi Himmelfahrt#Ascension#Ascensión#耶穌升天節#Ascensione#Nanebevstoupení Páně#キリストの昇天#주님 승천 대축일#DEU,FRA",
    "pasha.k049#KAT#R_PENTECO#Пятидесятница#Pentecost#Pfingstsonntag#Pentecôte#Pentecostés#五旬節#Pentecoste#Letnice#聖霊降臨祭#성령 강림 대축일#DEU,FRA,ISP",
    "pasha.k050#KAT#R_WHITMON#Духов понедельник#Whit Monday#Pfingstmontag#Lundi de Pentecôte#Lunes de Pentecostés#聖靈降臨節星期一#Lunedì di Pentecoste#Svatodušní pondělí#聖霊降臨祭の月曜日#성령 강림 월요일#DEU,FRA",
    "pasha.k060#KAT#R_CORPUSC#Праздник Тела и Крови Христовых#Corpus Christi#Fronleichnam#Fête-Dieu#Corpus Christi#基督聖體聖血節#Corpus Domini#Boží Tělo#キリストの聖体#그리스도의 성체 성혈 대축일#DEU,ISP",
    "15.08.0000#KAT#R_ASSUMPT#Успение Девы Марии#Assumption of Mary#Mariä Himmelfahrt#Assomption#Asunción de la Virgen#聖母升天節#Ferragosto#Nanebevzetí Panny Marie#聖母の被昇天#성모 승천 대축일#FRA,ISP,DEU",
    "01.11.0000#KAT#R_ALLSAIN#День всех святых#All Saints` Day#Allerheiligen#Toussaint#Día de Todos los Santos#諸聖節#Ognissanti#Všech svatých#諸聖人の日#모든 성인 대축일#FRA,ISP,DEU",
    "08.12.0000#KAT#R_IMMACUL#Непорочное зачатие Девы Марии#Immaculate Conception#Mariä Empfängnis#Immaculée Conception#Inmaculada Concepción#聖母無原罪始胎節#Immacolata Concezione#Neposkvrněné početí Panny Marie#無原罪の聖マリアの祭日#원죄 없이 잉태되신 동정 마리아 대축일#ISP",
    "24.12.0000#KAT#R_XMASEVE#Сочельник#Christmas Eve#Heiligabend#Veille de Noël#Nochebuena#平安夜#Vigilia di Natale#Štědrý den#クリスマス・イブ#크리스마스 이브#DEU,FRA,ISP,ENG,USA",
    "25.12.0000#KAT#R_XMASKAT#Рождество Христово#Christmas#Weihnachten#Noël#Navidad#聖誕節#Natale#Vánoce#クリスマス#성탄절#DEU,FRA,ISP,ENG,USA",

    // Russia.
    "25.01.0000#RUS#R_STUDENT#Татьянин день#Students` Day#Tag der Studenten#Journée des étudiants#Día de los Estudiantes#大學生節#Giornata degli studenti#Den studentů#学生の日#대학생의 날#RUS",
    "23.02.0000#RUS#R_DEFENDR#День защитника Отечества#Defender of the Fatherland Day#Tag des Verteidigers des Vaterlandes#Jour du défenseur de la patrie#Día del Defensor de la Patria#祖國保衛者日#Giornata del difensore della patria#Den obránců vlasti#祖国防衛者の日#조국 수호자의 날#RUS",
    "12.04.1961#RUS#R_COSMOS0#День космонавтики#Cosmonautics Day#Tag der Kosmonautik#Journée de la cosmonautique#Día de la Cosmonáutica#航天日#Giornata della cosmonautica#Den kosmonautiky#宇宙飛行士の日#우주 비행의 날#RUS",
    "07.05.1895#RUS#R_RADIO00#День радио#Radio Day#Tag des Radios#Journée de la radio#Día de la Radio#無線電日#Giornata della radio#Den rádia#ラジオの日#라디오의 날#RUS",
    "09.05.1945#RUS#R_VICTORY#День Победы#Victory Day#Tag des Sieges#Jour de la Victoire#Día de la Victoria#勝利日#Giorno della Vittoria#Den vítězství#戦勝記念日#승리의 날#RUS",
    "12.06.1990#RUS#R_RUSSIA0#День России#Russia Day#Tag Russlands#Jour de la Russie#Día de Rusia#俄羅斯日#Giornata della Russia#Den Ruska#ロシアの日#러시아의 날#RUS",
    "****l.1.07#RUS#R_NAVY000#День Военно-морского флота#Navy Day#Tag der Marine#Journée de la marine#Día de la Armada#海軍節#Giornata della marina#Den námořnictva#海軍の日#해군의 날#RUS",
    "01.09.0000#RUS#R_SCHOOL0#День знаний#Day of Knowledge#Tag des Wissens#Journée du savoir#Día del Conocimiento#知識日#Giornata della conoscenza#Den vědění#知識の日#지식의 날#RUS",
    "13.09.0000#RUS#R_PROGDAY#День программиста#Programmer`s Day#Tag des Programmierers#Journée du programmeur#Día del Programador#程序員節#Giornata del programmatore#Den programátorů#プログラマーの日#프로그래머의 날#RUS",
    "04.11.0000#RUS#R_UNITY00#День народного единства#Unity Day#Tag der Einheit des Volkes#Jour de l`unité nationale#Día de la Unidad Popular#民族團結日#Giornata dell`unità nazionale#Den národní jednoty#民族統一の日#국민 통합의 날#RUS",
    "****l.1.11#RUS#R_MOTHRRU#День матери#Mother`s Day#Muttertag#Fête des mères#Día de la Madre#母親節#Festa della mamma#Den matek#母の日#어머니의 날#RUS",
    "12.12.1993#RUS#R_CONSTRU#День Конституции России#Constitution Day#Tag der Verfassung#Jour de la Constitution#Día de la Constitución#憲法日#Giornata della Costituzione#Den ústavy#憲法記念日#제헌절#RUS",

    // The United States.
    "****3.2.01#USA#R_MLKING0#День Мартина Лютера Кинга#Martin Luther King Jr. Day#Martin-Luther-King-Tag#Journée de Martin Luther King#Día de Martin Luther King#馬丁·路德·金紀念日#Giorno di Martin Luther King#Den Martina Luthera Kinga#キング牧師記念日#마틴 루서 킹의 날#USA",
    "****3.2.02#USA#R_PRESDNT#День президентов#Presidents` Day#Presidents` Day#Jour des présidents#Día de los Presidentes#總統日#Giorno dei presidenti#Den prezidentů#大統領の日#대통령의 날#USA",
    "****2.1.05#USA#R_MOTHRUS#День матери#Mother`s Day#Muttertag#Fête des mères#Día de la Madre#母親節#Festa della mamma#Den matek#母の日#어머니의 날#USA,DEU",
    "****l.2.05#USA#R_MEMORIA#День поминовения#Memorial Day#Memorial Day#Memorial Day#Día de los Caídos#陣亡將士紀念日#Memorial Day#Den obětí válek#戦没将兵追悼記念日#현충일#USA",
    "****3.1.06#USA#R_FATHERS#День отца#Father`s Day#Vatertag#Fête des pères#Día del Padre#父親節#Festa del papà#Den otců#父の日#아버지의 날#USA,FRA,ENG",
    "19.06.0000#USA#R_JUNETEE#Джунтинс#Juneteenth#Juneteenth#Juneteenth#Juneteenth#六月節#Juneteenth#Juneteenth#ジューンティーンス#준틴스#USA",
    "04.07.1776#USA#R_INDEPUS#День независимости США#Independence Day#Unabhängigkeitstag#Fête de l`Indépendance#Día de la Independencia#美國獨立日#Giorno dell`Indipendenza#Den nezávislosti#アメリカ独立記念日#미국 독립 기념일#USA",
    "****1.2.09#USA#R_LABORUS#День труда#Labor Day#Tag der Arbeit#Fête du Travail#Día del Trabajo#勞動節#Festa del lavoro#Svátek práce#レイバー・デー#노동절#USA",
    "****2.2.10#USA#R_COLUMBS#День Колумба#Columbus Day#Columbus Day#Jour de Christophe Colomb#Día de Colón#哥倫布日#Giorno di Colombo#Kolumbův den#コロンブス・デー#콜럼버스의 날#USA",
    "11.11.0000#USA#R_VETERAN#День ветеранов#Veterans Day#Veterans Day#Journée des anciens combattants#Día de los Veteranos#退伍軍人節#Giorno dei veterani#Den veteránů#退役軍人の日#재향 군인의 날#USA",
    "****4.5.11#USA#R_THANKSG#День благодарения#Thanksgiving Day#Erntedankfest#Action de grâce#Día de Acción de Gracias#感恩節#Giorno del Ringraziamento#Den díkůvzdání#感謝祭#추수감사절#USA",

    // The United Kingdom.
    "23.04.0000#ENG#R_GEORGE0#День святого Георгия#St George`s Day#St. George`s Day#Saint-Georges#Día de San Jorge#聖喬治節#San Giorgio#Den svatého Jiří#聖ジョージの日#성 조지의 날#ENG",
    "****1.2.05#ENG#R_MAYBANK#Первомайский банковский выходной#Early May Bank Holiday#Bankfeiertag Anfang Mai#Jour férié de début mai#Festivo bancario de mayo#五月初銀行假日#Festa bancaria di maggio#Květnový státní svátek#5月初めのバンクホリデー#5월 초 공휴일#ENG",
    "****l.2.05#ENG#R_SPRBANK#Весенний банковский выходной#Spring Bank Holiday#Frühlings-Bankfeiertag#Jour férié de printemps#Festivo bancario de primavera#春季銀行假日#Festa bancaria di primavera#Jarní státní svátek#春のバンクホリデー#봄 공휴일#ENG",
    "****l.2.08#ENG#R_SUMBANK#Летний банковский выходной#Summer Bank Holiday#Sommer-Bankfeiertag#Jour férié d`été#Festivo bancario de verano#夏季銀行假日#Festa bancaria d`estate#Letní státní svátek#夏のバンクホリデー#여름 공휴일#ENG",
    "05.11.1605#ENG#R_BONFIRE#Ночь Гая Фокса#Guy Fawkes Night#Guy Fawkes Night#Nuit de Guy Fawkes#Noche de Guy Fawkes#篝火之夜#Notte di Guy Fawkes#Noc Guye Fawkese#ガイ・フォークス・ナイト#가이 포크스의 밤#ENG",
    "****2.1.11#ENG#R_REMEMBR#Поминальное воскресенье#Remembrance Sunday#Gedenksonntag#Dimanche du Souvenir#Domingo del Recuerdo#國殤紀念日#Domenica della Memoria#Neděle vzpomínek#リメンブランス・サンデー#현충 일요일#ENG",
    "30.11.0000#ENG#R_ANDREW0#День святого Андрея#St Andrew`s Day#Andreastag#Saint-André#Día de San Andrés#聖安德魯節#Sant`Andrea#Den svatého Ondřeje#聖アンドリューの日#성 앤드루의 날#ENG",
    "26.12.0000#ENG#R_BOXING0#День подарков#Boxing Day#Zweiter Weihnachtstag#Lendemain de Noël#Día de San Esteban#節禮日#Santo Stefano#Druhý svátek vánoční#ボクシング・デー#박싱 데이#ENG,DEU",

    // Germany.
    "31.10.1517#DEU#R_REFORMA#День Реформации#Reformation Day#Reformationstag#Fête de la Réformation#Día de la Reforma#宗教改革紀念日#Festa della Riforma#Den reformace#宗教改革記念日#종교 개혁 기념일#DEU",
    "03.10.1990#DEU#R_EINHEIT#День германского единства#German Unity Day#Tag der Deutschen Einheit#Jour de l`unité allemande#Día de la Unidad Alemana#德國統一日#Giorno dell`unità tedesca#Den německé jednoty#ドイツ統一の日#독일 통일의 날#DEU",
    "11.11.0000#DEU#R_MARTIN0#День святого Мартина#St Martin`s Day#Martinstag#Saint-Martin#Día de San Martín#聖馬丁節#San Martino#Svatý Martin#聖マルティンの日#성 마르티노 축일#DEU",
    "06.12.0000#DEU#R_NIKOLAU#День святого Николая#St Nicholas Day#Nikolaustag#Saint-Nicolas#Día de San Nicolás#聖尼古拉節#San Nicola#Svatý Mikuláš#聖ニコラウスの日#성 니콜라스의 날#DEU",

    // France.
    "pasha.k-47#FRA#R_MARDIGR#Марди Гра#Mardi Gras#Faschingsdienstag#Mardi gras#Martes de Carnaval#懺悔星期二#Martedì grasso#Masopustní úterý#マルディグラ#마르디 그라#FRA,ENG,USA",
    "08.05.1945#FRA#R_VICTFRA#День победы 1945 года#Victory in Europe Day#Tag der Befreiung#Victoire 1945#Día de la Victoria en Europa#歐洲勝利日#Giornata della vittoria in Europa#Den vítězství#ヨーロッパ戦勝記念日#유럽 전승 기념일#FRA",
    "21.06.1982#FRA#R_MUSIQUE#Праздник музыки#Music Day#Fête de la Musique#Fête de la musique#Día de la Música#音樂節#Festa della musica#Svátek hudby#音楽の日#음악 축제#FRA",
    "14.07.1789#FRA#R_BASTILL#День взятия Бастилии#Bastille Day#Sturm auf die Bastille#Fête nationale#Toma de la Bastilla#法國國慶日#Presa della Bastiglia#Dobytí Bastily#パリ祭#바스티유의 날#FRA",
    "11.11.1918#FRA#R_ARMISTI#День перемирия#Armistice Day#Waffenstillstandstag#Armistice 1918#Día del Armisticio#停戰紀念日#Giorno dell`armistizio#Den příměří#休戦記念日#휴전 기념일#FRA,ENG",

    // Spain.
    "19.03.0000#ISP#R_JOSEPH0#День святого Иосифа#St Joseph`s Day#Josefstag#Saint-Joseph#San José#聖若瑟節#San Giuseppe#Svatý Josef#聖ヨセフの日#성 요셉 대축일#ISP",
    "25.07.0000#ISP#R_SANTIAG#День святого Иакова#St James` Day#Jakobstag#Saint-Jacques#Santiago Apóstol#聖雅各伯節#San Giacomo#Svatý Jakub#聖ヤコブの日#성 야고보 축일#ISP",
    "12.10.0000#ISP#R_HISPANI#Национальный праздник Испании#National Day of Spain#Spanischer Nationalfeiertag#Fête nationale espagnole#Fiesta Nacional de España#西班牙國慶日#Festa nazionale spagnola#Státní svátek Španělska#スペイン建国記念日#스페인 국경일#ISP",
    "06.12.1978#ISP#R_CONSTES#День Конституции Испании#Constitution Day#Tag der Verfassung#Jour de la Constitution#Día de la Constitución#憲法日#Giorno della Costituzione#Den ústavy#憲法記念日#제헌절#ISP",
    "28.12.0000#ISP#R_INOCENT#День невинных младенцев#Holy Innocents` Day#Tag der Unschuldigen Kinder#Saints Innocents#Día de los Santos Inocentes#諸聖嬰孩殉道慶日#Santi Innocenti#Mláďátka#幼子殉教者の日#죄 없는 아기 순교자 축일#ISP",
}};
// clang-format on

} // namespace tavlira

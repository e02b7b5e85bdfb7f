#pragma once
// Texts of the menu calendar: month names, the anniversary suffix, the zodiac
// signs, the years of the twelve-year animal cycle and the holiday categories.

#include "i18n/WordTable.h"

#include <string_view>
#include <utility>

namespace tavlira::words {

// Months. Russian and Czech use the form that follows a day number.
inline constexpr WordTable January{
    {"January", "января", "Januar", "janvier", "enero", "一月", "gennaio", "ledna", "1月", "1월"}};
inline constexpr WordTable February{{"February", "февраля", "Februar", "février", "febrero", "二月",
                                     "febbraio", "února", "2月", "2월"}};
inline constexpr WordTable March{
    {"March", "марта", "März", "mars", "marzo", "三月", "marzo", "března", "3月", "3월"}};
inline constexpr WordTable April{
    {"April", "апреля", "April", "avril", "abril", "四月", "aprile", "dubna", "4月", "4월"}};
inline constexpr WordTable May{
    {"May", "мая", "Mai", "mai", "mayo", "五月", "maggio", "května", "5月", "5월"}};
inline constexpr WordTable June{
    {"June", "июня", "Juni", "juin", "junio", "六月", "giugno", "června", "6月", "6월"}};
inline constexpr WordTable July{
    {"July", "июля", "Juli", "juillet", "julio", "七月", "luglio", "července", "7月", "7월"}};
inline constexpr WordTable August{
    {"August", "августа", "August", "août", "agosto", "八月", "agosto", "srpna", "8月", "8월"}};
inline constexpr WordTable September{{"September", "сентября", "September", "septembre",
                                      "septiembre", "九月", "settembre", "září", "9月", "9월"}};
inline constexpr WordTable October{{"October", "октября", "Oktober", "octobre", "octubre", "十月",
                                    "ottobre", "října", "10月", "10월"}};
inline constexpr WordTable November{{"November", "ноября", "November", "novembre", "noviembre",
                                     "十一月", "novembre", "listopadu", "11月", "11월"}};
inline constexpr WordTable December{{"December", "декабря", "Dezember", "décembre", "diciembre",
                                     "十二月", "dicembre", "prosince", "12月", "12월"}};

// Follows the number of years since a holiday's year of origin.
inline constexpr WordTable AnniversarySuffix{{"-th anniversary", "-летие", ". Jahrestag",
                                              "e anniversaire", " aniversario", " 週年",
                                              "º anniversario", ". výročí", "周年", "주년"}};

// Zodiac signs, from Aries to Pisces.
inline constexpr WordTable Aries{{"Aries", "Овен", "Widder", "Bélier", "Aries", "牡羊座", "Ariete",
                                  "Beran", "牡羊座", "양자리"}};
inline constexpr WordTable Taurus{{"Taurus", "Телец", "Stier", "Taureau", "Tauro", "金牛座", "Toro",
                                   "Býk", "牡牛座", "황소자리"}};
inline constexpr WordTable Gemini{{"Gemini", "Близнецы", "Zwillinge", "Gémeaux", "Géminis",
                                   "雙子座", "Gemelli", "Blíženci", "双子座", "쌍둥이자리"}};
inline constexpr WordTable Cancer{
    {"Cancer", "Рак", "Krebs", "Cancer", "Cáncer", "巨蟹座", "Cancro", "Rak", "蟹座", "게자리"}};
inline constexpr WordTable Leo{
    {"Leo", "Лев", "Löwe", "Lion", "Leo", "獅子座", "Leone", "Lev", "獅子座", "사자자리"}};
inline constexpr WordTable Virgo{{"Virgo", "Дева", "Jungfrau", "Vierge", "Virgo", "處女座",
                                  "Vergine", "Panna", "乙女座", "처녀자리"}};
inline constexpr WordTable Libra{{"Libra", "Весы", "Waage", "Balance", "Libra", "天秤座",
                                  "Bilancia", "Váhy", "天秤座", "천칭자리"}};
inline constexpr WordTable Scorpio{{"Scorpio", "Скорпион", "Skorpion", "Scorpion", "Escorpio",
                                    "天蠍座", "Scorpione", "Štír", "蠍座", "전갈자리"}};
inline constexpr WordTable Sagittarius{{"Sagittarius", "Стрелец", "Schütze", "Sagittaire",
                                        "Sagitario", "射手座", "Sagittario", "Střelec", "射手座",
                                        "궁수자리"}};
inline constexpr WordTable Capricorn{{"Capricorn", "Козерог", "Steinbock", "Capricorne",
                                      "Capricornio", "摩羯座", "Capricorno", "Kozoroh", "山羊座",
                                      "염소자리"}};
inline constexpr WordTable Aquarius{{"Aquarius", "Водолей", "Wassermann", "Verseau", "Acuario",
                                     "水瓶座", "Acquario", "Vodnář", "水瓶座", "물병자리"}};
inline constexpr WordTable Pisces{{"Pisces", "Рыбы", "Fische", "Poissons", "Piscis", "雙魚座",
                                   "Pesci", "Ryby", "魚座", "물고기자리"}};

// Years of the animal cycle, from the Rat to the Pig.
inline constexpr WordTable YearOfTheRat{{"Year Of The Rat", "Год Крысы", "Jahr der Ratte",
                                         "Année du Rat", "Año de la Rata", "鼠年", "Anno del Topo",
                                         "Rok krysy", "ねずみ年", "쥐의 해"}};
inline constexpr WordTable YearOfTheOx{{"Year Of The Ox", "Год Быка", "Jahr des Büffels",
                                        "Année du Buffle", "Año del Buey", "牛年", "Anno del Bue",
                                        "Rok buvola", "うし年", "소의 해"}};
inline constexpr WordTable YearOfTheTiger{
    {"Year Of The Tiger", "Год Тигра", "Jahr des Tigers", "Année du Tigre", "Año del Tigre", "虎年",
     "Anno della Tigre", "Rok tygra", "とら年", "호랑이의 해"}};
inline constexpr WordTable YearOfTheRabbit{
    {"Year Of The Rabbit", "Год Кролика", "Jahr des Hasen", "Année du Lapin", "Año del Conejo",
     "兔年", "Anno del Coniglio", "Rok králíka", "うさぎ年", "토끼의 해"}};
inline constexpr WordTable YearOfTheDragon{{"Year Of The Dragon", "Год Дракона", "Jahr des Drachen",
                                            "Année du Dragon", "Año del Dragón", "龍年",
                                            "Anno del Drago", "Rok draka", "たつ年", "용의 해"}};
inline constexpr WordTable YearOfTheSnake{{"Year Of The Snake", "Год Змеи", "Jahr der Schlange",
                                           "Année du Serpent", "Año de la Serpiente", "蛇年",
                                           "Anno del Serpente", "Rok hada", "へび年", "뱀의 해"}};
inline constexpr WordTable YearOfTheHorse{{"Year Of The Horse", "Год Лошади", "Jahr des Pferdes",
                                           "Année du Cheval", "Año del Caballo", "馬年",
                                           "Anno del Cavallo", "Rok koně", "うま年", "말의 해"}};
inline constexpr WordTable YearOfTheGoat{{"Year Of The Goat", "Год Козы", "Jahr der Ziege",
                                          "Année de la Chèvre", "Año de la Cabra", "羊年",
                                          "Anno della Capra", "Rok kozy", "ひつじ年", "양의 해"}};
inline constexpr WordTable YearOfTheMonkey{
    {"Year Of The Monkey", "Год Обезьяны", "Jahr des Affen", "Année du Singe", "Año del Mono",
     "猴年", "Anno della Scimmia", "Rok opice", "さる年", "원숭이의 해"}};
inline constexpr WordTable YearOfTheRooster{{"Year Of The Rooster", "Год Петуха", "Jahr des Hahns",
                                             "Année du Coq", "Año del Gallo", "雞年",
                                             "Anno del Gallo", "Rok kohouta", "とり年", "닭의 해"}};
inline constexpr WordTable YearOfTheDog{{"Year Of The Dog", "Год Собаки", "Jahr des Hundes",
                                         "Année du Chien", "Año del Perro", "狗年", "Anno del Cane",
                                         "Rok psa", "いぬ年", "개의 해"}};
inline constexpr WordTable YearOfThePig{
    {"Year Of The Pig", "Год Свиньи", "Jahr des Schweins", "Année du Cochon", "Año del Cerdo",
     "豬年", "Anno del Maiale", "Rok vepře", "いのしし年", "돼지의 해"}};

// Holiday categories, named after the tag of a holiday entry.
inline constexpr WordTable HolidayUk{{"Holiday UK", "Праздник Великобритании",
                                      "Feiertag in Großbritannien", "Fête au Royaume-Uni",
                                      "Fiesta del Reino Unido", "英國節日", "Festa del Regno Unito",
                                      "Britský svátek", "イギリスの祝日", "영국 공휴일"}};
inline constexpr WordTable RussianFestival{
    {"Russian Festival", "Российский праздник", "Russischer Feiertag", "Fête russe", "Fiesta rusa",
     "俄羅斯節日", "Festa russa", "Ruský svátek", "ロシアの祝日", "러시아 명절"}};
inline constexpr WordTable GermanHoliday{{"German holiday", "Праздник Германии",
                                          "Deutscher Feiertag", "Fête allemande", "Fiesta alemana",
                                          "德國節日", "Festa tedesca", "Německý svátek",
                                          "ドイツの祝日", "독일 공휴일"}};
inline constexpr WordTable FrenchHoliday{{"French holiday", "Праздник Франции",
                                          "Französischer Feiertag", "Fête française",
                                          "Fiesta francesa", "法國節日", "Festa francese",
                                          "Francouzský svátek", "フランスの祝日", "프랑스 공휴일"}};
inline constexpr WordTable SpanishHoliday{{"Spanish holiday", "Праздник Испании",
                                           "Spanischer Feiertag", "Fête espagnole",
                                           "Fiesta española", "西班牙節日", "Festa spagnola",
                                           "Španělský svátek", "スペインの祝日", "스페인 공휴일"}};
inline constexpr WordTable HolidayUnitedStates{
    {"Holiday United States", "Праздник США", "Feiertag in den USA", "Fête aux États-Unis",
     "Fiesta de Estados Unidos", "美國節日", "Festa degli Stati Uniti", "Americký svátek",
     "アメリカの祝日", "미국 공휴일"}};
inline constexpr WordTable OrthodoxHoliday{{"The Orthodox holiday", "Православный праздник",
                                            "Orthodoxer Feiertag", "Fête orthodoxe",
                                            "Fiesta ortodoxa", "東正教節日", "Festa ortodossa",
                                            "Pravoslavný svátek", "正教会の祝日", "정교회 축일"}};
inline constexpr WordTable CatholicFeast{{"Catholic feast", "Католический праздник",
                                          "Katholischer Feiertag", "Fête catholique",
                                          "Fiesta católica", "天主教節日", "Festa cattolica",
                                          "Katolický svátek", "カトリックの祝日", "가톨릭 축일"}};

// Months, January first.
inline constexpr const WordTable* MonthNames[] = {&January,   &February, &March,    &April,
                                                  &May,       &June,     &July,     &August,
                                                  &September, &October,  &November, &December};
// Zodiac signs, Aries first.
inline constexpr const WordTable* ZodiacSigns[] = {&Aries,       &Taurus,    &Gemini,   &Cancer,
                                                   &Leo,         &Virgo,     &Libra,    &Scorpio,
                                                   &Sagittarius, &Capricorn, &Aquarius, &Pisces};
// The animal cycle, Rat first.
inline constexpr const WordTable* AnimalYears[] = {
    &YearOfTheRat,    &YearOfTheOx,      &YearOfTheTiger, &YearOfTheRabbit,
    &YearOfTheDragon, &YearOfTheSnake,   &YearOfTheHorse, &YearOfTheGoat,
    &YearOfTheMonkey, &YearOfTheRooster, &YearOfTheDog,   &YearOfThePig};

// The animal of a year of the Gregorian calendar (2020 was a year of the Rat).
constexpr const WordTable& AnimalYearOf(int year) {
    return *AnimalYears[((year - 2020) % 12 + 12) % 12];
}

// The name of a holiday category tag; none for "ALL" and unknown tags.
constexpr const WordTable* HolidayCategoryName(std::string_view tag) {
    constexpr std::pair<std::string_view, const WordTable*> categories[] = {
        {"ENG", &HolidayUk},       {"RUS", &RussianFestival}, {"DEU", &GermanHoliday},
        {"FRA", &FrenchHoliday},   {"ISP", &SpanishHoliday},  {"USA", &HolidayUnitedStates},
        {"PRA", &OrthodoxHoliday}, {"KAT", &CatholicFeast},
    };
    for (const auto& [categoryTag, name] : categories) {
        if (categoryTag == tag) {
            return name;
        }
    }
    return nullptr;
}

// Every table above that none of the lists above holds, for the checks that
// run over all texts.
inline constexpr const WordTable* CalendarWords[] = {
    &AnniversarySuffix, &HolidayUk,           &RussianFestival, &GermanHoliday, &FrenchHoliday,
    &SpanishHoliday,    &HolidayUnitedStates, &OrthodoxHoliday, &CatholicFeast};

} // namespace tavlira::words

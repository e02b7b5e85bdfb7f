#pragma once
// Texts of the player login dialog that opens every match, and the answers of
// the message boxes.

#include "i18n/WordTable.h"

namespace tavlira::words {

// The login dialog and its refusals.
inline constexpr WordTable Welcome{{"Welcome!", "Добро пожаловать!", "Willkommen!", "Bienvenue!",
                                    "¡Bienvenido!", "歡迎！", "Benvenuto!", "Vítejte!",
                                    "ようこそ！", "환영합니다!"}};
inline constexpr WordTable EnterYourName{
    {"Enter Your name:", "Введите Ваше имя:", "Geben Sie Ihren Namen ein:", "Entrez votre nom:",
     "Introduzca su nombre:", "請輸入您的名稱：", "Inserisci il tuo nome:", "Zadejte své jméno:",
     "名前を入力してください：", "이름을 입력하세요:"}};
inline constexpr WordTable EnterYourPassword{
    {"Enter Your password:", "Введите Ваш пароль:", "Geben Sie Ihr Passwort ein:",
     "Entrez votre mot de passe:", "Introduzca su contraseña:", "請輸入您的密碼：",
     "Inserisci la tua password:", "Zadejte své heslo:", "パスワードを入力してください：",
     "비밀번호를 입력하세요:"}};
inline constexpr WordTable RepeatPasswordForCheck{
    {"And once again for check...", "И ещё раз для проверки...", "Und noch einmal zur Kontrolle...",
     "Et encore une fois pour vérifier...", "Y otra vez para comprobar...", "再輸入一次以確認...",
     "E ancora una volta per conferma...", "A ještě jednou pro kontrolu...",
     "確認のためもう一度...", "확인을 위해 한 번 더..."}};
inline constexpr WordTable IncorrectName{{"Incorrect name!", "Неверное имя!", "Ungültiger Name!",
                                          "Nom incorrect!", "¡Nombre incorrecto!", "名稱無效！",
                                          "Nome non valido!", "Neplatné jméno!",
                                          "名前が正しくありません！", "이름이 올바르지 않습니다!"}};
inline constexpr WordTable PasswordsDoNotMatch{
    {"The passwords do not coincide!", "Пароли не совпадают!",
     "Die Passwörter stimmen nicht überein!", "Les mots de passe ne correspondent pas!",
     "¡Las contraseñas no coinciden!", "兩次輸入的密碼不一致！", "Le password non coincidono!",
     "Hesla se neshodují!", "パスワードが一致しません！", "비밀번호가 일치하지 않습니다!"}};
inline constexpr WordTable IncorrectPassword{
    {"The incorrect password!", "Неверный пароль!", "Falsches Passwort!", "Mot de passe incorrect!",
     "¡Contraseña incorrecta!", "密碼錯誤！", "Password errata!", "Nesprávné heslo!",
     "パスワードが違います！", "비밀번호가 틀렸습니다!"}};

// The hint of a name or password box when a typed character is refused: the
// record files and the move messages hold code page 1251 only.
inline constexpr WordTable OnlyCp1251Characters{
    {"Only Latin letters without accents, Cyrillic letters, digits and punctuation can be typed "
     "here.",
     "Здесь можно вводить только латинские буквы без диакритических знаков, кириллицу, цифры и "
     "знаки препинания.",
     "Hier können nur lateinische Buchstaben ohne Akzente, kyrillische Buchstaben, Ziffern und "
     "Satzzeichen eingegeben werden.",
     "Seules les lettres latines sans accents, les lettres cyrilliques, les chiffres et la "
     "ponctuation peuvent être saisis ici.",
     "Aquí solo se pueden escribir letras latinas sin acentos, letras cirílicas, cifras y signos "
     "de puntuación.",
     "此處只能輸入不帶重音的拉丁字母、西里爾字母、數字和標點符號。",
     "Qui si possono digitare solo lettere latine senza accenti, lettere cirilliche, cifre e segni "
     "di punteggiatura.",
     "Zde lze psát pouze latinková písmena bez diakritiky, cyrilici, číslice a interpunkci.",
     "ここに入力できるのは、アクセントのないラテン文字、キリル文字、数字、句読点だけです。",
     "여기에는 악센트가 없는 라틴 문자, 키릴 문자, 숫자, 문장 부호만 입력할 수 있습니다."}};

// The name offered to a new player. It is stored in the record files, whose
// code page has no Chinese, Japanese or Korean letters, so those columns keep
// the English name.
inline constexpr WordTable DefaultPlayerName{
    {"Mr.X", "Мистер Х", "Herr X", "M. X", "Sr. X", "Mr.X", "Sig. X", "Pan X", "Mr.X", "Mr.X"}};

// Buttons of dialogs and message boxes.
inline constexpr WordTable Ok{
    {"Ok", "OK", "OK", "OK", "Aceptar", "確定", "OK", "OK", "OK", "확인"}};
inline constexpr WordTable Cancel{{"Cancel", "Отмена", "Abbrechen", "Annuler", "Cancelar", "取消",
                                   "Annulla", "Zrušit", "キャンセル", "취소"}};
inline constexpr WordTable Yes{{"Yes", "Да", "Ja", "Oui", "Sí", "是", "Sì", "Ano", "はい", "예"}};
inline constexpr WordTable No{
    {"No", "Нет", "Nein", "Non", "No", "否", "No", "Ne", "いいえ", "아니요"}};

// Every table above, for the checks that run over all texts.
inline constexpr const WordTable* LoginWords[] = {&Welcome,
                                                  &EnterYourName,
                                                  &EnterYourPassword,
                                                  &RepeatPasswordForCheck,
                                                  &IncorrectName,
                                                  &PasswordsDoNotMatch,
                                                  &IncorrectPassword,
                                                  &OnlyCp1251Characters,
                                                  &DefaultPlayerName,
                                                  &Ok,
                                                  &Cancel,
                                                  &Yes,
                                                  &No};

} // namespace tavlira::words

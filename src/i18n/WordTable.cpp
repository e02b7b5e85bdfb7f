#include "i18n/WordTable.h"

namespace tavlira {

namespace {
LanguageIndex currentLanguage = LanguageIndex::English;
} // namespace

LanguageIndex CurrentLanguage() {
    return currentLanguage;
}

void SetLanguage(LanguageIndex language) {
    currentLanguage = language;
}

std::string_view Text(const WordTable& table) {
    return table[currentLanguage];
}

} // namespace tavlira

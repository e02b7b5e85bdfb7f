#pragma once
// All word tables of the system, grouped by the screen that shows them.

#include "i18n/WordTable.h"
#include "i18n/words/About.h"
#include "i18n/words/Calendar.h"
#include "i18n/words/Login.h"
#include "i18n/words/Media.h"
#include "i18n/words/Menu.h"
#include "i18n/words/Network.h"
#include "i18n/words/Online.h"
#include "i18n/words/Options.h"
#include "i18n/words/Records.h"
#include "i18n/words/Replay.h"
#include "i18n/words/Table.h"

#include <span>

namespace tavlira {

// Every word table, once each, for checks that run over all texts.
std::span<const WordTable* const> AllWordTables();

} // namespace tavlira

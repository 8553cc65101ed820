// The process's locale tables and the Russian settings start-up applies to them.
#pragma once

#include <array>
#include <string_view>

#include "app/locale_setting.h"
#include "app/locale_tables.h"
#include "platform/cp1251_literal.h"
#include "platform/os_locale.h"

namespace app {

struct LocaleSettingValue {
  LocaleSetting setting;
  std::string_view value;
};

using platform::operator""_cp1251;

// In the order start-up applies them. The first case table and the first collation sequence
// leave nothing behind (the second of each replaces them); the collation sequence lists 25
// Latin pairs, without V and v, which therefore keep their codes as weights.
inline constexpr std::array<LocaleSettingValue, 9> kStartupLocaleSettings = {{
    {LocaleSetting::CaseTable, "WINDOWS"},
    {LocaleSetting::CaseTable,
     "ABCDEFGHIJKLMNOPQRSTUVWXYZАБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ,"
     "abcdefghijklmnopqrstuvwxyzабвгдеёжзийклмнопрстуфхцчшщъыьэюя"_cp1251},
    {LocaleSetting::CharacterSet, "WINDOWS"},
    {LocaleSetting::CollationSequence, "WINDOWS"},
    {LocaleSetting::CollationSequence,
     "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuWwXxYyZz"
     "АаБбВвГгДдЕеЁёЖжЗзИиЙйКкЛлМмНнОоПпРрСсТтУуФфХхЦцЧчШшЩщЪъЫыЬьЭэЮюЯя"_cp1251},
    {LocaleSetting::ShortMonthNames, "Янв,Фев,Мар,Апр,Мая,Июн,Июл,Авг,Сен,Окт,Ноя,Дек"_cp1251},
    {LocaleSetting::LongMonthNames,
     "Январь,Февраль,Март,Апрель,Май,Июнь,Июль,Август,Сентябрь,Октябрь,Ноябрь,Декабрь"_cp1251},
    {LocaleSetting::AmPmDesignators, "WINDOWS"},
    {LocaleSetting::ButtonCaptions,
     "&OK,&Да,&Нет,Пре&рвать,&Повторить,&Игнорировать,&Отменить,&Справка"_cp1251},
}};

// Applies kStartupLocaleSettings to `tables` in their order.
void ApplyStartupLocaleSettings(LocaleTables& tables,
                                const platform::OsLocale& os = platform::SystemLocale());

// The process's one set of locale tables: the defaults, with the system's designators read
// on first use. Start-up applies its settings to it before any window opens.
LocaleTables& ProcessLocaleTables();

}  // namespace app

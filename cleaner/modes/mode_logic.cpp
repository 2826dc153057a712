#include "cleaner/modes/mode_logic.h"

#include "platform/date_format.h"

namespace cleaner {

const std::array<const char*, 12> kMonthNames = {"STYCZEŃ",  "LUTY",        "MARZEC",   "KWIECIEŃ",
                                                 "MAJ",      "CZERWIEC",    "LIPIEC",   "SIERPIEŃ",
                                                 "WRZESIEŃ", "PAŹDZIERNIK", "LISTOPAD", "GRUDZIEŃ"};

std::string modeStatusText(common::Mode mode) {
    switch (mode) {
    case common::Mode::Przy_starcie:
        return "Wartość ustawiona: URUCHAMIAJ PRZY STARCIE SYSTEMU";
    case common::Mode::Miesieczny:
        return "Wartość ustawiona: PRACA AUTOMATYCZNA USTAWIONA NA CZAS MIESIĘCZNY";
    case common::Mode::Reczny:
        break;
    }
    return "Wartość ustawiona: PRACA RĘCZNA";
}

int monthAfter(std::string_view shortDate, int fallbackMonth) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    int month = 0;
    if (shortDate.size() >= 7) {
        // Characters 6-7 (1-based); "-" at 6 means the two-digit-year form, month at 4-5.
        std::size_t at = shortDate[5] == '-' ? 3 : 5;
        if (digit(shortDate[at]) && digit(shortDate[at + 1]))
            month = (shortDate[at] - '0') * 10 + (shortDate[at + 1] - '0');
    }
    if (month < 1 || month > 12)
        month = fallbackMonth;
    return month >= 12 || month < 1 ? 1 : month + 1;
}

int nextMonth(std::time_t today) {
    std::tm local{};
    localtime_r(&today, &local);
    return monthAfter(platform::shortDate(today), local.tm_mon + 1);
}

} // namespace cleaner

#pragma once

#include "common/mode_settings.h"

#include <array>
#include <ctime>
#include <string>
#include <string_view>

// What the mode dialog derives from the stored settings and from today's date.
namespace cleaner {

// The mode dialog's status line for a mode ("Wartość ustawiona: PRACA RĘCZNA" ...).
std::string modeStatusText(common::Mode mode);

// The month names of the month list, index 0 January.
extern const std::array<const char*, 12> kMonthNames;

// The month after the one in a short date text: its 6th and 7th characters with a four-digit
// year ("2024-05-17"), its 4th and 5th with a two-digit year ("24-05-17"). After 12 comes 1. When
// the text holds no month 1 to 12 there (another date format), the month after fallbackMonth.
int monthAfter(std::string_view shortDate, int fallbackMonth);

// The month after today's, by the user's short date format.
int nextMonth(std::time_t today);

} // namespace cleaner

#pragma once

#include "workspace/RegionalSettings.h"
#include "workspace/ValueField.h"

#include <string>

namespace kelvarin::reports {

// The texts that print routines make of a field's number, in the user's regional format.

// As shown: the field's text as the field displays it, without the blanks that pad it to the
// mask's width.
std::string asShown(const workspace::ValueField& field);

// Currency P (P is 10 or 15): rounded to at most P significant digits, then to 2 decimals, halves
// away from zero, in the regional currency format with its negative pattern: 1234.5 gives "$1,234.50".
std::string currencyText(double value, int precision, const workspace::RegionalSettings& regional);

// Number 3: 3 decimals with thousands separators, no currency sign: 7.25 gives "7.250".
std::string number3Text(double value, const workspace::RegionalSettings& regional);

// General P: at most P significant digits (15 for plain "general"), shortest form: no thousands
// separators, no trailing zeros, no decimal separator for a whole number. A whole part longer
// than P digits, or a value below 0.00001, takes the scientific form ("1.23E3" at P = 3).
std::string generalText(double value, int precision, const workspace::RegionalSettings& regional);
inline constexpr int kGeneralPrecision = 15;

// Integer: the field's value as a whole number in plain digits (a floating field's value rounds
// to the nearest whole number, halves to even).
std::string integerText(const workspace::ValueField& field);

} // namespace kelvarin::reports

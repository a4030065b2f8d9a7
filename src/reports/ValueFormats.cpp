#include "ValueFormats.h"

#include "calculators/GridFormats.h"
#include "loanmath/Numeric.h"
#include "workspace/NumberText.h"

#include <cmath>

namespace kelvarin::reports {

std::string asShown(const workspace::ValueField& field) {
    // A field's text is as wide as its mask; the blanks that pad it are no part of the value and
    // would push a left-aligned report text to the right.
    const std::string text = field.textUtf8();
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string currencyText(double value, int precision, const workspace::RegionalSettings& regional) {
    return calculators::currencyText(value, precision, 2, regional);
}

std::string number3Text(double value, const workspace::RegionalSettings& settings) {
    if (!std::isfinite(value))
        return std::isnan(value) ? "NAN" : value < 0 ? "-INF" : "INF";
    const workspace::RegionalSettings regional = settings.normalised();
    const workspace::FixedDigits digits = workspace::roundFixed(value, 3);
    std::u32string out = digits.negative ? U"-" : U"";
    const std::string& whole = digits.integer;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += regional.thousandsSeparator;
        out += static_cast<char32_t>(whole[i]);
    }
    out += regional.decimalSeparator;
    for (char c : digits.fraction)
        out += static_cast<char32_t>(c);
    return workspace::toUtf8(out);
}

std::string generalText(double value, int precision, const workspace::RegionalSettings& regional) {
    return calculators::generalText(value, precision, regional);
}

std::string integerText(const workspace::ValueField& field) {
    if (field.mask().dataType == workspace::DataType::Whole)
        return std::to_string(field.readWhole());
    return std::to_string(loanmath::Round(field.readFloat()));
}

} // namespace kelvarin::reports

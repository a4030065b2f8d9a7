#pragma once

#include <QString>
#include <string>

namespace kelvarin::app {

inline constexpr const char* kApplicationTitle = "Kelvarin";
inline constexpr const char* kVersion = "2.1.00";
inline constexpr const char* kCaption = "Kelvarin, 2.1.00";
inline constexpr const char* kWelcome = " Welcome to Kelvarin by Larkmoor Software, LLC!";

// "Kelvarin, 2.1.00" without a document, else " - " and the file name without its folder.
QString captionFor(const std::string& documentFileName);

} // namespace kelvarin::app

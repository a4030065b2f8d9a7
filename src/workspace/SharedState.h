#pragma once

#include <cstdint>
#include <string>

namespace kelvarin::workspace {

// State variables of the main window that several calculators and commands share.
struct SharedState {
    std::string ProgramFolder;  // ends in a path separator
    std::string DocumentFileName;
    std::int32_t ValueSet = 0;  // 0 zero values, 1 sample values
    std::string CurrentMonthShort;
    std::string CurrentMonthLong;
    std::int32_t CurrentYear = 0;
    std::int32_t ScheduleStartMonth = 1;
    std::int32_t ScheduleStartYear = 0;
    std::int32_t DefaultCalculator = 0;  // a DefaultCalculatorNumber
};

}  // namespace kelvarin::workspace

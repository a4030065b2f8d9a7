#pragma once

#include "CalculatorSet.h"
#include "workspace/DefaultsFile.h"
#include "workspace/HeldValues.h"
#include "workspace/Workspace.h"

namespace kelvarin::calculators {

// The whole program state without a window: the workspace, the values held from the
// defaults file and every calculator. The main window owns one; kelvarin-calc page too.
class Session {
public:
    Session(workspace::RegionalSettings regional, workspace::UiPort& ui);

    // The core part of start-up: load the defaults file, take the month and year of the
    // clock (month 1..12), then reset everything to zero values.
    void start(const workspace::DefaultsFile& defaults, int month, int year);

    workspace::Workspace& workspace() { return m_ws; }
    workspace::HeldValues& held() { return m_held; }
    CalculatorSet& calculators() { return m_calculators; }

private:
    workspace::Workspace m_ws;
    workspace::HeldValues m_held;
    CalculatorSet m_calculators;
};

}  // namespace kelvarin::calculators

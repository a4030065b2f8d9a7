#pragma once

#include "workspace/Choice.h"

#include <functional>
#include <vector>

class QComboBox;
class QRadioButton;
class QWidget;

namespace kelvarin::app {

// Runs the choice's handler with the index the user chose (-1: typed text that is no item).
using ChoiceHandler = std::function<void(int index)>;

// A drop-down bound to a choice: it shows the choice's items and text and follows its enabled and
// visible flags whenever the calculators tell the choice's views. Picking an item sets the
// choice's index and text and runs the handler at once; typed text (an editable choice) counts
// when the typing ends, with Return or on leaving the box, so that a name is typed whole.
QComboBox* makeDropDown(workspace::Choice& choice, ChoiceHandler handler, QWidget* parent);

// Radio buttons, one per item of the choice in item order: the checked one follows the choice's
// index; a click sets the index and runs the handler.
void bindRadioButtons(workspace::Choice& choice, const std::vector<QRadioButton*>& buttons,
                      ChoiceHandler handler);

} // namespace kelvarin::app

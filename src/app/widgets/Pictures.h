#pragma once

#include <QIcon>
#include <QPixmap>

namespace kelvarin::app::pictures {

// Button bar pictures, drawn in code at 20 by 20 pixels.
QIcon open();
QIcon save();
QIcon print();
QIcon reset();
QIcon popupCalculator();
QIcon update();
QIcon help();
QIcon calculatorList();
QIcon exit();

// Closing costs lock buttons: a key (click to unlock and type the amount) and a closed padlock
// (click to lock it again).
QIcon key();
QIcon padlock();

// The product picture: a house beside a calculator, scaled into the given size.
QPixmap product(QSize size);

}  // namespace kelvarin::app::pictures

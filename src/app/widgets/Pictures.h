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

// The product picture: a house beside a calculator, scaled into the given size.
QPixmap product(QSize size);

}  // namespace kelvarin::app::pictures

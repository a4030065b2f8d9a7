#include "ButtonBar.h"

#include "widgets/Hints.h"
#include "widgets/Pictures.h"

#include <QToolButton>

namespace kelvarin::app {

namespace {
constexpr int kButton = 25;
constexpr int kTop = 4;
constexpr int kExitFromRight = 29;
constexpr int kListFromRight = 177;
constexpr int kListWidth = 140;
}  // namespace

ButtonBar::ButtonBar(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("pnlButtonBar"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setFixedHeight(33);

    addButton("btnOpen", pictures::open(), "Open ...", 4);
    addButton("btnSave", pictures::save(), "Save ...", 29);
    addButton("btnPrint", pictures::print(), "Display Print Preview ...", 54)->setEnabled(false);
    addButton("btnReset", pictures::reset(), "Reset values", 87)->setEnabled(false);
    addButton("btnPopupCalculator", pictures::popupCalculator(), "Display Popup Calculator ...", 120);
    addButton("btnUpdate", pictures::update(), "Check for New Version ...", 145);
    addButton("btnHelp", pictures::help(), "Display Help ...", 178);
    auto* list = addButton("btnCalculators", pictures::calculatorList(), "Display Calculator Menu ...", 0, kListWidth);
    list->setText(QStringLiteral("Calculator List"));
    list->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    addButton("btnExit", pictures::exit(), "Exit Kelvarin ...", 0);
}

QToolButton* ButtonBar::button(std::string_view name) const {
    return findChild<QToolButton*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QToolButton* ButtonBar::addButton(const char* name, const QIcon& icon, const char* hint, int x, int width) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(x, kTop, width, kButton);
    setHint(button, QString::fromLatin1(hint));
    return button;
}

void ButtonBar::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    button("btnExit")->move(width() - kExitFromRight, kTop);
    button("btnCalculators")->move(width() - kListFromRight, kTop);
}

}  // namespace kelvarin::app

#include "QuickCalculatorsPage.h"

#include "app/widgets/Hints.h"
#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QLabel>
#include <QTabWidget>

namespace kelvarin::app {

namespace {
constexpr int kMoneyWidth = 108;  // '$#,###,###,###.##'
constexpr int kPercentWidth = 70; // '###.####%'
} // namespace

QuickCalculatorsPage::QuickCalculatorsPage(const workspace::PageInfo& info, PageContext& context,
                                           QWidget* parent)
    : Page(info, context, parent) {
    auto* intro =
        addLabel(QStringLiteral("Use these two \"Quick Calculators\" to get fast answers to basic questions "
                                "about loan variables and payments without providing all of the "
                                "variables required by the more detailed calculators."),
                 QRect(10, 8, 567, 28), Qt::AlignLeft | Qt::AlignTop);
    intro->setObjectName(QStringLiteral("Label69"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("nbkQuickCalc"));
    m_tabs->setGeometry(8, 44, 571, 328);
    const auto& choice = ws().choice("nbkQuickCalc");
    // Tab captions keep their design form: "&&" is a literal "&" for the tab bar too.
    m_tabs->addTab(buildMonthlyPaymentTab(), qs(choice.items.at(0)));
    m_tabs->addTab(buildMissingVariablesTab(), qs(choice.items.at(1)));
    m_tabs->setCurrentIndex(choice.index);
    const auto tabClick = [this](int index) {
        run([&] { this->context().session.handlers().choose("nbkQuickCalc", index); });
    };
    // A click on another tab arrives once the tab is shown, so that the focus can move into it;
    // a click on the tab already shown changes nothing but is a click all the same.
    connect(m_tabs, &QTabWidget::currentChanged, this, tabClick);
    connect(m_tabs, &QTabWidget::tabBarClicked, this, [this, tabClick](int index) {
        if (index == m_tabs->currentIndex())
            tabClick(index);
    });
}

// Labels on the left, numbers right-aligned in one column; the percent form of the down
// payment stands beside the dollar form.
QWidget* QuickCalculatorsPage::buildMonthlyPaymentTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("Page2"));

    constexpr int labelX = 112, labelWidth = 126;
    constexpr int columnRight = labelX + labelWidth + 4 + kMoneyWidth;
    constexpr int top = 46, pitch = 34;
    int row = 0;
    for (const char* name : {"edtMPISalesPrice", "edtMPIDownPaymentSum", "edtMPILoanAmount",
                             "edtMPIInterestRate", "edtMPITermInMonths", "edtMPIPayment"}) {
        const int y = top + row * pitch;
        auto& field = ws().field(name);
        addFieldLabel(name, QRect(labelX, y, labelWidth, kFieldHeight), Qt::AlignLeft | Qt::AlignVCenter,
                      tab);
        const int width = widthFor(field);
        addField(name, QRect(columnRight - width, y, width, kFieldHeight), tab);
        if (row == 1) {
            // Created here so that Tab goes from the dollar to the percent down payment.
            addFieldLabel("edtMPIDownPaymentPercent", QRect(columnRight + 12, y, 32, kFieldHeight),
                          Qt::AlignLeft | Qt::AlignVCenter, tab);
            addField("edtMPIDownPaymentPercent", QRect(columnRight + 46, y, kPercentWidth, kFieldHeight),
                     tab);
        }
        ++row;
    }
    return tab;
}

// Variable buttons on the left, each with its field beside it; "Calculate" under the fields.
QWidget* QuickCalculatorsPage::buildMissingVariablesTab() {
    auto* tab = new QWidget;
    tab->setObjectName(QStringLiteral("Page1"));

    constexpr int buttonX = 100, buttonWidth = 140;
    constexpr int fieldX = buttonX + buttonWidth + 16;
    constexpr int columnRight = fieldX + kMoneyWidth;
    constexpr int top = 64, pitch = 32;

    addLabel(QStringLiteral("Click the variable you wish to calculate"), QRect(buttonX, 18, buttonWidth, 32),
             Qt::AlignLeft | Qt::AlignBottom, tab);
    addLabel(QStringLiteral("Enter 3 known values, using the Tab key to move among fields."),
             QRect(fieldX, 18, 200, 32), Qt::AlignLeft | Qt::AlignBottom, tab);

    struct Variable {
        const char* button;
        const char* caption;
        const char* hint;
    };
    // "&" marks the access key; "&&" shows a literal "&".
    constexpr Variable variables[] = {
        {"btnCalcLA", "&Loan Amount", "Click to calculate loan amount"},
        {"btnCalcIR", "&Interest Rate ", "Click to calculate interest rate"},
        {"btnCalcPMT", "&Payment (P&&I)", "Click to calculate payment amount"},
        {"btnCalcN", "&Number Payments", "Click to calculate number of payments"},
    };
    int row = 0;
    for (const auto& variable : variables) {
        auto* button = addButton(variable.button, QString::fromUtf8(variable.caption),
                                 QRect(buttonX, top + row * pitch, buttonWidth, kButtonHeight), tab);
        setHint(button, QString::fromUtf8(variable.hint));
        ++row;
    }
    row = 0;
    for (const char* name : {"edtLA", "edtIR", "edtPMT", "edtN"}) {
        const int width = widthFor(ws().field(name));
        addField(name, QRect(columnRight - width, top + row * pitch + 2, width, kFieldHeight), tab);
        ++row;
    }

    const int calculateY = top + 4 * pitch + 12;
    addButton("btnCalcQuickCalc", QStringLiteral("Calculate"),
              QRect(fieldX, calculateY, kMoneyWidth, kButtonHeight), tab);
    addLabel(QStringLiteral("Click 'Calculate'"), QRect(columnRight + 12, calculateY, 120, kButtonHeight),
             Qt::AlignLeft | Qt::AlignVCenter, tab);
    return tab;
}

} // namespace kelvarin::app

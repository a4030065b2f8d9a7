#include "AmortizationSchedulesPage.h"

#include "app/widgets/ScheduleGridView.h"
#include "app/widgets/MaskedEdit.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>

namespace kelvarin::app {

namespace {

constexpr int kFieldHeight = Page::kFieldHeight;
constexpr int kButtonHeight = Page::kButtonHeight;

// Loan inputs: labels on the left, fields in one column.
constexpr int kLabelX = 8, kLabelWidth = 92, kFieldX = 104, kTop = 10, kPitch = 26;

// The schedule buttons on the right, and the prepayment panel that covers them while open.
constexpr int kButtonX = 384, kButtonWidth = 195, kButtonPitch = 34;
constexpr QRect kPanel(226, 8, 353, 136);

// Both grids fill the page area below the inputs.
constexpr QRect kGrids(8, 150, 571, 222);

} // namespace

AmortizationSchedulesPage::AmortizationSchedulesPage(const workspace::PageInfo& info, PageContext& context,
                                                     QWidget* parent)
    : Page(info, context, parent) {
    const auto row = [](int k) { return kTop + k * kPitch; };
    const auto labelFor = [&](const char* field, int k) {
        addFieldLabel(field, QRect(kLabelX, row(k), kLabelWidth, kFieldHeight));
    };
    int k = 0;
    for (const char* name : {"edtMortAmt", "edtIRate", "edtNumPmts", "edtAmortPayment"}) {
        labelFor(name, k);
        addField(name, QRect(kFieldX, row(k), widthFor(ws().field(name)), kFieldHeight));
        ++k;
    }
    addLabel(QStringLiteral("First Payment"), QRect(kLabelX, row(k), kLabelWidth, kFieldHeight));
    addDropDown("cbMonth", QRect(kFieldX, row(k), 56, kFieldHeight));
    addField("edtYear", QRect(kFieldX + 60, row(k), widthFor(ws().field("edtYear")), kFieldHeight));

    int b = 0;
    for (const char* name : {"btnCalculate", "btnAddExtra", "btnAnnualMonthly"}) {
        addButton(name, qs(ws().control(name).caption()),
                  QRect(kButtonX, kTop + b++ * kButtonPitch, kButtonWidth, kButtonHeight));
    }

    // The panel, over the buttons: mode on the left, amount and payment numbers on the right, its
    // own three buttons along the bottom.
    QGroupBox* panel = addPanel("pnlAddExtra", ws().control("pnlAddExtra").caption().c_str(), kPanel);
    panel->setAutoFillBackground(true);
    addRadioButtons("rgAddTo",
                    {{"rbOnePmt", QRect(10, 22, 124, 20)},
                     {"rbRangePmts", QRect(10, 46, 124, 20)},
                     {"rbAllPmts", QRect(10, 70, 124, 20)}},
                    panel);
    constexpr int panelLabelX = 136, panelLabelWidth = 96, panelFieldX = 236;
    addFieldLabel("edtExtraAmount", QRect(panelLabelX, 20, panelLabelWidth, kFieldHeight),
                  Qt::AlignRight | Qt::AlignVCenter, panel);
    addField("edtExtraAmount", QRect(panelFieldX, 20, widthFor(ws().field("edtExtraAmount")), kFieldHeight),
             panel);
    addBoundLabel("lblFromPmt", QRect(panelLabelX, 46, panelLabelWidth, kFieldHeight),
                  Qt::AlignRight | Qt::AlignVCenter, panel);
    addField("edtFromPmt", QRect(panelFieldX, 46, widthFor(ws().field("edtFromPmt")), kFieldHeight), panel);
    addBoundLabel("lblToPmt", QRect(panelLabelX, 72, panelLabelWidth, kFieldHeight),
                  Qt::AlignRight | Qt::AlignVCenter, panel);
    addField("edtToPmt", QRect(panelFieldX, 72, widthFor(ws().field("edtToPmt")), kFieldHeight), panel);

    auto* actions = new QFrame(panel);
    actions->setObjectName(QStringLiteral("pnlRemoveExtra"));
    actions->setGeometry(6, 100, 341, 31);
    int a = 0;
    for (const char* name : {"btnRecalcExtra", "btnRemove", "btnCancel"})
        addButton(name, qs(ws().control(name).caption()), QRect(2 + a++ * 114, 3, 108, kButtonHeight),
                  actions);
    panel->raise();

    m_annual = addGrid("grdAnnualAmortization", kGrids);
    m_monthly = addGrid("grdAmortization", kGrids);
    // With both shown (a schedule rebuilt while the annual grid was on screen) the monthly grid is
    // on top, as it is the one that prints.
    m_monthly->raise();
}

} // namespace kelvarin::app

#include "EstimatedClosingCostsPage.h"

#include "app/widgets/ControlBinding.h"
#include "app/widgets/HoverButton.h"
#include "app/widgets/MaskedEdit.h"
#include "app/widgets/Pictures.h"
#include "calculators/EstimatedClosingCosts.h"
#include "workspace/Workspace.h"

#include <QEvent>
#include <QFrame>
#include <QTimer>
#include <map>
#include <string>

namespace kelvarin::app {

namespace {

constexpr auto kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr auto kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// Inputs: labels right-aligned against one column of fields, whose right edges line up.
constexpr int kInLabelX = 8, kInLabelWidth = 150, kInRight = 270;
// Results: the same, further right; the key buttons stand right of their amounts.
constexpr int kOutLabelX = 276, kOutLabelWidth = 156, kOutRight = 546;
constexpr int kKeyX = kOutRight + 4, kKeySize = 28;

// The two panels lie over the input column, in one place.
const QRect kPanelPlace(4, 4, 274, 368);
constexpr int kPanelLabelX = 8, kPanelLabelWidth = 170, kPanelRight = 262;

struct Row {
    const char* field;
    int y;
    int height; // of the label; the field is centred on it
};

// Three of the labels take two lines ("Real Estate Taxes" / "(Annual Estimate)").
constexpr Row kInputs[] = {
    {"edtECCIncome", 8, 21},
    {"edtECCDebt", 34, 21},
    {"edtEccInterest", 60, 21},
    {"edtEccOriginationPoints", 86, 21},
    {"edtEccDiscountPoints", 112, 21},
    {"edtEccTerm", 138, 21},
    {"edtEccDownPaymentPercent", 164, 21},
    {"edtECCTax", 190, 28},
    {"edtECCInsurance", 222, 28},
    {"edtECCAssociationFee", 254, 28},
};
constexpr int kRatioCaptionY = 288, kRatioY = 306, kHousingX = 190, kDebtX = 236;

constexpr Row kResults[] = {
    {"edtEccCPurchasePrice", 8, 21},
    {"edtEccCDownPayment", 34, 21},
    {"edtEccCLoanAmount", 60, 21},
    {"edtEccCPandI", 92, 21},
    {"edtEccCMonthlyTax", 118, 21},
    {"edtEccCMonthlyInsurance", 144, 21},
    {"edtEccCpmi", 170, 21},
    {"edtEccCMonthlyPayment", 196, 21},
    {"edtEccCClosingCosts", 228, 21},
    {"edtEccCEscrows", 254, 21},
    {"edtEccCHousingRatio", 286, 21},
    {"edtEccCDebtRatio", 312, 21},
    {"edtEccCCashRequiredToClose", 344, 21},
};

struct LockPair {
    const char* unlock;
    const char* lock;
    int y;
};
constexpr LockPair kLocks[] = {
    {"btnUnlockPurchasePrice", "btnLockPurchasePrice", 8},
    {"btnUnlockDownPayment", "btnLockDownPayment", 34},
    {"btnUnlockLoanAmount", "btnLockLoanAmount", 60},
};

// The closing-cost items, one row each, from under the panel's title.
constexpr int kClosingTop = 28, kClosingPitch = 24;
// The escrow items: the item's name on one line, its amount and its count on the next.
constexpr int kEscrowTop = 28, kEscrowPitch = 46, kEscrowAmountX = 40, kEscrowCountX = 130;
constexpr int kOkY = 338, kOkWidth = 88;

} // namespace

EstimatedClosingCostsPage::EstimatedClosingCostsPage(const workspace::PageInfo& info, PageContext& context,
                                                     QWidget* parent)
    : Page(info, context, parent) {
    // Labels and buttons first; the fields follow in the design's tab order, page before panels.
    buildInputs();
    buildResults();
    QWidget* closing = buildClosingPanel();
    QWidget* escrow = buildEscrowPanel();

    std::map<std::string, std::pair<QWidget*, QRect>, std::less<>> places;
    for (const Row& row : kInputs) {
        const int width = widthFor(ws().field(row.field));
        places[row.field] = {
            this, QRect(kInRight - width, row.y + (row.height - kFieldHeight) / 2, width, kFieldHeight)};
    }
    const int ratioWidth = widthFor(ws().field("edtEccHousingRatio"));
    places["edtEccHousingRatio"] = {this, QRect(kHousingX, kRatioY, ratioWidth, kFieldHeight)};
    places["edtEccDebtRatio"] = {this, QRect(kDebtX, kRatioY, ratioWidth, kFieldHeight)};
    for (const Row& row : kResults) {
        const int width = widthFor(ws().field(row.field));
        places[row.field] = {this, QRect(kOutRight - width, row.y, width, kFieldHeight)};
    }
    int item = 0;
    for (const char* name : {"edtOriginationFee", "edtLOF", "edtAF", "edtCR", "edtTSF", "edtLPF", "edtTIF",
                             "edtTS", "edtSTT", "edtRF", "edtClosingPMI", "edtOF", "edtSellerPaid"}) {
        const int width = widthFor(ws().field(name));
        places[name] = {
            closing, QRect(kPanelRight - width, kClosingTop + item++ * kClosingPitch, width, kFieldHeight)};
    }
    const char* escrowRows[][2] = {{"edtII", "edtIIDays"},
                                   {"edtPTI", "edtPTIMonths"},
                                   {"edtHOIP", "edtHOIPMonths"},
                                   {"edtHOII", "edtHOIIMonths"},
                                   {"edtPMII", nullptr}};
    item = 0;
    for (const auto& [amount, count] : escrowRows) {
        const int y = kEscrowTop + item++ * kEscrowPitch + 17;
        places[amount] = {escrow, QRect(kEscrowAmountX, y, widthFor(ws().field(amount)), kFieldHeight)};
        if (count)
            places[count] = {escrow, QRect(kEscrowCountX, y, widthFor(ws().field(count)), kFieldHeight)};
    }
    places["edtPMIPercent"] = {escrow, QRect(kEscrowCountX, kEscrowTop + 5 * kEscrowPitch + 8,
                                             widthFor(ws().field("edtPMIPercent")), kFieldHeight)};

    for (const workspace::ValueField* field : ws().pageFields(info.name)) {
        if (!field->design().visible)
            continue; // months of PMI reserve and three fields nothing shows
        const auto& [holder, place] = places.at(std::string(field->name()));
        addField(field->name(), place, holder);
    }

    // Each panel's "OK" comes last in its Tab order; leaving it keeps the focus in the panel.
    m_closingOk =
        addButton("btnClosePnlClosing", QStringLiteral("OK"),
                  QRect((kPanelPlace.width() - kOkWidth) / 2, kOkY, kOkWidth, kButtonHeight), closing);
    m_escrowOk =
        addButton("btnClosePnlEscrow", QStringLiteral("OK"),
                  QRect((kPanelPlace.width() - kOkWidth) / 2, kOkY, kOkWidth, kButtonHeight), escrow);
    m_closingOk->installEventFilter(this);
    m_escrowOk->installEventFilter(this);
    closing->raise();
    escrow->raise();
}

void EstimatedClosingCostsPage::buildInputs() {
    for (const Row& row : kInputs)
        addFieldLabel(row.field, QRect(kInLabelX, row.y, kInLabelWidth, row.height), kRight);
    constexpr auto caption = Qt::AlignHCenter | Qt::AlignBottom;
    const int ratioWidth = widthFor(ws().field("edtEccHousingRatio"));
    addFieldLabel("edtEccHousingRatio", QRect(kHousingX - 8, kRatioCaptionY, ratioWidth + 16, 16), caption);
    addFieldLabel("edtEccDebtRatio", QRect(kDebtX - 4, kRatioCaptionY, ratioWidth + 8, 16), caption);
    addLabel(QStringLiteral("Qualifying Ratios"),
             QRect(kInLabelX, kRatioY, kHousingX - 6 - kInLabelX, kFieldHeight), kRight);
    addLabel(QStringLiteral("Clicking on a key allows you to modify default values."),
             QRect(kInLabelX, 338, kInRight - kInLabelX, 30), Qt::AlignLeft | Qt::AlignTop)
        ->setObjectName(QStringLiteral("lblKeyHint"));
}

void EstimatedClosingCostsPage::buildResults() {
    for (const Row& row : kResults)
        if (!ws().field(row.field).design().label.empty())
            addFieldLabel(row.field, QRect(kOutLabelX, row.y, kOutLabelWidth, row.height), kRight);

    // The two totals are labelled by the buttons that open their panels, turning red under the mouse.
    for (const auto& [button, field] : {std::pair{"btnCalcClosing", "edtEccCClosingCosts"},
                                        std::pair{"btnCalcEscrows", "edtEccCEscrows"}}) {
        auto* hover = new HoverButton(labelText(ws().control(button).caption()), this);
        const int width = hover->sizeHint().width();
        const int fieldX = kOutRight - widthFor(ws().field(field));
        int y = 0;
        for (const Row& row : kResults)
            if (std::string_view(row.field) == field)
                y = row.y;
        bindButton(hover, button, QRect(fieldX - 6 - width, y - 2, width, kButtonHeight));
    }

    // Of each pair one button shows: the key while the amount is computed, the padlock while typed.
    for (const LockPair& pair : kLocks) {
        const QRect place(kKeyX, pair.y, kKeySize, kFieldHeight);
        auto* unlock = addButton(pair.unlock, QString(), place);
        unlock->setIcon(pictures::key());
        auto* lock = addButton(pair.lock, QString(), place);
        lock->setIcon(pictures::padlock());
    }
}

QWidget* EstimatedClosingCostsPage::addPanel(const char* name, const QRect& geometry) {
    auto* panel = new QFrame(this);
    panel->setObjectName(QString::fromUtf8(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    panel->setGeometry(geometry);
    auto& state = ws().control(name);
    auto* title = addLabel(labelText(state.caption()), QRect(8, 4, geometry.width() - 16, 20),
                           Qt::AlignHCenter | Qt::AlignVCenter, panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    bindControl(panel, state);
    return panel;
}

QWidget* EstimatedClosingCostsPage::buildClosingPanel() {
    QWidget* panel = addPanel("pnlClosing", kPanelPlace);
    int item = 0;
    for (const char* name : {"edtOriginationFee", "edtLOF", "edtAF", "edtCR", "edtTSF", "edtLPF", "edtTIF",
                             "edtTS", "edtSTT", "edtRF", "edtClosingPMI", "edtOF", "edtSellerPaid"})
        addFieldLabel(
            name, QRect(kPanelLabelX, kClosingTop + item++ * kClosingPitch, kPanelLabelWidth, kFieldHeight),
            kRight, panel);
    return panel;
}

QWidget* EstimatedClosingCostsPage::buildEscrowPanel() {
    QWidget* panel = addPanel("pnlEscrow", kPanelPlace);
    const char* rows[][2] = {{"edtII", "edtIIDays"},
                             {"edtPTI", "edtPTIMonths"},
                             {"edtHOIP", "edtHOIPMonths"},
                             {"edtHOII", "edtHOIIMonths"},
                             {"edtPMII", nullptr}};
    int item = 0;
    for (const auto& [amount, count] : rows) {
        const int y = kEscrowTop + item++ * kEscrowPitch;
        addFieldLabel(amount, QRect(kPanelLabelX, y, kPanelRight - kPanelLabelX, 16), kLeft, panel);
        if (count) {
            const int countRight = kEscrowCountX + widthFor(ws().field(count));
            addFieldLabel(count, QRect(countRight + 6, y + 17, kPanelRight - countRight - 6, kFieldHeight),
                          kLeft, panel);
        }
    }
    addFieldLabel("edtPMIPercent",
                  QRect(kPanelLabelX, kEscrowTop + 5 * kEscrowPitch + 8, kEscrowCountX - 6 - kPanelLabelX,
                        kFieldHeight),
                  kLeft, panel);
    return panel;
}

// The focus left a panel's "OK": once that focus change is done, the core may bring it back
// into the panel.
bool EstimatedClosingCostsPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == m_closingOk || watched == m_escrowOk)) {
        auto& closingCosts = context().session.calculators().estimatedClosingCosts();
        const bool closing = watched == m_closingOk;
        QTimer::singleShot(0, this, [this, &closingCosts, closing] {
            run([&] {
                closing ? closingCosts.btnClosePnlClosingExit() : closingCosts.btnClosePnlEscrowExit();
            });
        });
    }
    return Page::eventFilter(watched, event);
}

} // namespace kelvarin::app

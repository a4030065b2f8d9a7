#include "LoanSpreadPage.h"

#include "app/widgets/ChoiceGroup.h"
#include "app/widgets/ControlBinding.h"
#include "app/widgets/GridView.h"
#include "calculators/LoanSpreadCalculator.h"
#include "workspace/Workspace.h"

#include <QHeaderView>
#include <QLayout>

namespace kelvarin::app {

namespace {

// Three columns above the grid: the mode, the six fields, the two step groups.
constexpr int kTop = 8;
constexpr int kModeX = 8, kModeWidth = 124, kModeHeight = 100;
constexpr int kLabelX = 136, kLabelWidth = 100;
constexpr int kFieldX = kLabelX + kLabelWidth + 4;
constexpr int kRowPitch = 25;
constexpr int kSlotX = 356, kSlotWidth = 223;
constexpr int kCaptionHeight = 14, kSlotHeight = 58;
constexpr int kLeftSlotY = kTop + kCaptionHeight;
constexpr int kRightCaptionY = kLeftSlotY + kSlotHeight + 4;
constexpr int kRightSlotY = kRightCaptionY + kCaptionHeight;
// Twelve rows of 17 pixels and the frame, down to the page's lower margin.
constexpr int kGridY = kRightSlotY + kSlotHeight + 8;
constexpr int kGridRowHeight = 17;
constexpr int kGridWidth = 571, kGridHeight = 12 * kGridRowHeight + 2;

constexpr const char* kFields[] = {"edtLoan",    "edtInterest",  "edtTerm",
                                   "edtPayment", "edtTotalPaid", "edtInterestPaid"};

} // namespace

LoanSpreadPage::LoanSpreadPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : Page(info, context, parent) {
    const auto& handlers = context.session.handlers();
    const auto choose = [this, &handlers](const char* group) {
        return [this, &handlers, group](int item) { run([&] { handlers.choose(group, item); }); };
    };

    auto* mode = new ChoiceGroup(ws().choice("rgCalculate"), QStringLiteral("Calculate:"), 1, this);
    mode->setGeometry(kModeX, kTop, kModeWidth, kModeHeight);
    mode->onClick(choose("rgCalculate"));
    m_groups["rgCalculate"] = mode;

    int fieldRow = 0;
    for (const char* name : kFields) {
        const int y = kTop + fieldRow++ * kRowPitch;
        addFieldLabel(name, QRect(kLabelX, y, kLabelWidth, kFieldHeight), Qt::AlignRight | Qt::AlignVCenter);
        addField(name, QRect(kFieldX, y, widthFor(ws().field(name)), kFieldHeight));
    }

    for (const char* label : {"lblLeft", "lblRight"}) {
        auto* caption =
            addLabel({}, QRect(kSlotX, label == std::string_view("lblLeft") ? kTop : kRightCaptionY,
                               kSlotWidth, kCaptionHeight));
        caption->setObjectName(QString::fromUtf8(label));
        caption->setWordWrap(false);
        bindControl(caption, ws().control(label));
    }
    for (const char* group : {"rgLoan", "rgInterest", "rgPayments"}) {
        auto* steps = new ChoiceGroup(ws().choice(group), {}, 3, this);
        steps->onClick(choose(group));
        m_groups[group] = steps;
    }

    m_grid = new GridView(ws().grid(calculators::LoanSpreadCalculator::kGrid), this);
    m_grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    m_grid->setGeometry(kModeX, kGridY, kGridWidth, kGridHeight);
    m_grid->onCellClick([this, &handlers](int col, int row) {
        run([&] { handlers.clickCell(calculators::LoanSpreadCalculator::kGrid, col, row); });
    });
    m_grid->onMouseMove(
        [this] { run([this] { this->context().session.calculators().loanSpread().grdLSMouseMove(); }); });
    connect(m_grid->gridModel(), &TextGridModel::gridChanged, this, &LoanSpreadPage::placeGroups);
    placeGroups();
}

// The mode decides which step group stands in which slot; every fill follows a mode change.
void LoanSpreadPage::placeGroups() {
    const auto& page = context().session.calculators().loanSpread();
    for (auto& [name, group] : m_groups) {
        if (name == page.leftGroup())
            group->setGeometry(kSlotX, kLeftSlotY, kSlotWidth, kSlotHeight);
        else if (name != "rgCalculate") // the right slot, or hidden there
            group->setGeometry(kSlotX, kRightSlotY, kSlotWidth, kSlotHeight);
        group->layout()->activate(); // places the buttons of a group not shown yet as well
        group->refresh();
    }
}

void LoanSpreadPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    placeGroups();
}

} // namespace kelvarin::app

#include "Page.h"

#include "app/widgets/ChoiceBox.h"
#include "app/widgets/ChoiceBinding.h"
#include "app/widgets/ControlBinding.h"
#include "app/widgets/ScheduleGridView.h"
#include "app/widgets/MaskedEdit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QShortcutEvent>
#include <stdexcept>
#include <string>

namespace kelvarin::app {

namespace {

// A page button's access key that a menu bar title shares ("&Interest Rate " and "&Internet")
// clicks the button, as a dialog character goes to the controls before the menu bar.
class AccessKeyPriority : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
            auto* button = static_cast<QAbstractButton*>(watched);
            if (button->isVisible() && button->isEnabled()) {
                button->animateClick();
                return true;
            }
        }
        return false;
    }
};

} // namespace

Page::Page(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : QWidget(parent), m_info(info), m_context(context) {
    setObjectName(qs(info.name));
}

int Page::widthFor(const workspace::ValueField& field) {
    switch (field.design().mask) {
    case workspace::MaskKind::Money17:
        return 108;
    case workspace::MaskKind::Money13:
    case workspace::MaskKind::Points12:
        return 86;
    case workspace::MaskKind::Money11:
    case workspace::MaskKind::Decimal:
        return 76;
    case workspace::MaskKind::Money10:
    case workspace::MaskKind::Percent:
        return 70;
    case workspace::MaskKind::Points8:
        return 62;
    case workspace::MaskKind::Count:
        return 52;
    case workspace::MaskKind::Ratio:
        return 34;
    }
    return 108;
}

QString Page::qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Page::labelText(std::string_view caption) {
    return qs(caption).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

MaskedEdit* Page::addField(std::string_view fieldName, const QRect& geometry, QWidget* parent) {
    auto& field = ws().field(fieldName);
    if (field.design().page != m_info.name)
        throw std::logic_error("field " + std::string(fieldName) + " is not on " + std::string(m_info.name));
    auto* edit =
        new MaskedEdit(field, m_context.session.errors(), m_context.leaveErrors, parent ? parent : this);
    edit->setGeometry(geometry);
    const std::string_view handler = field.design().exitHandler;
    if (!handler.empty()) {
        const auto& handlers = m_context.session.handlers();
        if (!handlers.hasExit(handler))
            throw std::logic_error("no exit handler " + std::string(handler) + " for " +
                                   std::string(fieldName));
        edit->setExitHandler([&handlers, &field, handler] { handlers.runExit(handler, field); });
    }
    return edit;
}

QPushButton* Page::addButton(std::string_view controlName, const QString& caption, const QRect& geometry,
                             QWidget* parent) {
    return bindButton(new QPushButton(caption, parent ? parent : this), controlName, geometry);
}

QPushButton* Page::bindButton(QPushButton* button, std::string_view controlName, const QRect& geometry) {
    const std::string name(controlName);
    if (!m_context.session.handlers().hasClick(name)) {
        delete button;
        throw std::logic_error("no click handler for button " + name);
    }
    button->setObjectName(qs(controlName));
    button->setGeometry(geometry);
    button->installEventFilter(new AccessKeyPriority(button));
    if (auto* state = ws().findControl(controlName))
        bindControl(button, *state);
    connect(button, &QPushButton::clicked, this,
            [this, name] { run([&] { m_context.session.handlers().click(name); }); });
    return button;
}

ChoiceBox* Page::addDropDown(std::string_view choiceName, const QRect& geometry, QWidget* parent) {
    auto& choice = ws().choice(choiceName);
    if (choice.page != m_info.name)
        throw std::logic_error("choice " + std::string(choiceName) + " is not on " +
                               std::string(m_info.name));
    const std::string name(choiceName);
    if (!m_context.session.handlers().hasChoice(name))
        throw std::logic_error("no choice handler for " + name);
    auto* box = new ChoiceBox(choice, parent ? parent : this);
    box->setGeometry(geometry);
    connect(box, &ChoiceBox::changed, this,
            [this, name](int index) { run([&] { m_context.session.handlers().choose(name, index); }); });
    return box;
}

QLabel* Page::addLabel(const QString& text, const QRect& geometry, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new QLabel(text, parent ? parent : this);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setWordWrap(true);
    return label;
}

QLabel* Page::addFieldLabel(std::string_view fieldName, const QRect& geometry, Qt::Alignment alignment,
                            QWidget* parent) {
    return addLabel(labelText(ws().field(fieldName).design().label), geometry, alignment, parent);
}

QLabel* Page::addBoundLabel(std::string_view controlName, const QRect& geometry, Qt::Alignment alignment,
                            QWidget* parent) {
    auto& state = ws().control(controlName);
    auto* label = addLabel(qs(state.caption()), geometry, alignment, parent);
    label->setObjectName(qs(controlName));
    bindControl(label, state);
    return label;
}

QGroupBox* Page::addPanel(std::string_view controlName, const QString& title, const QRect& geometry,
                          QWidget* parent) {
    auto& state = ws().control(controlName);
    auto* panel = new QGroupBox(title, parent ? parent : this);
    panel->setObjectName(qs(controlName));
    panel->setGeometry(geometry);
    bindControl(panel, state);
    return panel;
}

ScheduleGridView* Page::addGrid(std::string_view gridName, const QRect& geometry, QWidget* parent) {
    auto& grid = ws().grid(gridName);
    if (grid.page != m_info.name)
        throw std::logic_error("grid " + std::string(gridName) + " is not on " + std::string(m_info.name));
    auto* view = new ScheduleGridView(grid, parent ? parent : this);
    view->setGeometry(geometry);
    const std::string name(gridName);
    if (m_context.session.handlers().hasCellClick(name))
        view->setCellClick([this, name](int col, int row) {
            run([&] { m_context.session.handlers().clickCell(name, col, row); });
        });
    return view;
}

std::vector<QRadioButton*> Page::addRadioButtons(std::string_view choiceName,
                                                 const std::vector<std::pair<const char*, QRect>>& buttons,
                                                 QWidget* parent) {
    auto& choice = ws().choice(choiceName);
    const std::string name(choiceName);
    if (choice.page != m_info.name || !m_context.session.handlers().hasChoice(name) ||
        buttons.size() != choice.items.size())
        throw std::logic_error("radio buttons of " + name + " do not match its choice on " +
                               std::string(m_info.name));
    std::vector<QRadioButton*> made;
    for (std::size_t k = 0; k < buttons.size(); ++k) {
        auto* button = new QRadioButton(labelText(choice.items[k]), parent ? parent : this);
        button->setObjectName(QString::fromLatin1(buttons[k].first));
        button->setGeometry(buttons[k].second);
        made.push_back(button);
    }
    bindRadioButtons(choice, made, [this, name](int index) {
        run([&] { m_context.session.handlers().choose(name, index); });
    });
    return made;
}

void Page::run(const std::function<void()>& handler) {
    m_context.session.errors().dispatch(handler);
}

} // namespace kelvarin::app

#include "Page.h"

#include "app/ErrorHandler.h"
#include "app/widgets/ControlBinding.h"
#include "app/widgets/MaskedEdit.h"

#include <QShortcutEvent>

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

}  // namespace

Page::Page(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : QWidget(parent), m_info(info), m_context(context) {
    setObjectName(QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size())));
}

void Page::enter(std::string_view focusTarget) {
    if (!focusTarget.empty())
        m_context.ui.focus(focusTarget);
}

MaskedEdit* Page::addField(std::string_view fieldName, const QRect& geometry, QWidget* parent) {
    auto& field = m_context.workspace.field(fieldName);
    auto* edit = new MaskedEdit(field, m_context.errors, m_context.leaveErrors, parent ? parent : this);
    edit->setGeometry(geometry);
    const std::string_view handler = field.design().exitHandler;
    if (!handler.empty()) {
        auto& calculators = m_context.calculators;
        edit->setExitHandler([&calculators, &field, handler] { calculators.handlers().runExit(handler, field); });
    }
    return edit;
}

QPushButton* Page::addButton(std::string_view controlName, const QString& caption, const QRect& geometry,
                             QWidget* parent) {
    auto* button = new QPushButton(caption, parent ? parent : this);
    button->setObjectName(QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size())));
    button->setGeometry(geometry);
    button->installEventFilter(new AccessKeyPriority(button));
    if (auto* state = m_context.workspace.findControl(controlName))
        bindControl(button, *state);
    const std::string name(controlName);
    connect(button, &QPushButton::clicked, this, [this, name] {
        m_context.errors.dispatch([&] { m_context.calculators.handlers().click(name); });
    });
    return button;
}

}  // namespace kelvarin::app

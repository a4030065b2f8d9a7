#include "MaskedEdit.h"

#include "Hints.h"
#include "LeaveErrorReporter.h"
#include "calculators/ErrorHandler.h"
#include "workspace/FieldEntry.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

namespace kelvarin::app {

using workspace::Look;

namespace {

QString toQString(const std::u32string& text) {
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::u32string toU32(const QString& text) {
    const auto ucs4 = text.toUcs4();
    return std::u32string(ucs4.begin(), ucs4.end());
}

} // namespace

MaskedEdit::MaskedEdit(workspace::ValueField& field, ErrorHandler& errors, LeaveErrorReporter& leaveErrors,
                       QWidget* parent)
    : QLineEdit(parent), m_field(field), m_errors(errors), m_leaveErrors(leaveErrors) {
    setObjectName(QString::fromUtf8(field.name().data(), static_cast<qsizetype>(field.name().size())));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_normalPalette = palette();
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_following)
            m_errors.dispatch([&] { m_field.setTypedText(toU32(text)); });
    });
    m_observer = m_field.addObserver([this](const workspace::ValueField&) { followField(); });
    followField();
}

MaskedEdit::~MaskedEdit() {
    m_field.removeObserver(m_observer);
}

void MaskedEdit::followField() {
    const QString text = toQString(m_field.text());
    if (text != QLineEdit::text()) {
        m_following = true;
        setText(text);
        m_following = false;
    }
    setReadOnly(m_field.readOnly());
    setFocusPolicy(m_field.tabStop() ? Qt::StrongFocus : Qt::ClickFocus);
    setEnabled(m_field.enabled() && m_field.look() != Look::Target);
    if (isHidden() == m_field.visible())
        setVisible(m_field.visible());
    const QString hint = QString::fromStdString(m_field.hint());
    if (hint != hintOf(this))
        setHint(this, hint);
    applyLook();
}

void MaskedEdit::applyLook() {
    QPalette pal = m_normalPalette;
    switch (m_field.look()) {
    case Look::Normal:
        break;
    case Look::Result:
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            pal.setColor(group, QPalette::Base, Qt::yellow);
            pal.setColor(group, QPalette::Text, Qt::black);
        }
        break;
    case Look::Target:
        pal.setColor(QPalette::Disabled, QPalette::Base,
                     m_normalPalette.color(QPalette::Active, QPalette::Base));
        pal.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
        break;
    }
    setPalette(pal);
}

void MaskedEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const bool returning =
        event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (m_entered && returning)
        return;
    m_entered = true;
    selectAll(); // the caret ends at the end of the text
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void MaskedEdit::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    if (m_selectOnRelease)
        selectAll();
}

void MaskedEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectOnRelease) {
        m_selectOnRelease = false;
        if (selectedText().isEmpty())
            selectAll();
    }
}

void MaskedEdit::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool character = typed.size() == 1 && typed.at(0).isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!character || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char32_t ch = workspace::typedCharacter(m_field, typed.at(0).unicode());
    const auto width = m_field.mask().picture.size();
    const auto lengthAfter = static_cast<std::size_t>(text().size() - selectedText().size() + 1);
    if (!workspace::acceptsTyped(m_field, ch) || lengthAfter > width) {
        QApplication::beep();
        event->accept();
        return;
    }
    insert(QString::fromUcs4(&ch, 1));
    event->accept();
}

bool MaskedEdit::isLeaving(const QFocusEvent& event) const {
    switch (event.reason()) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        break;
    }
    const QWidget* next = QApplication::focusWidget();
    return !next || next->window() == window();
}

void MaskedEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    m_selectOnRelease = false;
    if (!m_entered || !isLeaving(*event))
        return;
    m_entered = false;
    leave();
}

void MaskedEdit::leave() {
    // A field whose page is being hidden, or that was disabled while it had the focus, is
    // accepted unchecked: the focus cannot come back to it.
    if (isVisible() && isEnabled()) {
        workspace::LeaveOutcome outcome;
        if (m_errors.dispatch([&] { outcome = workspace::leaveField(m_field); }) && !outcome.accepted()) {
            setFocus(Qt::OtherFocusReason);
            m_leaveErrors.report(std::string(outcome.message()));
        }
    }
    m_errors.dispatch(m_exitHandler);
}

} // namespace kelvarin::app

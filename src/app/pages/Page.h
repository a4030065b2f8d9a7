#pragma once

#include "PageContext.h"
#include "workspace/Pages.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QGroupBox;
class QRadioButton;

namespace kelvarin::workspace {
class ValueField;
}

namespace kelvarin::app {

class ChoiceBox;
class ScheduleGridView;
class MaskedEdit;

// One page of nbkMain. A calculator page derives from it and builds its controls in its
// constructor with the helpers below; entering a page is the core's business (Navigator).
// Every name a helper is given must resolve (a field, a control with a click handler, an exit
// handler): a wrong name throws std::logic_error while the window is built.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

    const workspace::PageInfo& info() const { return m_info; }
    std::string_view name() const { return m_info.name; }

    // Height of a value field and of a push button, in pixels.
    static constexpr int kFieldHeight = 21;
    static constexpr int kButtonHeight = 25;
    // Width that shows the largest value of the field's mask at Arial 8 point, frame included.
    static int widthFor(const workspace::ValueField& field);
    static QString qs(std::string_view text);
    // Design captions write a literal "&" as "&&"; a label shows its text as it stands.
    static QString labelText(std::string_view caption);

protected:
    PageContext& context() { return m_context; }
    workspace::Workspace& ws() { return m_context.session.workspace(); }

    // A masked entry for the named field at the given place; leaving it runs the exit handler
    // its design names.
    MaskedEdit* addField(std::string_view fieldName, const QRect& geometry, QWidget* parent = nullptr);
    // A push button named after a control; when the calculators registered a state of that
    // name the button follows it. A click runs the handler table's click handler of the name.
    QPushButton* addButton(std::string_view controlName, const QString& caption, const QRect& geometry,
                           QWidget* parent = nullptr);
    // The same for a button the page made itself (a hover or picture button).
    QPushButton* bindButton(QPushButton* button, std::string_view controlName, const QRect& geometry);
    // A drop-down for the named choice of the page; what the user picks or types runs the handler
    // table's choice handler of that name.
    ChoiceBox* addDropDown(std::string_view choiceName, const QRect& geometry, QWidget* parent = nullptr);
    // A word-wrapping label; the field's design caption with fieldLabel.
    QLabel* addLabel(const QString& text, const QRect& geometry,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, QWidget* parent = nullptr);
    QLabel* addFieldLabel(std::string_view fieldName, const QRect& geometry,
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                          QWidget* parent = nullptr);
    // A label named after a control state, following its caption, enabled and visible flags.
    QLabel* addBoundLabel(std::string_view controlName, const QRect& geometry,
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter,
                          QWidget* parent = nullptr);
    // A titled panel named after a control state, following its enabled and visible flags.
    QGroupBox* addPanel(std::string_view controlName, const QString& title, const QRect& geometry,
                        QWidget* parent = nullptr);
    // A table view of the named grid of this page; a cell click runs the grid's cell handler, if any.
    ScheduleGridView* addGrid(std::string_view gridName, const QRect& geometry, QWidget* parent = nullptr);
    // One radio button per item of the named choice, in item order: object name and place; the
    // item texts are the captions. A click runs the choice's handler.
    std::vector<QRadioButton*> addRadioButtons(std::string_view choiceName,
                                               const std::vector<std::pair<const char*, QRect>>& buttons,
                                               QWidget* parent = nullptr);
    // Runs a core handler through the error handler (for events the helpers do not connect).
    void run(const std::function<void()>& handler);

private:
    const workspace::PageInfo& m_info;
    PageContext& m_context;
};

} // namespace kelvarin::app

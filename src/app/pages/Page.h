#pragma once

#include "PageContext.h"

#include "workspace/Pages.h"

#include <QPushButton>
#include <QWidget>

#include <string_view>

namespace kelvarin::app {

class MaskedEdit;

// One page of nbkMain. A calculator page derives from it, builds its controls in its
// constructor and overrides the steps it needs.
class Page : public QWidget {
    Q_OBJECT
public:
    Page(const workspace::PageInfo& info, PageContext& context, QWidget* parent = nullptr);

    const workspace::PageInfo& info() const { return m_info; }
    std::string_view name() const { return m_info.name; }

    // The page-specific steps of entering the page, after the frame has shown it, set its
    // title, menu entries, printing and reset button. By default the focus moves to
    // focusTarget (from the navigation table), when there is one.
    virtual void enter(std::string_view focusTarget);
    // Run for every page before any navigation command is carried out.
    virtual void beforeNavigation() {}

protected:
    PageContext& context() { return m_context; }

    // A masked entry for the named field at the given place; leaving it runs the exit handler
    // its design names from the calculators' handler table (none when it names none).
    MaskedEdit* addField(std::string_view fieldName, const QRect& geometry, QWidget* parent = nullptr);
    // A push button named after a control; when the calculators registered a state of that
    // name the button follows it. A click runs the handler table's click handler of the name.
    QPushButton* addButton(std::string_view controlName, const QString& caption, const QRect& geometry,
                           QWidget* parent = nullptr);

private:
    const workspace::PageInfo& m_info;
    PageContext& m_context;
};

}  // namespace kelvarin::app

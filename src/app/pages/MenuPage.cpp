#include "MenuPage.h"

#include "app/widgets/Hints.h"
#include "app/widgets/HoverButton.h"
#include "app/widgets/Pictures.h"

#include <QEvent>
#include <QLabel>
#include <type_traits>

namespace kelvarin::app {

namespace {

// The texts of this page keep their own line breaks.
template <typename W> W* withFont(W* widget, int pointSize, bool bold) {
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    widget->setFont(font);
    if constexpr (std::is_same_v<W, QLabel>)
        widget->setWordWrap(false);
    return widget;
}

} // namespace

MenuPage::MenuPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : Page(info, context, parent) {
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(24, 16, 176, 120);
    m_picture->setPixmap(pictures::product(m_picture->size()));
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);

    auto* heading = addLabel(QStringLiteral("Kelvarin"), QRect(24, 146, 260, 36));
    heading->setObjectName("lblProductName");
    withFont(heading, 22, true);
    withFont(addLabel(QStringLiteral("Kelvarin is a collection\n"
                                     "of real estate calculators designed to help\n"
                                     "you better estimate the effects of the financial\n"
                                     "details involved in a real estate transaction."),
                      QRect(24, 190, 270, 76)),
             10, false);
    withFont(addLabel(QStringLiteral("Please consult your own qualified financial\n"
                                     "advisor before making financial decisions."),
                      QRect(24, 276, 270, 40)),
             10, false);

    int y = 24;
    for (const workspace::PageInfo* target : workspace::pagesInMenuOrder()) {
        if (target->pageButton.empty())
            continue;
        auto* button = new HoverButton(qs(target->buttonCaption), this);
        button->setObjectName(qs(target->pageButton));
        withFont(button, 13, true);
        button->setGeometry(300, y, 270, 25);
        button->setFocusPolicy(Qt::TabFocus);
        setHint(button, QStringLiteral("Go to ") + qs(target->calculatorName));
        const std::string_view command = target->pageButton;
        connect(button, &QPushButton::clicked, this, [this, command] { this->context().navigate(command); });
        y += 33;
    }
}

bool MenuPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease) {
        run(context().hooks.shell.about);
        return true;
    }
    return Page::eventFilter(watched, event);
}

} // namespace kelvarin::app

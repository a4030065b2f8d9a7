#include "MenuPage.h"

#include "app/ErrorHandler.h"
#include "app/NavigationTable.h"
#include "app/widgets/Hints.h"
#include "app/widgets/HoverButton.h"
#include "app/widgets/Pictures.h"

#include <QEvent>
#include <QLabel>

namespace kelvarin::app {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pointSize, bool bold) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

MenuPage::MenuPage(const workspace::PageInfo& info, PageContext& context, QWidget* parent)
    : Page(info, context, parent) {
    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(24, 16, 176, 120);
    m_picture->setPixmap(pictures::product(m_picture->size()));
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->installEventFilter(this);

    addLabel(this, QStringLiteral("Kelvarin"), QRect(24, 146, 260, 36), 22, true)->setObjectName("lblProductName");
    addLabel(this,
             QStringLiteral("Kelvarin is a collection\n"
                            "of real estate calculators designed to help\n"
                            "you better estimate the effects of the financial\n"
                            "details involved in a real estate transaction."),
             QRect(24, 190, 270, 76), 10, false);
    addLabel(this,
             QStringLiteral("Please consult your own qualified financial\n"
                            "advisor before making financial decisions."),
             QRect(24, 276, 270, 40), 10, false);

    int y = 24;
    for (const auto& target : navigationTargets()) {
        if (target.pageButton.empty())
            continue;
        auto* button = new HoverButton(QString::fromUtf8(target.buttonCaption.data(),
                                                         static_cast<qsizetype>(target.buttonCaption.size())),
                                       this);
        button->setObjectName(QString::fromUtf8(target.pageButton.data(), static_cast<qsizetype>(target.pageButton.size())));
        QFont font = button->font();
        font.setPointSize(13);
        font.setBold(true);
        button->setFont(font);
        button->setGeometry(300, y, 270, 25);
        button->setFocusPolicy(Qt::TabFocus);
        setHint(button, QStringLiteral("Go to ") + QString::fromUtf8(target.calculatorName.data(),
                                                                      static_cast<qsizetype>(target.calculatorName.size())));
        const std::string_view command = target.pageButton;
        connect(button, &QPushButton::clicked, this, [this, command] {
            this->context().errors.dispatch([&] { this->context().navigate(command); });
        });
        y += 33;
    }
}

bool MenuPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_picture && event->type() == QEvent::MouseButtonRelease) {
        context().errors.dispatch([&] { runHook(context().hooks.shell.about); });
        return true;
    }
    return Page::eventFilter(watched, event);
}

}  // namespace kelvarin::app

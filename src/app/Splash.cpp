#include "Splash.h"

#include "AppInfo.h"
#include "widgets/Pictures.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace kelvarin::app {

Splash::Splash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(313, 178);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(kLifetimeMs, this, &QWidget::close);
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(28, 52, 110));
    sky.setColorAt(1, QColor(70, 120, 190));
    p.fillRect(rect(), sky);
    p.setPen(QColor(200, 210, 230));
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    p.drawPixmap(12, 24, pictures::product(QSize(140, 110)));

    QFont title(QStringLiteral("Arial"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(150, 30, 156, 44), Qt::AlignCenter, QStringLiteral("Kelvarin"));

    QFont text(QStringLiteral("Arial"));
    text.setPixelSize(12);
    p.setFont(text);
    p.drawText(QRect(150, 76, 156, 36), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Real Estate Calculators"));
    p.drawText(QRect(12, 148, 200, 20), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Larkmoor Software, LLC"));
    QFont bold = text;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(200, 148, 101, 20), Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(kVersion));
}

}  // namespace kelvarin::app

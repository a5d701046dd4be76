#include "geometry.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

namespace velmira {

void widenToCaption(QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    QString caption = button->text();
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    int needed = button->fontMetrics().horizontalAdvance(caption);
    if (!button->icon().isNull())
        needed += button->iconSize().width() + 4;
    if (needed <= room.width())
        return;
    const int width = button->width() + needed - room.width();
    const int centre = button->x() + button->width() / 2;
    button->setGeometry(centre - width / 2, button->y(), width, button->height());
}

void centreOnScreen(QWidget* window) {
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace velmira

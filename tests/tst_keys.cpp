// Every player can use the windows with the keyboard alone: Enter, Tab and access keys.

#include "helpers/allwindows.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>

using namespace velmira;
using namespace velmira::test;

// -- Keys ------------------------------------------------------------------------------------

// Each push button of each window, focused, takes Enter itself: its own action runs and no
// other button's (the default's Save above all).
TEST_F(AccessTest, EnterPressesTheFocusedButtonAndNoOther) {
    ModalCloser closer;
    for (const Window& row : windows()) {
        const int count = static_cast<int>(row.open(this)->findChildren<QPushButton*>().size());
        int tried = 0;
        // Each button in a window of its own: one may close its window.
        for (int which = 0; which < count; ++which) {
            QWidget* window = row.open(this);
            const QList<QPushButton*> buttons = window->findChildren<QPushButton*>();
            QPushButton* button = buttons.value(which);
            if (!button || !button->isVisibleTo(window) || !button->isEnabled())
                continue;
            std::map<QPushButton*, int> pressed;
            QObject counting;  // the counting ends with the round
            for (QPushButton* any : buttons)
                QObject::connect(any, &QPushButton::clicked, &counting,
                                 [&pressed, any] { ++pressed[any]; });
            button->setFocus();
            ASSERT_TRUE(button->hasFocus()) << row.name << ": " << qPrintable(button->text());
            const QString caption = button->text();
            QTest::keyClick(button, Qt::Key_Return);
            EXPECT_EQ(pressed[button], 1) << row.name << ": " << qPrintable(caption);
            int others = 0;
            for (const auto& [other, times] : pressed)
                others += other == button ? 0 : times;
            EXPECT_EQ(others, 0) << row.name << ": Enter on " << qPrintable(caption);
            ++tried;
        }
        EXPECT_GT(tried, 0) << row.name;
    }
}

// Enter away from any button: the default button where the window has one, else nothing.
TEST_F(AccessTest, EnterElsewherePressesTheDefaultButtonOnly) {
    const struct {
        const char* window;
        int which;            // index into windows()
        const char* focus;    // the control with the focus
        const char* pressed;  // the button Enter presses (empty: none)
    } cases[] = {
        {"main window, the mod list", 0, "listMods", ""},
        {"main window, the spray list", 0, "fileBMPs", ""},
        {"File Locations, the game folder", 1, "txtHLDir", ""},
        {"File Locations, the spray folder", 1, "txtBMPDir", ""},
        {"Make Spray, the picture", 3, "framing", "save"},
        {"Sprays Seen, the grid", 4, "gridSeen", "cmdSeenSave"},
    };
    for (const auto& c : cases) {
        QWidget* window = windows()[static_cast<std::size_t>(c.which)].open(this);
        int presses = 0;
        QPushButton* pressedButton = nullptr;
        QObject counting;
        for (QPushButton* button : window->findChildren<QPushButton*>())
            QObject::connect(button, &QPushButton::clicked, &counting, [&, button] {
                ++presses;
                pressedButton = button;
            });
        auto* focus = window->findChild<QWidget*>(QLatin1String(c.focus));
        ASSERT_TRUE(focus) << c.window;
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        if (*c.pressed) {
            EXPECT_EQ(presses, 1) << c.window;
            EXPECT_EQ(pressedButton ? pressedButton->objectName() : QString(),
                      QLatin1String(c.pressed))
                << c.window;
        } else {
            EXPECT_EQ(presses, 0) << c.window;
        }
    }
}

// Arrows move within a list; Tab leaves it for the next control.
TEST_F(AccessTest, TabLeavesListsAndArrowsMoveInside) {
    const struct {
        const char* what;
        int which;
        const char* list;
    } cases[] = {
        {"the mod list", 0, "listMods"},
        {"the spray list", 0, "fileBMPs"},
        {"the grid of sprays seen", 4, "gridSeen"},
    };
    for (const auto& c : cases) {
        QWidget* window = windows()[static_cast<std::size_t>(c.which)].open(this);
        auto* list = window->findChild<QAbstractItemView*>(QLatin1String(c.list));
        ASSERT_TRUE(list) << c.what;
        ASSERT_GE(list->model()->rowCount(), 2) << c.what;
        list->setFocus();
        list->setCurrentIndex(list->model()->index(0, 0));
        // The grid runs across, the lists down.
        QTest::keyClick(list, c.which == 4 ? Qt::Key_Right : Qt::Key_Down);
        EXPECT_TRUE(list->hasFocus()) << c.what;
        EXPECT_EQ(list->currentIndex().row(), 1) << c.what;
        QTest::keyClick(list, Qt::Key_Tab);
        EXPECT_FALSE(list->hasFocus()) << c.what << ": Tab stayed in the list";
    }
}

// Tab goes through a window as it reads: down the picture's column before the choices beside
// it, along the buttons from the left.
TEST_F(AccessTest, TabFollowsTheReadingOrder) {
    const struct {
        const char* what;
        int which;
        QStringList order;  // from the first, the controls Tab reaches that take input
    } cases[] = {
        {"Make Spray",
         3,
         {"framing", "background", "zoom", "fit", "fill", "rotate", "mirror", "around", "size"}},
        {"Sprays Seen",
         4,
         {"cboSeenMods", "gridSeen", "cmdSeenRefresh", "cmdSeenSave", "cmdSeenPicture"}},
    };
    for (const auto& c : cases) {
        QWidget* window = windows()[static_cast<std::size_t>(c.which)].open(this);
        QWidget* at = window->findChild<QWidget*>(c.order.first());
        ASSERT_TRUE(at) << c.what;
        QStringList order;
        while (order.size() < c.order.size()) {
            order << at->objectName();
            do
                at = at->nextInFocusChain();
            while (!(at->focusPolicy() & Qt::TabFocus) || !at->isEnabled() ||
                   !at->isVisibleTo(window) || at->objectName().isEmpty() ||
                   at->objectName().startsWith(QLatin1String("qt_")));
        }
        EXPECT_EQ(order, c.order) << c.what;
    }
}

namespace {
// The access key of a caption ('&' before it), lower case; none: a null char.
QChar accessKey(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text.at(i + 1).toLower();
    }
    return QChar();
}

// Each access key used more than once among the captions given: "key: caption, caption".
QStringList clashes(const QStringList& captions) {
    std::map<QChar, QStringList> byKey;
    for (const QString& caption : captions)
        if (const QChar key = accessKey(caption); !key.isNull())
            byKey[key] << caption;
    QStringList found;
    for (const auto& [key, owners] : byKey)
        if (owners.size() > 1)
            found << QString(key) + QStringLiteral(": ") + owners.join(QStringLiteral(", "));
    return found;
}
}  // namespace

// No two controls of a window, and no two items of a menu, share an access key.
TEST_F(AccessTest, AccessKeysAreUniqueInEachWindowAndMenu) {
    for (const Window& row : windows()) {
        QWidget* window = row.open(this);
        QStringList captions;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisibleTo(window))
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget))
                captions << label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                captions << button->text();
            else if (auto* group = qobject_cast<QGroupBox*>(widget))
                captions << group->title();
        }
        if (auto* menuWindow = qobject_cast<QMainWindow*>(window)) {
            QStringList titles;
            for (QAction* top : menuWindow->menuBar()->actions())
                titles << top->text();
            captions << titles;
        }
        EXPECT_EQ(clashes(captions), QStringList()) << row.name;
    }
    for (QMenu* menu : main->menuBar()->findChildren<QMenu*>()) {
        QStringList items;
        for (QAction* action : menu->actions())
            items << action->text();
        EXPECT_EQ(clashes(items), QStringList()) << qPrintable(menu->objectName());
    }
}

TEST(AccessKeys, AreFoundAndClashesNamed) {
    EXPECT_EQ(accessKey(QStringLiteral("C&lear")), QLatin1Char('l'));
    EXPECT_EQ(accessKey(QStringLiteral("Salt && &Pepper")), QLatin1Char('p'));
    EXPECT_TRUE(accessKey(QStringLiteral("Salt && Pepper")).isNull());
    EXPECT_EQ(clashes({QStringLiteral("Fi&ll"), QStringLiteral("One-colour &logo"),
                       QStringLiteral("&Save")}),
              QStringList({"l: Fi&ll, One-colour &logo"}));
}

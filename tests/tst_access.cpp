// Every player can use the windows: a screen reader, a dark theme, a larger font, a screen of
// twice the density, the first start.

#include "helpers/allwindows.h"
#include "ui/palettecolours.h"
#include "ui/programpictures.h"

#include <QAccessible>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <gtest/gtest.h>

#include <iostream>

using namespace velmira;
using namespace velmira::test;

// -- Screen readers --------------------------------------------------------------------------

namespace {
struct Named {
    int controls = 0;
    int named = 0;
    QStringList unnamed;
};

// Walks what a screen reader sees of a window: every focusable, shown control and item.
void walk(QAccessibleInterface* node, Named& count, int depth = 0) {
    if (!node || depth > 40)
        return;
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    if (state.focusable) {
        ++count.controls;
        const QString name = node->text(QAccessible::Name).trimmed();
        if (name.isEmpty()) {
            QObject* object = node->object();
            count.unnamed << (object ? object->objectName() + QStringLiteral(" (") +
                                           QLatin1String(object->metaObject()->className()) +
                                           QLatin1Char(')')
                                     : QStringLiteral("an item of role %1").arg(node->role()));
        } else {
            ++count.named;
        }
    }
    for (int i = 0; i < node->childCount(); ++i)
        walk(node->child(i), count, depth + 1);
}
}  // namespace

TEST_F(AccessTest, EveryFocusableControlHasAName) {
    for (const Window& row : windows()) {
        QWidget* window = row.open(this);
        Named count;
        walk(QAccessible::queryAccessibleInterface(window), count);
        std::cout << "[ accessible ] " << row.name << ": " << count.controls << " controls, "
                  << count.named << " named\n";
        EXPECT_GT(count.controls, 0) << row.name;
        EXPECT_EQ(count.unnamed, QStringList()) << row.name;
    }
}

// A tooltip's meaning reaches a screen reader: the sprays seen are told apart by more than their
// size, the preview says what it shows.
TEST_F(AccessTest, ItemsAndThePreviewSayWhatTheyShow) {
    SeenDialog* window = openSeen();
    auto* grid = window->findChild<QListView*>(QStringLiteral("gridSeen"));
    ASSERT_EQ(grid->model()->rowCount(), 2);
    QStringList names;
    for (int row = 0; row < 2; ++row) {
        const QModelIndex index = grid->model()->index(row, 0);
        names << index.data(Qt::AccessibleTextRole).toString();
        EXPECT_FALSE(index.data(Qt::AccessibleDescriptionRole).toString().isEmpty());
        EXPECT_TRUE(names.last().startsWith(QLatin1String("cstrike, custom.hpk at byte ")))
            << qPrintable(names.last());
        EXPECT_TRUE(names.last().endsWith(QStringLiteral("64 × 64 pixels")))
            << qPrintable(names.last());
    }
    EXPECT_NE(names.at(0), names.at(1));

    MainWindow* mainWindow = openMain();
    mainWindow->setShowPreviewChecked(true);
    mainWindow->controls().files.choose(QStringLiteral("b.bmp"));
    auto* preview = mainWindow->findChild<QWidget*>(QStringLiteral("OLEpicture"));
    QMetaObject::invokeMethod(preview, "update");
    for (int i = 0; i < 100 && preview->accessibleDescription().isEmpty(); ++i)
        QTest::qWait(20);
    EXPECT_EQ(preview->accessibleDescription(),
              QStringLiteral("spray preview: 32 × 32, 16 colours"));
}

// -- Colours ---------------------------------------------------------------------------------

TEST(Contrast, IsMeasuredAsWcagDoes) {
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 0.01);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 0.001);
    // The two the players found unreadable.
    EXPECT_NEAR(contrastRatio(Qt::black, QColor(0x32, 0x32, 0x32)), 1.64, 0.01);
    EXPECT_NEAR(contrastRatio(QColor(0xb0, 0x00, 0x20), QColor(0x32, 0x32, 0x32)), 1.75, 0.02);
}

namespace {
QPalette paletteOf(QColor window, QColor text) {
    QPalette palette(text, window);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, window.lighter(110));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, text);
    return palette;
}

struct Theme {
    const char* name;
    QColor window;
    QColor text;
};
const Theme kThemes[] = {
    {"light", QColor(0xef, 0xef, 0xef), Qt::black},
    {"white", Qt::white, QColor(0x20, 0x20, 0x20)},
    {"GNOME dark", QColor(0x24, 0x24, 0x24), Qt::white},
    {"KDE dark", QColor(0x31, 0x36, 0x3b), QColor(0xfc, 0xfc, 0xfc)},
    {"Fusion dark", QColor(0x32, 0x32, 0x32), QColor(0xf0, 0xf0, 0xf0)},
    {"high contrast black", Qt::black, Qt::yellow},
};
}  // namespace

TEST(ProblemColour, ReadsOnEveryThemeAndStaysRed) {
    for (const Theme& theme : kThemes) {
        const QColor red = problemColour(paletteOf(theme.window, theme.text));
        EXPECT_GE(contrastRatio(red, theme.window), kReadableContrast) << theme.name;
        EXPECT_GT(red.red(), red.green()) << theme.name << ": still a red";
    }
}

namespace {
// The application's palette for the test, then the one before.
class AppPalette {
  public:
    explicit AppPalette(const QPalette& palette) : m_before(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~AppPalette() { QApplication::setPalette(m_before); }
    AppPalette(const AppPalette&) = delete;
    AppPalette& operator=(const AppPalette&) = delete;

  private:
    QPalette m_before;
};

// The texts of a window whose colour does not read on what the window drew behind them: the
// colour a label or a check box writes in, against the pixel drawn at its corner.
QStringList unreadableTexts(QWidget* window) {
    const QImage drawn = window->grab().toImage();
    const qreal scale = drawn.devicePixelRatio();
    QStringList found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* box = qobject_cast<QCheckBox*>(widget))
            text = box->text();
        // A control that takes no input may be dimmer, as every theme draws it.
        if (text.isEmpty() || !widget->isVisibleTo(window) || !widget->isEnabled())
            continue;
        const QPoint corner = widget->mapTo(window, QPoint(widget->width() - 1, 0)) * scale;
        if (!drawn.rect().contains(corner))
            continue;
        const QColor behind = drawn.pixelColor(corner);
        const QColor ink = widget->palette().color(widget->foregroundRole());
        const double ratio = contrastRatio(ink, behind);
        if (ratio < kReadableContrast)
            found << QStringLiteral("%1 \"%2\": %3 on %4, %5:1")
                         .arg(widget->objectName(), text.left(30), ink.name(), behind.name())
                         .arg(ratio, 0, 'f', 2);
    }
    return found;
}
}  // namespace

// Every text of every window reads on a light theme and on a dark one, the maker's error
// included.
TEST_F(AccessTest, TextsReadOnLightAndDarkThemes) {
    QImage clear(64, 64, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString seeThrough = env.scratch.path(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(seeThrough, "PNG"));
    for (const Theme& theme : kThemes) {
        AppPalette palette(paletteOf(theme.window, theme.text));
        for (const Window& row : windows()) {
            QWidget* window = row.open(this);
            EXPECT_EQ(unreadableTexts(window), QStringList()) << row.name << ", " << theme.name;
        }
        MakerDialog* failing = openMaker(seeThrough);
        auto* warnings = failing->findChild<QLabel*>(QStringLiteral("warnings"));
        ASSERT_FALSE(warnings->text().isEmpty()) << "the maker tells why nothing shows";
        EXPECT_NE(warnings->palette().color(QPalette::WindowText), theme.text)
            << "an error is told in the problem colour";
        EXPECT_EQ(unreadableTexts(failing), QStringList()) << "Make Spray's error, " << theme.name;
    }
}

// -- Pictures --------------------------------------------------------------------------------

TEST(ProgramPictures, ComeAtTwiceTheSizeAndLeaveNoFringe) {
    EXPECT_EQ(doubleSizeName(QStringLiteral(":/velmira/folder.bmp")),
              QStringLiteral(":/velmira/folder@2x.bmp"));
    EXPECT_EQ(doubleSizeName(QStringLiteral("a.b/logo")), QStringLiteral("a.b/logo@2x"));
    const struct {
        const char* path;
        QSize size;
    } pictures[] = {{":/velmira/folder.bmp", {16, 16}}, {":/velmira/logo.bmp", {116, 44}}};
    for (const auto& picture : pictures) {
        const QIcon icon = programPicture(QLatin1String(picture.path), qRgb(128, 0, 0));
        EXPECT_EQ(icon.availableSizes(), QList<QSize>({picture.size, picture.size * 2}))
            << picture.path;
    }
    // Drawn see-through where the background was, smoothed larger: no pixel keeps its red.
    const QIcon folder = programPicture(QStringLiteral(":/velmira/folder.bmp"), qRgb(128, 0, 0));
    for (const int side : {16, 24, 32, 48}) {
        const QImage shown =
            folder.pixmap(QSize(side, side)).toImage().convertToFormat(QImage::Format_ARGB32);
        int fringe = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QColor pixel = shown.pixelColor(x, y);
                fringe += pixel.alpha() > 0 && pixel.red() > 100 && pixel.green() < 40 ? 1 : 0;
            }
        EXPECT_EQ(fringe, 0) << "at " << side << " pixels";
    }
}

// -- Fonts -----------------------------------------------------------------------------------

// A 12 pt desktop font lays the main window out again: every caption fits its button.
TEST_F(AccessTest, TheMainWindowFollowsALargerFont) {
    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSizeF(12.0);
    QApplication::setFont(larger);
    QCoreApplication::processEvents();
    QStringList clipped;
    for (QAbstractButton* button : main->findChildren<QAbstractButton*>()) {
        if (button->text().isEmpty() || !button->isVisibleTo(main.get()))
            continue;
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        const int needed = button->fontMetrics().horizontalAdvance(caption);
        int room = button->width();
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            QStyleOptionButton option;
            option.initFrom(push);
            room =
                push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push).width();
        } else {
            room -= button->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                    button->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
        }
        if (needed > room)
            clipped
                << QStringLiteral("%1: %2 > %3").arg(button->objectName()).arg(needed).arg(room);
    }
    QApplication::setFont(before);
    EXPECT_EQ(clipped, QStringList());
}

// At 12 pt About's lines, designed 16 pixels apart, move apart rather than run into each other.
TEST_F(AccessTest, AboutsLinesStayApartAtALargerFont) {
    const QFont before = QApplication::font();
    QFont larger = before;
    larger.setPointSizeF(12.0);
    QApplication::setFont(larger);
    AboutDialog* window = openAbout();
    QStringList overlapping;
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (QLabel* a : labels)
        for (QLabel* b : labels)
            if (a < b && a->geometry().intersects(b->geometry()))
                overlapping << a->objectName() + QStringLiteral(" and ") + b->objectName();
    QStringList outside;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!window->rect().contains(child->geometry()))
            outside << child->objectName();
    about.reset();
    QApplication::setFont(before);
    EXPECT_EQ(overlapping, QStringList());
    EXPECT_EQ(outside, QStringList());
}

// -- First start -----------------------------------------------------------------------------

// Sprays Seen says what to do first: with no game folder it asks for one, as Check Sprays does.
TEST(SeenFirstStart, AsksForTheHalfLifeFolderUntilOneIsSet) {
    TestEnv env;
    const QString game = env.scratch.mkdir(QStringLiteral("Half-Life"));
    const struct {
        const char* what;
        QString folder;
        QStringList mods;
        QString says;
    } cases[] = {
        {"no game folder",
         QString(),
         {},
         "No game folder yet: set the Half-Life folder in File "
         "Locations."},
        {"a game with no sprays seen",
         game,
         {QStringLiteral("valve")},
         "No sprays seen in games yet: the game keeps those it sees on servers in each mod's "
         "custom.hpk."},
    };
    for (const auto& c : cases) {
        SeenDialog seen(
            c.folder, c.mods, [] { return QString(); }, [](const QString&) {}, env.prompts,
            env.windows);
        seen.waitForLoading();
        EXPECT_EQ(seen.findChild<QLabel*>(QStringLiteral("lblSeenStatus"))->text(), c.says)
            << c.what;
    }
}

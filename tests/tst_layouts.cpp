#include "helpers/testenv.h"
#include "platform/language.h"
#include "ui/aboutdialog.h"
#include "ui/checkdialog.h"
#include "ui/geometry.h"
#include "ui/locationsdialog.h"
#include "ui/mainwindow.h"
#include "ui/makerdialog.h"
#include "ui/seendialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTableWidget>
#include <QTest>
#include <QTextDocument>
#include <QTranslator>

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <memory>

using namespace velmira;
using namespace velmira::test;

namespace {

// A caption as drawn: "&&" is one ampersand, a lone "&" marks the access key and is not drawn.
QString withoutAccessKey(const QString& text) {
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

// The text a label draws, without markup.
QString shownText(const QLabel* label) {
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (rich) {
        QTextDocument document;
        document.setHtml(label->text());
        return document.toPlainText();
    }
    return label->buddy() ? withoutAccessKey(label->text()) : label->text();
}

// Whether single lines of text fit a room, and if not, by how much they do not.
QString tooWide(const QFontMetrics& metrics, const QString& text, const QRect& room) {
    int widest = 0;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString& line : lines)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > room.width())
        return QStringLiteral("needs %1 px, has %2").arg(widest).arg(room.width());
    if (metrics.height() * lines.size() > room.height() + 1)
        return QStringLiteral("needs %1 px high, has %2")
            .arg(metrics.height() * lines.size())
            .arg(room.height());
    return QString();
}

// What of one widget's text cannot be read, with the text and where it is drawn in the widget;
// empty when all of it can.
QString clippedText(QWidget* widget, QString* text, QRect* drawn) {
    *drawn = widget->rect();
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return QString();
        *text = shownText(label);
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
        const QRect needed =
            metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), INT_MAX)), flags, *text);
        *drawn = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                     needed.size().boundedTo(room.size()), room);
        if (!label->wordWrap())
            return tooWide(metrics, *text, room);
        if (needed.width() > room.width())
            return QStringLiteral("a word needs %1 px, has %2")
                .arg(needed.width())
                .arg(room.width());
        if (needed.height() > room.height())
            return QStringLiteral("wrapped, needs %1 px high, has %2")
                .arg(needed.height())
                .arg(room.height());
        return QString();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (button->text().isEmpty())
            return QString();
        *text = withoutAccessKey(button->text());
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QRect room = button->contentsRect();
        if (qobject_cast<QCheckBox*>(button))
            room = button->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, button);
        else if (qobject_cast<QRadioButton*>(button))
            room = button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
        else if (qobject_cast<QPushButton*>(button))
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        // The icon and its gap to the text.
        if (!button->icon().isNull())
            room.setWidth(room.width() - button->iconSize().width() - 4);
        return tooWide(metrics, *text, room);
    }
    if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        if (group->title().isEmpty())
            return QString();
        *text = withoutAccessKey(group->title());
        return tooWide(metrics, *text, QRect(0, 0, group->width(), metrics.height()));
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable() || combo->currentText().isEmpty())
            return QString();
        *text = combo->currentText();
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        option.currentText = combo->currentText();
        QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                    QStyle::SC_ComboBoxEditField, combo);
        if (!combo->itemIcon(combo->currentIndex()).isNull())
            room.setWidth(room.width() - combo->iconSize().width() - 4);
        return tooWide(metrics, *text, room);
    }
    return QString();
}

// The column titles of a table that its columns cut off, drawn bold as for a chosen row.
QStringList clippedTitles(const QString& language, QWidget* window, QHeaderView* header) {
    QStringList found;
    if (header->orientation() != Qt::Horizontal || !header->model())
        return found;
    QFont bold = header->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section))
            continue;
        const QString title =
            header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        const int needs = metrics.horizontalAdvance(title) + 2 * margin;
        if (needs > header->sectionSize(section))
            found << QStringLiteral("%1 %2 %3 \"%4\": needs %5 px, has %6")
                         .arg(language, window->objectName(),
                              header->parentWidget()->objectName() + QStringLiteral(".title"),
                              title)
                         .arg(needs)
                         .arg(header->sectionSize(section));
    }
    return found;
}

// Every text of a shown window that is cut off: by its own widget, by the window's edge, or
// under a neighbour laid out over it. One line each: language, window, widget, text, why.
QStringList clippedTexts(const QString& language, QWidget* window) {
    QStringList found;
    const QRect inside = window->rect();
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(window))
            continue;
        if (auto* header = qobject_cast<QHeaderView*>(widget)) {
            found << clippedTitles(language, window, header);
            continue;
        }
        QString text;
        QRect drawn;
        QString why = clippedText(widget, &text, &drawn);
        if (text.isEmpty())
            continue;
        if (why.isEmpty() && !inside.contains(drawn.translated(widget->mapTo(window, QPoint()))))
            why = QStringLiteral("reaches past the window's edge");
        if (why.isEmpty() && widget->parentWidget()) {
            // Siblings placed by hand may overlap; those in a layout never do.
            const QRect shown = drawn.translated(widget->pos());
            for (QObject* object : widget->parentWidget()->children()) {
                auto* other = qobject_cast<QWidget*>(object);
                if (other && other != widget && !other->isWindow() && other->isVisibleTo(window) &&
                    other->geometry().intersects(shown)) {
                    why = QStringLiteral("under %1")
                              .arg(other->objectName().isEmpty() ? other->metaObject()->className()
                                                                 : other->objectName());
                    break;
                }
            }
        }
        if (!why.isEmpty())
            found << QStringLiteral("%1 %2 %3 \"%4\": %5")
                         .arg(language, window->objectName(), widget->objectName(), text, why);
    }
    return found;
}

// Shows a window and lets its layout settle.
void settle(QWidget* window) {
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window)) << qPrintable(window->objectName());
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCoreApplication::processEvents();
    }
}

// The program's own font for the run of the test (its windows are laid out for it), then the
// font as it was.
class ProgramFont {
  public:
    ProgramFont() : m_before(QApplication::font()) {
        QFont font = m_before;
        font.setPointSizeF(8.0);
        QApplication::setFont(font);
    }
    ~ProgramFont() { QApplication::setFont(m_before); }
    ProgramFont(const ProgramFont&) = delete;
    ProgramFont& operator=(const ProgramFont&) = delete;

  private:
    QFont m_before;
};

// A game with a spray seen on a server and a mod to check, a library, and a picture to make a
// spray of.
struct LaidOutGame {
    explicit LaidOutGame(TestEnv& env)
        : hl(env.scratch.mkdir(QStringLiteral("Half-Life"))),
          library(env.scratch.mkdir(QStringLiteral("Sprays"))),
          picture(env.scratch.path(QStringLiteral("picture.png"))) {
        env.scratch.write(QStringLiteral("Half-Life/hl.exe"), "MZ");
        env.scratch.write(QStringLiteral("Half-Life/cstrike/custom.hpk"),
                          hpkOf({{sprayWad(64, 64, 1)}, {sprayWad(128, 96, 2)}}));
        env.scratch.write(QStringLiteral("Half-Life/cstrike/config.cfg"), "cl_allowupload 0\n");
        QImage blue(80, 60, QImage::Format_RGB32);
        blue.fill(qRgb(30, 120, 200));
        EXPECT_TRUE(blue.save(picture, "PNG"));
    }
    QString hl;
    QString library;
    QString picture;
};

// Every text 40 % longer than its English, as a language longer than any offered would be:
// each line padded with words of "~".
class Lengthening : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        QStringList lines = QString::fromUtf8(source).split(QLatin1Char('\n'));
        for (QString& line : lines) {
            const qsizetype extra = (line.size() * 4 + 9) / 10;
            for (qsizetype i = 0; i < extra; ++i)
                line += QLatin1Char(i % 6 == 5 ? ' ' : '~');
        }
        return lines.join(QLatin1Char('\n'));
    }
};

// The check itself, on a window laid out by hand: a text one pixel too wide, wrapped too
// deep, past the window's edge or under another control is found; one that just fits is not.
TEST(Layouts, TheCheckFindsEachCutOffTextAndPassesOneThatJustFits) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "measured against the fonts of the Linux build; Wine's stand-ins differ";
#endif
    ProgramFont font;
    QWidget window;
    window.setObjectName(QStringLiteral("frmPlanted"));
    window.resize(300, 300);
    const auto label = [&](const char* name, const QString& text, const QRect& where) {
        auto* made = new QLabel(text, &window);
        made->setObjectName(QLatin1String(name));
        made->setGeometry(where);
        return made;
    };
    const QFontMetrics metrics(QApplication::font());
    const QString caption = QStringLiteral("Sprays erstellen");
    const int advance = metrics.horizontalAdvance(caption);
    const int line = metrics.height();
    label("fits", caption, QRect(0, 0, advance, line));
    label("narrow", caption, QRect(0, 20, advance - 1, line));
    label("low", caption, QRect(0, 40, advance, line - 2));
    QLabel* wrapped = label("wrapped", QStringLiteral("Bitte lege deinen Spray-Ordner fest."),
                            QRect(0, 60, advance, 2 * line));
    wrapped->setWordWrap(true);
    QLabel* wraps = label("wraps", wrapped->text(), QRect(150, 60, advance, 3 * line));
    wraps->setWordWrap(true);
    label("edge", caption, QRect(300 - advance + 1, 100, advance, line));
    label("under", caption, QRect(0, 120, advance, line));
    auto* over = new QLineEdit(&window);
    over->setGeometry(advance - 2, 118, 60, line + 4);
    // A label taller than its text, its box but not its text under a neighbour.
    label("centred", caption, QRect(150, 120, advance, line + 8));
    auto* below = new QLineEdit(&window);
    below->setGeometry(150, 120 + line + 7, 60, 10);
    auto* button = new QPushButton(QStringLiteral("&Abbrechen"), &window);
    button->setObjectName(QStringLiteral("button"));
    button->setGeometry(0, 150, metrics.horizontalAdvance(QStringLiteral("Abbrechen")), 25);
    auto* roomy = new QPushButton(QStringLiteral("&OK"), &window);
    roomy->setObjectName(QStringLiteral("roomy"));
    roomy->setGeometry(150, 150, 100, 25);
    auto* check = new QCheckBox(caption, &window);
    check->setObjectName(QStringLiteral("check"));
    check->setGeometry(0, 185, advance + 4, 20);
    auto* checkFits = new QCheckBox(caption, &window);
    checkFits->setObjectName(QStringLiteral("checkFits"));
    checkFits->setGeometry(150, 185, checkFits->sizeHint().width(), 20);
    auto* table = new QTableWidget(1, 3, &window);
    table->setObjectName(QStringLiteral("table"));
    table->setHorizontalHeaderLabels({QStringLiteral("OK"), caption, QStringLiteral("Mod")});
    table->setColumnWidth(0, 60);
    table->setColumnWidth(1, advance);  // the title's margins do not fit
    table->setGeometry(0, 215, 300, 80);
    settle(&window);

    QStringList names;
    const QStringList found = clippedTexts(QStringLiteral("de"), &window);
    for (const QString& entry : found)
        names << entry.section(QLatin1Char(' '), 2, 2);
    names.sort();
    EXPECT_EQ(names, QStringList({"button", "check", "edge", "low", "narrow", "table.title",
                                  "under", "wrapped"}))
        << qPrintable(found.join(QLatin1Char('\n')));
    EXPECT_TRUE(found.contains(QStringLiteral("de frmPlanted narrow \"Sprays erstellen\": needs "
                                              "%1 px, has %2")
                                   .arg(advance)
                                   .arg(advance - 1)))
        << qPrintable(found.join(QLatin1Char('\n')));
}

// A button placed by hand grows about its centre just enough for its caption, and only when
// the caption does not fit.
TEST(Layouts, AButtonPlacedByHandWidensAboutItsCentreForALongerCaption) {
    ProgramFont font;
    QWidget window;
    window.resize(400, 100);
    QPushButton fits(QStringLiteral("&OK"), &window);
    fits.setGeometry(100, 10, 73, 25);
    widenToCaption(&fits);
    EXPECT_EQ(fits.geometry(), QRect(100, 10, 73, 25));

    QPushButton longer(QStringLiteral("Zwischengespeicherte Sprays l&öschen"), &window);
    longer.setGeometry(100, 50, 73, 25);
    const int centre = longer.geometry().center().x();
    widenToCaption(&longer);
    EXPECT_GT(longer.width(), 73);
    EXPECT_LE(std::abs(longer.geometry().center().x() - centre), 1);
    EXPECT_EQ(longer.y(), 50);
    EXPECT_EQ(longer.height(), 25);
    const QStringList found = clippedTexts(QStringLiteral("de"), &window);
    EXPECT_TRUE(found.isEmpty()) << qPrintable(found.join(QLatin1Char('\n')));
    // Just enough: one pixel less and the caption would be cut.
    longer.resize(longer.width() - 1, longer.height());
    EXPECT_EQ(clippedTexts(QStringLiteral("de"), &window).size(), 1);

    // "&&" is a drawn ampersand, counted; a lone "&" is not drawn.
    QWidget other;
    other.resize(400, 100);
    QPushButton ampersands(QStringLiteral("Sprays && Logos && &Mods"), &other);
    ampersands.setGeometry(150, 10, 30, 25);
    widenToCaption(&ampersands);
    EXPECT_EQ(clippedTexts(QStringLiteral("de"), &other), QStringList());
}

// Every window and dialog in every language: each label's, button's, check box's, group's and
// list's text is whole, inside its window, and under no other control.
TEST(Layouts, EveryTextOfEveryWindowIsWholeInEveryLanguage) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "measured against the fonts of the Linux build; Wine's stand-ins differ";
#endif
    ProgramFont font;
    TestEnv env;
    const LaidOutGame game(env);

    LanguageSwitch language(env.settings, {QStringLiteral("en-US")},
                            {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    env.services.language = &language;
    // The offered languages, then texts 40 % longer than English: a language yet to come.
    struct Row {
        const char* language;
        bool lengthened;
    };
    QStringList clipped;
    for (const Row row : {Row{"en", false}, Row{"ru", false}, Row{"zh_CN", false}, Row{"es", false},
                          Row{"pt_BR", false}, Row{"de", false}, Row{"fr", false}, Row{"pl", false},
                          Row{"en", true}}) {
        const QString code = QString::fromLatin1(row.language);
        language.choose(code);
        ASSERT_EQ(language.current(), code);
        Lengthening longer;
        if (row.lengthened)
            QCoreApplication::installTranslator(&longer);
        const QString lang = row.lengthened ? QStringLiteral("+40%") : code;

        MainWindow window(env.state, env.services, env.windows);
        window.Form_Load();
        settle(&window);
        clipped << clippedTexts(lang, &window);

        LocationsDialog locations(env.state, window.controls(), env.services, env.windows, &window);
        settle(&locations);
        clipped << clippedTexts(lang, &locations);

        MakerDialog maker(game.picture, game.library, env.prompts, env.windows, {});
        maker.waitForSpray();
        settle(&maker);
        clipped << clippedTexts(lang, &maker);

        SeenDialog seen(
            game.hl, {QStringLiteral("cstrike"), QStringLiteral("valve")},
            [&] { return game.library; }, [](const QString&) {}, env.prompts, env.windows);
        seen.waitForLoading();
        settle(&seen);
        clipped << clippedTexts(lang, &seen);

        SprayCheckActions actions;
        actions.inputs = [&] {
            return std::vector<SprayCheckInput>{
                {game.hl, QStringLiteral("cstrike"), {}, {}, false, {}},
                {game.hl, QStringLiteral("valve"), {}, {}, false, {}}};
        };
        actions.gameRunning = [] { return false; };
        CheckSpraysDialog check(actions, env.prompts, env.windows);
        check.waitForChecks();
        settle(&check);
        clipped << clippedTexts(lang, &check);

        AboutDialog about(env.errors, env.windows);
        settle(&about);
        clipped << clippedTexts(lang, &about);

        // English keeps the designed fixed layouts; longer texts widen them.
        auto* cancel = locations.findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        if (code == QLatin1String("en") && !row.lengthened) {
            EXPECT_EQ(about.size(), QSize(391, 242));
            EXPECT_EQ(cancel->geometry(), QRect(223, 128, 73, 25));
        }
        if (row.lengthened) {
            EXPECT_GT(about.width(), 391);
            EXPECT_EQ(cancel->geometry().center().x(), QRect(223, 128, 73, 25).center().x());
        }
    }
    language.choose(QStringLiteral("en"));
    EXPECT_TRUE(clipped.isEmpty()) << qPrintable(clipped.join(QLatin1Char('\n')));
    EXPECT_TRUE(env.prompts.shown.empty());
}

// The windows a player keeps open while choosing another language take the new texts' room at
// once, as they do when opened in it.
TEST(Layouts, OpenWindowsStayWholeAfterEachChangeOfLanguage) {
#ifdef Q_OS_WIN
    GTEST_SKIP() << "measured against the fonts of the Linux build; Wine's stand-ins differ";
#endif
    ProgramFont font;
    TestEnv env;
    const LaidOutGame game(env);
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    env.services.language = &language;
    MakerDialog maker(game.picture, game.library, env.prompts, env.windows, {});
    SeenDialog seen(
        game.hl, {QStringLiteral("cstrike")}, [&] { return game.library; }, [](const QString&) {},
        env.prompts, env.windows);
    QStringList clipped;
    for (const char* code : {"en", "ru", "zh_CN", "es", "pt_BR", "de", "fr", "pl", "en"}) {
        language.choose(QLatin1String(code));
        maker.waitForSpray();
        seen.waitForLoading();
        settle(&maker);
        settle(&seen);
        clipped << clippedTexts(QLatin1String(code), &maker)
                << clippedTexts(QLatin1String(code), &seen);
    }
    EXPECT_TRUE(clipped.isEmpty()) << qPrintable(clipped.join(QLatin1Char('\n')));
}

}  // namespace

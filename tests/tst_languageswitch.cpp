// A change of language reaches every text of every open window at once. A translator that marks
// every text it is asked for makes this exact: with it installed on top of a language, a text
// without the marks was never asked for again; with it taken away, every text must read as it
// did in that language before.

#include "core/version.h"
#include "helpers/allwindows.h"
#include "platform/language.h"
#include "platform/offeredlanguages.h"
#include "ui/checkdialog.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>

using namespace velmira;
using namespace velmira::test;

namespace {

const QChar kOpen(0x27e6);
const QChar kClose(0x27e7);

class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override {
        if (!source || !*source)
            return QString();
        return kOpen + QString::fromUtf8(source) + kClose;
    }
};

using Texts = std::map<QString, QString>;  // where a text is shown, and the text

void addText(Texts& texts, const QString& where, const QString& text) {
    if (!text.trimmed().isEmpty())
        texts[where] = text;
}

void addModel(Texts& texts, const QString& where, const QAbstractItemModel* model) {
    if (!model)
        return;
    const int rows = std::min(model->rowCount(), 50);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString at = QStringLiteral("%1[%2,%3]").arg(where).arg(row).arg(column);
            addText(texts, at + QStringLiteral(".text"), index.data(Qt::DisplayRole).toString());
            addText(texts, at + QStringLiteral(".tip"), index.data(Qt::ToolTipRole).toString());
            addText(texts, at + QStringLiteral(".description"),
                    index.data(Qt::AccessibleDescriptionRole).toString());
        }
    for (int column = 0; column < model->columnCount(); ++column)
        addText(texts, QStringLiteral("%1.header%2").arg(where).arg(column),
                model->headerData(column, Qt::Horizontal).toString());
}

void addActions(Texts& texts, const QString& where, const QList<QAction*>& actions) {
    for (int i = 0; i < actions.size(); ++i) {
        const QAction* action = actions.at(i);
        if (action->isSeparator())
            continue;
        const QString at = QStringLiteral("%1/%2").arg(where).arg(i);
        addText(texts, at + QStringLiteral(".text"), action->text());
        if (action->toolTip() != QString(action->text()).remove(QLatin1Char('&')))
            addText(texts, at + QStringLiteral(".tip"), action->toolTip());
        if (action->menu())
            addActions(texts, at, action->menu()->actions());
    }
}

// Every text a player or a screen reader meets in a window, by where it stands.
Texts textsOf(QWidget* window) {
    Texts texts;
    const QString top = window->objectName() + QLatin1Char(':');
    addText(texts, top + QStringLiteral("title"), window->windowTitle());
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (int i = 0; i < widgets.size(); ++i) {
        QWidget* widget = widgets.at(i);
        if (widget->window() != window)
            continue;  // another window's, looked at on its own
        const QString at = top + widget->objectName() + QLatin1Char('#') +
                           QLatin1String(widget->metaObject()->className()) + QString::number(i);
        addText(texts, at + QStringLiteral(".tip"), widget->toolTip());
        addText(texts, at + QStringLiteral(".name"), widget->accessibleName());
        addText(texts, at + QStringLiteral(".description"), widget->accessibleDescription());
        if (auto* label = qobject_cast<QLabel*>(widget))
            addText(texts, at, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            addText(texts, at, button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            addText(texts, at, box->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            addText(texts, at + QStringLiteral(".placeholder"), edit->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int item = 0; item < combo->count(); ++item)
                addText(texts, at + QStringLiteral("[%1]").arg(item), combo->itemText(item));
        else if (auto* view = qobject_cast<QAbstractItemView*>(widget))
            addModel(texts, at, view->model());
        if (auto* bar = qobject_cast<QMenuBar*>(widget))
            addActions(texts, at, bar->actions());
        else if (qobject_cast<QMenu*>(widget) == nullptr)
            addActions(texts, at + QStringLiteral(".actions"), widget->actions());
    }
    return texts;
}

// A text the program shows as it found it: a name, a path, a number or a size, the program's
// own name.
bool isData(const QString& text, const QStringList& data) {
    for (const QString& item : data)
        if (text == item || text.endsWith(item))
            return true;
    static const QRegularExpression size(QStringLiteral("^\\S? ?[0-9.,]+ [KMG]iB$"));
    if (size.match(text).hasMatch())
        return true;
    for (const QChar c : text)
        if (c.isLetter())
            return false;
    return true;
}

}  // namespace

class LanguageSwitchTest : public AccessTest {
  protected:
    CheckSpraysDialog* openCheck() {
        main->mnuFileCheck_Click();
        auto* check = main->findChild<CheckSpraysDialog*>();
        if (check) {
            check->waitForChecks();
            settleWindow(check);
        }
        return check;
    }

    // Every window, settled after a change: the checks run again, the sprays seen are read again.
    std::map<QString, Texts> allTexts(const std::vector<QWidget*>& windows) {
        QCoreApplication::processEvents();
        for (QWidget* window : windows) {
            if (auto* check = qobject_cast<CheckSpraysDialog*>(window))
                check->waitForChecks();
            if (auto* seenWindow = qobject_cast<SeenDialog*>(window))
                seenWindow->waitForLoading();
            if (auto* makerWindow = qobject_cast<MakerDialog*>(window))
                makerWindow->waitForSpray();
        }
        QCoreApplication::processEvents();
        std::map<QString, Texts> all;
        for (QWidget* window : windows)
            all[window->objectName()] = textsOf(window);
        return all;
    }
};

TEST_F(LanguageSwitchTest, EveryOpenWindowFollowsEachChangeAndKeepsNoTextOfTheLanguageBefore) {
    LanguageSwitch language(env.settings, {QStringLiteral("en-US")}, {});
    language.start();
    env.services.language = &language;
    // (About and File Locations are modal: no language is chosen while they are open, and each
    // opening builds them in the language in force.)
    std::vector<QWidget*> windows{openMain(), openMaker(), openSeen(), openCheck()};
    ASSERT_TRUE(windows.back()) << "Check Sprays did not open";
    for (QWidget* window : windows)
        ASSERT_FALSE(window->objectName().isEmpty()) << window->metaObject()->className();
    const QStringList data{QStringLiteral("Velmira v" VELMIRA_DISPLAY_VERSION),
                           hl,
                           library,
                           QStringLiteral("cstrike"),
                           QStringLiteral("valve"),
                           QStringLiteral("a.bmp"),
                           QStringLiteral("b.bmp"),
                           QStringLiteral("picture.png")};
    // Each language is offered by its own name, in every language.
    QStringList ownNames;
    for (const Language& offered : offeredLanguages())
        ownNames << offered.name;

    MarkingTranslator marks;
    for (const char* code : {"de", "fr", "ru", "zh_CN", "pl", "es", "pt_BR", "en"}) {
        SCOPED_TRACE(code);
        language.choose(QLatin1String(code));
        const std::map<QString, Texts> before = allTexts(windows);

        QCoreApplication::installTranslator(&marks);
        const std::map<QString, Texts> marked = allTexts(windows);
        QStringList unmarked;
        for (const auto& [window, texts] : before)
            for (const auto& [where, text] : texts) {
                const auto found = marked.at(window).find(where);
                const QString now = found == marked.at(window).end() ? QString() : found->second;
                if (!now.contains(kOpen) && !isData(text, data) && !ownNames.contains(text))
                    unmarked << where + QStringLiteral(" = ") + now;
            }
        EXPECT_TRUE(unmarked.isEmpty()) << "texts the change did not reach:\n"
                                        << qPrintable(unmarked.join(QLatin1Char('\n')));

        QCoreApplication::removeTranslator(&marks);
        const std::map<QString, Texts> after = allTexts(windows);
        QStringList left;
        for (const auto& [window, texts] : after)
            for (const auto& [where, text] : texts)
                if (text.contains(kOpen))
                    left << where + QStringLiteral(" = ") + text;
        EXPECT_TRUE(left.isEmpty()) << "texts of the language before:\n"
                                    << qPrintable(left.join(QLatin1Char('\n')));
        for (const auto& [window, texts] : before)
            for (const auto& [where, text] : texts) {
                const auto found = after.at(window).find(where);
                EXPECT_TRUE(found != after.at(window).end() && found->second == text)
                    << qPrintable(where) << " was " << qPrintable(text);
            }
    }
}

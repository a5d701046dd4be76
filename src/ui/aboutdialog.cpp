#include "aboutdialog.h"

#include "core/errorreport.h"
#include "core/version.h"
#include "core/windows.h"
#include "ui/geometry.h"
#include "ui/keys.h"
#include "ui/programpictures.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace velmira {

QString aboutVersionText() {
    return QCoreApplication::translate("velmira::AboutDialog", "Version %1")
        .arg(QStringLiteral(VELMIRA_DISPLAY_VERSION));
}

namespace {
// A label sized to its text. The lines are laid out centred on the dialog, so a label keeps
// its centre when the desktop's font makes it wider or narrower than designed.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                 int width) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    const int centre = fromTwips(left + width / 2);
    label->move(std::max(0, centre - label->width() / 2), fromTwips(top));
    return label;
}
}  // namespace

AboutDialog::AboutDialog(ErrorReporter& errors, LoadedWindows& windows, QWidget* parent)
    : QDialog(parent), m_errors(errors), m_windows(windows) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Velmira"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(fromTwips(5865), fromTwips(3630));

    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("imageVELMR"));
    // Sharp on a screen of twice the density too: Qt takes logo@2x.bmp there.
    logo->setPixmap(programPicture(QStringLiteral(":/velmira/logo.bmp"))
                        .pixmap(QSize(116, 44), logo->devicePixelRatioF()));
    placeTwips(logo, 2062, 120, 1740, 660);

    m_lblVersion = addLabel(this, "lblVersion", tr("Version"), 2587, 840, 690);
    QFont versionFont(QStringLiteral("MS Sans Serif"));
    versionFont.setPointSizeF(9.75);
    m_lblVersion->setFont(versionFont);
    m_lblVersion->adjustSize();

    addLabel(this, "lblDescription",
             tr("The easiest way to switch between color Half-Life sprays!"), 900, 1200, 4050);
    addLabel(this, "lblBy", tr("Written by the Velmira developers"), 1560, 1560, 2730);
    addLabel(this, "lblEmail", tr("Comments and problems: see ReadMe.txt"), 840, 1920, 4185);
    addLabel(this, "lblVELMRPage", tr("Velmira: colour sprays for every Half-Life mod"), 750, 2160,
             4365);
    addLabel(this, "lblClanPage", tr("Made by players, for players"), 1395, 2400, 3075);

    auto* disclaimer =
        new QLabel(tr("(C) the Velmira developers. GPL-3.0-or-later, with NO WARRANTY. "
                      "See ReadMe.txt for details."),
                   this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    placeTwips(disclaimer, 240, 2880, 3870, 585);

    m_cmdOK = new QPushButton(tr("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    placeTwips(m_cmdOK, 4245, 3000, 1467, 345);
    widenToCaption(m_cmdOK);
    widenForLongerLines();
    spaceTallerLines();
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    enterPressesFocusedButton(this);

    m_windows.loaded(this);
    Form_Load();
    m_cmdOK->setFocus();
}

AboutDialog::~AboutDialog() {
    m_windows.unloaded(this);
}

void AboutDialog::widenForLongerLines() {
    // A line wider than the dialog (a longer language) widens it, keeping its margin on both
    // sides; everything moves along so that the lines stay centred. English fits as designed.
    const int margin = fromTwips(240);
    int right = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, child->x() + child->width());
    int widest = 0;
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        if (!label->wordWrap())
            widest = std::max(widest, label->width());
    const int needed = std::max(widest + 2 * margin, right);
    if (needed > width()) {
        const int shift = (needed - width()) / 2;
        setFixedSize(needed, height());
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            auto* label = qobject_cast<QLabel*>(child);
            if (label && !label->wordWrap() && label->pixmap().isNull())
                label->move((needed - label->width()) / 2, label->y());
            else
                child->move(child->x() + shift, child->y());
        }
    }
    // The wrapped notice grows downwards, and the dialog with it.
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (!label->wordWrap() || label->heightForWidth(label->width()) <= label->height())
            continue;
        label->resize(label->width(), label->heightForWidth(label->width()));
        if (label->y() + label->height() + margin / 2 > height())
            setFixedSize(width(), label->y() + label->height() + margin / 2);
    }
}

void AboutDialog::spaceTallerLines() {
    // A larger desktop font makes the lines taller than their designed spacing: each line that
    // would overlap the one above moves down, with everything below it, and the dialog grows.
    // At the font the layout was made for nothing moves.
    QList<QWidget*> children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    std::sort(children.begin(), children.end(),
              [](const QWidget* a, const QWidget* b) { return a->y() < b->y(); });
    int above = 0;  // the bottom of the line above
    for (QWidget* child : children) {
        auto* label = qobject_cast<QLabel*>(child);
        if (!label || label->wordWrap() || !label->pixmap().isNull()) {
            above = std::max(above, child->geometry().bottom() + 1);
            continue;
        }
        const int overlap = above - label->y();
        if (overlap > 0) {
            const int from = label->y();
            for (QWidget* below : children)
                if (below->y() >= from)
                    below->move(below->x(), below->y() + overlap);
            setFixedSize(width(), height() + overlap);
        }
        above = label->geometry().bottom() + 1;
    }
}

void AboutDialog::Form_Load() {
    m_lblVersion->setText(aboutVersionText());
    m_lblVersion->adjustSize();
    // Centred on the dialog's outer width, as measured from the client area's left edge.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int outerWidth = width() + 2 * frame;
    m_lblVersion->move((outerWidth - m_lblVersion->width()) / 2, m_lblVersion->y());
}

void AboutDialog::cmdOK_Click() {
    m_errors.run(
        "frmAbout.cmdOK_Click()", AfterReport::CloseDialog,
        [&](Procedure& p) {
            p.step(1);
            accept();
        },
        [this] { accept(); });
}

}  // namespace velmira

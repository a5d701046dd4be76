#include "checkdetails.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace velmira {

CheckDetails::CheckDetails(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("checkDetails"));
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setColumnStretch(1, 1);
    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("lblCheckMod"));
    m_heading->setTextFormat(Qt::PlainText);
    QFont bold = m_heading->font();
    bold.setBold(true);
    m_heading->setFont(bold);
}

void CheckDetails::setFixButtons(const std::map<SprayFix, QPushButton*>& buttons) {
    m_buttons = buttons;
}

void CheckDetails::show(const ModSprayCheck* check) {
    // Take everything out; the labels made last time go, the fix buttons stay for next time.
    while (QLayoutItem* item = m_grid->takeAt(0)) {
        if (QWidget* widget = item->widget()) {
            const bool kept = widget == m_heading || std::any_of(m_buttons.begin(), m_buttons.end(),
                                                                 [&](const auto& entry) {
                                                                     return entry.second == widget;
                                                                 });
            if (kept)
                widget->hide();
            else
                widget->deleteLater();
        }
        delete item;
    }
    if (!check)
        return;
    m_heading->setText(check->mod);
    m_grid->addWidget(m_heading, 0, 0, 1, 3);
    m_heading->show();
    // Problems first, then what is well, each as its sentence.
    int row = 1;
    for (const bool problems : {true, false}) {
        for (int column = 0; column < kSprayCheckCount; ++column) {
            const SprayCheckCell& cell = check->cells[static_cast<std::size_t>(column)];
            if ((cell.state == SprayCheckCell::State::Problem) != problems)
                continue;
            auto* title = new QLabel(
                sprayCheckTitle(static_cast<SprayCheck>(column)) + QLatin1Char(':'), this);
            title->setTextFormat(Qt::PlainText);
            title->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            auto* sentence = new QLabel(cell.text + QStringLiteral("  ") + cell.sentence, this);
            sentence->setTextFormat(Qt::PlainText);
            sentence->setWordWrap(true);
            sentence->setTextInteractionFlags(Qt::TextSelectableByMouse);
            sentence->setToolTip(cell.detail);
            if (problems) {
                QFont bold = title->font();
                bold.setBold(true);
                title->setFont(bold);
            }
            m_grid->addWidget(title, row, 0);
            m_grid->addWidget(sentence, row, 1);
            title->show();
            sentence->show();
            if (const auto button = m_buttons.find(cell.fix); button != m_buttons.end()) {
                m_grid->addWidget(button->second, row, 2, Qt::AlignTop);
                button->second->setAccessibleDescription(cell.sentence);
                button->second->show();
            }
            ++row;
        }
    }
}

}  // namespace velmira

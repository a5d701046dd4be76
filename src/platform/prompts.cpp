#include "prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace velmira {

QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

Answer MessageBoxPrompts::show(const Message& message) {
    QMessageBox box(m_owner);
    box.setWindowTitle(message.title);
    // Paths and names are shown as they are, never taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(message.text));
    box.setWindowModality(Qt::ApplicationModal);
    switch (message.icon) {
        case Message::Icon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
        case Message::Icon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case Message::Icon::None:
            break;
    }
    if (message.buttons == Message::Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    }
    if (message.buttons == Message::Buttons::OkCancel) {
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Answer::Ok;
}

void MessageBoxPrompts::beep() {
    QApplication::beep();
}

}  // namespace velmira

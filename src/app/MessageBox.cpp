#include "MessageBox.h"

#include "AppInfo.h"

#include <QMessageBox>

namespace kelvarin::app {

using workspace::MessageAnswer;
using workspace::MessageButtons;
using workspace::MessageIcon;

QString displayText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += '\n';
        const char pair = c == '\r' ? '\n' : '\r';
        if (i + 1 < text.size() && text[i + 1] == pair)
            ++i;
    }
    return QString::fromStdString(out);
}

MessageAnswer showMessageBox(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.caption.empty() ? QString::fromLatin1(kApplicationTitle)
                                               : QString::fromStdString(request.caption));
    box.setTextFormat(Qt::PlainText);
    box.setText(displayText(request.text));
    switch (request.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (request.buttons) {
    case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MessageButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default:
        // A box closed without a button answers with its safe choice.
        switch (request.buttons) {
        case MessageButtons::Ok: return MessageAnswer::Ok;
        case MessageButtons::YesNo: return MessageAnswer::No;
        default: return MessageAnswer::Cancel;
        }
    }
}

}  // namespace kelvarin::app

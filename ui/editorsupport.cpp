#include "ui/editorsupport.h"

#include "core/appstate.h"
#include "ui/formsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <algorithm>

namespace veltra {

void CentreOverMainWindow(QWidget& dialog) {
    const QWidget* main = &dialog;
    while (main->parentWidget())
        main = main->parentWidget();
    if (main == &dialog)
        return;
    CentreOver(dialog, *main);
    // An editor larger than the main window stays whole on the screen.
    if (const QScreen* screen = main->screen()) {
        const QRect free = screen->availableGeometry();
        const QRect frame = dialog.frameGeometry();
        dialog.move(std::clamp(frame.left(), free.left(),
                               std::max(free.left(), free.right() - frame.width() + 1)),
                    std::clamp(frame.top(), free.top(),
                               std::max(free.top(), free.bottom() - frame.height() + 1)));
    }
}

void Refuse(QWidget& window, const QString& message, QWidget* box) {
    QApplication::beep();
    QMessageBox::warning(&window, QString::fromLatin1(ProgramName), message);
    if (!box)
        return;
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
}

bool AskYesNo(QWidget& window, const Texts& texts, const QString& question) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ProgramName), question,
                    QMessageBox::Yes | QMessageBox::No, &window);
    box.setDefaultButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(texts.get(QStringLiteral("GENERAL_YES")));
    box.button(QMessageBox::No)->setText(texts.get(QStringLiteral("GENERAL_NO")));
    return box.exec() == QMessageBox::Yes;
}

void CutAtLimit(QLineEdit& box, int limit) {
    QObject::connect(&box, &QLineEdit::textChanged, &box, [&box, limit](const QString& text) {
        if (text.size() <= limit)
            return;
        QApplication::beep();
        box.setText(text.left(limit));
    });
}

void FillLimitedBox(QLineEdit& box, const QString& text, int typingLimit, int cutLimit) {
    QString shown = text;
    if (cutLimit > 0 && shown.size() > cutLimit) {
        QApplication::beep();
        shown.truncate(cutLimit);
    }
    box.setMaxLength(std::max<int>(typingLimit, static_cast<int>(shown.size())));
    box.setText(shown);
}

void MirrorSpinValue(QSpinBox& spin, QLineEdit& text) {
    text.setText(QString::number(spin.value()));
    QObject::connect(&spin, qOverload<int>(&QSpinBox::valueChanged), &text,
                     [&text](int value) { text.setText(QString::number(value)); });
}

QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace veltra

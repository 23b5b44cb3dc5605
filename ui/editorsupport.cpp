#include "ui/editorsupport.h"

#include "core/appstate.h"
#include "ui/formsupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
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

namespace {

bool ask(QWidget& window, const QString& question, QMessageBox::StandardButton yes,
         const QString& yesCaption, QMessageBox::StandardButton no, const QString& noCaption,
         QMessageBox::StandardButton byDefault) {
    QMessageBox box(QMessageBox::Question, QString::fromLatin1(ProgramName), question, yes | no,
                    &window);
    box.setDefaultButton(byDefault);
    box.button(yes)->setText(yesCaption);
    box.button(no)->setText(noCaption);
    return box.exec() == yes;
}

} // namespace

bool AskYesNo(QWidget& window, const Texts& texts, const QString& question) {
    return ask(window, question, QMessageBox::Yes, texts.get(QStringLiteral("GENERAL_YES")),
               QMessageBox::No, texts.get(QStringLiteral("GENERAL_NO")), QMessageBox::No);
}

bool AskOkCancel(QWidget& window, const Texts& texts, const QString& question) {
    return ask(window, question, QMessageBox::Ok, texts.get(QStringLiteral("GENERAL_OK")),
               QMessageBox::Cancel, texts.get(QStringLiteral("GENERAL_CANCEL")), QMessageBox::Ok);
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

void FitListToLines(QListWidget& list, int characters, int lines) {
    // The list's own measure of a line of that many characters.
    list.addItem(QString(std::max(characters, 1), u'0'));
    const int lineWidth = list.sizeHintForColumn(0);
    const int lineHeight = list.sizeHintForRow(0);
    delete list.takeItem(list.count() - 1);
    const int frame = 2 * list.frameWidth();
    if (characters > 0) {
        const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
        list.setMinimumWidth(lineWidth + scrollBar + frame);
    }
    if (lines > 0)
        list.setFixedHeight(lines * lineHeight + frame);
}

QFont FixedPitchFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace veltra

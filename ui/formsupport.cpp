#include "ui/formsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>

namespace veltra {
namespace {

void setCaption(QObject& object, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(&object))
        action->setText(text);
    else if (auto* menu = qobject_cast<QMenu*>(&object))
        menu->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(&object))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(&object))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(&object))
        group->setTitle(text);
    else if (auto* widget = qobject_cast<QWidget*>(&object); widget && widget->isWindow())
        widget->setWindowTitle(text);
}

void applyTo(QObject& object, const Texts& texts) {
    const QString key = object.property(LanguageKeyProperty).toString();
    if (!key.isEmpty() && texts.has(key))
        setCaption(object, texts.get(key));
}

} // namespace

void ApplyLanguageCaptions(QWidget& window, const Texts& texts) {
    applyTo(window, texts);
    for (QObject* child : window.findChildren<QObject*>())
        applyTo(*child, texts);
}

void ApplyLanguageCaptionsToAllWindows(const Texts& texts) {
    for (QWidget* window : QApplication::topLevelWidgets())
        ApplyLanguageCaptions(*window, texts);
}

int CaptionWidth(const QWidget& window) {
    // Title bars draw the caption in a bold face; Windows' icon and three buttons take ~170.
    constexpr int kIconAndButtons = 170;
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + kIconAndButtons;
}

void CentreOver(QWidget& dialog, const QWidget& over) {
    if (dialog.width() < CaptionWidth(dialog))
        dialog.resize(CaptionWidth(dialog), dialog.height());
    const QRect outer = over.frameGeometry();
    QPoint topLeft(outer.left() + (outer.width() - dialog.frameGeometry().width()) / 2,
                   outer.top() + (outer.height() - dialog.frameGeometry().height()) / 2);
    // A dialog larger than the window it centres over must still open on the screen.
    if (const QScreen* screen = over.screen()) {
        const QRect room = screen->availableGeometry();
        topLeft.setX(
            std::clamp(topLeft.x(), room.left(),
                       std::max(room.left(), room.right() - dialog.frameGeometry().width())));
        topLeft.setY(
            std::clamp(topLeft.y(), room.top(),
                       std::max(room.top(), room.bottom() - dialog.frameGeometry().height())));
    }
    dialog.move(topLeft);
}

void UseFixedPitchFont(QPlainTextEdit& area) {
    QFont font = area.font();
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    if (!QFontInfo(font).fixedPitch())
        font.setFamily(QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    area.setFont(font);
    area.setTabStopDistance(QFontMetricsF(font).horizontalAdvance(u' ') * 8);
}

BusyCursor::BusyCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QApplication::restoreOverrideCursor();
}

} // namespace veltra

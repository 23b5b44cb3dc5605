#pragma once

#include "support/modal.h"
#include "support/testsupport.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <stdexcept>
#include <string>

// Drives a window as its user does: controls found by name, buttons and lines clicked.

template <typename T> T& control(QWidget& window, const char* name) {
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no control ") + name);
    return *found;
}

inline QString boxText(QWidget& window, const char* name) {
    return control<QLineEdit>(window, name).text();
}

inline void click(QWidget& window, const char* button) {
    QTest::mouseClick(&control<QAbstractButton>(window, button), Qt::LeftButton);
}

// Option buttons and check boxes take a click only on their indicator and caption.
inline void choose(QWidget& window, const char* name) {
    QAbstractButton& button = control<QAbstractButton>(window, name);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(8, button.height() / 2));
}

inline void clickRow(QListWidget& list, int row) {
    list.doItemsLayout(); // a dialog just shown may not have placed its lines yet
    const QPoint centre = list.visualItemRect(list.item(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
}

inline void doubleClickRow(QListWidget& list, int row) {
    clickRow(list, row);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualItemRect(list.item(row)).center());
}

// The line ending in `text`.
inline int rowOf(const QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchEndsWith);
    if (found.size() != 1)
        throw std::runtime_error("no single line " + text.toStdString());
    return list.row(found.first());
}

inline QStringList lines(const QListWidget& list) {
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

// Alt and a control's access key, in the window the user works in. A button clicks a moment
// after its key, once it has shown itself pressed.
inline void accessKey(QWidget& window, Qt::Key key) {
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        throw std::runtime_error("the window does not become active");
    QTest::keyClick(&window, key, Qt::AltModifier);
    QTest::qWait(150);
}

// The menu bar's own keyboard path: Alt and the menu's access key, then the item's (a submenu's
// item after the submenu's). A menu left open because its item was disabled is closed afterwards.
inline void chooseMenu(QWidget& window, Qt::Key menuKey, std::initializer_list<Qt::Key> itemKeys) {
    QApplication::setActiveWindow(&window);
    if (!QTest::qWaitForWindowActive(&window))
        throw std::runtime_error("the window does not become active");
    QTest::keyClick(&window, menuKey, Qt::AltModifier);
    for (Qt::Key key : itemKeys) {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            throw std::runtime_error("no menu opened");
        QTest::keyClick(popup, key);
    }
    while (QWidget* open = QApplication::activePopupWidget())
        open->close();
}

// In the file dialog: goes into `subfolder` by its folder list, when given, and takes `file`.
inline void pickFile(QWidget& dialog, const QString& subfolder, const QString& file) {
    auto& folders = control<QListWidget>(dialog, "Directories");
    if (!subfolder.isEmpty())
        doubleClickRow(folders, rowOf(folders, subfolder));
    auto& name = control<QLineEdit>(dialog, "txtFilename");
    name.clear();
    QTest::keyClicks(&name, file);
    click(dialog, "cmdOK");
}

// Answers the next message box with `button` and keeps its title and text as "title:text".
inline void answerMessage(QString* shown, QMessageBox::StandardButton button = QMessageBox::Ok) {
    whenModal([shown, button](QWidget& window) {
        auto* box = qobject_cast<QMessageBox*>(&window);
        if (!box) {
            *shown = QStringLiteral("<not a message box: %1>").arg(window.objectName());
            window.close();
            return;
        }
        *shown = box->windowTitle() + u':' + box->text();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

// Answers the next message boxes in turn, each with the button whose caption (without its
// access-key "&") holds the next of `captions`, and keeps their texts in `shown`.
inline void answerMessages(QStringList* shown, QStringList captions) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, shown, captions]() mutable {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const QString caption = captions.takeFirst();
        if (captions.isEmpty()) {
            timer->stop();
            timer->deleteLater();
        }
        *shown << box->text();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text().remove(u'&').contains(caption)) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        *shown << QStringLiteral("<no button %1>").arg(caption);
        box->reject();
    });
    timer->start();
}

// Chooses `folder` in the next folder dialog.
inline void chooseFolder(const QString& folder) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, folder] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        dialog->setDirectory(folder);
        static_cast<QDialog*>(dialog)->accept(); // QFileDialog hides its accept()
    });
    timer->start();
}

// Agrees to every message box that opens while it lives (OK, else Yes, else it cancels) and
// keeps their texts: for runs that must show what the program says without stopping at it.
class MessageGuard {
  public:
    MessageGuard() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            texts_ << box->text();
            QAbstractButton* agree = box->button(QMessageBox::Ok);
            agree = agree ? agree : box->button(QMessageBox::Yes);
            if (agree)
                QTest::mouseClick(agree, Qt::LeftButton);
            else
                box->reject();
        });
        timer_.start();
    }
    const QStringList& texts() const { return texts_; }

  private:
    QTimer timer_;
    QStringList texts_;
};

// Closes every modal window that opens while it lives and remembers its name: for the checks
// that a click opens nothing.
class ModalGuard {
  public:
    ModalGuard() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || !modal->isVisible())
                return;
            opened_ << modal->objectName();
            modal->close();
        });
        timer_.start();
    }
    const QStringList& opened() const { return opened_; }

  private:
    QTimer timer_;
    QStringList opened_;
};

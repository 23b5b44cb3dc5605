#pragma once

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `action` on the next modal window as soon as it is shown and active (keys typed into it
// before then would go nowhere on a busy machine), from inside its own event loop; the action is
// expected to close it. The modal window open now is not the next one.
inline void whenModal(std::function<void(QWidget&)> action) {
    const QPointer<QWidget> open = QApplication::activeModalWidget();
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, open, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal == open)
            return;
        timer->stop();
        timer->deleteLater();
        QApplication::setActiveWindow(modal);
        (void)QTest::qWaitForWindowActive(modal);
        action(*modal);
    });
    timer->start();
}

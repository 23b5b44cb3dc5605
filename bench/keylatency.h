#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <vector>

namespace veltra {

struct KeyLatency {
    double median = 0.0; // microseconds
    double worst = 0.0;
};

// Types `keys` marks into the score grid, one after the other, and times each from the key
// press to the recomputed grid, or, when `paint`, to the grid painted again.
inline KeyLatency MeasureKeyLatency(QTableWidget& grid, int keys, bool paint) {
    std::vector<double> micros;
    for (int key = 0; key < keys; ++key) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(&grid, static_cast<char>('0' + key % 10));
        if (paint)
            QApplication::processEvents(); // paints what the key changed
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros.back()};
}

} // namespace veltra

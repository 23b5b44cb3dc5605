#pragma once

#include "core/contest.h"
#include "core/texts.h"
#include "support/testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace veltra {

inline Pilot& addPilot(Contest& contest, const char* name, int startNo = 0) {
    Pilot& pilot = contest.Pilots[contest.PilotCount++];
    pilot.StartNo = startNo;
    pilot.Name = QString::fromUtf8(name);
    return pilot;
}

// A competition "cup.cnt" in a folder of its own, which is also the program folder.
class ContestFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        work.ContestDir = dir.path() + u'/';
        work.ContestFile = QStringLiteral("cup.cnt");
        work.ProgramDir = dir.path();
    }

    QString path(const char* name) const { return dir.path() + u'/' + QString::fromUtf8(name); }

    QTemporaryDir dir;
    Contest contest;
    Workspace work;
    Texts texts;
};

} // namespace veltra

#include "scoring/opencontest.h"

#include "core/contestfiles.h"
#include "scoring/scorefiles.h"

namespace veltra {

OpenedContest OpenContest(Contest& contest, Workspace& work, const Texts& texts) {
    OpenedContest opened;
    opened.open = true;
    contest.TeamCount = 0;
    const Status contestRead = ReadContest(contest, work, texts);
    if (!contestRead)
        opened.messages << contestRead.message;
    if (contestRead) {
        if (const Status read = ReadSchedule(contest, work, texts); !read)
            opened.messages << read.message;
        if (const Status read = ReadPreviousScores(contest, work, contest.Rounds); !read)
            opened.messages << read.message;
    }
    contest.ResultMethod = 0;
    return opened;
}

} // namespace veltra

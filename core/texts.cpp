#include "core/texts.h"

namespace veltra {
namespace {

struct Fallback {
    const char* key;
    const char* text;
};

// The English texts of every message and heading, so that the program says what it means even
// when no language file could be read. The shipped English.lng holds the same texts.
constexpr Fallback kFallbacks[] = {
    {"SCORESHEET_JUDGE_LABEL", "Judge"},
    {"SCORESHEET_PILOT_LABEL", "Pilot"},
    {"SCORESHEET_MANEUVER_HEADING", "Maneuver"},
    {"SCORESHEET_NOISE_TEXT", "Noise"},
    {"START_PRINT_ROUND_HEADING", "Round"},
    {"START_PRINT_PILOT_HEADING", "Pilot"},
    {"START_PRINT_CHANNEL_HEADING", "Chan."},
    {"START_PRINT_PAUSE_MESSAGE_1", "Break of"},
    {"START_PRINT_PAUSE_MESSAGE_2", "minutes"},
    {"JUDGE_PRINT_JUDGE_HEADING", "Judge"},
    {"JUDGE_PRINT_CLUB_HEADING", "Nation / club"},
    {"RESULT_PRINT_STARTNO_HEADING", "S-#"},
    {"RESULT_PRINT_NAME_HEADING", "Name"},
    {"RESULT_PRINT_TOTAL_HEADING", "Total"},
    {"RESULT_PRINT_NORMALIZED_HEADING", "Norm."},
    {"RESULT_PRINT_TEAM_NAME_HEADING", "Team"},
    {"COMPETITOR_PRINT_STARTNO_HEADING", "S-#"},
    {"COMPETITOR_PRINT_NAME_HEADING", "Name"},
    {"COMPETITOR_PRINT_CLUB_HEADING", "Club"},
    {"COMPETITOR_PRINT_KFACT_HEADING", "K"},
    {"COMPETITOR_PRINT_CHANNEL_HEADING", "Channel"},
    {"COMPETITOR_PRINT_NAC_HEADING", "NAC no."},
    {"COMPETITOR_PRINT_PLANE_HEADING", "Plane"},
    {"COMPETITOR_PRINT_ENGINE_HEADING", "Engine"},
    {"COMPETITOR_PRINT_RADIO_HEADING", "Radio"},
    {"SCORE_PRINT_ROUND_LABEL", "Round"},
    {"SCORE_PRINT_PILOT_LABEL", "Pilot"},
    {"SCORE_PRINT_MANEUVER_HEADING", "Maneuver"},
    {"SCORE_PRINT_MIN_HEADING", "Min"},
    {"SCORE_PRINT_MAX_HEADING", "Max"},
    {"SCORE_PRINT_SUM_HEADING", "Sum"},
    {"SCORE_PRINT_SUM_LABEL", "Sum"},
    {"SCORE_PRINT_BONUS_LABEL", "Bonus"},
    {"SCORE_PRINT_PILOT_KFACT_LABEL", "Pilot K-factor"},
    {"SCORE_PRINT_TOTAL_SUM_LABEL", "Total"},
    {"SCORE_PRINT_HISTORY_LABEL", "Earlier rounds"},
    {"SCORE_PRINT_DEVIATION_LABEL", "Deviation"},
    {"NO_COMPETITION_SELECTED", "No competition selected"},
    {"EXPORT_RESULT_FORM_CAPTION", "Export results"},
    {"EXPORT_PILOTLIST_FORM_CAPTION", "Export pilot list"},
    {"TOO_FEW_TO_DRAW_STARTORDER_WARNING",
     "Too few pilots to draw a start order. At least 4 pilots are needed."},
    {"DRAW_STARTORDER_CONFIRM_MESSAGE",
     "Draw a new start order? The present start order will be replaced."},
    {"UNABLE_TO_LOCATE_FILE_MESSAGE", "Unable to locate the file."},
    {"VIEW_RESULT_CONFIRM_CAPTION", "View results"},
    {"SCORE_SHEET_CONFIRM_TEXT_1", "Warning: this prints"},
    {"SCORE_SHEET_CONFIRM_TEXT_2", "sheets of paper"},
    {"PRINT_START_FORM_CAPTION", "Print start list"},
    {"PRINT_RESULT_FORM_CAPTION", "Print results"},
    {"PRINT_COMP_FORM_CAPTION", "Print pilot list"},
    {"PRINT_JUDGE_FORM_CAPTION", "Print judge list"},
    {"GENERAL_OK", "&OK"},
    {"GENERAL_CANCEL", "&Cancel"},
    {"GENERAL_RETURN", "&Return"},
    {"ROUND_FILE_NOT_TEXT_MESSAGE",
     "It is not 8-bit text as this program writes it (a byte order mark or UTF-16 or other "
     "binary bytes)."},
    {"ROUND_FILE_CUT_SHORT_MESSAGE",
     "It ends before its BONUS line is complete: the file was cut short."},
    {"ROUND_FILE_LINE_MESSAGE", "Line %1 cannot be read: %2"},
    {"ROUND_FILE_MARK_MESSAGE", "Line %1 holds %2 where a mark from 0 to 10 belongs."},
    {"ROUND_FILE_BONUS_MESSAGE", "Line %1 holds %2 where a bonus from -10 to 10 belongs."},
    {"ROUND_FILE_MANEUVERS_MESSAGE",
     "It holds marks for %1 maneuvers; the schedule of this competition has %2."},
    {"ROUND_FILE_JUDGES_MESSAGE", "Line %1 holds marks of %2 judges; this competition has %3."},
    {"ROUND_FILE_UNREADABLE_MESSAGE", "The file cannot be opened for reading."},
    {"ROUND_FILE_SHOWN_MESSAGE",
     "The marks that could be read are shown. The file is changed only if you type in this "
     "round and agree to replace it."},
    {"ROUND_FILE_KEPT_MESSAGE",
     "The grid cannot show all of its marks: the file is kept as it is and nothing can be "
     "typed in this round."},
    {"ROUND_FILE_REPLACE_QUESTION",
     "The file %1 could not be read completely. Replace it with the marks shown when you leave "
     "this round?"},
    {"SCORES_NO_SCHEDULE_MESSAGE",
     "Marks cannot be entered: the flight schedule %1 of this competition holds no maneuvers or "
     "could not be read from the program folder %2."},
    {"SCORES_STORE_FAILED_MESSAGE",
     "The marks shown are still in the window. Store them in another folder or leave without "
     "storing them?"},
    {"SCORES_STORE_ELSEWHERE_BUTTON", "Store in another &folder..."},
    {"SCORES_LEAVE_UNSTORED_BUTTON", "&Leave without storing"},
    {"SCORES_FOLDER_CAPTION", "Folder for the marks"},
    {"SCORES_STORED_ELSEWHERE_MESSAGE",
     "The marks were stored in %1. Copy the files from there to the folder of the competition "
     "when it can be written again."},
    {"SCORES_LEAVE_UNSTORED_QUESTION",
     "The marks of %1 in round %2 are not stored anywhere and will be lost. Leave without "
     "storing them?"},
    {"COMPETITION_SAVE_CHANGES_QUESTION",
     "The judges or pilots or teams of this competition were changed. Save the changes?"},
};

} // namespace

QString Texts::get(const QString& key) const {
    const auto found = loaded_.constFind(key);
    if (found != loaded_.constEnd())
        return found.value();
    for (const Fallback& fallback : kFallbacks) {
        if (key == QLatin1String(fallback.key))
            return QString::fromLatin1(fallback.text);
    }
    return key;
}

} // namespace veltra

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
    {"SELECT_FORM_JUDGE_PROMPT", "Choose a &judge:"},
    {"SELECT_FORM_PILOT_PROMPT", "Choose a &pilot:"},
    {"FILE_SAVE_FORM_CAPTION", "Save as"},
    {"FSF_COMPETITION_FILES", "Competition files"},
    {"FSF_LANGUAGE_FILES", "Language files"},
    {"FOLDER_MISSING_MESSAGE", "The folder %1 does not exist."},
    {"GENERAL_YES", "&Yes"},
    {"GENERAL_NO", "&No"},
    {"ESF_MANEUVER_HEADING", "Maneuver"},
    {"ESF_TOO_MANY_MANEUVERS", "A flight schedule holds at most %1 maneuvers."},
    {"ESF_REMOVE_QUESTION",
     "Remove maneuver %1 '%2' from the schedule? The maneuvers after it move up one number."},
    {"ESF_REMOVE_REFUSED",
     "The open competition flies this schedule and has stored marks. Removing a maneuver would put "
     "every stored mark after it onto the wrong maneuver."},
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

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
    {"MAIN_RESULT_METHOD_CAPTION", "Res Meth"},
    {"COMP_FORM_NEW_CAPTION", "New competition"},
    {"CF_REPLACE_FILE_QUESTION",
     "The file %1 exists already. Replace it with the new competition?"},
    {"PILOT_FORM_ADD_CAPTION", "New pilot"},
    {"PILOT_FORM_EDIT_CAPTION", "Edit pilot"},
    {"SF_DELETE_QUESTION", "Do you really want to delete '%1'?"},
    {"SF_DELETE_FAILED", "The schedule %1 could not be deleted: %2"},
    {"NSF_DEFAULT_NAME", "Name"},
    {"CGF_FREQUENCY_ENTRY", "Frequency"},
    {"CGF_CHANNEL_ENTRY", "Channel #"},
    {"CPF_QUALITY_DRAFT", "Draft resolution"},
    {"CPF_QUALITY_LOW", "Low resolution"},
    {"CPF_QUALITY_MEDIUM", "Medium resolution"},
    {"CPF_QUALITY_HIGH", "High resolution"},
    {"CPF_FOLDER_DIALOG_CAPTION", "Folder for PDF files"},
    {"CPF_NO_FOLDER_MESSAGE", "Choose the folder that the PDF files are to be written to."},
    {"CPF_FOLDER_READ_ONLY_MESSAGE", "PDF files cannot be written to the folder %1."},
    {"CPF_FOLDER_NOT_KEPT_MESSAGE",
     "The settings file cannot keep the folder %1: its name holds a comma or a character outside "
     "Western European text. Choose another folder."},
    {"PPF_ONE_PAGE", "1 page"},
    {"PPF_PAGES", "%1 pages"},
    {"PPF_PRINT_CAPTION", "&Print"},
    {"PPF_WRITE_PDF_CAPTION", "Write P&DF"},
    {"PRINT_RESULTS_NAME", "Results"},
    {"PRINT_PILOT_LIST_NAME", "Pilot list"},
    {"PRINT_JUDGE_LIST_NAME", "Judge list"},
    {"PRINT_START_LIST_NAME", "Start list"},
    {"PRINT_BLANK_SHEET_NAME", "Blank score sheet"},
    {"PRINT_SCORE_SHEETS_NAME", "Score sheets"},
    {"PRINT_SHEETS_OF_JUDGE_NAME", "%1 - judge %2"},
    {"PRINT_SHEETS_OF_PILOT_NAME", "%1 - pilot %2"},
    {"PRINT_ROUND_SCORES_NAME", "Round %1 - %2"},
    {"PRINT_NO_SCORE_SHEETS_MESSAGE",
     "There are no score sheets to print: the competition has no judges or no pilots."},
    {"PRINT_NO_PDF_FOLDER_MESSAGE",
     "No folder for the PDF files has been chosen. Choose one under Configure > Printing."},
    {"PRINT_NO_PRINTER_MESSAGE", "No printer is set up on this computer. Under Configure > "
                                 "Printing the reports can be written to PDF files instead."},
    {"PRINT_WRITTEN_MESSAGE", "The report was written to the file"},
    {"PRINT_PDF_FAILED_MESSAGE", "The report could not be written to the file"},
    {"PRINT_PRINTER_FAILED_MESSAGE", "The report could not be printed."},
    {"JUDGE_ANALYSIS_MAIN_HEADING", "JudgeAnalysis"},
    {"JUDGE_ANALYSIS_AVERAGE_HEADING", "Average scores"},
    {"JUDGE_ANALYSIS_SUM_HEADING", "Scores per judge"},
    {"JUDGE_ANALYSIS_JUDGE_COLUMN", "Judge"},
    {"JUDGE_ANALYSIS_AVERAGE_COLUMN", "Average"},
    {"HELP_MANUAL_PAGE", "index.html"},
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

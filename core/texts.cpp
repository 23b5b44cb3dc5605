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
    {"SCORESHEET_JUDGE_LABEL", "Judge "},
    {"SCORESHEET_PILOT_LABEL", "Pilot "},
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
    {"EXPLAIN_TITLE", "Explain this result"},
    {"EXPLAIN_ROUNDS_COUNTED", "Rounds counted: 1 to %1."},
    {"EXPLAIN_DROP_ON", "The weakest round of each pilot is dropped."},
    {"EXPLAIN_DROP_OFF", "Every counted round counts."},
    {"EXPLAIN_NO_MARKS", "No marks are stored for this pilot and round."},
    {"EXPLAIN_ROW_HEADING", "x K"},
    {"EXPLAIN_MARK_NOTES", "(n) dropped as the highest mark   [n] dropped as the lowest mark"},
    {"EXPLAIN_FEWER_NOTE", "* fewer than 4 marks: none dropped"},
    {"EXPLAIN_ROW_SUMS", "Sum of the rows"},
    {"EXPLAIN_RAW_SUM", "Sum with bonus"},
    {"EXPLAIN_FROM_MARKS", "Points from the marks"},
    {"EXPLAIN_IN_RESULTS", "Points in the results"},
    {"EXPLAIN_DISAGREE", "The marks give other points than the results file holds: a round score "
                         "file was changed or removed after the results file was written."},
    {"EXPLAIN_BEST_OF_ROUND", "Best of the round"},
    {"EXPLAIN_DIVISOR", "Divisor: the best rounded"},
    {"EXPLAIN_NO_BEST", "No pilot has more than 1 point in this round: the divisor is 1."},
    {"EXPLAIN_NORMALISED", "Normalised"},
    {"EXPLAIN_NOT_COUNTED", "This round is not among the counted rounds."},
    {"EXPLAIN_BEST_HEADING", "Best"},
    {"EXPLAIN_SUM_OF_ROUNDS", "Sum of the counted rounds"},
    {"EXPLAIN_DROPPED_ROUND", "Round %1 dropped: the lowest below 1000"},
    {"EXPLAIN_NONE_BELOW", "No round below 1000: 1000 is subtracted"},
    {"EXPLAIN_NOTHING_DROPPED", "No round is dropped."},
    {"EXPLAIN_PLACE", "Place %1 of %2: 1 + %3 with a higher total."},
    {"EXPLAIN_NORM_TOTAL", "Normalised total"},
    {"EXPLAIN_NO_BEST_TOTAL", "No total is above 0: every normalised total is 0."},
    {"EXPLAIN_TEAM", "Team %1: place %2 of %3"},
    {"EXPLAIN_NO_SUCH_PILOT", "no pilot of this name"},
    {"EXPLAIN_EXPORTED", "The explanation was written to the file"},
    {"SCORE_PRINT_TITLE", "Round scores"},
    {"PRINT_PAGE_OF", "Page %1 of %2"},
    {"PRINT_PRINTED_AT", "Printed %1"},
    {"STATUS_EXPORTED", "Exported to the file %1"},
    {"STATUS_REPORT_WRITTEN", "The report was written to the file %1"},
    {"STATUS_PRINTING", "Sending the report to the printer ..."},
    {"STATUS_REPORT_PRINTED", "The report was sent to the printer %1"},
    {"PRINT_NO_PRINTER", "No printer is set up on this computer. The reports can be written to PDF "
                         "files instead: see Configure > Printing."},
    {"PRINT_SERVICE_DOWN",
     "The print service (CUPS) of this computer is not running and nothing was printed. Start it "
     "or have the reports written to PDF files: see Configure > Printing."},
    {"PRINT_SERVICE_NO_ANSWER",
     "The print service did not answer within %1 seconds and nothing was printed. Check the "
     "printer and the print service and print again."},
    {"PRINT_REFUSED",
     "The printer %1 did not take the report and nothing was printed. The print service says: %2"},
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

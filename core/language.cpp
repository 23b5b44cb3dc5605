#include "core/language.h"

#include "core/keyedfile.h"
#include "core/savefile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace veltra {
namespace {

constexpr LanguageGroup Heading = LanguageGroup::Heading;
constexpr LanguageGroup Message = LanguageGroup::Message;
constexpr LanguageGroup WindowCaption = LanguageGroup::WindowCaption;
constexpr LanguageGroup MenuCaption = LanguageGroup::MenuCaption;

const std::vector<LanguageKey> kKeys = {
    {"SCORESHEET_MAIN_HEADING", Heading, "", false},
    {"SCORESHEET_JUDGE_LABEL", Heading, "", true},
    {"SCORESHEET_PILOT_LABEL", Heading, "", true},
    {"SCORESHEET_MANEUVER_HEADING", Heading, "", true},
    {"SCORESHEET_NOISE_TEXT", Heading, "", true},
    {"START_PRINT_MAIN_HEADING", Heading, "", false},
    {"START_PRINT_ROUND_HEADING", Heading, "", true},
    {"START_PRINT_PILOT_HEADING", Heading, "", true},
    {"START_PRINT_CHANNEL_HEADING", Heading, "", true},
    {"START_PRINT_PAUSE_MESSAGE_1", Heading, "", true},
    {"START_PRINT_PAUSE_MESSAGE_2", Heading, "", true},
    {"JUDGE_PRINT_MAIN_HEADING", Heading, "", false},
    {"JUDGE_PRINT_JUDGE_HEADING", Heading, "", true},
    {"JUDGE_PRINT_CLUB_HEADING", Heading, "", true},
    {"RESULT_PRINT_MAIN_HEADING", Heading, "", false},
    {"RESULT_PRINT_STARTNO_HEADING", Heading, "", true},
    {"RESULT_PRINT_NAME_HEADING", Heading, "", true},
    {"RESULT_PRINT_TOTAL_HEADING", Heading, "", true},
    {"RESULT_PRINT_NORMALIZED_HEADING", Heading, "", true},
    {"RESULT_PRINT_TEAM_NAME_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_STARTNO_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_NAME_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_CLUB_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_KFACT_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_CHANNEL_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_NAC_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_PLANE_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_ENGINE_HEADING", Heading, "", true},
    {"COMPETITOR_PRINT_RADIO_HEADING", Heading, "", true},
    {"SCORE_PRINT_ROUND_LABEL", Heading, "", true},
    {"SCORE_PRINT_PILOT_LABEL", Heading, "", true},
    {"SCORE_PRINT_MANEUVER_HEADING", Heading, "", true},
    {"SCORE_PRINT_MIN_HEADING", Heading, "", true},
    {"SCORE_PRINT_MAX_HEADING", Heading, "", true},
    {"SCORE_PRINT_SUM_HEADING", Heading, "", true},
    {"SCORE_PRINT_SUM_LABEL", Heading, "", true},
    {"SCORE_PRINT_BONUS_LABEL", Heading, "", true},
    {"SCORE_PRINT_PILOT_KFACT_LABEL", Heading, "", true},
    {"SCORE_PRINT_TOTAL_SUM_LABEL", Heading, "", true},
    {"SCORE_PRINT_HISTORY_LABEL", Heading, "", true},
    {"SCORE_PRINT_DEVIATION_LABEL", Heading, "", true},
    {"NO_COMPETITION_SELECTED", Message, "", true},
    {"EXPORT_RESULT_FORM_CAPTION", Message, "", true},
    {"EXPORT_PILOTLIST_FORM_CAPTION", Message, "", true},
    {"TOO_FEW_TO_DRAW_STARTORDER_WARNING", Message, "", true},
    {"DRAW_STARTORDER_CONFIRM_MESSAGE", Message, "", true},
    {"UNABLE_TO_LOCATE_FILE_MESSAGE", Message, "", true},
    {"VIEW_RESULT_CONFIRM_CAPTION", Message, "", true},
    {"SCORE_SHEET_CONFIRM_TEXT_1", Message, "", true},
    {"SCORE_SHEET_CONFIRM_TEXT_2", Message, "", true},
    {"PRINT_START_FORM_CAPTION", Message, "", true},
    {"PRINT_RESULT_FORM_CAPTION", Message, "", true},
    {"PRINT_COMP_FORM_CAPTION", Message, "", true},
    {"PRINT_JUDGE_FORM_CAPTION", Message, "", true},
    {"GENERAL_OK", Message, "", true},
    {"GENERAL_CANCEL", Message, "", true},
    {"GENERAL_RETURN", Message, "", true},
    {"TEAM_FORM_CAPTION", WindowCaption, "TeamForm", true},
    {"TF_LABEL_NAME", WindowCaption, "TeamForm", true},
    {"TF_LABEL_PILOTS_IN_TEAM", WindowCaption, "TeamForm", true},
    {"TF_ADD_PILOT_TO_TEAM", WindowCaption, "TeamForm", true},
    {"TF_REMOVE_PILOT_FROM_TEAM", WindowCaption, "TeamForm", true},
    {"DEFINE_TEAM_FORM_CAPTION", WindowCaption, "DefineTeamsForm", true},
    {"DTF_LABEL_TEAMS", WindowCaption, "DefineTeamsForm", true},
    {"DTF_ADD_TEAM_CAPTION", WindowCaption, "DefineTeamsForm", true},
    {"DTF_REMOVE_TEAM_CAPTION", WindowCaption, "DefineTeamsForm", true},
    {"FILE_SELECT_FORM_CAPTION", WindowCaption, "FileSelectForm", true},
    {"FSF_LABEL_FILE_CAPTION", WindowCaption, "FileSelectForm", true},
    {"FSF_LABEL_TYPE_CAPTION", WindowCaption, "FileSelectForm", true},
    {"FSF_LABEL_DISK_CAPTION", WindowCaption, "FileSelectForm", true},
    {"FSF_LABEL_FOLDER_CAPTION", WindowCaption, "FileSelectForm", true},
    {"SELECT_FORM_CAPTION", WindowCaption, "SelectForm", true},
    {"CONFIG_GENERAL_FORM_CAPTION", WindowCaption, "ConfigGeneralForm", true},
    {"CGF_FREQ_DISPLAY_MODE_LABEL_CAPTION", WindowCaption, "ConfigGeneralForm", true},
    {"CONFIG_REMOTEDISPLAY_FORM_CAPTION", WindowCaption, "ConfigRemoteDisplayForm", true},
    {"CRDF_REMOTE_CONNECT_CAPTION", WindowCaption, "ConfigRemoteDisplayForm", true},
    {"CRDF_COMPORT_LABEL_CAPTION", WindowCaption, "ConfigRemoteDisplayForm", true},
    {"CRDF_BAUDRATE_LABEL_CAPTION", WindowCaption, "ConfigRemoteDisplayForm", true},
    {"CONFIG_PRINTING_FORM_CAPTION", WindowCaption, "ConfigPrintingForm", true},
    {"CPF_TEXT_PRINTER_CAPTION", WindowCaption, "ConfigPrintingForm", true},
    {"CPF_GRAPHIC_PRINTER_CAPTION", WindowCaption, "ConfigPrintingForm", true},
    {"VIEW_FORM_CAPTION", WindowCaption, "ViewForm", true},
    {"SCORE_SHEET_CONFIRM_FORM_CAPTION", WindowCaption, "ScoreSheetConfirmForm", true},
    {"SSCF_ALL_JUDGES_AND_PILOTS", WindowCaption, "ScoreSheetConfirmForm", true},
    {"SSCF_ONE_JUDGE_ALL_PILOTS", WindowCaption, "ScoreSheetConfirmForm", true},
    {"SSCF_ALL_JUDGES_ONE_PILOT", WindowCaption, "ScoreSheetConfirmForm", true},
    {"SSCF_ONE_SCORESHEET", WindowCaption, "ScoreSheetConfirmForm", true},
    {"SCORES_FORM_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_ROUND_LABEL_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_PILOT_LABEL_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_KFACT_LABEL_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_BONUS_LABEL_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_AUTOPRINT_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCF_SCORE_NEXT_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCHEDULE_FORM_CAPTION", WindowCaption, "ScheduleForm", true},
    {"SF_ADD_CAPTION", WindowCaption, "ScheduleForm", true},
    {"SF_REMOVE_CAPTION", WindowCaption, "ScheduleForm", true},
    {"PSF_COPIES_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PSF_PAUSE_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PSF_TIME_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PSF_AFTER_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PSF_FIRST_ROUND_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PSF_LAST_ROUND_LABEL_CAPTION", WindowCaption, "PrintStartForm", true},
    {"PRF_COPIES_LABEL_CAPTION", WindowCaption, "PrintResForm", true},
    {"PRF_ROUNDS_LABEL_CAPTION", WindowCaption, "PrintResForm", true},
    {"PRF_ERASE_LOW_LABEL_CAPTION", WindowCaption, "PrintResForm", true},
    {"PCF_COPIES_LABEL_CAPTION", WindowCaption, "PrintCompForm", true},
    {"PILOT_FORM_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_NAME_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_CLUB_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_NAC_NO_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_START_NO_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_KFACT_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_CHANNEL_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_PLANE_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_ENGINE_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"PF_RADIO_LABEL_CAPTION", WindowCaption, "PilotForm", true},
    {"NEW_SCHEDULE_FORM_CAPTION", WindowCaption, "NewScheduleForm", true},
    {"NSF_SCHEDULE_NAME_LABEL_CAPTION", WindowCaption, "NewScheduleForm", true},
    {"MANEUVER_FORM_CAPTION", WindowCaption, "ManeuverForm", true},
    {"MF_MANEUVER_NUMBER_LABEL_CAPTION", WindowCaption, "ManeuverForm", true},
    {"MF_FACTOR_LABEL_CAPTION", WindowCaption, "ManeuverForm", true},
    {"MF_NAME_LABEL_CAPTION", WindowCaption, "ManeuverForm", true},
    {"JUDGE_FORM_CAPTION", WindowCaption, "JudgeForm", true},
    {"JF_JUDGE_LABEL_CAPTION", WindowCaption, "JudgeForm", true},
    {"JF_NAME_LABEL_CAPTION", WindowCaption, "JudgeForm", true},
    {"JF_NATION_LABEL_CAPTION", WindowCaption, "JudgeForm", true},
    {"EDIT_SCHEDULE_FORM_CAPTION", WindowCaption, "EditSchedForm", true},
    {"ESF_TIMELABEL_CAPTION", WindowCaption, "EditSchedForm", true},
    {"ESF_EDIT_SCHEDULE_ADD_CAPTION", WindowCaption, "EditSchedForm", true},
    {"ESF_EDIT_SCHEDULE_REMOVE_CAPTION", WindowCaption, "EditSchedForm", true},
    {"ABOUT_FORM_CAPTION", WindowCaption, "AboutForm", true},
    {"COMP_FORM_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_NAME_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_TIME_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_LOCATION_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_SCHEDULE_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_ROUNDS_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_START_NO_OFFSET_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_JUDGES_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_LABEL_PILOTS_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_ADD_JUDGE_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_REMOVE_JUDGE_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_ADD_PILOT_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_REMOVE_PILOT_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_MOVE_PILOT_UP_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_MOVE_PILOT_DOWN_CAPTION", WindowCaption, "CompetitionForm", true},
    {"CF_DEFINE_TEAMS_CAPTION", WindowCaption, "CompetitionForm", true},
    {"MENU_FILE", MenuCaption, "MainForm", true},
    {"MENU_FILE_SELECT", MenuCaption, "MainForm", true},
    {"MENU_FILE_NEW", MenuCaption, "MainForm", true},
    {"MENU_FILE_CLOSE", MenuCaption, "MainForm", true},
    {"MENU_FILE_EXPORT", MenuCaption, "MainForm", true},
    {"MENU_FILE_EXPORT_RESULTS", MenuCaption, "MainForm", true},
    {"MENU_FILE_EXPORT_PILOTLIST", MenuCaption, "MainForm", true},
    {"MENU_FILE_QUIT", MenuCaption, "MainForm", true},
    {"MENU_EDIT", MenuCaption, "MainForm", true},
    {"MENU_EDIT_SCORES", MenuCaption, "MainForm", true},
    {"MENU_EDIT_COMPETITION", MenuCaption, "MainForm", true},
    {"MENU_EDIT_FLIGHTSCHEDULE", MenuCaption, "MainForm", true},
    {"MENU_EDIT_STARTORDER", MenuCaption, "MainForm", true},
    {"MENU_VIEW", MenuCaption, "MainForm", true},
    {"MENU_VIEW_RESULTS", MenuCaption, "MainForm", true},
    {"MENU_VIEW_STARTLIST", MenuCaption, "MainForm", true},
    {"MENU_PRINT", MenuCaption, "MainForm", true},
    {"MENU_PRINT_RESULTS", MenuCaption, "MainForm", true},
    {"MENU_PRINT_STARLIST", MenuCaption, "MainForm", true},
    {"MENU_PRINT_PILOTLIST", MenuCaption, "MainForm", true},
    {"MENU_PRINT_JUDGELIST", MenuCaption, "MainForm", true},
    {"MENU_PRINT_SCORESHEETS", MenuCaption, "MainForm", true},
    {"MENU_TOOLS", MenuCaption, "MainForm", true},
    {"MENU_TOOLS_JUDGE_ANALYSIS", MenuCaption, "MainForm", true},
    {"MENU_CONFIGURE", MenuCaption, "MainForm", true},
    {"MENU_CONFIGURE_GENERAL", MenuCaption, "MainForm", true},
    {"MENU_CONFIGURE_LANGUAGE", MenuCaption, "MainForm", true},
    {"MENU_CONFIGURE_PRINTING", MenuCaption, "MainForm", true},
    {"MENU_CONFIGURE_REMOTEDISPLAY", MenuCaption, "MainForm", true},
    {"MENU_HELP", MenuCaption, "MainForm", true},
    {"MENU_HELP_HELP", MenuCaption, "MainForm", true},
    {"MENU_HELP_ABOUT", MenuCaption, "MainForm", true},
    {"EXPLAIN_TITLE", Heading, "", true},
    {"EXPLAIN_ROUNDS_COUNTED", Heading, "", true},
    {"EXPLAIN_DROP_ON", Heading, "", true},
    {"EXPLAIN_DROP_OFF", Heading, "", true},
    {"EXPLAIN_NO_MARKS", Heading, "", true},
    {"EXPLAIN_ROW_HEADING", Heading, "", true},
    {"EXPLAIN_MARK_NOTES", Heading, "", true},
    {"EXPLAIN_FEWER_NOTE", Heading, "", true},
    {"EXPLAIN_ROW_SUMS", Heading, "", true},
    {"EXPLAIN_RAW_SUM", Heading, "", true},
    {"EXPLAIN_FROM_MARKS", Heading, "", true},
    {"EXPLAIN_IN_RESULTS", Heading, "", true},
    {"EXPLAIN_DISAGREE", Heading, "", true},
    {"EXPLAIN_BEST_OF_ROUND", Heading, "", true},
    {"EXPLAIN_DIVISOR", Heading, "", true},
    {"EXPLAIN_NO_BEST", Heading, "", true},
    {"EXPLAIN_NORMALISED", Heading, "", true},
    {"EXPLAIN_NOT_COUNTED", Heading, "", true},
    {"EXPLAIN_BEST_HEADING", Heading, "", true},
    {"EXPLAIN_SUM_OF_ROUNDS", Heading, "", true},
    {"EXPLAIN_DROPPED_ROUND", Heading, "", true},
    {"EXPLAIN_NONE_BELOW", Heading, "", true},
    {"EXPLAIN_NOTHING_DROPPED", Heading, "", true},
    {"EXPLAIN_PLACE", Heading, "", true},
    {"EXPLAIN_NORM_TOTAL", Heading, "", true},
    {"EXPLAIN_NO_BEST_TOTAL", Heading, "", true},
    {"EXPLAIN_TEAM", Heading, "", true},
    {"EXPLAIN_NO_SUCH_PILOT", Heading, "", true},
    {"EXPLAIN_EXPORTED", Message, "", true},
    {"EXPLAIN_FORM_CAPTION", WindowCaption, "ExplainForm", true},
    {"EF_PILOT_LABEL_CAPTION", WindowCaption, "ExplainForm", true},
    {"EF_ROUND_LABEL_CAPTION", WindowCaption, "ExplainForm", true},
    {"EF_PRINT_CAPTION", WindowCaption, "ExplainForm", true},
    {"EF_EXPORT_CAPTION", WindowCaption, "ExplainForm", true},
    {"VF_EXPLAIN_CAPTION", WindowCaption, "ViewForm", true},
    {"SCF_EXPLAIN_CAPTION", WindowCaption, "ScoresForm", true},
    {"SCORE_PRINT_TITLE", Heading, "", true},
    {"PRINT_PAGE_OF", Heading, "", true},
    {"PRINT_PRINTED_AT", Heading, "", true},
    {"STATUS_EXPORTED", Message, "", true},
    {"STATUS_REPORT_WRITTEN", Message, "", true},
    {"STATUS_PRINTING", Message, "", true},
    {"STATUS_REPORT_PRINTED", Message, "", true},
    {"PRINT_NO_PRINTER", Message, "", true},
    {"PRINT_SERVICE_DOWN", Message, "", true},
    {"PRINT_SERVICE_NO_ANSWER", Message, "", true},
    {"PRINT_REFUSED", Message, "", true},
};

const QHash<QString, const LanguageKey*>& keysByName() {
    static const QHash<QString, const LanguageKey*> byName = [] {
        QHash<QString, const LanguageKey*> map;
        for (const LanguageKey& key : kKeys)
            map.insert(QString::fromLatin1(key.key), &key);
        return map;
    }();
    return byName;
}

} // namespace

const std::vector<LanguageKey>& LanguageKeys() {
    return kKeys;
}

void ReadLanguageBytes(const QByteArray& bytes, Texts& texts) {
    const QHash<QString, const LanguageKey*>& known = keysByName();
    const auto isKey = [&](const QString& name) { return known.contains(name); };
    for (const KeyedRecord& record : ReadKeyedRecords(bytes, isKey)) {
        if (record.value && known.value(record.key)->used)
            texts.set(record.key, *record.value);
    }
}

Status ReadLanguageFile(const QString& path, Texts& texts) {
    const std::optional<QByteArray> bytes =
        QFileInfo(path).isFile() ? ReadWholeFile(path) : std::nullopt;
    if (!bytes)
        return Status::failure(texts.get(QStringLiteral("UNABLE_TO_LOCATE_FILE_MESSAGE")) + u'\n' +
                               QDir::toNativeSeparators(path));
    ReadLanguageBytes(*bytes, texts);
    return Status::success();
}

} // namespace veltra

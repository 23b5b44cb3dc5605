#include "core/texts.h"

namespace veltra {
namespace {

struct Fallback {
    const char* key;
    const char* text;
};

// English texts for the messages the program shows before any language file is read.
constexpr Fallback kFallbacks[] = {
    {"UNABLE_TO_LOCATE_FILE_MESSAGE", "Unable to locate the file."},
    {"NO_COMPETITION_SELECTED", "No competition selected"},
    {"GENERAL_OK", "&OK"},
    {"GENERAL_CANCEL", "&Cancel"},
    {"GENERAL_RETURN", "&Return"},
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

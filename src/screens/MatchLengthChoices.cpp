#include "screens/MatchLengthChoices.h"

#include "profiles/SettingsFile.h"

namespace {
const char* const kMatchLengthKey = "twoPlayers.matchLength";
}  // namespace

const std::vector<MatchLengthChoice>& matchLengthChoices()
{
    static const std::vector<MatchLengthChoice> choices = {
        {"FIRST TO 3", "goals-3", {3, 0}},     {"FIRST TO 5", "goals-5", {5, 0}},
        {"FIRST TO 7", "goals-7", {7, 0}},     {"FIRST TO 10", "goals-10", {10, 0}},
        {"3 MINUTES", "minutes-3", {kWinningScore, 3}}, {"5 MINUTES", "minutes-5", {kWinningScore, 5}},
    };
    return choices;
}

int designedMatchLengthChoice()
{
    const std::vector<MatchLengthChoice>& choices = matchLengthChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (choices[i].length == MatchLength())
            return static_cast<int>(i);
    return 0;
}

int readMatchLengthChoice(const SettingsFile* settings)
{
    if (!settings)
        return designedMatchLengthChoice();
    const std::string kept = settings->text(kMatchLengthKey, "");
    const std::vector<MatchLengthChoice>& choices = matchLengthChoices();
    for (std::size_t i = 0; i < choices.size(); ++i)
        if (kept == choices[i].setting)
            return static_cast<int>(i);
    return designedMatchLengthChoice();
}

void keepMatchLengthChoice(SettingsFile* settings, int choice)
{
    const std::vector<MatchLengthChoice>& choices = matchLengthChoices();
    if (!settings || choice < 0 || choice >= static_cast<int>(choices.size()))
        return;
    settings->setText(kMatchLengthKey, choices[static_cast<std::size_t>(choice)].setting);
}

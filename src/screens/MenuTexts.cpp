#include "screens/MenuTexts.h"

namespace {

std::string joinLines(std::initializer_list<const char*> lines)
{
    std::string text;
    for (const char* line : lines) {
        if (!text.empty())
            text += '\n';
        text += line;
    }
    return text;
}

} // namespace

const std::vector<std::string>& helpPages()
{
    static const std::vector<std::string> pages = {
        joinLines({
            "[INTRODUCTION]",
            "|",
            "You play against eight computer opponents of rising strength, one after the other, or alone in [FREE PRACTICE].",
            "|",
            "The [MOUSE] holds your rods. Move it [FORWARD] and [BACK] to shift the rods across the table, move it [LEFT] and [RIGHT] to turn them.",
            "The [LEFT BUTTON] plays a fast click shot. Hold the [RIGHT BUTTON] to tilt the figures into a trapping position.",
            "|",
            "Keys during a match: [1] to [4], [SPACE], [C] and [V] choose the rods you hold, [X] switches assisted mode, [D] reports a dead ball, [P] pauses and [ESC] leaves the match (answer with [Y] or [N]).",
            "[TAB] changes the view of the table: the view from above, a low view from the side that follows the ball, or a view from behind your own goal. In each view the mouse moves the rods the way they move on the screen, and the view you chose is kept for your next match.",
        }),
        joinLines({
            "[ROD SELECTION]",
            "|",
            "[1] goalkeeper, [2] defence, [3] midfield, [4] attack: the mouse holds that one rod until you choose another mode. The display shows its number after ROD.",
            "[SPACE] AUTO: the game hands you the rod nearest to the ball, passing it on earlier in the direction the ball is moving.",
            "[C] ALL: the mouse holds all four rods at once.",
            "[V] BACK: the rod AUTO would choose and every rod behind it, towards your own goal.",
            "|",
            "[X] switches [ASSISTED MODE]. While it is on, the rods you do not hold help you: rods behind your rod stand upright in the middle to block, rods in front of it lift their figures to let the ball through. While it is off, the rods you do not hold stand still.",
        }),
        joinLines({
            "[RULES]",
            "|",
            "The first side to score [5] goals wins the match. You kick off first, from your midfield rod. After a goal the side that was scored upon kicks off from its midfield rod.",
            "|",
            "When the ball stops where no rod can reach it, that is a normal dead-ball: the player who last touched the ball starts with its goalkeeper.",
            "When the ball lies still within reach of your rods, press [D] to report a dead-ball. Your computer opponent reports one when the ball has lain still out of your reach and within its own for more than 11 seconds. After a reported dead-ball the player who reported it starts with its goalkeeper. In [FREE PRACTICE] [D] restarts at your goalkeeper whenever the ball lies still.",
            "|",
            "Beating an opponent makes the next one available. The ten best wins of all players are kept in [BEST ACHIEVEMENTS].",
            "[FREE PRACTICE] has no score and no end: leave it with [ESC] and [Y].",
        }),
        joinLines({
            "[SETTINGS]",
            "|",
            "[SOUND] and [MUSIC] switch the sound effects and the music on or off, their volumes go from 0 to 15. You hear a change at once.",
            "[SHADOWS] switches the shadows on the table. Where the graphics cannot draw them it stays OFF. [RIM] switches the sloped border that rolls the ball back into play.",
            "[ROTATION BOUNDARIES] stop the rods you hold from turning past horizontal. [ROD SELECTION] (MANUAL, AUTO, ALL or BACK) and [ASSISTED MODE] are the modes a match starts with. MANUAL starts with the midfield rod.",
            "[HORIZONTAL MOUSE SENSITIVITY] sets how fast sideways mouse movement turns a rod, [VERTICAL MOUSE SENSITIVITY] how fast forward and back movement shifts it, [CLICK ROTATION SPEED] how fast a click shot turns: each from 1 to 15.",
            "[ROD ROTATION DIRECTION] OPPOSITE turns the rods the other way round when you move the mouse sideways. Click shots and the trap tilt stay as they are.",
            "|",
            "The other settings take effect at the next match.",
        }),
    };
    return pages;
}

const std::string& padHelpPage()
{
    static const std::string text = joinLines({
        "[PADS AND TWO PLAYERS]",
        "|",
        "A [PAD] holds your rods as the mouse does. The [LEFT STICK] shifts them (up pushes them away from you), the [RIGHT STICK] turns them (towards the other goal swings the feet forward). The [RIGHT TRIGGER] or [A] plays the click shot, the [LEFT TRIGGER] or [B] tilts the figures to trap the ball.",
        "The [SHOULDER BUTTONS] step to the rod behind or in front, the [D-PAD] picks a rod (left goalkeeper, down defence, up midfield, right attack), [Y] holds all rods, [BACK] gives the automatic choice and [X] switches assisted mode. Pressing the [RIGHT STICK] in changes the view of the table as [TAB] does, [START] asks to leave the match as [ESC] does. When you play alone, a connected pad plays beside the mouse.",
        "|",
        "Keys of the second player: [UP] and [DOWN] shift the rods, [LEFT] and [RIGHT] turn them, [RIGHT CTRL] shoots, [RIGHT SHIFT] tilts, [,] and [.] step to the rod behind or in front, [/] holds all rods, [L] gives the automatic choice and [M] switches assisted mode. A still ball only he reaches goes to his goalkeeper after 11 seconds.",
        "|",
        "[TWO PLAYERS] on the player menu starts a match for two at one table. Player 2 picks another profile or plays as [GUEST], and each player picks the mouse, the keys or a pad. Player 2 plays the other team with his controls mirrored, so that forward always means towards the other goal. The first side to score [5] goals wins, unless they choose another [MATCH LENGTH] on the two-player screen: 3, 7 or 10 goals, or 3 or 5 minutes, after which the side ahead wins and a draw goes on to the next goal. The result counts in each profile's two-player record, never in the best achievements.",
        "A pad pulled out during a match pauses it until a pad is connected again, and [P] plays on without it. The pads' dead zone, sensitivity, direction and way of control (the stick sets the rod's position or its speed) are set on the two-player screen.",
    });
    return text;
}

const std::string& creditsText()
{
    static const std::string text = joinLines({
        "[PITCHBAR] - table football for one player.",
        "|",
        "Game design, programming, models, pictures, sounds and music: the Pitchbar team.",
        "|",
        "Built with [SDL2] (window, keyboard and mouse), [OpenGL] through [libepoxy] (graphics), [OpenAL Soft] and [freealut] (sound), [libvorbis] (music), the [stb] image loader (pictures) and [FreeType] with the [DejaVu] fonts (lettering).",
        "Tested with [GoogleTest] and measured with [Google Benchmark].",
        "|",
        "Thank you for playing!",
    });
    return text;
}

std::string levelText(int bestLevel, const std::vector<std::string>& opponentNames)
{
    if (bestLevel < 0)
        return "BEGINNER - NO OPPONENT BEATEN YET";
    const int beaten = bestLevel + 1;
    if (beaten >= static_cast<int>(opponentNames.size()))
        return "CHAMPION - ALL " + std::to_string(beaten) + " OPPONENTS BEATEN";
    return std::to_string(beaten) + " OF " + std::to_string(opponentNames.size()) + " OPPONENTS BEATEN";
}

std::string bestAchievementText(int bestLevel, int bestConceded, const std::vector<std::string>& opponentNames)
{
    if (bestLevel < 0 || bestLevel >= static_cast<int>(opponentNames.size()))
        return "NONE";
    return "5-" + std::to_string(bestConceded) + " against " + opponentNames[static_cast<std::size_t>(bestLevel)];
}

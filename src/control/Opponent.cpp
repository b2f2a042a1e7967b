#include "control/Opponent.h"

#include "control/FoosballAI.h"

#include <utility>

namespace {
// rotation, shift, strike, lower, lift, reaction, act, block, aim moving, aim resting,
// goalie tracking, tracking range, pass chance
const OpponentEntry kOpponents[kOpponentTableSize] = {
    {"BOB",
     "Bob is certainly not the best player in the city, but he is very enthusiastic about foosball.\n"
     "He turns his rods slowly and takes his time before every shot.\n"
     "A good first opponent to learn the table with.",
     {2.2f, 9.0f, 4.5f, 6.0f, 6.0f, 0.7f, 11.0f, 22.0f, 1.0f, 2.0f, false, 0.0f, 0.0f}},
    {"ROBERT",
     "Robert often speaks about his foosball achievements from the past.\n"
     "His hands are quicker than Bob's, but his goalkeeper still stands like a statue.\n"
     "Keep the ball moving and he will not know where to look.",
     {3.2f, 15.0f, 7.0f, 6.0f, 6.0f, 0.4f, 18.0f, 32.0f, 1.0f, 2.0f, false, 0.0f, 0.0f}},
    {"DAVID",
     "David is a young guy, but his attack is getting dangerous.\n"
     "His goalkeeper follows the ball, so shots straight down the middle rarely get past.\n"
     "Aim for the corners and shoot hard.",
     {3.2f, 15.0f, 11.0f, 6.0f, 6.0f, 0.4f, 25.0f, 42.0f, 2.0f, 3.4f, true, 5.5f, 0.0f}},
    {"NATALIE",
     "Natalie is a girl with very good reflexes!\n"
     "She reacts to your shots in a blink and moves her rods fast.\n"
     "Do not give her a slow ball in front of her attack.",
     {4.8f, 19.0f, 11.0f, 6.0f, 6.0f, 0.22f, 25.0f, 42.0f, 2.0f, 3.4f, true, 5.5f, 0.0f}},
    {"OSCAR",
     "What makes Oscar better than the average foosball player is his approach to attack.\n"
     "He strikes harder than anyone you have met so far and goes for every loose ball.\n"
     "Your defence will be busy.",
     {4.8f, 19.0f, 15.0f, 6.0f, 6.0f, 0.22f, 32.0f, 50.0f, 2.0f, 3.4f, true, 5.5f, 0.0f}},
    {"LISA",
     "Lisa lives and breathes foosball!\n"
     "Both her defense and attack are on a very high level!\n"
     "She likes to pass the ball across from her midfield, so watch both sides of your goal.",
     {6.0f, 21.0f, 19.0f, 6.0f, 6.0f, 0.18f, 40.0f, 60.0f, 2.0f, 3.4f, true, 5.5f, 0.4f}},
    {"SAM",
     "Sam is a professional foosball player.\n"
     "He plays fast, passes well and rarely wastes a chance.\n"
     "Only your very best game will be good enough.",
     {9.0f, 25.0f, 23.0f, 6.0f, 6.0f, 0.14f, 50.0f, 70.0f, 2.0f, 3.4f, true, 5.5f, 0.4f}},
    {"JOHN THE KING",
     "John is absolutely the best foosball player in the city.\n"
     "Nobody has seen him lose a match in years, and his shots are almost too fast to see.\n"
     "Beat him and the city's table is yours.",
     {12.0f, 28.0f, 28.0f, 6.0f, 6.0f, 0.11f, 65.0f, 85.0f, 2.0f, 3.4f, true, 5.5f, 0.4f}},
};
} // namespace

Opponent::Opponent(std::string name_, std::string description_, const OpponentParameters& parameters)
    : name(std::move(name_)), description(std::move(description_)), ai(new FoosballAI(parameters))
{
}

Opponent::~Opponent()
{
    delete ai;
}

const OpponentEntry& opponentEntry(int index)
{
    if (index < 0) index = 0;
    if (index >= kOpponentTableSize) index = kOpponentTableSize - 1;
    return kOpponents[index];
}

std::vector<std::unique_ptr<Opponent>> createOpponents()
{
    std::vector<std::unique_ptr<Opponent>> opponents;
    for (const OpponentEntry& entry : kOpponents)
        opponents.push_back(std::make_unique<Opponent>(entry.name, entry.description, entry.parameters));
    return opponents;
}

int findOpponent(const std::string& name)
{
    for (int i = 0; i < kOpponentTableSize; ++i)
        if (name == kOpponents[i].name) return i;
    return -1;
}

#pragma once
// A real match screen in a game without devices: the renderer draws into a recorder, the
// fonts and the GUI style have empty textures (the glyph tables still give real widths),
// the table sounds are recorded, errors and the save file go to a fresh temporary folder,
// and plain screens stand in for the menus the match leaves to.
#include "control/FoosballAI.h"
#include "control/Opponent.h"
#include "input/InputSystem.h"
#include "screens/MatchScreen.h"
#include "simulation/RecordingTableSounds.h"
#include "support/DevicelessGameFixture.h"

#include <cmath>
#include <cstring>
#include <initializer_list>
#include <memory>

struct MatchFixture : DevicelessGameFixture {
    MatchScreen* match = nullptr;
    RecordingTableSounds* sounds = nullptr;
    Profile* profile = nullptr;

    void SetUp() override {
        DevicelessGameFixture::SetUp();
        game.context.screens.profilesScreen = standIn();
        game.context.screens.playerScreen = standIn();
        game.context.screens.winnerScreen = standIn();

        match = new MatchScreen(&game.context, game.renderer);
        game.context.screens.matchScreen = match;
        ASSERT_TRUE(match->load());
        auto recorder = std::make_unique<RecordingTableSounds>();
        recorder->recordRollUpdates = false;
        sounds = recorder.get();
        match->tableSounds = std::move(recorder);
        match->simulation.tableSounds = sounds;

        profile = game.profileStore.addProfile("ANN");
        game.profileStore.selectProfile(profile);
    }
    void TearDown() override {
        if (game.renderer->screen == match)
            match->onLeave();
        DevicelessGameFixture::TearDown();
    }

    // A match against opponent `opponent` (-1: free practice), entered as a finished fade
    // would enter it.
    void start(int opponent) {
        game.profileStore.currentOpponent = opponent;
        match->transition = PBScreen::Shown;
        match->transitionTime = 0.0f;
        game.renderer->screen = match;
        match->onEnter();
    }

    // One frame as the game runs it: the keys of the previous frame move to previousKeys,
    // then `down` are the keys held now.
    void frame(float dt, std::initializer_list<std::uint8_t> down = {}) {
        InputSystem& in = *game.context.inputSystem;
        std::memcpy(in.previousKeys, in.keys, sizeof in.keys);
        std::memset(in.keys, 0, sizeof in.keys);
        in.typed.clear();
        for (std::uint8_t k : down) {
            in.keys[k] = Key::DownBit;
            // The quit question's answers are read as typed (a US layout here).
            if (k == Key::Y) in.typed.push_back('y');
            if (k == Key::N) in.typed.push_back('n');
        }
        match->update(dt);
    }
    // A key pressed and let go again (two frames).
    void press(std::uint8_t key, float dt = 0.01f) {
        frame(dt, {key});
        frame(dt);
    }
    // round(seconds / dt) frames of dt.
    void run(float seconds, float dt = 0.05f) {
        const long frames = std::lround(seconds / dt);
        for (long i = 0; i < frames; ++i) frame(dt);
    }

    // The table has just counted a goal (by team 0 when `byTeam0`), leaving the score at
    // team0-team1; one frame lets the screen take it.
    void goalCounted(int team0, int team1, bool byTeam0) {
        Simulation& sim = match->simulation;
        sim.score[0] = team0;
        sim.score[1] = team1;
        sim.goalPending = true;
        sim.goalByTeam0 = byTeam0;
        frame(0.01f);
    }

    std::string opponentName(int i) const { return game.opponents[i]->name; }
};

// Stands in for the other side's controller and keeps the length of each update.
struct StepSpy : FoosballControl {
    std::vector<float> steps;
    void initStates() override {}
    void update(float dt) override { steps.push_back(dt); }
};

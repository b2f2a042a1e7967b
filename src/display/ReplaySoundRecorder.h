#pragma once
// The match's table sounds on their way to the speakers, noted with their match time in
// the replay's ring so that the goal replay is heard as it was played: kicks, wall hits
// and the goal. The rolling ball is not kept; it is heard live only.
#include "display/ReplayBuffer.h"
#include "simulation/TableSounds.h"

class ReplaySoundRecorder : public TableSounds {
public:
    // Both stay the caller's; time is read at each sound (the match's seconds of play).
    ReplaySoundRecorder(TableSounds& heard, ReplayBuffer& ring, const double& time)
        : heard_(heard), ring_(ring), time_(time) {}

    void startRoll() override { heard_.startRoll(); }
    void updateRoll(const Vector3& velocity, const Vector3& position) override { heard_.updateRoll(velocity, position); }
    void stopRoll() override { heard_.stopRoll(); }
    void playKick(const Vector3& position, float volume) override
    {
        note(ReplaySound::Kick, position, volume, false);
        heard_.playKick(position, volume);
    }
    void playBallWall(const Vector3& position, float volume) override
    {
        note(ReplaySound::BallWall, position, volume, false);
        heard_.playBallWall(position, volume);
    }
    void playRodWall(const Vector3& position, float volume) override
    {
        note(ReplaySound::RodWall, position, volume, false);
        heard_.playRodWall(position, volume);
    }
    void playScore(bool far, float volume) override
    {
        note(ReplaySound::Score, Vector3(), volume, far);
        heard_.playScore(far, volume);
    }
    void playApplause() override { heard_.playApplause(); }
    void endFrame() override { heard_.endFrame(); }

    // Plays a kept sound again through the same speakers, without keeping it again.
    static void replay(const ReplaySound& s, TableSounds& to)
    {
        switch (s.kind) {
        case ReplaySound::Kick: to.playKick(s.position, s.volume); break;
        case ReplaySound::BallWall: to.playBallWall(s.position, s.volume); break;
        case ReplaySound::RodWall: to.playRodWall(s.position, s.volume); break;
        case ReplaySound::Score: to.playScore(s.far, s.volume); break;
        }
    }

private:
    void note(ReplaySound::Kind kind, const Vector3& position, float volume, bool far)
    {
        ReplaySound s;
        s.time = time_;
        s.kind = kind;
        s.position = position;
        s.volume = volume;
        s.far = far;
        ring_.addSound(s);
    }

    TableSounds& heard_;
    ReplayBuffer& ring_;
    const double& time_;
};

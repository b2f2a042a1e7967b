#pragma once
// The instruments of the match music: the menu music's synthesisers and dance drums are
// its own (MusicSynth.h); these give each further track a band of its own. A lounge band
// (electric piano, vibraphone, round bass, soft kick, rimshot, shaker), an arcade machine
// (pulse and triangle voices, noise drums) and a samba school (nylon guitar, flute, surdo,
// tamborim, agogô bells, ganzá). Each adds one note to a circular MusicTrack, so a note
// that rings past the end continues at the beginning.
#include "audio/MusicSynth.h"

// Lounge.
void playElectricPiano(MusicTrack& track, double start, double length, int note, double velocity, double pan);
void playVibraphone(MusicTrack& track, double start, double length, int note, double velocity);
void playRoundBass(MusicTrack& track, double start, double length, int note, double velocity);
void playSoftKick(MusicTrack& track, double start, double velocity);
void playRimshot(MusicTrack& track, double start, double velocity);
void playShaker(MusicTrack& track, double start, double velocity);

// Arcade: `duty` is the pulse's width (0.125, 0.25 or 0.5 as the old chips had them).
void playChipPulse(MusicTrack& track, double start, double length, int note, double velocity, double duty,
                   double pan);
void playChipTriangle(MusicTrack& track, double start, double length, int note, double velocity);
void playChipKick(MusicTrack& track, double start, double velocity);
void playChipSnare(MusicTrack& track, double start, double velocity);
void playChipHat(MusicTrack& track, double start, double velocity);

// Samba.
// A plucked string that rings for `length` seconds and is then damped by the hand.
void playNylonGuitar(MusicTrack& track, double start, double length, int note, double velocity, double pan);
void playFlute(MusicTrack& track, double start, double length, int note, double velocity);
void playSurdo(MusicTrack& track, double start, double velocity, bool muted);
void playTamborim(MusicTrack& track, double start, double velocity);
void playAgogo(MusicTrack& track, double start, bool high, double velocity);
void playGanza(MusicTrack& track, double start, double velocity);

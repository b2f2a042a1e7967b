#!/usr/bin/env python3
"""Headless figures of the opponent ladder: every neighbouring pair of opponents plays
SEEDS matches with the stronger one at home and SEEDS with the weaker one at home (seeds
1..SEEDS each way). Prints, per pair, how often the stronger one wins, how many matches
reach the time cap, and the dead balls (normal, and reported by an opponent) per 1,000 s
of play.

    python3 tools/sim/ladder_figures.py build/pitchbar-sim [SEEDS] [--rim on|off]
"""
import json
import subprocess
import sys

NAMES = ["BOB", "ROBERT", "DAVID", "NATALIE", "OSCAR", "LISA", "SAM", "JOHN THE KING"]


def play(sim, home, away, seed, rim):
    out = subprocess.run([sim, "match", "--home", str(home), "--away", str(away), "--seed", str(seed),
                          "--rim", rim], check=True, capture_output=True, text=True).stdout
    return json.loads(out)


def main():
    args = [a for a in sys.argv[1:]]
    rim = "on"
    if "--rim" in args:
        at = args.index("--rim")
        rim = args[at + 1]
        del args[at:at + 2]
    if not args:
        print(__doc__)
        return 2
    sim = args[0]
    seeds = int(args[1]) if len(args) > 1 else 30
    print(f"rim {rim}, seeds 1..{seeds} each way, {2 * seeds} matches per pair")
    print(f"{'weaker':8} {'stronger':14} {'stronger wins':>13} {'time cap':>8} {'seconds':>8} "
          f"{'normal':>6} {'reported':>8} {'reported/1000s':>14}")
    total = {"seconds": 0.0, "normal": 0, "reported": 0, "cap": 0}
    for weak in range(7):
        strong = weak + 1
        wins = cap = normal = reported = 0
        seconds = 0.0
        for seed in range(1, seeds + 1):
            for home, away in ((strong, weak), (weak, strong)):
                r = play(sim, home, away, seed, rim)
                seconds += r["gameSeconds"]
                normal += r["deadBalls"]["normal"]
                reported += r["deadBalls"]["reported"]
                if r["winner"] == "draw":
                    cap += 1
                elif r["winner"] == NAMES[strong]:
                    wins += 1
        total["seconds"] += seconds
        total["normal"] += normal
        total["reported"] += reported
        total["cap"] += cap
        print(f"{NAMES[weak]:8} {NAMES[strong]:14} {wins:>6}/{2 * seeds:<6} {cap:>8} {seconds:>8.0f} "
              f"{normal:>6} {reported:>8} {1000.0 * reported / seconds:>14.2f}")
    print(f"all pairs: {total['cap']} time caps, {total['normal']} normal and {total['reported']} reported "
          f"dead balls in {total['seconds']:.0f} s, {1000.0 * total['reported'] / total['seconds']:.2f} "
          f"reported per 1000 s")
    return 0


if __name__ == "__main__":
    sys.exit(main())

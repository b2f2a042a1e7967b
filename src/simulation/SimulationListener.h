#pragma once
// Observer of ball events. The simulation never calls into it: it only raises `changed`,
// and the listener clears the flag once it has reacted (the computer opponent drops a
// planned move then).
class SimulationListener {
public:
    virtual ~SimulationListener() {}

    bool changed = false;
};

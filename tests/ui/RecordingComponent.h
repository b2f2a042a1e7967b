#pragma once
// A widget that writes down every event it gets, as "name:event(x,y)".
#include "ui/GUIComponent.h"

#include <string>
#include <vector>

class RecordingComponent : public GUIComponent {
public:
    std::string name;
    std::vector<std::string>* log;

    RecordingComponent(std::string n, std::vector<std::string>* l, int px, int py, int w, int h)
        : name(std::move(n)), log(l)
    {
        x = px;
        y = py;
        width = w;
        height = h;
    }
    void onMouseMove(int px, int py) override { add("move", px, py); }
    void onMouseLeave() override { log->push_back(name + ":leave"); }
    void onMouseDown(int px, int py) override { add("down", px, py); }
    void onMouseUp(int px, int py) override { add("up", px, py); }
    void onClick(int px, int py) override { add("click", px, py); }

private:
    void add(const char* what, int px, int py)
    {
        log->push_back(name + ":" + what + "(" + std::to_string(px) + "," + std::to_string(py) + ")");
    }
};

#pragma once
// The match's announcements ("DEAD BALL", "... SCORES", "... WINS"), shown one at a time:
// each fades in for 0.7 s, stays 1.4 s and fades out for 0.6 s.
#include <deque>
#include <string>

struct AtlasImage;

class MessageTicker {
public:
    struct Message {
        std::string text;
        const AtlasImage* image = nullptr;  // shown above the text, optional
    };

    // The end of a message's life, one float step below 2.7 s: a message that has been up
    // for exactly 2.7 s (as float time adds up) is already gone.
    static constexpr float kEnd = 2.6999998f;
    static constexpr float kFadeIn = 0.7f;
    static constexpr float kFullUntil = 2.1f;
    static constexpr float kFadeOut = 0.6f;

    void queue(const std::string& text, const AtlasImage* image = nullptr);
    void update(float dt);
    void clear();

    bool showing() const { return active; }
    const std::string& text() const { return current.text; }
    const AtlasImage* image() const { return current.image; }
    float alpha() const { return currentAlpha; }
    std::size_t waiting() const { return pending.size(); }

private:
    std::deque<Message> pending;
    Message current;
    bool active = false;
    float timer = 0.0f;
    float currentAlpha = 0.0f;
};

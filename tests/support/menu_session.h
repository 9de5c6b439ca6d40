// Scenarios of menu use, and readers of what the menu drew in a trace.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "support/trace_reader.h"

namespace menu_session {

// A scenario that loads the plug-in, then taps keys: each tap holds the key for one frame
// and then lets 250 ms pass, longer than any wait of the menu.
class Session {
  public:
    Session() : text_("frames 1\n") {}
    Session& line(const std::string& l) {
        text_ += l + "\n";
        return *this;
    }
    Session& tap(const std::string& key) { return line("press " + key + " 16").line("run 250"); }
    Session& open() { return tap("F10"); }
    Session& up() { return tap("NUMPAD8"); }
    Session& down() { return tap("NUMPAD2"); }
    Session& left() { return tap("NUMPAD4"); }
    Session& right() { return tap("NUMPAD6"); }
    Session& select() { return tap("NUMPAD5"); }
    Session& back() { return tap("NUMPAD0"); }
    Session& down(int n) {
        for (int i = 0; i < n; ++i)
            down();
        return *this;
    }
    Session& up(int n) {
        for (int i = 0; i < n; ++i)
            up();
        return *this;
    }
    Session& run(int ms) { return line("run " + std::to_string(ms)); }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

using trace_reader::Event;

// The last frame in which a menu title (font 1) was drawn, or -1.
long long lastMenuFrame(const std::vector<Event>& trace);
// The title drawn in frame f, or "".
std::string titleAt(const std::vector<Event>& trace, long long f);
// The index of the highlighted line in frame f (from its light rectangle), or -1.
int highlightedAt(const std::vector<Event>& trace, long long f, int screenHeight = 1080);
// The value text drawn after the first line labelled `label` in frame f, or "<none>".
std::string valueAt(const std::vector<Event>& trace, long long f, const std::string& label);
// The events of one frame.
std::vector<Event> frameEvents(const std::vector<Event>& trace, long long f);

}  // namespace menu_session

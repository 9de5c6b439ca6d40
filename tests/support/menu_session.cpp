#include "support/menu_session.h"

namespace menu_session {

std::vector<Event> frameEvents(const std::vector<Event>& trace, long long f) {
    std::vector<Event> out;
    for (const Event& e : trace)
        if (e.f() == f) out.push_back(e);
    return out;
}

long long lastMenuFrame(const std::vector<Event>& trace) {
    long long last = -1;
    for (const Event& e : trace)
        if (e.ev() == "text" && e["font"].num() == 1) last = e.f();
    return last;
}

std::string titleAt(const std::vector<Event>& trace, long long f) {
    for (const Event& e : frameEvents(trace, f))
        if (e.ev() == "text" && e["font"].num() == 1) return e["text"].str();
    return "";
}

int highlightedAt(const std::vector<Event>& trace, long long f, int screenHeight) {
    for (const Event& e : frameEvents(trace, f)) {
        if (e.ev() != "rect" || e["rgba"][0].num() != 235 || e["rgba"][3].num() != 255) continue;
        const double top = e["centre"][1].num() * screenHeight - 29.75 / 2;
        return static_cast<int>(std::lround((top - 60.0) / 32.725));
    }
    return -1;
}

std::string valueAt(const std::vector<Event>& trace, long long f, const std::string& label) {
    const std::vector<Event> events = frameEvents(trace, f);
    for (size_t i = 0; i + 1 < events.size(); ++i)
        if (events[i].ev() == "text" && events[i]["text"].str() == label)
            for (size_t j = i + 1; j < events.size(); ++j)
                if (events[j].ev() == "text") return events[j]["text"].str();
    return "<none>";
}

}  // namespace menu_session
